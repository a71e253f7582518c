#include "GameWindow.h"

#include "ColorDialog.h"
#include "Forms.h"
#include "InfoDialogs.h"
#include "KeysDialog.h"
#include "MenuMarks.h"
#include "OverDialog.h"
#include "Paint.h"
#include "SoundEffects.h"
#include "Utf.h"

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kBlink = 2;
constexpr UINT kForget = WM_APP;            // the closed windows can go
constexpr UINT kLoadSounds = WM_APP + 1;    // after the first paint
constexpr UINT kBringForward = WM_APP + 2;  // once the system's own activation is done
constexpr WPARAM kFirstCommand = 100;

// The controls painted from the game's state, known by what they are.
constexpr const ui::Control& kBall = ui::mainform["ball"];
constexpr const ui::Control& kCurs = ui::mainform["curs"];
constexpr const ui::Control& kNext = ui::mainform["next"];
constexpr const ui::Control& kPerc = ui::mainform["perc"];
constexpr const ui::Control& kScore = ui::mainform["score"];
constexpr const ui::Control& kCol = ui::mainform["col"];
constexpr const ui::Control& kLevel = ui::mainform["level"];
constexpr const ui::Control& kInfo = ui::mainform["info"];
constexpr const ui::Control& kCommand1 = ui::mainform["Command1"];
constexpr const ui::Control& kCommand2 = ui::mainform["Command2"];

