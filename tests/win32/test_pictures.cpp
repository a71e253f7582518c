// The main window's client in play, frame by frame, as the Linux suite takes it: written to
// frames/ beside the suite as 24-bit BMP files for tools/frames.sh, which checks them against
// tests/pictures/frames-wine/ and the Linux program's well against this one.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GameSetup.h"
#include "WindowsTest.h"

namespace {

// The client area as painted, saved as a bottom-up 24-bit BMP.
void save(HWND window, const std::string& name) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    std::filesystem::create_directories("frames");
    if (FILE* out = std::fopen(("frames/" + name + ".bmp").c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, size, out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}

}  // namespace

// A laid-out board, the 100th group blinking away and the level-up message blinking after it.
TEST_F(WindowsTest, TheWellInPlayAndEveryBlinkFrame) {
    game().setanim(true);
    menu("m_newgame");
    setrows(game(), {
                        "3...2.",
                        "3.1.24",
                        "421432",
                    });
    GameSetup layout = set(game());
    layout.display.col = 99;
    layout.display.score = 1234;
    layout.display.perc = ui::mainform["percfull"].place.width * 0.99;
    layout.paircolor1 = layout.paircolor2 = 1;
    layout.nextcolor = {3, 4};
    layout.display.next = {game().palette()[3], game().palette()[4]};
    layout.pairx = 3;
    layout.pairdir = 1;  // lying, ball 2 on the left: both markers
    game().drawboard();
    game().showpair();
    window->render();
    save(main(), "board");

    // Upright over column 2: with the two ones there, four.
    layout.pairx = 2;
    layout.pairdir = 0;
    game().showpair();
    SendMessageW(main(), WM_KEYDOWN, VK_DOWN, 0);  // no messages handled: the frames go by hand
    const char* names[] = {"blink-hidden", "blink-shown", nullptr,         nullptr,         nullptr,
                           nullptr,        nullptr,       "levelup-shown", "levelup-hidden"};
    int frame = 0;
    for (; game().blinkclock().running && frame < 100; ++frame) {
        if (frame < 9 && names[frame] != nullptr) {
            save(main(), names[frame]);
        }
        window->form().blink_Timer();
    }
    EXPECT_EQ(frame, 15);
    EXPECT_EQ(game().display().level, 2);
}
