#include "MainPage.h"

#include <algorithm>

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include "BrowserKeys.h"
#include "ColorPage.h"
#include "Forms.h"
#include "KeysPage.h"
#include "MenuMarks.h"
#include "OverPage.h"
#include "Page.h"
#include "TextPage.h"
#include "TopScoresPage.h"

namespace {
const ui::Form& f = ui::mainform;
const ui::Control& background = f["Shape1"];
const ui::Control& ball = f["ball"];
const ui::Control& curs = f["curs"];
const ui::Control& preview = f["Shape2"];
const ui::Control& next = f["next"];
}  // namespace

MainPage::MainPage(SettingsStore& store)
    : form_(*this, store),
      controls_(0, f,
                [this](const ui::Control& c, int) {
                    if (&c == &background) {
                        // The well's canvas spans its background and the row of markers.
                        const ui::Rect& b = background.place;
                        well_ = controls_.canvas(
                            "well",
                            {b.left, b.top, b.width, curs.place.top + curs.place.height - b.top});
                    } else if (&c == &preview) {
                        preview_ = controls_.canvas("preview", preview.place);
                    } else if (&c == &f["perc"]) {
                        perc_ = controls_.canvas("perc", f["percfull"].place);
                    }
                }),
      lastname_(ui::overform["yourname"].caption) {
    buildmenu();
    buildtouch();
    for (const std::string_view name : ui::kSoundNames) {
        tv_soundname(std::string(name).c_str());
    }
    // The page fits the main window and the largest of the others on the screen, before the
    // first paint, which is at the scale it chose.
    int width = 0, height = 0;
    for (const ui::Form* form :
         {&ui::overform, &ui::topscores, &ui::colorform, &ui::keys, &ui::rules, &ui::about}) {
        width = std::max(width, px(form->width));
        height = std::max(height, px(form->height));
    }
    tv_setup(width, height);
    render();
    tv_focus(controls_(f["Command1"]), false);
    tv_enablewindow(0, true);  // the keys go to the window, never to a button
}

// Named as the keys window and the menu name what they do.
void MainPage::buildtouch() {
    std::string pause;
    for (const ui::Menu& m : ui::mainmenu) {
        for (const ui::MenuItem& item : m.items) {
            if (item.command == ui::Command::Pause) {
                for (const char c : item.caption) {
                    if (c != '&') {
                        pause += c;
                    }
                }
            }
        }
    }
    const std::string labels[] = {
        std::string(ui::keys["Label1"].caption), std::string(ui::keys["Label2"].caption),
        std::string(ui::keys["Label3"].caption), std::string(ui::keys["Label5"].caption), pause};
    for (int action = 0; action < 5; ++action) {
        const auto which = static_cast<Touch>(action);
        tv_touchbutton(action, labels[action].c_str(),
                       which == Touch::left || which == Touch::right || which == Touch::rotate);
    }
}

void MainPage::buildmenu() {
    for (const ui::Menu& m : ui::mainmenu) {
        const int menu = tv_menutitle(std::string(m.caption).c_str());
        menus_.emplace_back();
        for (const ui::MenuItem& item : m.items) {
            if (item.separator()) {
                tv_menuitem(menu, nullptr, nullptr, false);
                continue;
            }
            tv_menuitem(menu, std::string(item.caption).c_str(),
                        std::string(item.shortcut.text).c_str(), item.checkable);
            menus_[menu].push_back(&item);
        }
    }
}

void MainPage::render() {
    const Game& g = game();
    const DisplayState& d = g.display();
    const auto counter = [&](const ui::Control& c, std::int64_t value) {
        tv_settext(controls_(c), std::to_string(value).c_str());
        tv_show(controls_(c), d.countersvisible);
    };
    counter(f["score"], d.score);
    counter(f["col"], d.col);
    counter(f["level"], d.level);
    tv_settext(controls_(f["info"]), d.info.c_str());
    tv_show(controls_(f["info"]), d.infovisible);
    tv_show(controls_(f["Command1"]), d.command1);
    tv_show(controls_(f["Command2"]), d.command2);
    for (std::size_t m = 0; m < menus_.size(); ++m) {
        for (std::size_t i = 0; i < menus_[m].size(); ++i) {
            tv_menustate(static_cast<int>(m), static_cast<int>(i), enabled(g, *menus_[m][i]),
                         checked(g, *menus_[m][i]));
        }
    }
    paint();
    const bool running = d.pauseenabled && (g.clock().running || g.landing());
    if (running != awake_) {
        awake_ = running;
        tv_wakelock(running);
    }
}

