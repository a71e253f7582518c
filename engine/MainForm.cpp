#include "MainForm.h"

MainForm::MainForm(MainHost& host, SettingsStore& store, std::function<double()> timeofday)
    : host_(host), store_(store), game_(*this, std::move(timeofday)) {
    game_.loadsettings(store_);
}

void MainForm::Timer1_Timer() {
    game_.tick();
    shown();
}

void MainForm::blink_Timer() {
    game_.blinktick();
    shown();
}

void MainForm::Form_KeyDown(std::int64_t code, bool repeat) {
    if (!now([=, this] { Form_KeyDown(code, repeat); }) || over_ != Over::none) {
        return;
    }
    game_.keydown(code, repeat);
    shown();
}

void MainForm::Command1_Click() {
    if (!now([this] { Command1_Click(); }) || over_ != Over::none) {
        return;
    }
    game_.start();
    shown();
}

void MainForm::Command2_Click() {
    if (!now([this] { Command2_Click(); }) || over_ != Over::none) {
        return;
    }
    game_.resume();
    shown();
}

void MainForm::menu(ui::Command command, int index) {
    if (!now([=, this] { menu(command, index); }) || over_ != Over::none) {
        return;
    }
    switch (command) {
        case ui::Command::NewGame:
            game_.restart();
            break;
        case ui::Command::Pause:
            game_.pause();
            break;
        case ui::Command::TopScores:
            openform(FormId::topscores);
            return;
        case ui::Command::Exit:
            exitprogram();
            return;
        case ui::Command::Level:
            game_.setstartlevel(index);  // the running game keeps its speed
            break;
        case ui::Command::Sound:
            game_.setsound(!game_.sound());
            break;
        case ui::Command::Animation:
            game_.setanim(!game_.anim());
            break;
        case ui::Command::Colors:
            openform(FormId::colorform);
            return;
        case ui::Command::Keys:
            openform(FormId::keys);
            return;
        case ui::Command::Rules:
            openform(FormId::rules);
            return;
        case ui::Command::About:
            openform(FormId::about);
            return;
    }
    shown();
}

// Input waits while a landing blinks; its end runs what waited, each as it would have run then.
bool MainForm::now(std::function<void()> input) {
    if (!game_.landing()) {
        return true;
    }
    waiting_.push_back(std::move(input));
    return false;
}

void MainForm::shown() {
    host_.render();
    while (!game_.landing() && !waiting_.empty()) {
        auto input = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        input();
    }
}

// Every window from the menu: a running game pauses, the main window is disabled, and the
// window is not modal; its closing enables the main window, and the game stays paused.
void MainForm::openform(FormId form) {
    game_.pausefordialog();
    host_.render();
    over_ = Over::window;
    host_.enablemain(false);  // before the window exists, which must not be disabled with it
    if (form == FormId::topscores) {
        opentopscores();
    } else {
        host_.open(form);
    }
}

// Another copy of the game may have entered records since this one last looked.
void MainForm::opentopscores() {
    game_.readrecords(store_);
    host_.open(FormId::topscores);
}

void MainForm::opengameover(bool record) {
    over_ = record ? Over::record : Over::gameover;
    host_.enablemain(false);
    host_.open(FormId::overform);
    host_.setrecordmode(record);
    host_.holdkeys(kKeyBlackout);
}

bool MainForm::Form_Unload() {
    if (game_.landing()) {
        waiting_.push_back([this] {
            if (over_ == Over::none) {
                host_.closemain();  // which asks again
            }
        });
        return false;
    }
    if (over_ != Over::none) {
        return false;  // a window of ours is open over it and must be closed first
    }
    game_.savesettings(store_);
    if (game_.display().pauseenabled && game_.qualifies()) {
        game_.setclock(false);  // the record offered is the score shown
        host_.render();
        over_ = Over::closing;
        host_.hidemain();
        host_.open(FormId::overform);
        host_.setrecordmode(true);
        return false;
    }
    return true;
}

void MainForm::overform_Ok(const std::string& name) {
    if (over_ == Over::record || over_ == Over::closing) {
        game_.storerecord(store_, name);
    }
}

void MainForm::unloaded(FormId form) {
    if (form != FormId::overform) {
        over_ = Over::none;
        host_.enablemain(true);
        host_.render();
        return;
    }
    switch (over_) {
        case Over::closing:  // the record offered at closing: the run ends here
            game_.savesettings(store_);
            host_.endprogram();
            return;
        case Over::record:
            over_ = Over::window;
            opentopscores();  // it enables the main window when it closes
            break;
        default:
            over_ = Over::none;
            host_.enablemain(true);
            break;
    }
    game_.resetidle();
    host_.render();
}

// storerecord writes the settings with the record.
void MainForm::closedunasked(const std::string& name) {
    if (over_ == Over::record) {
        game_.storerecord(store_, name);
        over_ = Over::gameover;  // should the page come back, its "Ok" adds the record no more
    } else if (over_ != Over::gameover && game_.display().pauseenabled && game_.qualifies()) {
        game_.storerecord(store_, name);
    } else {
        game_.savesettings(store_);
    }
}

void MainForm::minimised() {
    if (!now([this] { minimised(); })) {
        return;
    }
    game_.pausefordialog();
    host_.render();
}

void MainForm::savesettings() {
    game_.savesettings(store_);
}

void MainForm::exitprogram() {
    savesettings();
    host_.endprogram();
}
