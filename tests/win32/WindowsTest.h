#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "GameWindow.h"
#include "RegistryStore.h"

// A registry key of the test's own, removed again afterwards.
inline std::wstring testkey() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring key = L"Software\\TarveloTest\\";
    for (const char* part : {test->test_suite_name(), ".", test->name()}) {
        for (const char* c = part; *c != '\0'; ++c) {
            key += *c == '/' ? L'.' : static_cast<wchar_t>(*c);
        }
    }
    return key;
}

// The main window whose messages the loop below hands it first, as the program's loop does.
inline GameWindow* looping = nullptr;

// Handles what the windows have posted, as the message loop would.
inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (looping == nullptr || !looping->preprocess(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Input as the player gives it, through the system's queue to whichever window has the
// keyboard or is under the mouse: chords of keys (each goes down in order and comes up in
// reverse), a click first where one is given. It is sent from another thread, 150 ms apart,
// while this one handles messages, so a menu's own loop can take it as well.
struct Input {
    std::vector<std::vector<WORD>> chords;
    POINT click{-1, -1};
};

inline void give(const Input& input) {
    const HANDLE sender = CreateThread(
        nullptr, 0,
        [](LPVOID data) -> DWORD {
            const Input& in = *static_cast<const Input*>(data);
            std::vector<INPUT> events;
            if (in.click.x >= 0) {
                // The press and the release carry the place too: under load, one sent right
                // after the pointer was moved could land where the pointer was before.
                SetCursorPos(in.click.x, in.click.y);
                Sleep(50);
                for (DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
                    INPUT e{};
                    e.type = INPUT_MOUSE;
                    e.mi.dx = MulDiv(in.click.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
                    e.mi.dy = MulDiv(in.click.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
                    e.mi.dwFlags = flag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
                    SendInput(1, &e, sizeof e);
                }
            }
            for (const auto& chord : in.chords) {
                Sleep(150);
                events.clear();
                INPUT e{};
                e.type = INPUT_KEYBOARD;
                for (WORD key : chord) {
                    e.ki.wVk = key;
                    events.push_back(e);
                }
                e.ki.dwFlags = KEYEVENTF_KEYUP;
                for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
                    e.ki.wVk = *key;
                    events.push_back(e);
                }
                SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
            }
            Sleep(150);
            return 0;
        },
        const_cast<Input*>(&input), 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &sender, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        pump();
    }
    pump();
    CloseHandle(sender);
}

// The real main window over a store of the test's own; no animation, whose blinks wait.
class WindowsTest : public ::testing::Test {
protected:
    std::wstring storekey = testkey();
    std::unique_ptr<RegistryStore> store = std::make_unique<RegistryStore>(storekey);
    std::unique_ptr<GameWindow> window = std::make_unique<GameWindow>(*store, TARVELO_SOUNDS_DIR);

    WindowsTest() {
        game().setanim(false);
        looping = window.get();
        SetForegroundWindow(main());
        pump();
    }
    ~WindowsTest() override {
        looping = nullptr;
        window.reset();
        store.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, storekey.c_str());
    }

    Game& game() { return window->game(); }
    HWND main() const { return window->hwnd(); }
    void menu(std::string_view item, int index = 0) {
        SendMessageW(main(), WM_COMMAND, window->commandid(item, index), 0);
        pump();
    }
    // A key pressed in the main window; repeat as the system repeats a held key.
    void key(WPARAM code, bool repeat = false) {
        SendMessageW(main(), WM_KEYDOWN, code, repeat ? 1L << 30 : 0);
        pump();
    }
    // Clicks a button of a window, as the player would.
    static void click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        pump();
    }
    // The system gives the keyboard to the main window: active, in front, with the focus, and
    // no window of ours left open over it.
    void expectkeyboardhere(const char* after) const {
        int others = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM count) {
                *reinterpret_cast<int*>(count) += IsWindowVisible(hwnd) ? 1 : 0;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&others));
        EXPECT_EQ(others, 1) << after;
        EXPECT_EQ(GetActiveWindow(), main()) << after;
        EXPECT_EQ(GetForegroundWindow(), main()) << after;
        EXPECT_EQ(GetFocus(), main()) << after;
    }
    std::wstring title(HWND window) const {
        wchar_t text[128] = {};
        GetWindowTextW(window, text, 128);
        return text;
    }
};
