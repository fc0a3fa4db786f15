// Forms as real windows: the model and the windows agree on text, check state, focus, style and
// timers, and the program hears each user action once. Needs a display (the tests run under Wine
// on a virtual one).
#include "platform/win32/win32_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "platform_win32/can_make_windows.h"

namespace {

using platform::ControlKind;
using platform::Form;
using platform::Rect;
using platform::win32::Win32FormPeer;
using platform::win32::Win32Platform;

class Win32FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanMakeWindows()) GTEST_SKIP() << "no display to make windows on";
        form_ = platform_.createForm("FrmTest", "Test");
        form_->setBounds({40, 40, 300, 200});
    }

    HWND formWindow() const { return static_cast<Win32FormPeer&>(form_->peer()).window(); }
    HWND childOf(const platform::Control& control) const {
        const Rect r = control.rect();
        return ChildWindowFromPointEx(formWindow(), POINT{r.x + 1, r.y + 1}, CWP_ALL);
    }
    static std::string windowText(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    static constexpr char kTitle[] = "Win32 form test";
    Win32Platform platform_{kTitle};
    std::unique_ptr<Form> form_;
    std::vector<std::string> events_;
};

TEST_F(Win32FormTest, TextLivesInTheEditWindow) {
    auto& box = form_->add(ControlKind::TextBox, "DenLine", 1, {10, 10, 200, 20});
    box.setMaxLength(5);
    platform_.doEvents();     // a hidden form makes its child windows once the program is idle
    box.setText("abcdefgh");  // cut to the limit
    EXPECT_EQ(box.text(), "abcde");
    EXPECT_EQ(windowText(childOf(box)), "abcde");
    SetWindowTextA(childOf(box), "typed");
    EXPECT_EQ(box.text(), "typed");
    box.select(1, 3);
    EXPECT_EQ(box.selectionStart(), 1);
    EXPECT_EQ(box.selectionLength(), 3);
}

// A large hidden form starts faster without its child windows; until they exist the model holds
// what the program set, and they come up with all of it.
TEST_F(Win32FormTest, ChildWindowsOfAHiddenFormWaitForIdleOrShow) {
    auto& box = form_->add(ControlKind::TextBox, "DenLine", 1, {10, 10, 200, 20});
    box.setMaxLength(5);
    box.setText("abcdefgh");
    box.setBold(true);
    EXPECT_EQ(childOf(box), formWindow());
    EXPECT_EQ(box.text(), "abcde");
    platform_.doEvents();
    HWND edit = childOf(box);
    ASSERT_NE(edit, formWindow());
    EXPECT_EQ(windowText(edit), "abcde");
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);

    auto later = platform_.createForm("FrmNote", "Later");
    later->setBounds({60, 60, 200, 100});
    auto& check = later->add(ControlKind::CheckBox, "ChkTranslut", {10, 10, 120, 20});
    check.setCaption("Translucent");
    check.setValue(1);
    later->show();  // without waiting for idle
    HWND button = ChildWindowFromPointEx(static_cast<Win32FormPeer&>(later->peer()).window(), POINT{11, 11}, CWP_ALL);
    EXPECT_EQ(windowText(button), "Translucent");
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);

    auto selected = platform_.createForm("FrmNote", "Selected");
    auto& note = selected->add(ControlKind::TextBox, "NoteText", {0, 0, 100, 20});
    note.setText("a note");
    note.select(2, 3);  // a selection needs the window at once
    EXPECT_EQ(note.selectionStart(), 2);
    EXPECT_EQ(note.selectionLength(), 3);
}

