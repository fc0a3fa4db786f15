#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace {

using platform::ControlKind;
using platform::MouseEvent;
using platform::headless::HeadlessPlatform;

class FormModel : public ::testing::Test {
protected:
    FormModel() : form(platform.createForm("FrmTest", "Test")) {
        form->setBounds({100, 100, 300, 200});
        form->show();
        label = &form->add(ControlKind::Label, "Lab", {10, 10, 50, 20});
        line = &form->add(ControlKind::Line, "Line", {0, 15, 300, 0});
        box = &form->add(ControlKind::TextBox, "Box", 1, {10, 50, 100, 20});
        other = &form->add(ControlKind::TextBox, "Box", 2, {10, 80, 100, 20});
        form->onMouseDown = [this](const MouseEvent& e) { log("form down " + xy(e)); };
        form->onMouseMove = [this](const MouseEvent& e) { log("form move " + xy(e)); };
        form->onMouseUp = [this](const MouseEvent& e) { log("form up " + xy(e)); };
        label->onMouseDown = [this](const MouseEvent& e) { log("label down " + xy(e)); };
        label->onMouseMove = [this](const MouseEvent& e) { log("label move " + xy(e)); };
        label->onMouseUp = [this](const MouseEvent&) { log("label up"); };
        label->onClick = [this] { log("label click"); };
        label->onDblClick = [this] { log("label dblclick"); };
    }

    static std::string xy(const MouseEvent& e) {
        return std::to_string(e.button) + "@" + std::to_string(e.x) + "," + std::to_string(e.y);
    }
    void log(const std::string& entry) { events.push_back(entry); }

    HeadlessPlatform platform;
    std::unique_ptr<platform::Form> form;
    platform::Control* label;
    platform::Control* line;
    platform::Control* box;
    platform::Control* other;
    std::vector<std::string> events;
};

TEST_F(FormModel, PressOnAnElementKeepsTheMouseUntilTheRelease) {
    form->deliverMouseDown(1, 0, 20, 12);
    form->deliverMouseMove(1, 0, 200, 150);  // far outside the label
    form->deliverMouseUp(1, 0, 200, 150);
    EXPECT_EQ(events, (std::vector<std::string>{"label down 1@10,2", "label move 1@190,140", "label up"}));
}

TEST_F(FormModel, BackgroundGetsItsOwnPressMoveAndRelease) {
    form->deliverMouseDown(2, 0, 200, 150);
    form->deliverMouseMove(2, 0, 20, 12);  // over the label, but the background holds the mouse
    form->deliverMouseUp(2, 0, 20, 12);
    EXPECT_EQ(events, (std::vector<std::string>{"form down 2@200,150", "form move 2@20,12", "form up 2@20,12"}));
}

TEST_F(FormModel, LinesAndHiddenElementsDoNotTakeTheMouse) {
    EXPECT_EQ(form->hitTest(200, 15), nullptr);
    EXPECT_EQ(form->hitTest(20, 12), label);
    label->setVisible(false);
    EXPECT_EQ(form->hitTest(20, 12), nullptr);
}

TEST_F(FormModel, ClickNeedsTheReleaseOnTheSameElement) {
    form->deliverMouseDown(1, 0, 20, 12);
    form->deliverMouseUp(1, 0, 250, 190);
    EXPECT_EQ(std::count(events.begin(), events.end(), "label click"), 0);
    platform.click(*label);
    EXPECT_EQ(std::count(events.begin(), events.end(), "label click"), 1);
}

TEST_F(FormModel, ReleaseThatClosesTheWindowEndsTheEvent) {
    label->onMouseUp = [this](const MouseEvent&) {
        log("label up");
        form->close();
    };
    platform.click(*label);
    EXPECT_EQ(events, (std::vector<std::string>{"label down 1@1,1", "label up"}));
    EXPECT_TRUE(form->closed());
}

TEST_F(FormModel, DoubleClickDeliversTheClassicSequence) {
    platform.doubleClick(*label);
    EXPECT_EQ(events,
              (std::vector<std::string>{"label down 1@1,1", "label up", "label click", "label dblclick", "label up"}));
}

