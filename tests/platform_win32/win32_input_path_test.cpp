// The Win32 backend only translates: real window messages on picture boxes, check boxes and
// text boxes give the sequences the headless input tests give. Also: failures in the window
// layer are reported, close requests destroy nothing, a window that is gone keeps its text,
// message boxes belong to the asking form and give the focus back, and tooltips wrap.
#include <gtest/gtest.h>
#include <windows.h>

// After <windows.h>, which it needs.
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/tooltip_text.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_proc.h"
#include "platform_win32/can_make_windows.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;
using platform::MouseEvent;
using platform::Rect;
using platform::win32::FailureHook;
using platform::win32::Win32FormPeer;
using platform::win32::Win32Platform;

// Every test under Wine fails when the window layer reports a failure it did not expect.
class FailureReportsFailTests : public ::testing::Environment {
public:
    void SetUp() override {
        FailureHook() = [](const std::string& report) { ADD_FAILURE() << "window layer: " << report; };
    }
    void TearDown() override { FailureHook() = nullptr; }
};
const auto* const kFailureEnvironment = ::testing::AddGlobalTestEnvironment(new FailureReportsFailTests);

// Collects the reports of one test that expects them, and restores the failing hook.
class ExpectedReports {
public:
    ExpectedReports() : saved_(FailureHook()) {
        FailureHook() = [this](const std::string& report) { reports.push_back(report); };
    }
    ~ExpectedReports() { FailureHook() = saved_; }
    ExpectedReports(const ExpectedReports&) = delete;
    ExpectedReports& operator=(const ExpectedReports&) = delete;
    std::vector<std::string> reports;

private:
    std::function<void(const std::string&)> saved_;
};

