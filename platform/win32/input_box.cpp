#include "platform/win32/input_box.h"

#include <vector>

#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;

// A dialog template built in memory: the box needs no resource of its own. Texts are set later
// through the ANSI functions, so the template carries none.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const wchar_t* font, WORD pointSize) {
        alignToDword();
        addDword(style);
        addDword(0);  // extended style
        countAt_ = words_.size();
        words_.push_back(0);  // number of items, counted as they are added
        addShorts({0, 0, cx, cy});
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        words_.push_back(0);  // no title yet
        words_.push_back(pointSize);
        addText(font);
    }

    void addItem(DWORD style, short x, short y, short cx, short cy, WORD id, WORD systemClass) {
        alignToDword();
        addDword(style | WS_CHILD | WS_VISIBLE);
        addDword(0);
        addShorts({x, y, cx, cy});
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(systemClass);
        words_.push_back(0);  // no text
        words_.push_back(0);  // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void alignToDword() {
        if (words_.size() % 2 != 0) words_.push_back(0);
    }
    void addDword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void addShorts(std::initializer_list<short> values) {
        for (short value : values) words_.push_back(static_cast<WORD>(value));
    }
    void addText(const wchar_t* text) {
        do {
            words_.push_back(static_cast<WORD>(*text));
        } while (*text++ != L'\0');
    }

    std::vector<WORD> words_;
    std::size_t countAt_ = 0;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

struct InputState {
    const std::string* prompt;
    const std::string* title;
    const std::string* initial;
    int x;
    int y;
    std::optional<std::string> result;
};

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(item);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int got = GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

INT_PTR HandleInput(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<InputState*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetWindowTextA(dialog, state->title->c_str());
            SetDlgItemTextA(dialog, kPromptId, state->prompt->c_str());
            SetDlgItemTextA(dialog, kEditId, state->initial->c_str());
            SetDlgItemTextA(dialog, IDOK, "OK");
            SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
            SetWindowPos(dialog, nullptr, state->x, state->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            HWND edit = GetDlgItem(dialog, kEditId);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK) {
                if (state) state->result = ItemText(dialog, kEditId);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    return FALSE;
}

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return static_cast<INT_PTR>(Guarded(
        "input box", message, [&]() -> LRESULT { return HandleInput(dialog, message, wParam, lParam); },
        // A box that failed ends as if cancelled.
        [&]() -> LRESULT {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }));
}

}  // namespace

std::optional<std::string> RunInputBox(HWND owner, const std::string& prompt, const std::string& title,
                                       const std::string& initial, int x, int y) {
    // Dialog units; about 360 x 150 pixels in the usual dialog font.
    DialogTemplate layout(DS_MODALFRAME | DS_SETFONT | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 92,
                          L"MS Shell Dlg", 8);
    layout.addItem(SS_LEFT | SS_NOPREFIX, 7, 7, 170, 56, kPromptId, kStaticClass);
    layout.addItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 184, 7, 50, 14, IDOK, kButtonClass);
    layout.addItem(BS_PUSHBUTTON | WS_TABSTOP, 184, 25, 50, 14, IDCANCEL, kButtonClass);
    layout.addItem(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 70, 226, 13, kEditId, kEditClass);
    InputState state{&prompt, &title, &initial, x, y, std::nullopt};
    const INT_PTR answer = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.get(), owner, InputProc,
                                                   reinterpret_cast<LPARAM>(&state));
    if (answer != IDOK) return std::nullopt;
    return state.result;
}

}  // namespace platform::win32
