// The alarm dialog's two options for missed alarms: check boxes in the dialog's own look, the
// number of minutes, OK writing "\AlarmOptions" (and "\Alarm" as it always was), the close image
// reading both back.
#include <gtest/gtest.h>

#include "alarm/alarm_dialog.h"
#include "alarm_fixture.h"

namespace {

using platform::ControlKind;
using platform::Rect;
using testing_support::AlarmTest;

class MissedOptions : public AlarmTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    void clickOK() { platform.click(*dialog().ButOK); }
};

TEST_F(MissedOptions, AreOffWithTenMinutesUntilChosen) {
    openDialog();
    EXPECT_EQ(dialog().ChkLate->value(), 0);
    EXPECT_EQ(dialog().TxtLateMinutes->text(), "10");
    EXPECT_EQ(dialog().ChkList->value(), 0);
    EXPECT_EQ(dialog().ChkLate->caption(), "Ring a late alarm if at most");
    EXPECT_EQ(dialog().LabLateMinutes->caption(), "minutes late (1 to 60)");
    EXPECT_EQ(dialog().ChkList->caption(), "List missed alarms");
}

TEST_F(MissedOptions, AreCheckBoxesInTheLookOfTheSoundSwitch) {
    for (platform::Control* box : {dialog().ChkLate, dialog().ChkList}) {
        EXPECT_EQ(box->kind(), ControlKind::CheckBox) << box->name();
        EXPECT_EQ(box->backColor(), dialog().ChkSound->backColor()) << box->name();
        EXPECT_EQ(box->foreColor(), dialog().ChkSound->foreColor()) << box->name();
        EXPECT_EQ(box->font(), dialog().ChkSound->font()) << box->name();
    }
    EXPECT_EQ(dialog().TxtLateMinutes->backColor(), dialog().AlD[1]->backColor());
}

TEST_F(MissedOptions, TakeEffectAtOnceAndOKWritesTheirFileBesideTheAlarmFile) {
    openDialog();
    platform.click(*dialog().ChkLate);
    platform.click(*dialog().ChkList);
    EXPECT_EQ(module->LateAlarm, 1);
    EXPECT_EQ(module->ListMissed, 1);
    auto& minutes = *dialog().TxtLateMinutes;
    platform.focus(minutes);
    minutes.select(0, 2);
    platform.type(minutes, "2x5");
    EXPECT_EQ(minutes.text(), "25");
    EXPECT_EQ(module->LateMinutes, 25);
    clickOK();
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_EQ(file("\\AlarmOptions"), "1\r\n25\r\n1\r\n");
    EXPECT_EQ(app::SplitLines(file("\\Alarm")).size(), 39u);
    EXPECT_EQ(alarmLine(1), " 1 ");
}

TEST_F(MissedOptions, TheMinutesAreOneToSixty) {
    openDialog();
    auto& minutes = *dialog().TxtLateMinutes;
    platform.focus(minutes);
    minutes.select(0, 2);
    platform.type(minutes, "0");
    EXPECT_EQ(module->LateMinutes, 10);  // 0 does not count
    platform.focus(*dialog().AlD[1]);
    EXPECT_EQ(minutes.text(), "10");  // leaving the box shows what counts
    platform.focus(minutes);
    minutes.select(0, 2);
    platform.type(minutes, "75");
    EXPECT_EQ(module->LateMinutes, 60);
    platform.focus(*dialog().AlD[1]);
    EXPECT_EQ(minutes.text(), "60");
    EXPECT_EQ(minutes.maxLength(), 2);
}

TEST_F(MissedOptions, TheCloseImageForgetsWhatWasChosenSinceTheLastOK) {
    putFile("\\AlarmOptions", "0\r\n15\r\n1\r\n");
    openDialog();
    platform.click(*dialog().ButExit);  // the options file is read afresh
    openDialog();
    EXPECT_EQ(dialog().ChkList->value(), 1);
    EXPECT_EQ(dialog().TxtLateMinutes->text(), "15");
    platform.click(*dialog().ChkLate);
    platform.click(*dialog().ButExit);
    EXPECT_EQ(module->LateAlarm, 0);
    openDialog();
    EXPECT_EQ(dialog().ChkLate->value(), 0);
    EXPECT_EQ(file("\\AlarmOptions"), "0\r\n15\r\n1\r\n");
}

TEST_F(MissedOptions, AnUnchangedChoiceWritesNoFile) {
    openDialog();
    clickOK();
    EXPECT_EQ(file("\\AlarmOptions"), "<missing>");
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class MissedOptionsAtDpi : public AlarmTest, public ::testing::WithParamInterface<double> {};

TEST_P(MissedOptionsAtDpi, EveryElementOfTheDialogLiesInsideItAndTheNewOnesOverlapNothing) {
    platform.setScreen({2560, 1600, GetParam(), GetParam(), {{0, 0, 2560, 1600}}});
    ASSERT_TRUE(Start());
    const Rect client = dialogForm().bounds();
    for (const auto& control : dialogForm().controls()) {
        if (control->kind() == ControlKind::Line) continue;
        const Rect r = control->rect();
        EXPECT_GE(r.x, 0) << control->name() << control->index();
        EXPECT_GE(r.y, 0) << control->name() << control->index();
        EXPECT_LE(r.x + r.w, client.w) << control->name() << control->index();
        EXPECT_LE(r.y + r.h, client.h) << control->name() << control->index();
    }
    for (platform::Control* added :
         {dialog().LabMissed, dialog().ChkLate, dialog().TxtLateMinutes, dialog().LabLateMinutes, dialog().ChkList}) {
        for (const auto& other : dialogForm().controls()) {
            if (other.get() == added) continue;
            EXPECT_FALSE(Overlap(added->rect(), other->rect())) << added->name() << " and " << other->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, MissedOptionsAtDpi, ::testing::Values(15.0, 12.0, 10.0, 7.5));

}  // namespace
