// The one input path: the headless backend only translates, and the form decides what a press,
// a release, a double click, a typed change and a close request mean for every kind of control.
// The Win32 backend is held to the same sequences in tests/platform_win32.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::kLeftButton;
using platform::kRightButton;
using platform::MouseEvent;
using platform::headless::HeadlessPlatform;

class InputPath : public ::testing::Test {
protected:
    InputPath() : form(platform.createForm("FrmTest", "Test")) {
        form->setBounds({100, 100, 300, 200});
        form->show();
        text = &form->add(ControlKind::TextBox, "Text", {10, 10, 100, 40});
        picture = &form->add(ControlKind::PictureBox, "Picture", {120, 10, 20, 20});
        check = &form->add(ControlKind::CheckBox, "Check", {150, 10, 80, 20});
        label = &form->add(ControlKind::Label, "Label", {10, 100, 80, 20});
        for (Control* c : {text, picture, check, label}) watch(*c);
    }

    void watch(Control& c) {
        const std::string name = c.name();
        c.onMouseDown = [this, name](const MouseEvent& e) { log(name + " down " + std::to_string(e.button)); };
        c.onMouseUp = [this, name](const MouseEvent& e) { log(name + " up " + std::to_string(e.button)); };
        c.onClick = [this, name, &c] {
            log(name + " click" + (c.kind() == ControlKind::CheckBox ? " " + std::to_string(c.value()) : ""));
        };
        c.onDblClick = [this, name] { log(name + " dblclick"); };
        c.onChange = [this, name] { log(name + " change"); };
    }
    void log(const std::string& entry) { events.push_back(entry); }

    HeadlessPlatform platform;
    std::unique_ptr<platform::Form> form;
    Control* text;
    Control* picture;
    Control* check;
    Control* label;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(InputPath, ClickIsPressReleaseThenClickOnEveryKindOfElement) {
    platform.click(*picture);
    platform.click(*text);
    platform.click(*label);
    EXPECT_EQ(events, (Events{"Picture down 1", "Picture up 1", "Picture click", "Text down 1", "Text up 1",
                              "Text click", "Label down 1", "Label up 1", "Label click"}));
}

TEST_F(InputPath, DoubleClickFiresOneClickAndItsReleaseIsOnlyAMouseUp) {
    for (Control* c : {picture, text, label}) {
        events.clear();
        platform.doubleClick(*c);
        const std::string n = c->name();
        EXPECT_EQ(events, (Events{n + " down 1", n + " up 1", n + " click", n + " dblclick", n + " up 1"}));
    }
}

TEST_F(InputPath, CheckBoxClickSwitchesItsValueWithTheLeftButtonOnly) {
    platform.click(*check);
    EXPECT_EQ(check->value(), 1);
    platform.click(*check, kRightButton);
    EXPECT_EQ(check->value(), 1);
    EXPECT_EQ(events, (Events{"Check down 1", "Check up 1", "Check click 1", "Check down 2", "Check up 2"}));
}

TEST_F(InputPath, CheckBoxHasNoDoubleClickItsSecondPressSwitchesAgain) {
    platform.doubleClick(*check);
    EXPECT_EQ(check->value(), 0);
    EXPECT_EQ(events,
              (Events{"Check down 1", "Check up 1", "Check click 1", "Check down 1", "Check up 1", "Check click 0"}));
}

TEST_F(InputPath, ReleaseOnAnotherElementOrOutsideIsNoClick) {
    // The press holds the mouse: the release goes to the pressed element, outside it.
    platform.press(*picture);
    platform.release(*text, kLeftButton, 0, 5, 5);
    platform.press(*check);
    platform.release(*check, kLeftButton, 0, 200, 5);  // dragged off the box
    platform.press(*label);
    platform.release(*label, kLeftButton, 0, 90, 5);
    EXPECT_EQ(events,
              (Events{"Picture down 1", "Picture up 1", "Check down 1", "Check up 1", "Label down 1", "Label up 1"}));
    EXPECT_EQ(check->value(), 0);
}

TEST_F(InputPath, ReleaseWithoutAPressIsNoClick) {
    platform.release(*picture);
    platform.release(*check);
    EXPECT_EQ(events, (Events{"Picture up 1", "Check up 1"}));
}

TEST_F(InputPath, PressGivesAWindowedElementTheFocusBeforeItsHandler) {
    std::vector<std::string> focusAtPress;
    for (Control* c : {picture, check, text}) {
        c->onMouseDown = [&focusAtPress, this](const MouseEvent&) {
            focusAtPress.push_back(form->focused() ? form->focused()->name() : "-");
        };
        platform.press(*c);
        platform.release(*c);
    }
    EXPECT_EQ(focusAtPress, (std::vector<std::string>{"Picture", "Check", "Text"}));
    platform.click(*label);
    EXPECT_EQ(form->focused(), text);  // a windowless element takes no focus
}

TEST_F(InputPath, ReleaseThatClosesTheFormFiresNoClick) {
    picture->onMouseUp = [this](const MouseEvent&) { form->close(); };
    platform.click(*picture);
    EXPECT_EQ(events, Events{"Picture down 1"});
}

TEST_F(InputPath, UserChangesOfTheTextAreReportedProgramChangesAreNot) {
    text->setText("abc");
    EXPECT_TRUE(events.empty());
    platform.focus(*text);
    text->select(3, 0);
    platform.type(*text, "d");
    EXPECT_EQ(events, Events{"Text change"});
    text->select(0, 4);
    platform.cut(*text);
    platform.paste(*text, "pasted");
    EXPECT_EQ(text->text(), "pasted");
    EXPECT_EQ(events, (Events{"Text change", "Text change", "Text change"}));
    events.clear();
    text->select(0, 0);
    platform.keyDown(*text, platform::kKeyBack);  // nothing before the caret: no change
    platform.cut(*text);                          // nothing selected
    EXPECT_TRUE(events.empty());
}

TEST_F(InputPath, CloseRequestGoesToTheFormAndNeverClosesItByItself) {
    platform.requestClose(*form);
    EXPECT_FALSE(form->closed());
    EXPECT_TRUE(form->visible());
    int requests = 0;
    form->onCloseRequest = [&requests] { ++requests; };
    platform.requestClose(*form);
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(form->closed());
}

TEST_F(InputPath, TabOrderIsTheVisibleWindowedElementsInElementOrder) {
    platform.focus(*text);
    ASSERT_TRUE(form->focusNext());
    EXPECT_EQ(form->focused(), picture);
    ASSERT_TRUE(form->focusNext());
    EXPECT_EQ(form->focused(), check);
    ASSERT_TRUE(form->focusNext());
    EXPECT_EQ(form->focused(), text);  // around
    ASSERT_TRUE(form->focusNext(true));
    EXPECT_EQ(form->focused(), check);
    picture->setVisible(false);
    ASSERT_TRUE(form->focusNext(true));
    EXPECT_EQ(form->focused(), text);
}

}  // namespace