// The kept drawing must never show an element as it was: every change, made before the drawing
// ahead, after it while hidden, or while shown, reaches the screen.
TEST_F(Win32FormTest, AFormThatDrawsAheadShowsEveryChange) {
    constexpr COLORREF kBack = RGB(0, 0, 255);
    constexpr COLORREF kFirst = RGB(255, 0, 0);
    constexpr COLORREF kSecond = RGB(0, 255, 0);
    form_->setDrawsAhead(true);
    form_->setBackColor(platform::rgb(0, 0, 255));
    auto& mark = form_->add(ControlKind::Label, "Mark", {10, 10, 20, 20});
    mark.setBackColor(platform::rgb(255, 0, 0));
    auto pixelAt = [this](int x, int y) {
        UpdateWindow(formWindow());
        HDC dc = GetDC(formWindow());
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(formWindow(), dc);
        return pixel;
    };

    platform_.doEvents();  // drawn ahead
    form_->show();
    EXPECT_EQ(pixelAt(15, 15), kFirst);
    EXPECT_EQ(pixelAt(50, 15), kBack);

    form_->hide();
    mark.setBackColor(platform::rgb(0, 255, 0));
    mark.setRect({40, 10, 20, 20});
    form_->show();
    EXPECT_EQ(pixelAt(15, 15), kBack);
    EXPECT_EQ(pixelAt(50, 15), kSecond);

    mark.setVisible(false);
    EXPECT_EQ(pixelAt(50, 15), kBack);
    form_->setBackColor(platform::rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(50, 15), kFirst);
}

// A text box of a form that draws ahead rests as part of the form's picture, its window hidden,
// until it is first used; from then on it is a window like any other.
TEST_F(Win32FormTest, ATextBoxOfAFormThatDrawsAheadRestsUntilFirstUsed) {
    form_->setDrawsAhead(true);
    form_->setBackColor(platform::rgb(0, 0, 255));
    form_->add(ControlKind::PictureBox, "Focus", {250, 150, 10, 10});  // takes the focus on activation
    auto& line = form_->add(ControlKind::TextBox, "DenLine", 1, {10, 10, 200, 20});
    line.setBackColor(platform::rgb(255, 255, 255));
    line.setText("WWWW");
    auto& other = form_->add(ControlKind::TextBox, "DenLine", 2, {10, 40, 200, 20});
    line.onGotFocus = [this] { events_.push_back("got"); };
    line.onMouseDown = [this](const platform::MouseEvent& e) {
        events_.push_back("down " + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    auto darkPixelsOfLine = [this] {
        UpdateWindow(formWindow());
        HDC dc = GetDC(formWindow());
        int dark = 0;
        for (int y = 10; y < 30; ++y) {
            for (int x = 10; x < 210; ++x) dark += GetPixel(dc, x, y) == RGB(0, 0, 0) ? 1 : 0;
        }
        ReleaseDC(formWindow(), dc);
        return dark;
    };
    form_->show();
    HWND edit = childOf(line);
    ASSERT_NE(edit, formWindow());
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_GT(darkPixelsOfLine(), 0);  // its text, drawn by the form
    line.setText("");
    EXPECT_EQ(darkPixelsOfLine(), 0);
    line.setText("WWWW");

    SendMessageA(formWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 15));
    SendMessageA(formWindow(), WM_LBUTTONUP, 0, MAKELPARAM(20, 15));
    EXPECT_TRUE(IsWindowVisible(edit));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(events_, (std::vector<std::string>{"got", "down 10,5"}));
    EXPECT_GT(darkPixelsOfLine(), 0);  // now drawn by its window

    EXPECT_TRUE(other.setFocus());
    EXPECT_TRUE(IsWindowVisible(childOf(other)));
    EXPECT_TRUE(IsWindowVisible(edit));

    // The pointer coming over a resting box wakes it: the system then sends it a double click's
    // second press as a double click.
    auto& third = form_->add(ControlKind::TextBox, "DenLine", 3, {10, 70, 200, 20});
    HWND thirdEdit = childOf(third);
    ASSERT_FALSE(IsWindowVisible(thirdEdit));
    SendMessageA(formWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 75));
    EXPECT_TRUE(IsWindowVisible(thirdEdit));
}

// Brought to the front while hidden (the tray's click does that), a window must not take the keys
// the user types into the window in front.
TEST_F(Win32FormTest, AHiddenFormBroughtToTheFrontLeavesTheActiveWindowActive) {
    auto& box = form_->add(ControlKind::TextBox, "NoteText", {10, 10, 200, 20});
    form_->show();
    ASSERT_TRUE(box.setFocus());
    auto hidden = platform_.createForm("FrmDiar", "Hidden");
    hidden->setBounds({60, 60, 200, 100});
    hidden->bringToFront();
    EXPECT_EQ(GetActiveWindow(), formWindow());
    EXPECT_EQ(form_->focused(), &box);

    hidden->show();
    EXPECT_EQ(GetActiveWindow(), static_cast<Win32FormPeer&>(hidden->peer()).window());
}

