#include <gtest/gtest.h>

#include "note_fixture.h"

namespace {

using platform::Align;
using platform::kAlt;
using platform::kCtrl;
using platform::kShift;
using testing_support::NoteTest;

class NoteKeys : public NoteTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        note = &OpenNewNote();
    }
    notes::FrmNote* note = nullptr;
};

struct KeyCase {
    int key;
    int shift;
    std::string fontName;
    double fontSize;
    Align alignment;
    platform::ColorRef foreColor;
    platform::ColorRef backColor;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key " << c.key << " shift " << c.shift;
}

// The first-run note: MS Sans Serif 8, centred, black on light yellow.
const KeyCase kUnchanged{0, 0, "MS Sans Serif", 8, Align::Center, 0x000000, 0x94C2E3};

KeyCase Expect(int key, int shift, const std::function<void(KeyCase&)>& change) {
    KeyCase c = kUnchanged;
    c.key = key;
    c.shift = shift;
    change(c);
    return c;
}

class FormatKeys : public NoteKeys, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(FormatKeys, ActTheSameInTheTextAndOnTheGripAndRestartTheCountdown) {
    const KeyCase& c = GetParam();
    for (const char* element : {"NoteText", "ButResize"}) {
        note = &OpenNewNote();
        platform::Control* target = note->form().find(element);
        platform.keyDown(*target, c.key, c.shift);
        EXPECT_EQ(note->NoteText->font().name, c.fontName) << target->name();
        EXPECT_EQ(note->NoteText->font().size, c.fontSize) << target->name();
        EXPECT_EQ(note->NoteText->alignment(), c.alignment) << target->name();
        EXPECT_EQ(note->NoteText->foreColor(), c.foreColor) << target->name();
        EXPECT_EQ(note->LabelTit->foreColor(), c.foreColor) << target->name();
        EXPECT_EQ(note->NoteText->backColor(), c.backColor) << target->name();
        EXPECT_EQ(note->ButResize->backColor(), c.backColor) << target->name();
        EXPECT_EQ(note->form().backColor(), c.backColor) << target->name();
        EXPECT_TRUE(note->Odpocet->enabled()) << target->name();
        EXPECT_EQ(note->SaveCountdown, 10) << target->name();
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FormatKeys,
                         ::testing::Values(Expect(platform::kKeyF2, 0, [](KeyCase& c) { c.alignment = Align::Left; }),
                                           Expect(platform::kKeyF3, 0, [](KeyCase& c) { c.alignment = Align::Center; }),
                                           Expect(platform::kKeyF4, 0, [](KeyCase& c) { c.alignment = Align::Right; }),
                                           Expect(platform::kKeyF6, 0, [](KeyCase& c) { c.foreColor = 0x1020B0; }),
                                           Expect(platform::kKeyF7, 0, [](KeyCase& c) { c.foreColor = 0x006000; }),
                                           Expect(platform::kKeyF8, 0, [](KeyCase& c) { c.foreColor = 0x904000; }),
                                           Expect(platform::kKeyF6, kShift, [](KeyCase& c) { c.backColor = 0xA0B0F0; }),
                                           Expect(platform::kKeyF7, kShift, [](KeyCase& c) { c.backColor = 0xA0C0A0; }),
                                           Expect(platform::kKeyF8, kShift, [](KeyCase& c) { c.backColor = 0xC0B590; }),
                                           Expect(platform::kKeyF9, 0,
                                                  [](KeyCase& c) {
                                                      c.fontName = "Small Fonts";
                                                      c.fontSize = 7;
                                                  }),
                                           Expect(platform::kKeyF11, 0,
                                                  [](KeyCase& c) {
                                                      c.fontName = "Arial";
                                                      c.fontSize = 10;
                                                  }),
                                           Expect(platform::kKeyF12, 0,
                                                  [](KeyCase& c) {
                                                      c.fontName = "Arial";
                                                      c.fontSize = 18;
                                                  }),
                                           // Keys outside the table change nothing but still restart the countdown.
                                           Expect(platform::kKeyF5, kCtrl, [](KeyCase&) {}),
                                           Expect(platform::kKeyF9, kShift, [](KeyCase&) {}),
                                           Expect(platform::kKeyF2, kAlt, [](KeyCase&) {}),
                                           Expect('Q', 0, [](KeyCase&) {})));

TEST_F(NoteKeys, BlackAndLightYellowComeBackWithF5AndShiftF5) {
    platform.keyDown(*note->NoteText, platform::kKeyF8);
    platform.keyDown(*note->NoteText, platform::kKeyF8, kShift);
    platform.keyDown(*note->NoteText, platform::kKeyF5);
    platform.keyDown(*note->NoteText, platform::kKeyF5, kShift);
    EXPECT_EQ(note->NoteText->foreColor(), 0x000000u);
    EXPECT_EQ(note->form().backColor(), 0x94C2E3u);
}

TEST_F(NoteKeys, F11OnSmallFontsGivesArialTenAndOnArialChangesOnlyTheSize) {
    platform.keyDown(*note->NoteText, platform::kKeyF9);
    platform.keyDown(*note->NoteText, platform::kKeyF11);
    EXPECT_EQ(note->NoteText->font(), (platform::Font{"Arial", 10, false, 0}));
    platform.keyDown(*note->NoteText, platform::kKeyF12);
    EXPECT_EQ(note->NoteText->font(), (platform::Font{"Arial", 18, false, 0}));
    platform.keyDown(*note->NoteText, platform::kKeyF10);
    EXPECT_EQ(note->NoteText->font(), (platform::Font{"MS Sans Serif", 8, false, 0}));
}

TEST_F(NoteKeys, CtrlBSwitchesBoldOnceInTheTextAndOnTheGrip) {
    platform.focus(*note->NoteText);
    platform.type(*note->NoteText, "ab");
    platform.keyDown(*note->NoteText, platform::kKeyB, kCtrl);
    EXPECT_TRUE(note->NoteText->font().bold);
    EXPECT_EQ(note->NoteText->text(), "ab");  // the character is swallowed
    platform.keyDown(*note->ButResize, platform::kKeyB, kCtrl);
    EXPECT_FALSE(note->NoteText->font().bold);
    platform.keyDown(*note->ButResize, platform::kKeyB, kCtrl | kShift);
    EXPECT_FALSE(note->NoteText->font().bold);
}

TEST_F(NoteKeys, CtrlASelectsTheWholeText) {
    note->NoteText->setText("select all of it");
    platform.keyDown(*note->NoteText, platform::kKeyA, kCtrl);
    EXPECT_EQ(note->NoteText->selectionStart(), 0);
    EXPECT_EQ(note->NoteText->selectionLength(), 16);
    EXPECT_EQ(note->NoteText->text(), "select all of it");
}

// The short help that F1 on the grip appends to a note.
constexpr const char* kHelp =
    "\r\nHELP:\r\n\r\nF2-F4: Alignment\r\nF5-F8: Font Color\r\nShift+F5-F8: Back Color\r\nF9-F12: Font Size"
    "\r\nCtrl+B: Font Bold\r\nButtons (DoubleClick):\r\nSet Format As Default & Exit";

TEST_F(NoteKeys, F1OnTheGripAppendsTheHelpAndPutsTheCaretAtTheEnd) {
    note->NoteText->setText("todo");
    platform.keyDown(*note->ButResize, platform::kKeyF1, kCtrl);
    const std::string help = kHelp;
    EXPECT_EQ(note->NoteText->text(), "todo" + help);
    EXPECT_EQ(note->NoteText->selectionStart(), static_cast<int>(("todo" + help).size()));
    EXPECT_TRUE(note->Odpocet->enabled());
    platform.advance(5000);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "todo" + help);
}

