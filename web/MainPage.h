#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DialogPage.h"
#include "MainForm.h"
#include "PageControls.h"

class OverPage;

// The main window in the page: shows the game's state and forwards the player's input to the
// main form; opens the other windows over itself.
class MainPage : public MainHost {
public:
    explicit MainPage(SettingsStore& store);

    MainForm& form() { return form_; }
    Game& game() { return form_.game(); }

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

    // What the page tells.
    void clicked(int handle);
    bool keydown(int window, int handle, std::string_view key, std::string_view code, bool repeat,
                 bool ctrl, bool alt);
    void closebox(int window);
    void menu(int menu, int item);
    void picked(int handle, std::uint32_t color);
    void repaint();
    void hidden();
    void closed();
    void locked(int task);
    // A touch control, as Touch numbers them; repeat when held.
    void touch(int action, bool repeat);

private:
    enum class Touch { left, right, rotate, drop, pause };

    void buildmenu();
    void buildtouch();
    void paint();
    void closedialog();
    void command(const ui::MenuItem& item);
    // Runs task once no other tab of the game is writing the store.
    void withlock(std::function<void()> task);

    MainForm form_;
    int well_ = -1, preview_ = -1, perc_ = -1;  // canvases, made with the controls
    PageControls controls_;
    long timer1_ = 0, blink_ = 0;  // the page's intervals, 0 while stopped
    int timer1period_ = 0, blinkperiod_ = 0;
    double heldtill_ = 0;  // keys before this time (ms) reach no window
    std::vector<std::vector<const ui::MenuItem*>> menus_;  // the items by the page's numbers
    std::unique_ptr<DialogPage> dialog_;
    OverPage* over_ = nullptr;                    // dialog_, while it is the game-over window
    std::string lastname_;                        // the name last entered for a record
    bool awake_ = false;                          // the screen kept on, while a game runs
    std::map<int, std::function<void()>> tasks_;  // waiting for the store's lock
    int nexttask_ = 0;
};