TEST_F(Win32FormTest, KeyPressCanSwallowOrReplaceTheCharacter) {
    auto& box = form_->add(ControlKind::TextBox, "NoteText", {10, 10, 200, 20});
    box.onKeyPress = [](int& character) {
        if (character == 'x') character = 0;
        if (character == 'a') character = 'b';
    };
    box.onKeyDown = [this](int key, int shift) {
        events_.push_back("down " + std::to_string(key) + "/" + std::to_string(shift));
    };
    platform_.doEvents();
    HWND edit = childOf(box);
    SendMessageA(edit, WM_KEYDOWN, 'A', 0);
    for (char c : std::string("xaz")) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(box.text(), "bz");
    EXPECT_EQ(events_, (std::vector<std::string>{"down 65/0"}));
}

TEST_F(Win32FormTest, CheckBoxClickReportsOnceAndProgramChangesReachTheBox) {
    auto& check = form_->add(ControlKind::CheckBox, "ChkTranslut", {10, 10, 120, 20});
    check.setCaption("Translucent");
    check.onClick = [this, &check] { events_.push_back("click " + std::to_string(check.value())); };
    platform_.doEvents();
    HWND button = childOf(check);
    EXPECT_EQ(windowText(button), "Translucent");

    SendMessageA(button, BM_CLICK, 0, 0);  // as the user's click
    EXPECT_EQ(check.value(), 1);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);

    check.setValue(0);  // by the program
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(events_, (std::vector<std::string>{"click 1", "click 0"}));
}

TEST_F(Win32FormTest, FocusNeedsAVisibleFormAndReportsEachMove) {
    auto& first = form_->add(ControlKind::TextBox, "DenLine", 1, {10, 10, 100, 20});
    auto& second = form_->add(ControlKind::TextBox, "DenLine", 2, {10, 40, 100, 20});
    auto& park = form_->add(ControlKind::PictureBox, "Focus", {10, 70, 20, 20});
    for (auto* control : {&first, &second, &park}) {
        control->onGotFocus = [this, control] {
            events_.push_back("got " + std::to_string(control->index()) + control->name());
        };
        control->onLostFocus = [this, control] {
            events_.push_back("lost " + std::to_string(control->index()) + control->name());
        };
    }
    EXPECT_FALSE(second.setFocus());  // the form is hidden
    EXPECT_TRUE(events_.empty());
    // A shown form gives the focus to its first element, as the tab order would.
    form_->show();
    platform_.doEvents();
    EXPECT_EQ(events_, (std::vector<std::string>{"got 1DenLine"}));
    events_.clear();

    ASSERT_TRUE(second.setFocus());
    EXPECT_EQ(GetFocus(), childOf(second));
    ASSERT_TRUE(park.setFocus());
    EXPECT_EQ(form_->focused(), &park);
    EXPECT_EQ(events_, (std::vector<std::string>{"lost 1DenLine", "got 2DenLine", "lost 2DenLine", "got 0Focus"}));

    park.setVisible(false);
    EXPECT_FALSE(park.setFocus());
    EXPECT_EQ(form_->focused(), nullptr);
}

TEST_F(Win32FormTest, RestylingATextBoxKeepsTextSelectionAndFocusQuietly) {
    auto& box = form_->add(ControlKind::TextBox, "NoteText", {10, 10, 200, 60});
    form_->show();
    platform_.doEvents();
    box.setText("first line");
    ASSERT_TRUE(box.setFocus());
    box.select(2, 4);
    box.onGotFocus = [this] { events_.push_back("got"); };
    box.onLostFocus = [this] { events_.push_back("lost"); };

    box.setMultiLine(true);
    box.setAlignment(platform::Align::Center);
    HWND edit = childOf(box);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (ES_CENTER | ES_RIGHT), ES_CENTER);
    EXPECT_EQ(box.text(), "first line");
    EXPECT_EQ(box.selectionStart(), 2);
    EXPECT_EQ(box.selectionLength(), 4);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(form_->focused(), &box);
    EXPECT_TRUE(events_.empty());
}

