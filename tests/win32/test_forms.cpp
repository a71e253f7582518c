// Every window as built, against its description: one of the system's controls moved, hidden,
// left without its caption, made or unmade the default, out of the tab order or without the
// keyboard it should have fails here, whichever control and window it is; so does a frame that
// offers what the window does not do. The painted controls are their pictures' to show.
#include <cstdlib>

#include "GameSetup.h"
#include "StateShown.h"
#include "Utf.h"
#include "WindowsTest.h"

namespace {

// Twips to pixels at the window's dots an inch, worked out here rather than by the program.
int pixels(int twips, UINT dpi) {
    return (twips * static_cast<int>(dpi) + 720) / 1440;
}

std::wstring text(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

}  // namespace

class FormsTest : public WindowsTest {
protected:
    void walk(const Window& w, bool recordmode = false) {
        const ui::Form& form = w.design();
        SCOPED_TRACE(form.name.data());
        const UINT dpi = w.dpi();
        // tools/test.sh walks again with the system at 144 dots an inch.
        const char* wanted = std::getenv("TARVELO_TEST_DPI");
        EXPECT_EQ(dpi, wanted != nullptr ? std::strtoul(wanted, nullptr, 10) : 96u);
        RECT client{};
        GetClientRect(w.hwnd(), &client);
        EXPECT_EQ(client.right, pixels(form.width, dpi));
        EXPECT_EQ(client.bottom, pixels(form.height, dpi));
        std::vector<HWND> taborder;
        HWND focus = nullptr;
        for (const ui::Control& c : form.controls) {
            for (int i = 0; i < c.count; ++i) {
                SCOPED_TRACE(std::string(c.name) + " " + std::to_string(i));
                const std::optional<bool> state = stateshown(game(), form, c, i, recordmode);
                EXPECT_TRUE(state.has_value() || !c.has(ui::kHidden));
                const HWND h = w.control(c.name, i);
                if (h == nullptr) {
                    continue;
                }
                const bool shown = state.value_or(true);
                EXPECT_EQ(IsWindowVisible(h) != FALSE, shown);
                EXPECT_TRUE(IsWindowEnabled(h));
                RECT r{};
                GetWindowRect(h, &r);
                MapWindowPoints(nullptr, w.hwnd(), reinterpret_cast<POINT*>(&r), 2);
                const ui::Rect place = c.at(i);
                EXPECT_EQ(r.left, pixels(place.left, dpi));
                EXPECT_EQ(r.top, pixels(place.top, dpi));
                EXPECT_EQ(r.right, pixels(place.left + place.width, dpi));
                EXPECT_EQ(r.bottom, pixels(place.top + place.height, dpi));
                const LONG style = GetWindowLongW(h, GWL_STYLE);
                EXPECT_EQ((style & WS_TABSTOP) != 0, takesfocus(c));
                if (c.kind == ui::Kind::Button) {
                    EXPECT_EQ((style & 0xF) == BS_DEFPUSHBUTTON, c.has(ui::kDefault));
                    EXPECT_EQ(text(h), c.has(ui::kNumbered) ? std::to_wstring(c.first + i)
                                                            : widen(c.caption));
                }
                if (takesfocus(c) && shown) {
                    taborder.push_back(h);
                }
                if (c.has(ui::kFocus) && i == 0 && shown) {
                    focus = h;
                }
            }
        }
        // The keyboard goes round the controls in the description's order.
        for (std::size_t n = 0; n + 1 < taborder.size(); ++n) {
            EXPECT_EQ(GetNextDlgTabItem(w.hwnd(), taborder[n], FALSE), taborder[n + 1]) << n;
        }
        if (focus != nullptr) {
            EXPECT_EQ(GetFocus(), focus);
        }
    }
};

TEST_F(FormsTest, EveryWindowStandsAsDesigned) {
    const LONG mainstyle = GetWindowLongW(main(), GWL_STYLE);
    EXPECT_TRUE(mainstyle & WS_MINIMIZEBOX);
    EXPECT_FALSE(mainstyle & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    walk(*window);  // idle
    menu("m_newgame");
    walk(*window);  // a game under way
    key('P');
    walk(*window);  // paused

    const std::pair<const char*, FormId> menuforms[] = {
        {"m_topscores", FormId::topscores}, {"m_colors", FormId::colorform},
        {"m_keys", FormId::keys},           {"m_rules", FormId::rules},
        {"m_about", FormId::about},
    };
    for (const auto& [item, id] : menuforms) {
        menu(item);
        const Window* open = window->opened(id);
        ASSERT_NE(open, nullptr) << item;
        EXPECT_EQ(text(open->hwnd()), widen(open->design().caption));
        const LONG style = GetWindowLongW(open->hwnd(), GWL_STYLE);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        walk(*open);
        SendMessageW(open->hwnd(), WM_CLOSE, 0, 0);
        pump();
    }

    // Game over, without a record and with one.
    store->write("TopScores", "Record 10", "100");
    game().loadsettings(*store);
    game().setanim(false);
    for (const std::int32_t score : {50, 500}) {
        menu("m_newgame");
        for (int y = 2; y < Game::kRows; ++y) {
            set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
        }
        set(game()).display.score = score;
        key(VK_DOWN);
        const Window* over = window->opened(FormId::overform);
        ASSERT_NE(over, nullptr);
        walk(*over, score >= 100);
        SendMessageW(over->hwnd(), WM_CLOSE, 0, 0);
        pump();
        if (const HWND table = window->openwindow()) {
            SendMessageW(table, WM_CLOSE, 0, 0);
            pump();
        }
    }
}
