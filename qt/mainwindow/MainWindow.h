#pragma once

#include <QMainWindow>
#include <QPointer>
#include <utility>
#include <vector>

#include "KeyRepeat.h"
#include "MainForm.h"

class Form;
class KeyBlackout;
class OverForm;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class SettingsStore;
class SoundPlayer;
class Well;

// The main window: shows the game's state and forwards the player's input to the main form.
class MainWindow : public QMainWindow, public MainHost {
    Q_OBJECT
public:
    explicit MainWindow(SettingsStore& store, const QString& soundfolder = {});

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

    // A logout: the options and records are saved.
    void savesettings();
    // A signal: saved, and the program ends at once, offering no record.
    void exitprogram();

signals:
    // The program must end now, without closing any window.
    void programended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildcontrols();
    void buildmenu();
    void keepenabledlook();

    MainForm form_;
    QString soundfolder_;
    SoundPlayer* sounds_ = nullptr;  // loaded after the first paint
    QTimer* timer1_ = nullptr;
    QTimer* blink_ = nullptr;
    KeyBlackout* keyblackout_ = nullptr;
    KeyRepeat repeat_;

    QWidget* client_ = nullptr;
    Well* well_ = nullptr;
    QWidget* preview_ = nullptr;
    QWidget* perc_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* col_ = nullptr;
    QLabel* level_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;

    std::vector<std::pair<QAction*, const ui::MenuItem*>> actions_;  // each menu item's

    QPointer<OverForm> overform_;
    QPointer<QWidget> openwindow_;  // the window opened over this one, while it is open
};
