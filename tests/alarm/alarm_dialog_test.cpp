#include "alarm/alarm_dialog.h"

#include <gtest/gtest.h>

#include <cmath>

#include "alarm_fixture.h"
#include "app/artwork_main_window.h"

namespace {

using platform::Cursor;
using platform::headless::DialogCall;
using testing_support::AlarmTest;

class AlarmDialogTest : public AlarmTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

bool HasForm(const platform::headless::HeadlessPlatform& platform, const std::string& name) {
    for (const platform::Form* form : platform.forms()) {
        if (form->name() == name) return true;
    }
    return false;
}

TEST_F(AlarmDialogTest, TheStartMakesOnlyItsButtonAndTheFirstPressMakesTheWindow) {
    EXPECT_FALSE(HasForm(platform, "FrmAlarm"));
    platform::Control* button = module->AlarmDialog->ButAlarm;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(module->Diar->form().find("ButAlarm"), button);
    EXPECT_EQ(module->AlarmDialog->ChkSound, nullptr);

    module->AlarmSound = 0;
    module->DayAlarms[9] = "9:00 dentist";
    module->Diar->form().show();
    platform.click(*button);
    ASSERT_TRUE(HasForm(platform, "FrmAlarm"));
    activate();
    EXPECT_TRUE(dialogForm().visible());
    EXPECT_EQ(dialog().ChkSound->value(), 0);
    EXPECT_EQ(dialog().AlD[9]->text(), "9:00 dentist");
}

TEST_F(AlarmDialogTest, IsMadeHiddenWithTheSoundOn) {
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_EQ(dialogForm().name(), "FrmAlarm");
    EXPECT_EQ(module->AlarmSound, 1);
    EXPECT_EQ(dialog().ChkSound->value(), 1);
    EXPECT_EQ(dialog().ChkSound->caption(), "Sound On");
}

TEST_F(AlarmDialogTest, HasTheDoubledTitleTheRowsAndTheTwoImageButtons) {
    EXPECT_EQ(dialog().AlarmTit->caption(), "ALARM");
    EXPECT_EQ(dialog().AlarmTitSH->caption(), "ALARM");
    // The dark copy lies a little right of and below the light one, under it.
    EXPECT_GT(dialog().AlarmTitSH->rect().x, dialog().AlarmTit->rect().x);
    EXPECT_GT(dialog().AlarmTitSH->rect().y, dialog().AlarmTit->rect().y);
    EXPECT_EQ(dialogForm().backColor(), module->Diar->form().backColor());

    const auto client = dialogForm().bounds();
    for (int day = 1; day <= 31; ++day) {
        const auto i = static_cast<std::size_t>(day);
        EXPECT_EQ(dialog().LD[i]->caption(), std::to_string(day));
        EXPECT_EQ(dialog().AlD[i]->maxLength(), 100) << day;
        EXPECT_LT(dialog().LD[i]->rect().x, dialog().AlD[i]->rect().x);
        if (day > 1) {
            EXPECT_GT(dialog().AlD[i]->rect().y, dialog().AlD[i - 1]->rect().y);
        }
        EXPECT_LE(dialog().AlD[i]->rect().y + dialog().AlD[i]->rect().h, client.h) << day;
    }
    for (std::size_t row = 1; row <= 7; ++row) {
        EXPECT_EQ(dialog().AlW[row]->maxLength(), 0) << row;
        EXPECT_GT(dialog().AlW[row]->rect().x, dialog().AlD[1]->rect().x + dialog().AlD[1]->rect().w);
    }

    EXPECT_EQ(dialog().ButExit->picture(), app::art::ExitPicture(1.0));
    EXPECT_GT(dialog().ButExit->rect().x, client.w * 3 / 4);
    EXPECT_LT(dialog().ButExit->rect().y, client.h / 10);
    EXPECT_GT(dialog().ButOK->rect().x, client.w / 2);
    EXPECT_GT(dialog().ButOK->rect().y, client.h * 3 / 4);
    for (auto* button : {dialog().ButOK, dialog().ButExit, dialog().ButAlarm}) {
        EXPECT_EQ(button->cursor(), Cursor::Hand) << button->name();
    }
    for (const auto& control : dialogForm().controls()) {
        const auto r = control->rect();
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= client.w && r.y + r.h <= client.h) << control->name();
        if (control->picture()) {
            EXPECT_EQ(control->picture()->width, r.w) << control->name();
            EXPECT_EQ(control->picture()->height, r.h) << control->name();
        }
    }
}

