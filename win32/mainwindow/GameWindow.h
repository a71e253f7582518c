#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MainForm.h"
#include "Window.h"

class Dialog;
class OverDialog;
class SoundEffects;

// The Windows program's main window: shows the game's state, painted from its description, and
// forwards the player's input to the main form; it opens the windows the main form asks for.
class GameWindow : public Window, public MainHost {
public:
    GameWindow(SettingsStore& store, std::wstring soundfolder);
    ~GameWindow() override;

    MainForm& form() { return form_; }
    Game& game() { return form_.game(); }
    // The window opened over this one, while it is open.
    HWND openwindow() const;
    // That form's window while it is open, as built from its description.
    const Window* opened(FormId form) const;
    // The menu item's command, as its menu sends it.
    WPARAM commandid(std::string_view item, int index = 0) const;

    // Before a message is dispatched: keys that came as a game ended are dropped, the menu's
    // shortcuts and the other windows' Enter, Esc and Tab are done. True when it is used up.
    bool preprocess(MSG& message);

    void playsound(ui::Sound sound) override;
    void clockchanged() override;
    void render() override;
    void open(FormId form) override;
    void setrecordmode(bool on) override;
    void enablemain(bool enabled) override;
    void hidemain() override;
    void closemain() override;
    void holdkeys(int milliseconds) override;
    void endprogram() override;

protected:
    ui::Rect where(const ui::Control& c, int i) const override;
    bool shown(const ui::Control& c, int i) const override;
    COLORREF fill(const ui::Control& c, int i) const override;
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control& c, int i) override;
    LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

private:
    HMENU buildmenu();
    void unloaded(FormId form);
    void bringforward();

    MainForm form_;
    std::wstring soundfolder_;
    std::unique_ptr<SoundEffects> sounds_;    // loaded after the first paint
    std::vector<const ui::MenuItem*> items_;  // by command id
    HACCEL shortcuts_ = nullptr;
    HHOOK menufilter_ = nullptr;  // one Esc closes a menu opened with the mouse
    std::map<FormId, std::unique_ptr<Dialog>> open_;
    std::vector<std::unique_ptr<Dialog>> gone_;  // closed, deleted once their messages are done
    OverDialog* overform_ = nullptr;
    HWND last_ = nullptr;  // the window opened last over this one
    DWORD keysfrom_ = 0;   // keys pressed before this tick came as a game ended
};
