// The floor of the Wine benchmark: the least a Win32 tray program of this kind can do, built with
// the same MinGW flags as OrvaneNotes.exe. One tray icon; a right press shows one plain 782 x 540
// window ("Diar"), a double click one small window ("Poznamky").
//
//     bench_floor.exe          the tray program alone
//     bench_floor.exe notes    first opens one plain window with one edit box per note record of
//                              NotesDat\Notes beside it: the note's place, size, text, font and
//                              alignment, as the program's note windows show them
#include <windows.h>
#include <shellapi.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr char kClass[] = "BenchFloor";
HWND calendar = nullptr;

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kTrayMessage:
            if (lParam == WM_RBUTTONDOWN) {
                if (!calendar) {
                    calendar = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "Diar", WS_POPUP, 100, 100, 782, 540,
                                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
                }
                ShowWindow(calendar, SW_SHOW);
                SetForegroundWindow(calendar);
            } else if (lParam == WM_LBUTTONDBLCLK) {
                HWND note = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "Poznamky", WS_POPUP, 80, 80, 166, 127, nullptr,
                                            nullptr, GetModuleHandleA(nullptr), nullptr);
                ShowWindow(note, SW_SHOW);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            if (window == calendar) calendar = nullptr;
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

int Number(const std::string& record, std::size_t at, std::size_t width) {
    return std::atoi(record.substr(at, width).c_str());
}

// One window with one edit box for every note record, as tests/bench data writes them.
void OpenNotes(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of('\\')) + "\\NotesDat\\Notes";
    std::string database;
    HANDLE in = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in != INVALID_HANDLE_VALUE) {
        database.resize(GetFileSize(in, nullptr));
        DWORD got = 0;
        ReadFile(in, database.data(), static_cast<DWORD>(database.size()), &got, nullptr);
        database.resize(got);
        CloseHandle(in);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (std::size_t at = 0; at + 4002 <= database.size(); at += 4002) {
        const std::size_t length = static_cast<unsigned char>(database[at]) +
                                   256u * static_cast<unsigned char>(database[at + 1]);
        if (length < 70 || length > 4000) continue;
        const std::string record = database.substr(at + 2, length);
        const int x = Number(record, 0, 5), y = Number(record, 5, 5), w = Number(record, 10, 5),
                  h = Number(record, 15, 5);
        const int alignment = Number(record, 21, 1);
        const int size = Number(record, 23, 2);
        std::string face = record.substr(25, 15);
        face.erase(face.find_last_not_of(' ') + 1);
        HWND note = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "Poznamky", WS_POPUP | WS_CLIPCHILDREN, x, y, w, h,
                                    nullptr, nullptr, instance, nullptr);
        const DWORD align = alignment == 1 ? ES_RIGHT : alignment == 2 ? ES_CENTER : ES_LEFT;
        HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN |
                                                         ES_AUTOVSCROLL | align,
                                    5, 17, w - 9, h - 21, note, nullptr, instance, nullptr);
        HFONT font = CreateFontA(-static_cast<int>(std::lround(size * dpi / 72.0)), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                 FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageA(edit, EM_LIMITTEXT, 3930, 0);
        SetWindowTextA(edit, record.c_str() + 70);
        ShowWindow(note, SW_SHOWNA);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = Proc;
    form.hInstance = instance;
    form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    form.lpszClassName = kClass;
    RegisterClassExA(&form);
    HWND hidden = CreateWindowExA(0, kClass, "Floor", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);

    if (std::strstr(commandLine, "notes")) OpenNotes(instance);

    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = hidden;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    std::strcpy(icon.szTip, "Floor");
    Shell_NotifyIconA(NIM_ADD, &icon);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    Shell_NotifyIconA(NIM_DELETE, &icon);
    return 0;
}