struct ScreenCase {
    double twipsPerPixel;
    int width;
    int height;
};

class AlarmDialogSize : public AlarmTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(AlarmDialogSize, IsItsTwipsAtTheScreensTwipsPerPixel) {
    const double tpp = GetParam().twipsPerPixel;
    platform.setScreen({1280, 1024, tpp, tpp, {{0, 0, 1280, 1024}}});
    ASSERT_TRUE(Start());
    EXPECT_EQ(dialogForm().bounds().w, GetParam().width);
    EXPECT_EQ(dialogForm().bounds().h, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Screens, AlarmDialogSize,
                         ::testing::Values(ScreenCase{15, 526, 530}, ScreenCase{12, 658, 663},
                                           ScreenCase{7.5, 1052, 1060}));

struct WeekdayLabelCase {
    const char* locale;
    int firstDayOfWeek;
    std::vector<std::string> labels;  // Monday .. Sunday
};

class WeekdayLabels : public AlarmTest, public ::testing::WithParamInterface<WeekdayLabelCase> {};

TEST_P(WeekdayLabels, AreTheLocalesAbbreviationsMondayToSundayCutToTwoCapitals) {
    if (std::string(GetParam().locale) == "sk") platform.headlessLocale().useSlovak();
    platform.headlessLocale().firstDay = GetParam().firstDayOfWeek;
    ASSERT_TRUE(Start());
    for (std::size_t row = 1; row <= 7; ++row) EXPECT_EQ(dialog().LW[row]->caption(), GetParam().labels[row - 1]);
}

INSTANTIATE_TEST_SUITE_P(Locales, WeekdayLabels,
                         ::testing::Values(WeekdayLabelCase{"en", 2, {"MO", "TU", "WE", "TH", "FR", "SA", "SU"}},
                                           // The week's first day in the locale does not move the rows.
                                           WeekdayLabelCase{"en", 1, {"MO", "TU", "WE", "TH", "FR", "SA", "SU"}},
                                           WeekdayLabelCase{"sk", 2, {"PO", "UT", "ST", "\xc8T", "PI", "SO", "NE"}}));

TEST_F(AlarmDialogTest, AlarmButtonOnTheMainWindowOpensItModeless) {
    module->DayAlarms[3] = "7:30 wake up";
    module->WeekdayAlarms[5] = "18:00";
    auto& diar = module->Diar->form();
    ASSERT_EQ(diar.find("ButAlarm"), dialog().ButAlarm);
    // Nothing on the main window lies over it: a click anywhere on it reaches it.
    const auto place = dialog().ButAlarm->rect();
    EXPECT_EQ(diar.hitTest(place.x + 1, place.y + 1), dialog().ButAlarm);
    EXPECT_EQ(diar.hitTest(place.x + place.w - 2, place.y + place.h - 2), dialog().ButAlarm);

    openDialog();
    EXPECT_TRUE(dialogForm().visible());
    EXPECT_TRUE(diar.visible());
    const auto bounds = dialogForm().bounds();
    EXPECT_EQ(bounds.x, (1024 - bounds.w + 1) / 2);
    EXPECT_EQ(bounds.y, static_cast<int>(std::lround((768 - bounds.h) / 2.7)));
    EXPECT_EQ(dialog().AlD[3]->text(), "7:30 wake up");
    EXPECT_EQ(dialog().AlW[5]->text(), "18:00");
    EXPECT_TRUE(dialog().AlD[1]->hasFocus());
}

TEST_F(AlarmDialogTest, EveryActivationPlacesAndFillsItAgain) {
    openDialog();
    dialogForm().move(0, 0);
    module->DayAlarms[31] = "set elsewhere";
    platform.focus(*dialog().AlW[2]);
    activate();
    EXPECT_NE(dialogForm().bounds().x, 0);
    EXPECT_EQ(dialog().AlD[31]->text(), "set elsewhere");
    EXPECT_TRUE(dialog().AlD[1]->hasFocus());
}

TEST_F(AlarmDialogTest, EditsReachTheAlarmTablesAtOnce) {
    openDialog();
    typeInto(*dialog().AlD[12], "9:05 dentist");
    typeInto(*dialog().AlW[3], "7:30");
    EXPECT_EQ(module->DayAlarms[12], "9:05 dentist");
    EXPECT_EQ(module->WeekdayAlarms[3], "7:30");
    platform.focus(*dialog().AlD[20]);
    platform.paste(*dialog().AlD[20], "12:00 lunch");
    EXPECT_EQ(module->DayAlarms[20], "12:00 lunch");
    platform.click(*dialog().ChkSound);
    EXPECT_EQ(module->AlarmSound, 0);
    // Nothing is written before OK.
    EXPECT_EQ(alarmLine(13), "");
    EXPECT_EQ(alarmLine(1), " 1 ");
}

TEST_F(AlarmDialogTest, DayBoxRefusesThe101stCharacterWeekdayBoxDoesNot) {
    openDialog();
    const std::string hundred(100, '1');
    typeInto(*dialog().AlD[1], hundred + "2");
    EXPECT_EQ(dialog().AlD[1]->text(), hundred);
    EXPECT_EQ(module->DayAlarms[1], hundred);
    typeInto(*dialog().AlW[1], hundred + "2");
    EXPECT_EQ(module->WeekdayAlarms[1], hundred + "2");
    platform.focus(*dialog().AlD[2]);
    platform.paste(*dialog().AlD[2], hundred + "pasted");
    EXPECT_EQ(module->DayAlarms[2], hundred);
}

TEST_F(AlarmDialogTest, CtrlASelectsTheWholeTextAndTypesNothing) {
    module->DayAlarms[4] = "8:00 call";
    module->WeekdayAlarms[7] = "10:00 church";
    openDialog();
    for (auto* box : {dialog().AlD[4], dialog().AlW[7]}) {
        const std::string before = box->text();
        platform.focus(*box);
        platform.keyDown(*box, platform::kKeyA, platform::kCtrl);
        EXPECT_EQ(box->text(), before);
        EXPECT_EQ(box->selectionStart(), 0);
        EXPECT_EQ(box->selectionLength(), static_cast<int>(before.size()));
    }
}

TEST_F(AlarmDialogTest, OkWritesTheFileAndHides) {
    openDialog();
    typeInto(*dialog().AlD[31], "23:59 last one");
    typeInto(*dialog().AlW[1], "6:45");
    platform.click(*dialog().ChkSound);
    platform.click(*dialog().ButOK);
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(alarmLine(1), " 0 ");
    EXPECT_EQ(alarmLine(32), "23:59 last one");
    EXPECT_EQ(alarmLine(33), "6:45");
    EXPECT_EQ(app::SplitLines(file("\\Alarm")).size(), 39u);
}

TEST_F(AlarmDialogTest, CloseImageRestoresWhatTheFileHolds) {
    module->DayAlarms[2] = "7:00";
    platform.click(*module->Diar->Minimalizator);  // saved with the hide
    openDialog();
    platform.focus(*dialog().AlD[2]);
    platform.keyDown(*dialog().AlD[2], platform::kKeyA, platform::kCtrl);
    typeInto(*dialog().AlD[2], "8:00");
    typeInto(*dialog().AlW[6], "9:00");
    platform.click(*dialog().ChkSound);
    ASSERT_EQ(module->DayAlarms[2], "8:00");

    platform.click(*dialog().ButExit);
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_EQ(module->DayAlarms[2], "7:00");
    EXPECT_EQ(module->WeekdayAlarms[6], "");
    EXPECT_EQ(module->AlarmSound, 1);
    EXPECT_EQ(dialog().ChkSound->value(), 1);
    openDialog();
    EXPECT_EQ(dialog().AlD[2]->text(), "7:00");
    EXPECT_EQ(dialog().AlW[6]->text(), "");
}

TEST_F(AlarmDialogTest, CloseRequestActsAsTheCloseImage) {
    openDialog();
    typeInto(*dialog().AlD[9], "12:00");
    platform.requestClose(dialogForm());
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_EQ(module->DayAlarms[9], "");
}

TEST_F(AlarmDialogTest, FailedWriteSaysWhichFileAndWhyAndKeepsTheEdits) {
    openDialog();
    typeInto(*dialog().AlD[5], "7:15 train");
    platform.memoryFiles().setReadOnly(kDataPath);
    platform.click(*dialog().ButOK);

    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Alarm")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_NE(platform.dialogs[0].text.find("Access is denied."), std::string::npos) << platform.dialogs[0].text;
    EXPECT_TRUE(dialogForm().visible());
    EXPECT_EQ(dialog().AlD[5]->text(), "7:15 train");
    EXPECT_EQ(module->DayAlarms[5], "7:15 train");
    EXPECT_EQ(alarmLine(6), "");

    platform.memoryFiles().setReadOnly(kDataPath, false);
    platform.click(*dialog().ButOK);
    EXPECT_FALSE(dialogForm().visible());
    EXPECT_EQ(alarmLine(6), "7:15 train");
}

}  // namespace
