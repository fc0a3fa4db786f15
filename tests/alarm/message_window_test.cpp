#include "alarm/message_window.h"

#include <gtest/gtest.h>

#include "alarm/alarm_artwork.h"
#include "alarm/clock_fixture.h"
#include "app/datafiles.h"
#include "app/settings.h"
#include "app/tray_icon.h"

namespace {

using platform::Cursor;
using platform::kLeftButton;
using platform::kRightButton;
using testing_support::ClockTest;

// Monday 7 December 2026 with a yearly note: the day message is up after start-up.
class MessageWindow : public ClockTest {
protected:
    MessageWindow() {
        platform.setTime({2026, 12, 7, 10, 0, 0});
        PutReminders({{{12, 7}, "  Mum's birthday "}});
    }
    void SetUp() override {
        ASSERT_TRUE(Start());
        ASSERT_TRUE(messageShown());
    }
    std::string settingsLine1() { return app::SplitLines(file("\\Notes.ini")).at(0); }
};

TEST_F(MessageWindow, ItsSizeLookAndPlace) {
    platform::Form& form = message().form();
    EXPECT_EQ(form.title(), "Message!");
    // 4860 x 3480 twips, centred across and a little above the middle of a 1024 x 768 screen.
    EXPECT_EQ(form.bounds(), (platform::Rect{350, 199, 324, 232}));
    EXPECT_EQ(form.backColor(), module->Diar->form().backColor());
    EXPECT_EQ(message().TitleMsg->caption(), "7. DECEMBER 2026");
    EXPECT_EQ(message().MsgLabel->caption(), "Mum's birthday");
    EXPECT_EQ(message().MsgLabel->foreColor(), platform::rgb(192, 224, 255));
    EXPECT_EQ(message().MsgLabelSH->foreColor(), platform::rgb(0, 64, 64));
    const auto text = message().MsgLabel->rect();
    EXPECT_EQ(message().MsgLabelSH->rect(), (platform::Rect{text.x + 2, text.y + 2, text.w, text.h}));
    EXPECT_EQ(*message().Image1->picture(), *alarms::art::OkPicture(1.0));
    EXPECT_EQ(message().Image1->cursor(), Cursor::Hand);
    EXPECT_EQ(message().Image2->cursor(), Cursor::Hand);
}

TEST_F(ClockTest, TheMessageWindowFollowsTheScreensTwipsPerPixel) {
    platform.setScreen({1280, 1024, 12, 12, {}});
    ASSERT_TRUE(Start());
    EXPECT_EQ(message().form().bounds().w, 405);
    EXPECT_EQ(message().form().bounds().h, 290);
}

TEST_F(MessageWindow, ActivationPlacesItAgainAndKeepsItsTextAfterTheClockLooked) {
    message().form().move(0, 0);
    Ticks(1);
    ASSERT_EQ(module->MsgText, "");
    message().form().onActivate();
    EXPECT_EQ(message().form().bounds().x, 350);
    EXPECT_EQ(message().MsgLabel->caption(), "Mum's birthday");
}

TEST_F(MessageWindow, OkMarksTodaysMessageAsSeenAcrossARestart) {
    platform.click(*message().Image1, kRightButton);
    EXPECT_TRUE(messageShown());
    platform.click(*message().Image1, kLeftButton);
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(module->ResumeMode, "07.12.2026");
    EXPECT_EQ(settingsLine1(), "07.12.2026");

    module = std::make_unique<app::Module>(platform);
    ASSERT_TRUE(Start());
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(platform.headlessTray().icon, *app::NotifyICO(1));
}

TEST_F(MessageWindow, CloseAndAltF4StoreNothing) {
    const std::string settings = file("\\Notes.ini");
    platform.click(*message().Image2, kLeftButton);
    EXPECT_FALSE(messageShown());
    message().Present();
    message().form().onCloseRequest();
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(module->ResumeMode, "NORESUME");
    EXPECT_EQ(file("\\Notes.ini"), settings);
}

TEST_F(MessageWindow, OkThatCannotWriteTheSettingsSaysSoAndKeepsTheMarkForTheNextSave) {
    platform.memoryFiles().setReadOnly(kDataPath);
    platform.click(*message().Image1, kLeftButton);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes.ini")), std::string::npos);
    EXPECT_FALSE(messageShown());
    platform.memoryFiles().setReadOnly(kDataPath, false);
    EXPECT_EQ(settingsLine1(), "NORESUME");
    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    EXPECT_EQ(settingsLine1(), "07.12.2026");
}

}  // namespace