bool iskey(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// The system keeps a menu opened with the mouse in the menu bar after one Esc, where the arrows
// would walk the menus: as on the Linux program, one Esc gives the keys back to the game.
bool mousemenu = false;

LRESULT CALLBACK menufilter(int code, WPARAM w, LPARAM l) {
    const auto* message = reinterpret_cast<const MSG*>(l);
    if (code == MSGF_MENU && mousemenu && message->message == WM_KEYDOWN &&
        message->wParam == VK_ESCAPE) {
        EndMenu();
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

GameWindow::GameWindow(SettingsStore& store, std::wstring soundfolder)
    : Window(ui::mainform), form_(*this, store), soundfolder_(std::move(soundfolder)) {
    create(nullptr, buildmenu());
    render();
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(hwnd());
    UpdateWindow(hwnd());
    PostMessageW(hwnd(), kLoadSounds, 0, 0);
    menufilter_ = SetWindowsHookExW(WH_MSGFILTER, &menufilter, nullptr, GetCurrentThreadId());
}

GameWindow::~GameWindow() {
    UnhookWindowsHookEx(menufilter_);
    KillTimer(hwnd(), kTimer1);
    KillTimer(hwnd(), kBlink);
    open_.clear();  // the windows over this one go first
    if (shortcuts_ != nullptr) {
        DestroyAcceleratorTable(shortcuts_);
    }
}

HMENU GameWindow::buildmenu() {
    HMENU bar = CreateMenu();
    std::vector<ACCEL> keys;
    for (const ui::Menu& menu : ui::mainmenu) {
        HMENU popup = CreatePopupMenu();
        for (const ui::MenuItem& item : menu.items) {
            if (item.separator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const auto id = static_cast<WORD>(kFirstCommand + items_.size());
            items_.push_back(&item);
            std::wstring text = widen(item.caption);
            if (const ui::Shortcut& key = item.shortcut; key.key != 0) {
                text += L'\t' + widen(key.text);
                keys.push_back({static_cast<BYTE>(FVIRTKEY | (key.ctrl ? FCONTROL : 0)),
                                static_cast<WORD>(key.key), id});
            }
            AppendMenuW(popup, MF_STRING, id, text.c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(menu.caption).c_str());
    }
    shortcuts_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return bar;
}

WPARAM GameWindow::commandid(std::string_view item, int index) const {
    for (std::size_t id = 0; id < items_.size(); ++id) {
        if (items_[id]->name == item && items_[id]->index == index) {
            return kFirstCommand + id;
        }
    }
    return 0;
}

HWND GameWindow::openwindow() const {
    return last_ != nullptr && IsWindow(last_) ? last_ : nullptr;
}

const Window* GameWindow::opened(FormId form) const {
    const auto window = open_.find(form);
    return window != open_.end() ? window->second.get() : nullptr;
}

bool GameWindow::preprocess(MSG& message) {
    if (iskey(message.message) && static_cast<LONG>(message.time - keysfrom_) < 0) {
        return true;  // pressed as the game ended: meant for the game, not for the name
    }
    if ((message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd)) &&
        TranslateAcceleratorW(hwnd(), shortcuts_, &message)) {
        return true;
    }
    const HWND active = GetActiveWindow();
    return active != nullptr && active != hwnd() && GetWindow(active, GW_OWNER) == hwnd() &&
           IsDialogMessageW(active, &message);
}

void GameWindow::render() {
    const Game& g = game();
    const DisplayState& d = g.display();
    ShowWindow(control(kCommand1), d.command1 ? SW_SHOWNA : SW_HIDE);
    ShowWindow(control(kCommand2), d.command2 ? SW_SHOWNA : SW_HIDE);
    HMENU menu = GetMenu(hwnd());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto id = static_cast<UINT>(kFirstCommand + i);
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled(g, *items_[i]) ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, id,
                      MF_BYCOMMAND | (checked(g, *items_[i]) ? MF_CHECKED : MF_UNCHECKED));
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

ui::Rect GameWindow::where(const ui::Control& c, int i) const {
    ui::Rect r = c.at(i);
    if (&c == &kCurs) {  // under its column's cells
        r.left = kBall.at(form_.game().display().curs[i].column).left;
    } else if (&c == &kPerc) {
        r.width = static_cast<int>(form_.game().display().perc + 0.5);
    }
    return r;
}

bool GameWindow::shown(const ui::Control& c, int i) const {
    const DisplayState& d = form_.game().display();
    if (&c == &kBall) {
        return d.ball[i].visible;
    }
    if (&c == &kCurs) {
        return d.curs[i].visible;
    }
    if (&c == &kScore || &c == &kCol || &c == &kLevel) {
        return d.countersvisible;
    }
    if (&c == &kPerc) {
        return d.countersvisible && px(where(c, i).width, dpi()) > 0;
    }
    if (&c == &kInfo) {
        return d.infovisible;
    }
    return Window::shown(c, i);
}

COLORREF GameWindow::fill(const ui::Control& c, int i) const {
    const DisplayState& d = form_.game().display();
    if (&c == &kBall) {
        return d.ball[i].color;
    }
    if (&c == &kNext) {
        return d.next[i];
    }
    return Window::fill(c, i);
}

std::wstring GameWindow::caption(const ui::Control& c, int i) const {
    const DisplayState& d = form_.game().display();
    if (&c == &kScore) {
        return std::to_wstring(d.score);
    }
    if (&c == &kCol) {
        return std::to_wstring(d.col);
    }
    if (&c == &kLevel) {
        return std::to_wstring(d.level);
    }
    if (&c == &kInfo) {
        return widen(d.info);
    }
    return Window::caption(c, i);
}

void GameWindow::pressed(const ui::Control& c, int) {
    SetFocus(hwnd());  // keys come to the window, never to a button
    if (&c == &kCommand1) {
        form_.Command1_Click();
    } else if (&c == &kCommand2) {
        form_.Command2_Click();
    }
}

void GameWindow::playsound(ui::Sound sound) {
    if (sounds_ != nullptr) {
        sounds_->play(ui::soundname(sound));
    }
}

void GameWindow::clockchanged() {
    for (const auto& [timer, clock] :
         {std::pair{kTimer1, game().clock()}, std::pair{kBlink, game().blinkclock()}}) {
        if (clock.running) {
            SetTimer(hwnd(), timer, static_cast<UINT>(clock.period), nullptr);
        } else {
            KillTimer(hwnd(), timer);
        }
    }
}

void GameWindow::open(FormId id) {
    const auto unloaded = [this, id] { this->unloaded(id); };
    std::unique_ptr<Dialog> window;
    switch (id) {
        case FormId::overform: {
            auto over = std::make_unique<OverDialog>(
                game(), hwnd(), [this](const std::string& name) { form_.overform_Ok(name); },
                unloaded);
            overform_ = over.get();
            window = std::move(over);
            break;
        }
        case FormId::topscores:
            window = std::make_unique<TopScoresDialog>(game(), hwnd(), unloaded);
            break;
        case FormId::colorform:
            window = std::make_unique<ColorDialog>(game(), hwnd(), unloaded);
            break;
        case FormId::keys:
            window = std::make_unique<KeysDialog>(game(), hwnd(), unloaded);
            break;
        case FormId::rules:
            window = std::make_unique<RulesDialog>(hwnd(), unloaded);
            break;
        case FormId::about:
            window = std::make_unique<AboutDialog>(hwnd(), unloaded);
            break;
    }
    last_ = window->hwnd();
    open_[id] = std::move(window);
}

// In the closed window's last message: it is deleted once that is done.
void GameWindow::unloaded(FormId id) {
    if (id == FormId::overform) {
        overform_ = nullptr;
    }
    gone_.push_back(std::move(open_[id]));
    open_.erase(id);
    PostMessageW(hwnd(), kForget, 0, 0);
    form_.unloaded(id);
}

void GameWindow::setrecordmode(bool on) {
    overform_->setrecordmode(on);
}

void GameWindow::enablemain(bool enabled) {
    EnableWindow(hwnd(), enabled);
}

void GameWindow::hidemain() {
    ShowWindow(hwnd(), SW_HIDE);
}

void GameWindow::closemain() {
    SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void GameWindow::holdkeys(int milliseconds) {
    keysfrom_ = GetTickCount() + static_cast<DWORD>(milliseconds);
}

void GameWindow::endprogram() {
    PostQuitMessage(0);
}

// The disabled window takes no keys, so a click on it would leave the player stuck: the window
// open over it comes forward and takes the keyboard, the colour picker over its dialog first.
void GameWindow::bringforward() {
    if (const HWND open = openwindow(); open != nullptr && !IsWindowEnabled(hwnd())) {
        SetForegroundWindow(GetLastActivePopup(open));
    }
}

LRESULT GameWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_KEYDOWN:
            form_.Form_KeyDown(static_cast<std::int64_t>(w), (l & (1L << 30)) != 0);
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // F10 opens the menu bar, unless the player made it a game key; Alt still does.
            if (w == VK_F10 && (l & (1L << 29)) == 0 && game().keys().has(VK_F10)) {
                if (message == WM_SYSKEYDOWN) {
                    form_.Form_KeyDown(VK_F10, (l & (1L << 30)) != 0);
                }
                return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if ((w & 0xFFF0) == SC_MOUSEMENU || (w & 0xFFF0) == SC_KEYMENU) {
                mousemenu = (w & 0xFFF0) == SC_MOUSEMENU;
            }
            break;
        case WM_SIZE:
            if (w == SIZE_MINIMIZED) {
                form_.minimised();
            }
            break;
        case WM_TIMER:
            if (w == kTimer1) {
                form_.Timer1_Timer();
            } else if (w == kBlink) {
                form_.blink_Timer();
            }
            return 0;
        case WM_COMMAND:
            if (HIWORD(w) <= 1 && l == 0) {  // a menu item or its shortcut
                const std::size_t id = LOWORD(w) - kFirstCommand;
                if (id < items_.size()) {
                    form_.menu(items_[id]->command, items_[id]->index);
                }
                return 0;
            }
            break;
        case WM_CLOSE:
            if (form_.Form_Unload()) {
                DestroyWindow(hwnd());
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_ENDSESSION:  // a logout
            if (w != FALSE) {
                form_.savesettings();
            }
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(l) == static_cast<WORD>(HTERROR) && HIWORD(l) == WM_LBUTTONDOWN) {
                bringforward();
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(w) != WA_INACTIVE && !IsWindowEnabled(hwnd())) {
                PostMessageW(hwnd(), kBringForward, 0, 0);
            }
            break;
        case kBringForward:
            bringforward();
            return 0;
        case kForget:
            gone_.clear();
            return 0;
        case kLoadSounds:
            sounds_ = std::make_unique<SoundEffects>(soundfolder_);
            return 0;
        default:
            break;
    }
    return Window::handle(message, w, l);
}