TEST_F(Win32FormTest, WindowStylesFollowTheModel) {
    form_->show();
    form_->setTopMost(true);
    EXPECT_TRUE(GetWindowLongA(formWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form_->setTopMost(false);
    EXPECT_FALSE(GetWindowLongA(formWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    form_->setLayeredOpacity(180);
    EXPECT_TRUE(GetWindowLongA(formWindow(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(formWindow(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));

    form_->setBounds({70, 80, 166, 127});
    RECT placed{};
    GetWindowRect(formWindow(), &placed);
    EXPECT_EQ(placed.left, 70);
    EXPECT_EQ(placed.top, 80);
    EXPECT_EQ(placed.right - placed.left, 166);
    EXPECT_EQ(placed.bottom - placed.top, 127);
    EXPECT_TRUE(GetWindowLongA(formWindow(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // no taskbar button
}

TEST_F(Win32FormTest, MouseOnTheFormReachesTheElementUnderIt) {
    auto& label = form_->add(ControlKind::Label, "LabelTit", {20, 20, 50, 15});
    label.onMouseDown = [this](const platform::MouseEvent& e) {
        events_.push_back("down " + std::to_string(e.button) + " " + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    label.onClick = [this] { events_.push_back("click"); };
    form_->onMouseDown = [this](const platform::MouseEvent&) { events_.push_back("background"); };
    SendMessageA(formWindow(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(25, 27));
    SendMessageA(formWindow(), WM_RBUTTONUP, 0, MAKELPARAM(25, 27));
    SendMessageA(formWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(formWindow(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events_, (std::vector<std::string>{"down 2 5,7", "click", "background"}));
}

TEST_F(Win32FormTest, ClosedFormKeepsItsTextAndTellsNothing) {
    auto& box = form_->add(ControlKind::TextBox, "NoteText", {10, 10, 200, 20});
    form_->show();
    platform_.doEvents();
    box.setText("kept");
    ASSERT_TRUE(box.setFocus());
    box.onLostFocus = [this] { events_.push_back("lost"); };
    HWND window = formWindow();
    form_->close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(box.text(), "kept");
    EXPECT_TRUE(events_.empty());
}

// A note removes itself from its own events: the window goes while its procedure is still
// running, and nothing may touch it afterwards.
TEST_F(Win32FormTest, FormClosesItselfFromInsideItsOwnEvents) {
    enum class Route { EditMouseUp, EditKeyDown, EditKeyPress, PictureBoxMouseUp, LabelMouseUp, TimerTick };
    const struct {
        const char* name;
        Route route;
    } cases[] = {
        {"mouse up in a text box", Route::EditMouseUp},   {"key down in a text box", Route::EditKeyDown},
        {"character in a text box", Route::EditKeyPress}, {"mouse up on a picture box", Route::PictureBoxMouseUp},
        {"mouse up on a label", Route::LabelMouseUp},     {"timer tick", Route::TimerTick},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = platform_.createForm("FrmNote", "Note");
        form->setBounds({60, 60, 166, 127});
        auto& text = form->add(ControlKind::TextBox, "NoteText", {5, 17, 156, 90});
        auto& grip = form->add(ControlKind::PictureBox, "ButResize", {156, 117, 10, 10});
        auto& title = form->add(ControlKind::Label, "LabelTit", {20, 0, 120, 15});
        auto& timer = form->addTimer("Odpocet", 500);
        text.setMultiLine(true);
        text.setTooltip("text");
        grip.setTooltip("grip");
        title.setTooltip("title");
        form->show();
        platform_.doEvents();
        text.setText("kept");
        ASSERT_TRUE(text.setFocus());

        Form& closing = *form;
        int closes = 0;
        auto closeIt = [&closing, &closes] {
            ++closes;
            closing.close();
        };
        int clicks = 0;
        text.onClick = [&clicks] { ++clicks; };
        text.onMouseUp = [&](const platform::MouseEvent&) { closeIt(); };
        text.onKeyDown = [&](int, int) { closeIt(); };
        text.onKeyPress = [&](int&) { closeIt(); };
        grip.onMouseUp = [&](const platform::MouseEvent&) { closeIt(); };
        title.onMouseUp = [&](const platform::MouseEvent&) { closeIt(); };
        timer.onTick = closeIt;
        timer.start();

        HWND window = static_cast<Win32FormPeer&>(form->peer()).window();
        HWND edit = ChildWindowFromPointEx(window, POINT{10, 20}, CWP_ALL);
        HWND box = ChildWindowFromPointEx(window, POINT{158, 119}, CWP_ALL);
        ASSERT_NE(edit, window);
        ASSERT_NE(box, window);
        switch (c.route) {
            case Route::EditMouseUp:
                SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
                SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
                EXPECT_EQ(clicks, 0);  // the click belongs to a window that is gone
                break;
            case Route::EditKeyDown:
                SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
                break;
            case Route::EditKeyPress:
                SendMessageA(edit, WM_CHAR, 'x', 0);
                break;
            case Route::PictureBoxMouseUp:
                SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
                break;
            case Route::LabelMouseUp:
                SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
                SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
                break;
            case Route::TimerTick:
                SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(&timer), 0);
                break;
        }
        EXPECT_EQ(closes, 1);
        EXPECT_TRUE(form->closed());
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_FALSE(IsWindow(box));
        platform_.doEvents();  // whatever the closing left queued finds no window
        // The closed form still answers the program, from what it kept.
        EXPECT_EQ(text.text(), "kept");
        text.setText("later");
        EXPECT_EQ(text.text(), "later");
        EXPECT_FALSE(text.setFocus());
        text.setAlignment(platform::Align::Right);
        EXPECT_EQ(closes, 1);
    }
}

// Later elements lie above earlier ones, as the form's hit test has it: a note's grip covers the
// corner of its text, and keeps covering it when the text box is remade for a new alignment.
TEST_F(Win32FormTest, LaterElementsLieAboveEarlierOnesAndRestylingKeepsTheOrder) {
    auto& text = form_->add(ControlKind::TextBox, "NoteText", {5, 17, 156, 105});
    text.setMultiLine(true);
    auto& grip = form_->add(ControlKind::PictureBox, "ButResize", {156, 117, 10, 10});
    form_->add(ControlKind::CheckBox, "ChkTranslut", {164, 124, 30, 30});
    platform_.doEvents();
    auto classesTopToBottom = [this] {
        std::vector<std::string> classes;
        for (HWND w = GetWindow(formWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            classes.push_back(CharUpperA(name));
        }
        return classes;
    };
    auto classAt = [this](int x, int y) {
        char name[64] = {};
        GetClassNameA(ChildWindowFromPointEx(formWindow(), POINT{x, y}, CWP_ALL), name, sizeof name);
        return std::string(CharUpperA(name));
    };
    const std::vector<std::string> expected{"BUTTON", "ORVANENOTESPICTUREBOX", "EDIT"};
    EXPECT_EQ(classesTopToBottom(), expected);
    EXPECT_EQ(classAt(158, 119), "ORVANENOTESPICTUREBOX");  // the grip over the text's corner

    text.setAlignment(platform::Align::Right);  // a new edit window
    grip.setVisible(false);
    grip.setVisible(true);
    EXPECT_EQ(classesTopToBottom(), expected);
    EXPECT_EQ(classAt(158, 119), "ORVANENOTESPICTUREBOX");
}

TEST_F(Win32FormTest, EnabledTimerTicksInTheMessageLoop) {
    auto& timer = form_->addTimer("Odpocet", 10);
    int ticks = 0;
    timer.onTick = [&ticks, &timer] {
        if (++ticks == 3) timer.stop();
    };
    timer.start();
    for (int i = 0; i < 500 && ticks < 3; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        platform_.doEvents();
    }
    EXPECT_EQ(ticks, 3);
    for (int i = 0; i < 5; ++i) {
        Sleep(15);
        platform_.doEvents();
    }
    EXPECT_EQ(ticks, 3);  // stopped
}

TEST_F(Win32FormTest, ApplicationWindowIsFoundByItsTitle) {
    EXPECT_TRUE(platform_.activateWindow(kTitle));
    EXPECT_FALSE(platform_.activateWindow("No such window 7f3a"));
}

}  // namespace