// Shapes are placed from the client area's corner, as the layout gives them; each canvas
// draws from its own.
void MainPage::paint() {
    const DisplayState& d = game().display();
    const auto box = [](const ui::Rect& r, const ui::Rect& origin, std::uint32_t color,
                        bool hatched = false) {
        tv_box(px(r.left) - px(origin.left), px(r.top) - px(origin.top), px(r.width), px(r.height),
               color, hatched);
    };
    const auto circle = [](const ui::Rect& r, const ui::Rect& origin, std::uint32_t color) {
        tv_ball(px(r.left) - px(origin.left), px(r.top) - px(origin.top), px(r.width), px(r.height),
                color);
    };
    const ui::Rect& b = background.place;
    tv_begin(well_);
    box(b, b, background.color);
    for (int i = 0; i < ball.count; ++i) {
        if (d.ball[i].visible) {
            circle(ball.at(i), b, d.ball[i].color);
        }
    }
    for (const auto& marker : d.curs) {
        if (marker.visible) {
            ui::Rect r = curs.place;  // under the column's cells, at the markers' own height
            r.left = ball.at(marker.column).left;
            box(r, b, curs.color);
        }
    }
    tv_painted(well_);

    tv_begin(preview_);
    box(preview.place, preview.place, preview.color);
    for (int i = 0; i < next.count; ++i) {
        circle(next.at(i), preview.place, d.next[i]);
    }

    tv_begin(perc_);
    const ui::Rect& full = f["percfull"].place;
    const int width = std::min(px(d.perc), px(full.width));
    if (d.countersvisible && width > 0) {
        tv_box(0, 0, width, px(full.height), 0, true);
    }
}

void MainPage::repaint() {
    paint();
    if (dialog_) {
        dialog_->repaint();
    }
}

void MainPage::playsound(ui::Sound sound) {
    tv_play(std::string(ui::soundname(sound)).c_str());
}

void MainPage::clockchanged() {
    const auto follow = [this](long& timer, int& period, const Game::Clock& clock, auto tick) {
        if (timer != 0 && (!clock.running || period != clock.period)) {
            emscripten_clear_interval(timer);
            timer = 0;
        }
        if (clock.running && timer == 0) {
            period = clock.period;
            timer = emscripten_set_interval(tick, clock.period, this);
        }
    };
    follow(timer1_, timer1period_, game().clock(),
           [](void* page) { static_cast<MainPage*>(page)->form_.Timer1_Timer(); });
    follow(blink_, blinkperiod_, game().blinkclock(),
           [](void* page) { static_cast<MainPage*>(page)->form_.blink_Timer(); });
}

void MainPage::open(FormId id) {
    switch (id) {
        case FormId::overform: {
            auto over = std::make_unique<OverPage>(game(), [this](const std::string& name) {
                const bool record = form_.over() == MainForm::Over::record;
                withlock([this, name, record] {
                    if (record) {
                        lastname_ = name;
                    }
                    form_.overform_Ok(name);
                    closedialog();
                });
            });
            over_ = over.get();
            dialog_ = std::move(over);
            break;
        }
        case FormId::topscores:
            dialog_ = std::make_unique<TopScoresPage>(game());
            break;
        case FormId::colorform:
            dialog_ = std::make_unique<ColorPage>(game());
            break;
        case FormId::keys:
            dialog_ = std::make_unique<KeysPage>(game());
            break;
        case FormId::rules:
        case FormId::about:
            dialog_ = std::make_unique<TextPage>(id);
            break;
    }
}

void MainPage::setrecordmode(bool on) {
    over_->setrecordmode(on);
}

// Its closing is told before it goes, so that the main window is enabled by then and takes
// the keyboard back; what the main form opens next takes the place.
void MainPage::closedialog() {
    if (!dialog_) {
        return;
    }
    const std::unique_ptr<DialogPage> gone = std::move(dialog_);
    over_ = nullptr;
    const FormId id = gone->id();
    tv_closewindow(DialogPage::window(id));
    form_.unloaded(id);
}

void MainPage::enablemain(bool enabled) {
    tv_enablewindow(0, enabled);
}