class Win32InputPath : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanMakeWindows()) GTEST_SKIP() << "no display to make windows on";
        form_ = platform_.createForm("FrmTest", "Test");
        form_->setBounds({40, 40, 300, 200});
    }

    HWND formWindow() const { return static_cast<Win32FormPeer&>(form_->peer()).window(); }
    HWND childOf(const Control& control) const {
        const Rect r = control.rect();
        return ChildWindowFromPointEx(formWindow(), POINT{r.x + 1, r.y + 1}, CWP_ALL);
    }
    void watch(Control& c) {
        c.onMouseDown = [this](const MouseEvent& e) { events_.push_back("down " + std::to_string(e.button)); };
        c.onMouseUp = [this](const MouseEvent& e) { events_.push_back("up " + std::to_string(e.button)); };
        c.onClick = [this, &c] {
            events_.push_back(c.kind() == ControlKind::CheckBox ? "click " + std::to_string(c.value()) : "click");
        };
        c.onDblClick = [this] { events_.push_back("dblclick"); };
        c.onChange = [this] { events_.push_back("change"); };
    }
    // A click and a double click as the system sends them to a window.
    static void clickOn(HWND window) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    static void doubleClickOn(HWND window) {
        clickOn(window);
        SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    void showAndSettle() {
        form_->show();
        platform_.doEvents();
    }

    Win32Platform platform_{"Win32 input path test"};
    std::unique_ptr<Form> form_;
    std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

TEST_F(Win32InputPath, PictureBoxClickAndDoubleClickAsTheModelDecides) {
    auto& picture = form_->add(ControlKind::PictureBox, "ButResize", {20, 20, 20, 20});
    auto& text = form_->add(ControlKind::TextBox, "NoteText", {60, 20, 100, 40});
    showAndSettle();
    ASSERT_TRUE(text.setFocus());
    watch(picture);
    clickOn(childOf(picture));
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click"}));
    EXPECT_EQ(GetFocus(), childOf(picture));  // the press gave it the focus
    EXPECT_EQ(form_->focused(), &picture);
    events_.clear();
    doubleClickOn(childOf(picture));
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click", "dblclick", "up 1"}));
}

TEST_F(Win32InputPath, CheckBoxClickAndDoubleClickAsTheModelDecides) {
    auto& check = form_->add(ControlKind::CheckBox, "ChkTranslut", {20, 20, 120, 20});
    showAndSettle();
    watch(check);
    HWND button = childOf(check);
    clickOn(button);
    EXPECT_EQ(check.value(), 1);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click 1"}));
    EXPECT_EQ(GetFocus(), button);
    events_.clear();
    // A check box has no double click: its second press switches it again.
    doubleClickOn(button);
    EXPECT_EQ(check.value(), 1);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click 0", "down 1", "up 1", "click 1"}));
    events_.clear();
    // Released outside: no click; the space bar: a click without the mouse.
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    EXPECT_EQ(check.value(), 1);
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click 0"}));
}

TEST_F(Win32InputPath, TextBoxDoubleClickFiresOneClick) {
    auto& text = form_->add(ControlKind::TextBox, "DenLine", 1, {20, 20, 150, 20});
    showAndSettle();
    watch(text);
    doubleClickOn(childOf(text));
    EXPECT_EQ(events_, (Events{"down 1", "up 1", "click", "dblclick", "up 1"}));
}

TEST_F(Win32InputPath, UserChangesOfTheTextAreReportedProgramChangesAreNot) {
    auto& line = form_->add(ControlKind::TextBox, "DenLine", 1, {20, 20, 150, 20});
    auto& note = form_->add(ControlKind::TextBox, "NoteText", {20, 60, 150, 60});
    note.setMultiLine(true);
    showAndSettle();
    watch(line);
    watch(note);
    line.setText("set by the program");
    note.setText("set by the program");
    note.setAlignment(platform::Align::Center);  // a new window with the same text
    EXPECT_TRUE(events_.empty());
    HWND edit = childOf(line);
    SendMessageA(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(events_, Events{"change"});
    SendMessageA(edit, EM_SETSEL, 0, 3);
    SendMessageA(edit, WM_CUT, 0, 0);  // the box's own menu
    SendMessageA(childOf(note), EM_SETSEL, 0, 3);
    SendMessageA(childOf(note), WM_CLEAR, 0, 0);
    EXPECT_EQ(events_, (Events{"change", "change", "change"}));
}

TEST_F(Win32InputPath, ExceptionInAHandlerIsReportedAndLeavesNoWindowProcedure) {
    auto& label = form_->add(ControlKind::Label, "Lab", {20, 20, 50, 15});
    auto& picture = form_->add(ControlKind::PictureBox, "Pic", {100, 20, 20, 20});
    label.onMouseDown = [](const MouseEvent&) { throw std::runtime_error("label handler failed"); };
    picture.onMouseUp = [](const MouseEvent&) { throw std::runtime_error("picture handler failed"); };
    showAndSettle();
    ExpectedReports expected;
    SendMessageA(formWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
    SendMessageA(formWindow(), WM_LBUTTONUP, 0, MAKELPARAM(25, 25));
    clickOn(childOf(picture));
    ASSERT_EQ(expected.reports.size(), 2u);
    EXPECT_NE(expected.reports[0].find("label handler failed"), std::string::npos) << expected.reports[0];
    EXPECT_NE(expected.reports[0].find("form window"), std::string::npos) << expected.reports[0];
    EXPECT_NE(expected.reports[1].find("picture handler failed"), std::string::npos) << expected.reports[1];
    EXPECT_TRUE(IsWindow(formWindow()));
}

TEST_F(Win32InputPath, RefusedClassesAndWindowsAreReportedWhereTheyHappen) {
    ExpectedReports expected;
    WNDCLASSEXA broken{};  // no size: the system refuses it
    broken.lpszClassName = "OrvaneNotesBrokenClass";
    broken.lpfnWndProc = DefWindowProcA;
    EXPECT_FALSE(platform::win32::RegisterClassChecked(broken));
    EXPECT_EQ(platform::win32::CreateWindowChecked("a test window", 0, "OrvaneNotesNoSuchClass", "", WS_POPUP, 0, 0, 10,
                                                   10, nullptr, GetModuleHandleA(nullptr), nullptr),
              nullptr);
    ASSERT_EQ(expected.reports.size(), 2u);
    EXPECT_NE(expected.reports[0].find("OrvaneNotesBrokenClass"), std::string::npos) << expected.reports[0];
    EXPECT_NE(expected.reports[1].find("a test window"), std::string::npos) << expected.reports[1];
    // A class this process registered already is no failure: a second platform is made quietly.
    Win32Platform second{"Win32 input path test"};
    EXPECT_EQ(expected.reports.size(), 2u);
}

TEST_F(Win32InputPath, CloseRequestGoesToTheFormAndDestroysNothing) {
    auto& text = form_->add(ControlKind::TextBox, "NoteText", {20, 20, 150, 20});
    showAndSettle();
    text.setText("kept");
    SendMessageA(formWindow(), WM_CLOSE, 0, 0);  // no handler: nothing happens
    ASSERT_TRUE(IsWindow(formWindow()));
    EXPECT_TRUE(IsWindowVisible(formWindow()));
    int requests = 0;
    form_->onCloseRequest = [&requests] { ++requests; };
    SendMessageA(formWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4 and the taskbar's Close
    SendMessageA(formWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(requests, 2);
    EXPECT_TRUE(IsWindow(formWindow()));
    EXPECT_FALSE(form_->closed());
    EXPECT_EQ(text.text(), "kept");
}

TEST_F(Win32InputPath, WindowDestroyedByTheSystemKeepsItsText) {
    auto& line = form_->add(ControlKind::TextBox, "DenLine", 1, {20, 20, 150, 20});
    auto& note = form_->add(ControlKind::TextBox, "NoteText", {20, 60, 150, 60});
    showAndSettle();
    line.setText("line typed");
    note.setText("note typed");
    DestroyWindow(childOf(line));  // one child
    EXPECT_EQ(line.text(), "line typed");
    HWND window = formWindow();
    DestroyWindow(window);  // the whole form, behind the program's back
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(note.text(), "note typed");
    EXPECT_EQ(line.text(), "line typed");
    note.setText("later");
    EXPECT_EQ(note.text(), "later");
    platform_.doEvents();
}

// Closes the first message or input box that opens, noting its owner.
struct BoxCloser {
    static inline HWND owner = nullptr;
    static inline bool closed = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = GetActiveWindow();
        char name[16] = {};
        GetClassNameA(box, name, sizeof name);
        if (std::string(name) != "#32770") return;
        KillTimer(nullptr, id);
        owner = GetWindow(box, GW_OWNER);
        closed = true;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    static void arm() {
        owner = nullptr;
        closed = false;
        SetTimer(nullptr, 0, 100, Tick);
    }
};

TEST_F(Win32InputPath, MessageAndInputBoxesBelongToTheAskingFormAndGiveTheFocusBack) {
    auto& text = form_->add(ControlKind::TextBox, "NoteText", {20, 20, 150, 60});
    form_->add(ControlKind::PictureBox, "ButResize", {200, 20, 10, 10});
    showAndSettle();
    SetForegroundWindow(formWindow());
    platform_.doEvents();
    ASSERT_TRUE(text.setFocus());
    HWND edit = childOf(text);

    BoxCloser::arm();
    platform_.showMessage("Save", "The file could not be written.", platform::MessageIcon::Stop);
    EXPECT_TRUE(BoxCloser::closed);
    EXPECT_EQ(BoxCloser::owner, formWindow());
    platform_.doEvents();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(form_->focused(), &text);

    BoxCloser::arm();
    EXPECT_FALSE(platform_.inputBox("Enter filename", "Save", "", 50, 50).has_value());
    EXPECT_TRUE(BoxCloser::closed);
    EXPECT_EQ(BoxCloser::owner, formWindow());
    platform_.doEvents();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(IsWindowEnabled(formWindow()));
}

TEST(TooltipText, LongWordsGetBreakOpportunitiesEveryPieceFits) {
    const auto sevenPixels = [](std::string_view run) { return static_cast<int>(run.size()) * 7; };
    EXPECT_EQ(platform::win32::BreakLongWords("short words stay as they are", 70, sevenPixels),
              "short words stay as they are");
    EXPECT_EQ(platform::win32::BreakLongWords("ab abcdefghijklmnopqrstuvwxy z", 70, sevenPixels),
              "ab abcdefghij klmnopqrst uvwxy z");
}

TEST_F(Win32InputPath, TooltipOfALongWordWrapsWithinItsWidth) {
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(tip, nullptr);
    const std::string word(300, 'm');
    const std::string wrapped = platform::win32::WrappedTipText(tip, "Name: " + word, 390);
    EXPECT_GT(wrapped.size(), word.size() + 6);
    std::string joined;
    {
        HDC dc = GetDC(tip);
        auto font = reinterpret_cast<HFONT>(SendMessageA(tip, WM_GETFONT, 0, 0));
        HGDIOBJ before = font ? SelectObject(dc, font) : nullptr;
        std::size_t at = 0;
        while (at < wrapped.size()) {
            std::size_t end = wrapped.find(' ', at);
            if (end == std::string::npos) end = wrapped.size();
            SIZE size{};
            GetTextExtentPoint32A(dc, wrapped.data() + at, static_cast<int>(end - at), &size);
            EXPECT_LE(size.cx, 390);
            joined += wrapped.substr(at, end - at);
            at = end + 1;
        }
        if (before) SelectObject(dc, before);
        ReleaseDC(tip, dc);
    }
    EXPECT_EQ(joined, "Name:" + word);  // nothing but break opportunities was added
    DestroyWindow(tip);
}

}  // namespace