TEST_F(FormModel, FocusMovesCommitThroughLostFocusFirst) {
    box->onLostFocus = [this] { log("box lost"); };
    other->onGotFocus = [this] { log("other got"); };
    ASSERT_TRUE(box->setFocus());
    ASSERT_TRUE(other->setFocus());
    EXPECT_EQ(events, (std::vector<std::string>{"box lost", "other got"}));
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(FormModel, HidingTheFocusedControlTakesTheFocusAway) {
    box->onLostFocus = [this] { log("box lost"); };
    ASSERT_TRUE(box->setFocus());
    box->setVisible(false);
    EXPECT_EQ(events, std::vector<std::string>{"box lost"});
    EXPECT_EQ(form->focused(), nullptr);
}

TEST_F(FormModel, HiddenWindowsAndElementsCannotTakeTheFocus) {
    other->setVisible(false);
    EXPECT_FALSE(other->setFocus());
    EXPECT_FALSE(label->setFocus());  // windowless
    form->hide();
    EXPECT_FALSE(box->setFocus());
    EXPECT_EQ(form->focused(), nullptr);
}

TEST_F(FormModel, TypingRespectsTheLengthLimitAndSwallowedCharacters) {
    box->setMaxLength(5);
    box->onKeyPress = [](int& c) {
        if (c == 'x') c = 0;
    };
    platform.focus(*box);
    platform.type(*box, "abxcdefg");
    EXPECT_EQ(box->text(), "abcde");
    platform.keyDown(*box, platform::kKeyBack);
    EXPECT_EQ(box->text(), "abcd");
    box->setText("0123456789");
    EXPECT_EQ(box->text(), "01234");
}

TEST_F(FormModel, TimersFireAtTheirIntervalUntilStopped) {
    auto& fast = form->addTimer("Fast", 100);
    auto& slow = form->addTimer("Slow", 15000);
    int fastTicks = 0;
    int slowTicks = 0;
    fast.onTick = [&] {
        if (++fastTicks == 5) fast.stop();
    };
    slow.onTick = [&] { ++slowTicks; };
    fast.start();
    slow.start();
    platform.advance(30000);
    EXPECT_EQ(fastTicks, 5);
    EXPECT_EQ(slowTicks, 2);
    EXPECT_EQ(platform.now().minute, 0);
    EXPECT_EQ(platform.now().second, 30);
}

TEST_F(FormModel, ClockCrossesMidnightAndLeapDays) {
    platform.setTime({2024, 2, 28, 23, 59, 50});
    platform.advance(20000);
    EXPECT_EQ(platform.now(), (platform::DateTime{2024, 2, 29, 0, 0, 10}));
    EXPECT_EQ(platform::headless::AddSeconds({2023, 12, 31, 23, 59, 59}, 1), (platform::DateTime{2024, 1, 1, 0, 0, 0}));
}

TEST_F(FormModel, ResizeRunsTheResizeHandlerOnlyForSizeChanges) {
    int resizes = 0;
    form->onResize = [&] { ++resizes; };
    form->move(5, 5);
    form->resize(120, 50);
    form->setBounds({5, 5, 120, 50});
    EXPECT_EQ(resizes, 1);
}

}  // namespace

namespace {

// Artwork given to be drawn later is drawn once, when something first needs it, and never over a
// picture given since.
TEST(ControlPicture, APictureDrawnLaterIsDrawnOnceWhenFirstNeeded) {
    platform::headless::HeadlessPlatform platform;
    auto form = platform.createForm("FrmTest", "Test");
    auto& image = form->add(platform::ControlKind::Image, "Image1", {0, 0, 2, 1});
    int drawn = 0;
    const auto picture = std::make_shared<const platform::Picture>(2, 1, 0xFF102030u);
    image.setPictureDrawnLater([&] {
        ++drawn;
        return picture;  // NOLINT(performance-no-automatic-move): a copy of the test's picture, kept to compare
    });
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(image.picture(), picture);
    EXPECT_EQ(image.picture(), picture);
    EXPECT_EQ(drawn, 1);

    image.setPictureDrawnLater([&] {
        ++drawn;
        return picture;  // NOLINT(performance-no-automatic-move): a copy of the test's picture, kept to compare
    });
    image.setPicture(nullptr);
    EXPECT_EQ(image.picture(), nullptr);
    EXPECT_EQ(drawn, 1);
}

}  // namespace