TEST_F(NoteKeys, F1AddsNothingInTheTextOrToALongNote) {
    note->NoteText->setText("typed");
    platform.keyDown(*note->NoteText, platform::kKeyF1);
    EXPECT_EQ(note->NoteText->text(), "typed");
    EXPECT_TRUE(note->Odpocet->enabled());
    const std::string longText(3200, 'n');
    note->NoteText->setText(longText);
    platform.keyDown(*note->ButResize, platform::kKeyF1);
    EXPECT_EQ(note->NoteText->text(), longText);
    note->NoteText->setText(std::string(3199, 'n'));
    platform.keyDown(*note->ButResize, platform::kKeyF1);
    EXPECT_EQ(note->NoteText->text(), std::string(3199, 'n') + kHelp);
}

TEST_F(NoteKeys, EscOnTheGripOnlyRestartsTheCountdown) {
    platform.keyDown(*note->ButResize, platform::kKeyEscape);
    EXPECT_TRUE(note->Odpocet->enabled());
    EXPECT_EQ(platform.memoryFiles().file("C:\\Users\\User\\Desktop\\Note 261207 100000.txt"), std::nullopt);
    EXPECT_TRUE(platform.dialogs.empty());  // no export was tried either
}

TEST_F(NoteKeys, EscInTheTextDoesNotRestartTheCountdown) {
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl);
    EXPECT_FALSE(note->Odpocet->enabled());
}

TEST_F(NoteKeys, TypingIsLimitedToTheTextBoxCapacity) {
    note->NoteText->setText(std::string(notes::kNoteTextLimit + 10, 'z'));
    EXPECT_EQ(note->NoteText->text().size(), static_cast<std::size_t>(notes::kNoteTextLimit));
}

}  // namespace
