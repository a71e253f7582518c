#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

#include "Game.h"
#include "KeyRepeat.h"

class Form;
class KeyBlackout;
class OverForm;
class Preview;
class ProgressBar;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class SettingsStore;
class SoundPlayer;
class Well;

// The main window: shows the engine's state and forwards the player's input to it.
class MainWindow : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    explicit MainWindow(SettingsStore& store, const QString& soundfolder = {});

    Game& game() { return game_; }

    void playsound(std::string_view name) override;
    void clockchanged() override;
    void blinkstep(int milliseconds) override;
    void opengameover(bool record) override;

    // Shows the engine's state in the controls.
    void render();

    // Writes the options and records to the store, as the window does when it closes.
    void savesettings();
    // "Вы&ход": saves and ends the program at once, offering no record.
    void exitprogram();

signals:
    // The program must end now, without closing any window.
    void endprogram();

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
    void afterinput();
    void openform(const std::function<Form*()>& make);
    void showoverform(bool record);
    void overformclosed(bool record);

    Game game_;
    SettingsStore& store_;
    QString soundfolder_;
    SoundPlayer* sounds_ = nullptr;  // loaded after the first paint
    QTimer* timer1_ = nullptr;
    KeyBlackout* keyblackout_ = nullptr;

    Well* well_ = nullptr;
    Preview* preview_ = nullptr;
    ProgressBar* perc_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* col_ = nullptr;
    QLabel* level_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;

    QAction* m_pause_ = nullptr;
    QAction* m_sound_ = nullptr;
    QAction* m_anim_ = nullptr;
    std::array<QAction*, Game::kMaxLevel> m_level_{};

    QPointer<OverForm> overform_;
    QPointer<QWidget> openwindow_;  // the window opened over this one, while it is open
    KeyRepeat repeat_;
    bool closewaiting_ = false;   // a close arrived during a landing
    bool endinglanding_ = false;  // the landing under way has ended the game
};
