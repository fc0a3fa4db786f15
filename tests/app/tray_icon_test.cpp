#include "app/tray_icon.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/session.h"
#include "notes/note_window.h"
#include "platform/headless/headless_form_peer.h"
#include "support/app_fixture.h"

namespace {

using app::TrayTipField;
using testing_support::AppTest;

class Tray : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    platform::Form& diar() { return module->Diar->form(); }
    int frontRequests() { return static_cast<platform::headless::HeadlessFormPeer&>(diar().peer()).frontRequests; }
    int openNotes() {
        int open = 0;
        for (const auto& note : module->Notes) open += note->closed() ? 0 : 1;
        return open;
    }
};

TEST(TrayTip, ShortTipIsFilledWithSpacesAfterItsEndMark) {
    const std::string field = TrayTipField(std::string("Jozef") + '\0');
    EXPECT_EQ(field.size(), 64u);
    EXPECT_EQ(field, std::string("Jozef") + '\0' + std::string(58, ' '));
}

TEST(TrayTip, LongTipKeepsSixtyThreeCharactersAndAnEndMark) {
    for (std::size_t length : {63u, 64u, 80u}) {
        const std::string tip = std::string(length, 'n') + '\0';
        const std::string field = TrayTipField(tip);
        ASSERT_EQ(field.size(), 64u);
        EXPECT_EQ(field.substr(0, field.find('\0')), std::string(std::min<std::size_t>(length, 63), 'n'));
    }
}

TEST(TrayTip, TipWithoutEndMarkStillGetsOne) {
    const std::string field = TrayTipField("");
    EXPECT_EQ(field, std::string(63, ' ') + '\0');
}

TEST(TrayPictures, TwoDifferentSixteenPixelIcons) {
    const auto ordinary = app::NotifyICO(0);
    const auto noted = app::NotifyICO(1);
    for (const auto& icon : {ordinary, noted}) {
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->width, 16);
        EXPECT_EQ(icon->height, 16);
        EXPECT_EQ(icon->at(0, 15) >> 24, 0u);  // a transparent corner: not a square block
        EXPECT_EQ(icon->at(8, 8) >> 24, 255u);
    }
    EXPECT_NE(*ordinary, *noted);
}

TEST_F(Tray, StartAddsTheIconOnceWithTheOrdinaryPicture) {
    auto& tray = platform.headlessTray();
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add"}));
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.icon, *app::NotifyICO(0));
    // No day entry is known yet: the tip shows nothing, not a row of blanks.
    EXPECT_EQ(tray.tip.front(), '\0');
}

TEST_F(Tray, EndingFromTheMainWindowRemovesTheIconAfterSavingTypedNotes) {
    platform.trayMessage(app::kTrayLeftDoubleClick);
    notes::FrmNote& note = *module->Notes.back();
    platform.type(*note.NoteText, "unsaved");
    platform.trayMessage(app::kTrayRightPress);
    platform.click(*module->Diar->Minimalizator, platform::kLeftButton, platform::kShift);
    EXPECT_EQ(platform.headlessTray().calls, (std::vector<std::string>{"add", "remove"}));
    EXPECT_TRUE(platform.quitRequested);
    EXPECT_FALSE(note.SavePending());
    EXPECT_EQ(platform.memoryFiles().file(data("\\Notes"))->substr(39 * 4002 + 2 + 70, 7), "unsaved");
}

TEST_F(Tray, AddShowsThePictureOfNotifyPictureWithTheTip) {
    auto& tray = platform.headlessTray();
    tray.calls.clear();
    module->TrayTip = std::string("Mikul\xe1\x9a") + '\0';
    app::TrayIconAdd(*module);
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add"}));
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.icon, *app::NotifyICO(0));
    EXPECT_EQ(tray.tip, TrayTipField(module->TrayTip));
    module->Tray->NotifyPicture->setPicture(app::NotifyICO(1));
    app::TrayIconRemove(*module);
    app::TrayIconAdd(*module);
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add", "remove", "add"}));
    EXPECT_EQ(tray.icon, *app::NotifyICO(1));
}

