// Starts a window under Windows (or Wine), says so on stdout once it has painted, then half a
// second later reports the peak memory and ends. Built three times: as Tarvelo's start-up, and
// as two floors, a bare window of the same size with the same menu bar (TARVELO_BARE), and the
// same having loaded the system's libraries the game links beyond it (TARVELO_FLOOR): the colour
// picker's and the sounds'.
#include <windows.h>

#include <psapi.h>

#include <cstdio>

#if defined(TARVELO_BARE) || defined(TARVELO_FLOOR)
#include "Forms.h"
#else
#include "GameWindow.h"
#include "RegistryStore.h"
#endif

namespace {

long peakkib() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

// Both windows paint as they are shown (UpdateWindow), as a Win32 program does; the first paint
// is said at once, for the driver to time, and the memory once what follows it has loaded too.
void painted(HWND hwnd) {
    if (GetUpdateRect(hwnd, nullptr, FALSE)) {
        UpdateWindow(hwnd);
    }
    std::printf("painted\n");
    std::fflush(stdout);
    SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR, DWORD) {
        std::printf("%ld\n", peakkib());
        std::fflush(stdout);
        ExitProcess(0);
    });
}

#if defined(TARVELO_BARE) || defined(TARVELO_FLOOR)
LRESULT CALLBACK bare(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(255, 255, 192));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, w, l);
}

HWND barewindow() {
#ifdef TARVELO_FLOOR
    LoadLibraryW(L"comdlg32.dll");
    LoadLibraryW(L"winmm.dll");
#endif
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = bare;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"BareWindow";
    RegisterClassExW(&c);
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"&Игра", L"Нач. &уровень", L"&Настройки", L"&Справка"}) {
        HMENU menu = CreatePopupMenu();
        for (UINT i = 1; i <= 4; ++i) {
            wchar_t text[] = {L'&', static_cast<wchar_t>(L'0' + i), 0};
            AppendMenuW(menu, MF_STRING, i, text);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
    }
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const UINT dpi = GetDpiForSystem();
    RECT frame{0, 0, MulDiv(ui::mainform.width, static_cast<int>(dpi), 1440),
               MulDiv(ui::mainform.height, static_cast<int>(dpi), 1440)};
    AdjustWindowRectExForDpi(&frame, style, TRUE, 0, dpi);
    HWND hwnd = CreateWindowExW(0, c.lpszClassName, L"Tarvelo", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, bar,
                                c.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return hwnd;
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#if defined(TARVELO_BARE) || defined(TARVELO_FLOOR)
    painted(barewindow());
#else
    RegistryStore store(L"Software\\Tarvelo bench");
    GameWindow window(store, TARVELO_SOUNDS_DIR);
    painted(window.hwnd());
#endif
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
