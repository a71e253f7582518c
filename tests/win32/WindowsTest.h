#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

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

// Handles what the windows have posted, as the message loop would.
inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The real main window over a store of the test's own; no animation, whose blinks wait.
class WindowsTest : public ::testing::Test {
protected:
    std::wstring storekey = testkey();
    std::unique_ptr<RegistryStore> store = std::make_unique<RegistryStore>(storekey);
    std::unique_ptr<GameWindow> window = std::make_unique<GameWindow>(*store, TARVELO_SOUNDS_DIR);

    WindowsTest() {
        game().setanim(false);
        pump();
    }
    ~WindowsTest() override {
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
    std::wstring title(HWND window) const {
        wchar_t text[128] = {};
        GetWindowTextW(window, text, 128);
        return text;
    }
};
