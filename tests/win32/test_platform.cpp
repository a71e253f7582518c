// What the Windows program takes from the system: its sounds from a folder that may be named in
// any letters, and its windows' sizes and places from the monitor it is on.
#include <filesystem>

#include "Forms.h"
#include "Paint.h"
#include "SoundEffects.h"
#include "WindowsTest.h"

namespace fs = std::filesystem;

// A player's folder is often named in Cyrillic; a narrow path would find no sound in it.
TEST(Sounds, LoadFromAFolderNamedInCyrillicAndAMissingOneIsSilent) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const fs::path folder = fs::path(temp) / L"Тарвело тест" / L"Звуки";
    fs::remove_all(folder.parent_path());
    fs::create_directories(folder);
    fs::copy(TARVELO_SOUNDS_DIR, folder);
    fs::remove(folder / L"got.wav");
    {
        SoundEffects sounds(folder.wstring());
        for (const char* name : {"drop", "rotate", "level", "gameover"}) {
            EXPECT_TRUE(sounds.loaded(name)) << name;
        }
        EXPECT_FALSE(sounds.loaded("got"));
        sounds.play("got");  // silent, and nothing of the system's in its place
        sounds.play("drop");
    }
    fs::remove_all(folder.parent_path());
}

// The main window's inside is its description's size at the monitor's dots an inch, menu bar
// apart; a dialog is centred over it, and stays whole on the screen when the main window does not.
TEST_F(WindowsTest, WindowsTakeTheirSizeAndPlaceFromTheMonitor) {
    const UINT dpi = GetDpiForWindow(main());
    RECT inside{};
    GetClientRect(main(), &inside);
    EXPECT_EQ(inside.right, px(ui::mainform.width, dpi));
    EXPECT_EQ(inside.bottom, px(ui::mainform.height, dpi));

    SetWindowPos(main(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    menu("m_topscores");
    RECT over{}, table{};
    GetWindowRect(main(), &over);
    GetWindowRect(window->openwindow(), &table);
    EXPECT_NEAR(table.left + table.right, over.left + over.right, 2);
    EXPECT_NEAR(table.top + table.bottom, over.top + over.bottom, 2);
    SendMessageW(window->openwindow(), WM_CLOSE, 0, 0);
    pump();

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& room = monitor.rcWork;
    SetWindowPos(main(), nullptr, room.right - 60, room.bottom - 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    menu("m_topscores");
    GetWindowRect(window->openwindow(), &table);
    EXPECT_GE(table.left, room.left);
    EXPECT_GE(table.top, room.top);
    EXPECT_LE(table.right, room.right);
    EXPECT_LE(table.bottom, room.bottom);
}
