#include "notes/damaged_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "note_fixture.h"

namespace {

using notes::BuildNoteString;
using notes::IsWrittenNoteString;
using notes::NoteFields;
using notes::RepairedNoteString;

const NoteFields kDefaults{80, 80, 166, 127, false, 2, false, 8, "MS Sans Serif", 0x000000, 0x94C2E3};
const NoteFields kStored{-5, 900, 250, 160, true, 1, true, 12, "Arial", 0x1020B0, 0xA0C0A0};

// Text that a user can type or paste: lines, a tab, a control character, a lone small tilde.
const std::string kTypedText = "one\r\ntwo\tthree \x01 .\x98";

TEST(DamagedRecord, EveryWrittenNoteStringCountsAsWritten) {
    const NoteFields cut{-123456, 99999, 0, 4000, false, 0, false, 99, "Times New Roman Bold", 0xFFFFFF, 0x80000008};
    for (const NoteFields& fields : {kDefaults, kStored, cut}) {
        for (const std::string& text : {std::string(), kTypedText, std::string(notes::kNoteTextLimit, '\xFF')}) {
            EXPECT_TRUE(IsWrittenNoteString(BuildNoteString(fields, text))) << BuildNoteString(fields, text);
        }
    }
}

struct FieldDamage {
    std::size_t position;  // from 1
    std::string bytes;
    std::function<void(NoteFields&)> takeDefault;
};

TEST(DamagedRecord, EachDamagedFieldOpensWithTheDefaultAndTheOthersAsStored) {
    const std::vector<FieldDamage> damages = {
        {1, "8x0  ", [](NoteFields& f) { f.left = kDefaults.left; }},
        {6, "\x01\x02   ", [](NoteFields& f) { f.top = kDefaults.top; }},
        {11, "     ", [](NoteFields& f) { f.width = kDefaults.width; }},
        {16, "12 34", [](NoteFields& f) { f.height = kDefaults.height; }},
        {21, "7", [](NoteFields& f) { f.rolledUp = kDefaults.rolledUp; }},
        {22, "3", [](NoteFields& f) { f.alignment = kDefaults.alignment; }},
        {23, "x", [](NoteFields& f) { f.bold = kDefaults.bold; }},
        {24, "\xFF\xFE", [](NoteFields& f) { f.fontSize = kDefaults.fontSize; }},
        {26, "Ari\x01l", [](NoteFields& f) { f.fontName = kDefaults.fontName; }},
        {26, std::string(15, ' '), [](NoteFields& f) { f.fontName = kDefaults.fontName; }},
        {41, "1020B0", [](NoteFields& f) { f.foreColor = kDefaults.foreColor; }},
        {56, "&H123456789", [](NoteFields& f) { f.backColor = kDefaults.backColor; }},
    };
    for (const FieldDamage& damage : damages) {
        std::string record = BuildNoteString(kStored, "one\r\ntwo");
        record.replace(damage.position - 1, damage.bytes.size(), damage.bytes);
        NoteFields expected = kStored;
        damage.takeDefault(expected);
        EXPECT_FALSE(IsWrittenNoteString(record)) << record;
        EXPECT_EQ(RepairedNoteString(record, kDefaults), BuildNoteString(expected, "one\r\ntwo")) << record;
    }
}

TEST(DamagedRecord, DamagedTextKeepsLinesTabsAndPrintableCharactersOnly) {
    const std::string record = BuildNoteString(kStored, std::string("a\0b\x01\x7F\x98\r\nc\td\xE9", 12));
    EXPECT_FALSE(IsWrittenNoteString(record));
    EXPECT_EQ(RepairedNoteString(record, kDefaults), BuildNoteString(kStored, "ab\r\nc\td\xE9"));
}

TEST(DamagedRecord, RandomBytesAlwaysOpenAsAWrittenNote) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(random() % 4001, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        EXPECT_TRUE(IsWrittenNoteString(RepairedNoteString(bytes, kDefaults)));
    }
}

class DamagedNote : public testing_support::NoteTest {};

TEST_F(DamagedNote, OpensRepairedAndItsRecordStaysUntilTheNoteIsChanged) {
    std::string damaged = BuildNoteString(kStored, std::string("keep\0this", 9));
    damaged.replace(25, 5, "\x01\x02\x03\x04\x05");
    StoreRecord(9, damaged);
    StoreRecord(10, BuildNoteString(kDefaults, kTypedText));
    ASSERT_TRUE(Start());
    notes::FrmNote* note = NoteOfRecord(9);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->NoteText->font().name, "MS Sans Serif");
    EXPECT_EQ(note->NoteText->foreColor(), kStored.foreColor);
    EXPECT_EQ(note->NoteText->text(), "keepthis");
    EXPECT_EQ(NoteOfRecord(10)->NoteText->text(), kTypedText);
    EXPECT_EQ(Record(9), damaged);

    platform.type(*note->NoteText, "!");
    platform.advance(6000);
    EXPECT_TRUE(IsWrittenNoteString(Record(9)));
}

}  // namespace
