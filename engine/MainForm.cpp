#include "MainForm.h"

MainForm::MainForm(MainHost& host, SettingsStore& store, std::function<double()> timeofday)
    : host_(host), store_(store), game_(*this, std::move(timeofday)) {
    game_.loadsettings(store_);
}

void MainForm::Timer1_Timer() {
    game_.tick();
    afterinput();
}

void MainForm::Form_KeyDown(std::int64_t code, bool repeat) {
    game_.keydown(code, repeat);
    afterinput();
}

void MainForm::Command1_Click() {
    game_.start();
    host_.render();
}

void MainForm::Command2_Click() {
    game_.resume();
    host_.render();
}

void MainForm::menu(ui::Command command, int index) {
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
    host_.render();
}

// Every window from the menu: a running game pauses, the main window is disabled, and the
// window is not modal; its closing enables the main window, and the game stays paused.
void MainForm::openform(FormId form) {
    game_.pausefordialog();
    host_.render();
    enablemain(false);  // before the window exists, which must not be disabled with it
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
    enablemain(false);
    showoverform(record);
    endinglanding_ = true;
}

void MainForm::showoverform(bool record) {
    if (!overformopen_) {
        overformopen_ = true;
        host_.open(FormId::overform);
    }
    recordmode_ = record;
    host_.setrecordmode(record);
}

// After a clock tick or a key: what waited for the landing to end is done now.
void MainForm::afterinput() {
    if (!game_.landing() && pausewaiting_) {
        pausewaiting_ = false;
        game_.pausefordialog();
    }
    host_.render();
    if (game_.landing()) {
        return;
    }
    if (endinglanding_) {
        endinglanding_ = false;
        host_.holdkeys();
    }
    if (closewaiting_) {
        closewaiting_ = false;
        host_.closemain();
    }
}

bool MainForm::Form_Unload() {
    if (game_.landing()) {
        closewaiting_ =
            true;  // as keys do, it waits for the landing; then it acts as it would then
        return false;
    }
    if (!mainenabled_) {
        return false;  // a window of ours is open over it and must be closed first
    }
    game_.savesettings(store_);
    if (game_.display.pauseenabled && game_.qualifies()) {
        game_.setclock(false);  // the record offered is the score shown
        host_.render();
        mainhidden_ = true;
        host_.hidemain();
        showoverform(true);
        return false;
    }
    return true;
}

void MainForm::overform_Ok(const std::string& name) {
    game_.storerecord(store_, name);
}

void MainForm::unloaded(FormId form) {
    if (form != FormId::overform) {
        enablemain(true);
        host_.render();
        return;
    }
    overformopen_ = false;
    if (mainhidden_) {
        // The record offered at closing: the run ends here.
        game_.savesettings(store_);
        host_.endprogram();
        return;
    }
    if (recordmode_) {
        opentopscores();  // it enables the main window when it closes
    } else {
        enablemain(true);
    }
    game_.resetidle();
    host_.render();
}

void MainForm::minimised() {
    if (game_.landing()) {
        pausewaiting_ = true;
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

void MainForm::enablemain(bool enabled) {
    mainenabled_ = enabled;
    host_.enablemain(enabled);
}