void MainPage::hidemain() {
    tv_hidewindow(0);
}

// A page has no close box of its own; the tab's closing is told to closed().
void MainPage::closemain() {
    if (form_.Form_Unload()) {
        endprogram();
    }
}

void MainPage::holdkeys(int milliseconds) {
    heldtill_ = emscripten_get_now() + milliseconds;
}

void MainPage::endprogram() {
    tv_endprogram();
}

void MainPage::clicked(int handle) {
    if (dialog_ && dialog_->has(handle)) {
        if (dialog_->clicked(handle) == DialogPage::Result::close) {
            closedialog();
        }
    } else if (handle == controls_(f["Command1"])) {
        form_.Command1_Click();
    } else if (handle == controls_(f["Command2"])) {
        form_.Command2_Click();
    }
}

bool MainPage::keydown(int window, int handle, std::string_view key, std::string_view code,
                       bool repeat, bool ctrl, bool alt) {
    const auto vk = keycode(key, code);
    if (emscripten_get_now() < heldtill_) {
        return true;  // meant for the game that just ended
    }
    if (window != 0) {
        if (!dialog_ || DialogPage::window(dialog_->id()) != window) {
            return false;
        }
        const DialogPage::Key result = dialog_->keydown(handle, vk);
        if (result.press >= 0) {
            clicked(result.press);
        }
        return result.taken;
    }
    if (!vk || alt) {
        return false;
    }
    for (const auto& items : menus_) {
        for (const ui::MenuItem* item : items) {
            if (item->shortcut.key == *vk && item->shortcut.ctrl == ctrl) {
                if (enabled(game(), *item)) {
                    command(*item);
                }
                return true;
            }
        }
    }
    if (ctrl) {
        return false;  // the browser's own: reload, zoom, tabs
    }
    form_.Form_KeyDown(*vk, repeat);
    // The game's keys, and those that would scroll the page under it.
    return game().keys().has(*vk) || *vk == 80 || *vk == 19 || (*vk >= 32 && *vk <= 40);
}

void MainPage::closebox(int window) {
    if (dialog_ && DialogPage::window(dialog_->id()) == window) {
        closedialog();
    }
}

void MainPage::menu(int menu, int item) {
    command(*menus_.at(menu).at(item));
}

// "Выход" saves the records, as another tab may be doing.
void MainPage::command(const ui::MenuItem& item) {
    if (item.command == ui::Command::Exit) {
        withlock([this, &item] { form_.menu(item.command, item.index); });
    } else {
        form_.menu(item.command, item.index);
    }
}

void MainPage::picked(int handle, std::uint32_t color) {
    if (dialog_ && dialog_->has(handle)) {
        dialog_->picked(handle, color);
    }
}

// Hidden behind another tab or window, or the screen locked: as a minimised window, the game
// under way pauses; and the options are saved, since the page may never come back.
void MainPage::hidden() {
    form_.minimised();
    form_.savesettings();
}

// A browser lets a closing page ask nothing: the record is kept under the name typed in the
// game-over window, or the one last entered.
void MainPage::closed() {
    form_.closedunasked(over_ != nullptr && form_.over() == MainForm::Over::record ? over_->name()
                                                                                   : lastname_);
}

// The moves as the bound keys make them; the pause as the menu's, and "Продолжить" once paused.
void MainPage::touch(int action, bool repeat) {
    const Game::KeyBindings& keys = game().keys();
    switch (static_cast<Touch>(action)) {
        case Touch::left:
            return form_.Form_KeyDown(keys.left, repeat);
        case Touch::right:
            return form_.Form_KeyDown(keys.right, repeat);
        case Touch::rotate:
            return form_.Form_KeyDown(keys.rotate, repeat);
        case Touch::drop:
            return form_.Form_KeyDown(keys.drop, repeat);
        case Touch::pause:
            if (game().display().command2) {
                form_.Command2_Click();
            } else {
                form_.menu(ui::Command::Pause);
            }
            return;
    }
}

void MainPage::withlock(std::function<void()> task) {
    const int n = nexttask_++;
    tasks_[n] = std::move(task);
    tv_withlock(n);
}

void MainPage::locked(int task) {
    const auto at = tasks_.find(task);
    if (at != tasks_.end()) {
        const auto run = std::move(at->second);
        tasks_.erase(at);
        run();
    }
}