TEST_F(Tray, RefusedIconLeavesTheProgramRunning) {
    app::TrayIconRemove(*module);
    platform.headlessTray().failAdds = true;
    app::TrayIconAdd(*module);
    EXPECT_FALSE(platform.headlessTray().shown);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(Tray, NotifyPictureIsHiddenBelowTheVisibleArea) {
    const platform::Control* picture = module->Tray->NotifyPicture;
    EXPECT_FALSE(picture->visible());
    EXPECT_GE(picture->rect().y, diar().bounds().h);
}

TEST_F(Tray, RightPressShowsTheMainWindowAndActivatesTheProgram) {
    ASSERT_FALSE(diar().visible());
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_TRUE(diar().visible());
    EXPECT_EQ(frontRequests(), 1);
    EXPECT_EQ(platform.activations, (std::vector<std::string>{"Orvane-Notes"}));
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_TRUE(diar().visible());
    EXPECT_EQ(frontRequests(), 2);
}

TEST_F(Tray, SingleClickActsAfterFiveTicksAndNeverShowsAHiddenWindow) {
    platform.trayMessage(app::kTrayLeftPress);
    platform.trayMessage(0x202);  // the release is ignored
    EXPECT_TRUE(module->Tray->DBtimer->enabled());
    for (int tick = 0; tick < 4; ++tick) platform.tick(*module->Tray->DBtimer);
    EXPECT_TRUE(platform.activations.empty());
    platform.tick(*module->Tray->DBtimer);
    EXPECT_EQ(platform.activations, (std::vector<std::string>{"Orvane-Notes"}));
    EXPECT_EQ(frontRequests(), 1);
    EXPECT_FALSE(module->Tray->DBtimer->enabled());
    EXPECT_FALSE(diar().visible());
}

TEST_F(Tray, SingleClickTakesHalfASecondOnTheTimer) {
    platform.trayMessage(app::kTrayLeftPress);
    platform.advance(400);
    EXPECT_TRUE(platform.activations.empty());
    platform.advance(100);
    EXPECT_EQ(platform.activations.size(), 1u);
    platform.advance(1000);
    EXPECT_EQ(platform.activations.size(), 1u);
}

TEST_F(Tray, DoubleClickOpensExactlyOneNoteAndCancelsTheSingleClick) {
    platform.trayMessage(app::kTrayLeftPress);
    platform.advance(200);
    platform.trayMessage(0x202);
    platform.trayMessage(app::kTrayLeftDoubleClick);
    platform.trayMessage(0x202);
    EXPECT_FALSE(module->Tray->DBtimer->enabled());
    EXPECT_EQ(openNotes(), 1);
    EXPECT_EQ(module->Notes.back()->RecordNumber(), 40);
    EXPECT_EQ(module->Notes.back()->form().bounds(), (platform::Rect{80, 80, 166, 127}));
    platform.advance(1000);
    EXPECT_EQ(platform.activations, (std::vector<std::string>{"Orvane-Notes"}));
    EXPECT_FALSE(diar().visible());
}

TEST_F(Tray, DoubleClickWithEveryRecordInUseOpensNothing) {
    for (int n = 0; n < 40; ++n) platform.trayMessage(app::kTrayLeftDoubleClick);
    EXPECT_EQ(openNotes(), 40);
    platform.trayMessage(app::kTrayLeftDoubleClick);
    EXPECT_EQ(openNotes(), 40);
}

TEST_F(Tray, OtherMessagesAreIgnored) {
    for (int message : {0x200, 0x202, 0x205, 0x207, 0x208, 0x209}) platform.trayMessage(message);
    EXPECT_FALSE(module->Tray->DBtimer->enabled());
    EXPECT_TRUE(platform.activations.empty());
    EXPECT_FALSE(diar().visible());
    EXPECT_EQ(openNotes(), 0);
}

}  // namespace
