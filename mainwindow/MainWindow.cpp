#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "AboutForm.h"
#include "ColorForm.h"
#include "Controls.h"
#include "KeyBlackout.h"
#include "KeysForm.h"
#include "OverForm.h"
#include "Preview.h"
#include "ProgressBar.h"
#include "RulesForm.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "TopScores.h"
#include "Twips.h"
#include "Well.h"
#include "keyfuncs.h"

namespace {
constexpr int kGameOverKeyBlackout = 250;  // ms: sooner than anyone reads the game-over window
}  // namespace

MainWindow::MainWindow(SettingsStore& store, const QString& soundfolder)
    : game_(*this),
      store_(store),
      soundfolder_(soundfolder.isEmpty() ? QCoreApplication::applicationDirPath() + "/sounds"
                                         : soundfolder) {
    setWindowTitle("Tarvelo");
    // Fixed size, so no maximise button, in a window manager's title bar or Qt's own.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    keyblackout_ = new KeyBlackout(this);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(game_.clock.period);
    connect(timer1_, &QTimer::timeout, this, [this] {
        game_.tick();
        afterinput();
    });
    buildcontrols();
    buildmenu();
    keepenabledlook();
    game_.loadsettings(store_);
    render();
    well_->installEventFilter(this);  // to load the sounds once the first frame is painted
}

// The sounds are read, and the sound server reached, after the first frame, so the window
// never waits for them; a sound asked for before then is skipped. With the Sound option off
// the server is not reached at all.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == well_ && event->type() == QEvent::Paint) {
        well_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            sounds_ = new SoundPlayer(soundfolder_, this);
            if (game_.sound) {
                sounds_->prepare();
            }
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildcontrols() {
    auto* client = new QWidget(this);
    client->setFixedSize(tw(4332), tw(4104));
    client->setFocusPolicy(Qt::StrongFocus);  // keys come to the window, never to a button
    setCentralWidget(client);

    well_ = new Well(game_, client);
    makelabel(client, "Label1", "Далее:", twrect(3120, 480, 972, 252));
    preview_ = new Preview(game_, client);
    makelabel(client, "Label2", "Очки:", twrect(240, 528, 972, 252));
    makecell(client, twrect(240, 720, 972, 252));
    score_ = makelabel(client, "score", "0", twrect(240, 720, 972, 252));
    makelabel(client, "Label6", "Кол-во:", twrect(240, 1200, 972, 252));
    makecell(client, twrect(240, 1392, 972, 252));
    col_ = makelabel(client, "col", "0", twrect(240, 1392, 972, 252));
    makelabel(client, "Label3", "Уровень:", twrect(240, 1920, 972, 252));
    makecell(client, twrect(240, 2112, 972, 252));
    level_ = makelabel(client, "level", "1", twrect(240, 2112, 972, 252));
    perc_ = new ProgressBar(game_, client);
    perc_->setObjectName("perc");
    info_ = makelabel(client, "info", {}, twrect(3000, 1320, 1212, 1932));
    info_->setWordWrap(true);

    command1_ = makebutton(client, "Command1", "Начать(F2)", twrect(1560, 1800, 1212, 492));
    command2_ = makebutton(client, "Command2", "Продолжить", twrect(1560, 1800, 1212, 492));
    command1_->setFocusPolicy(Qt::NoFocus);
    command2_->setFocusPolicy(Qt::NoFocus);
    connect(command1_, &QPushButton::clicked, this, [this] {
        game_.start();
        render();
    });
    connect(command2_, &QPushButton::clicked, this, [this] {
        game_.resume();
        render();
    });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildmenu() {
    auto add = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* m_game = menuBar()->addMenu("&Игра");
    m_game->setObjectName("m_game");
    add(m_game, "m_newgame", "&Новая", [this] {
        game_.restart();
        render();
    })->setShortcut(Qt::Key_F2);
    m_pause_ = add(m_game, "m_pause", "&Пауза", [this] {
        game_.pause();
        render();
    });
    m_game->addSeparator();
    add(m_game, "m_topscores", "&Рекорды", [this] {
        openform([this] { return new TopScores(game_, this); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_game->addSeparator();
    add(m_game, "m_exit", "Вы&ход", [this] {
        exitprogram();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* m_beglevel = menuBar()->addMenu("Нач. &уровень");
    m_beglevel->setObjectName("m_beglevel");
    // Check marks, as on the options, rather than an exclusive group's radio dots: render()
    // keeps exactly one checked.
    for (int i = 1; i <= Game::kMaxLevel; ++i) {
        QAction* item = add(m_beglevel, "", "&" + QString::number(i), [this, i] {
            game_.startlevel = i;  // the running game keeps its speed
            render();
        });
        item->setObjectName(QString("m_level%1").arg(i));
        item->setCheckable(true);
        m_level_[i - 1] = item;
    }

    QMenu* m_options = menuBar()->addMenu("&Настройки");
    m_options->setObjectName("m_options");
    m_sound_ = add(m_options, "m_sound", "&Звук", [this](bool on) {
        game_.sound = on;
        if (on && sounds_ != nullptr) {
            sounds_->prepare();
        }
    });
    m_anim_ = add(m_options, "m_anim", "&Анимация", [this](bool on) { game_.anim = on; });
    m_sound_->setCheckable(true);
    m_anim_->setCheckable(true);
    add(m_options, "m_colors", "&Цвета",
        [this] { openform([this] { return new ColorForm(game_, this); }); });
    add(m_options, "m_keys", "&Клавиши",
        [this] { openform([this] { return new KeysForm(game_, this); }); });

    QMenu* m_hehelp = menuBar()->addMenu("&Справка");
    m_hehelp->setObjectName("m_hehelp");
    add(m_hehelp, "m_rules", "&Правила",
        [this] { openform([this] { return new RulesForm(this); }); });
    m_hehelp->addSeparator();
    add(m_hehelp, "m_about", "&О программе",
        [this] { openform([this] { return new AboutForm(this); }); });

    // A menu closed with Esc leaves the menu bar holding the keyboard, and the arrows would
    // open menus instead of moving the pair. However a menu closes, the keys go back to the
    // game, once the menu bar has done what it does on closing.
    for (QMenu* menu : {m_game, m_beglevel, m_options, m_hehelp}) {
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (focusWidget() == menuBar()) {
                    centralWidget()->setFocus();
                }
            });
        });
    }
}

// A dialog disables the window, but the game never greys itself: disabled, it is drawn as it
// is when a dialog merely has the focus.
void MainWindow::keepenabledlook() {
    QPalette colors = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        colors.setColor(QPalette::Disabled, r, colors.color(QPalette::Inactive, r));
    }
    setPalette(colors);
}

void MainWindow::render() {
    const DisplayState& d = game_.display;
    score_->setText(QString::number(d.score));
    col_->setText(QString::number(d.col));
    level_->setText(QString::number(d.level));
    for (QLabel* counter : {score_, col_, level_}) {
        counter->setVisible(d.countersvisible);
    }
    info_->setText(QString::fromStdString(d.info));
    info_->setVisible(d.infovisible);
    command1_->setVisible(d.command1);
    command2_->setVisible(d.command2);
    m_pause_->setEnabled(d.pauseenabled);
    m_sound_->setChecked(game_.sound);
    m_anim_->setChecked(game_.anim);
    for (int i = 1; i <= Game::kMaxLevel; ++i) {
        m_level_[i - 1]->setChecked(i == game_.startlevel);
    }
    well_->update();
    preview_->update();
    perc_->update();
}

void MainWindow::playsound(std::string_view name) {
    if (sounds_ != nullptr) {
        sounds_->play(name);
    }
}

void MainWindow::clockchanged() {
    const Game::Clock& clock = game_.clock;
    if (!clock.running) {
        timer1_->stop();
    } else if (!timer1_->isActive() || timer1_->interval() != clock.period) {
        timer1_->start(clock.period);
    }
}

void MainWindow::blinkstep(int milliseconds) {
    render();
    well_->repaint();  // every frame must reach the screen before the wait
    info_->repaint();
    // Input waits until the landing is over; it then acts on the next pair.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::opengameover(bool record) {
    setEnabled(false);
    showoverform(record);
    endinglanding_ = true;
}

// After a clock tick or a key: shows the state and does what waited for the landing to end.
void MainWindow::afterinput() {
    render();
    if (game_.landing()) {
        return;
    }
    if (endinglanding_) {
        // Keys pressed as the game ended, held back by the landing or on their way while the
        // game-over window opened, were meant for the game, not for the name.
        endinglanding_ = false;
        keyblackout_->start(kGameOverKeyBlackout);
    }
    if (closewaiting_) {
        closewaiting_ = false;
        close();
    }
}

void MainWindow::showoverform(bool record) {
    if (overform_ == nullptr) {
        overform_ = new OverForm(game_, this);
        connect(overform_, &OverForm::ok, this,
                [this](const QString& name) { game_.storerecord(store_, name.toStdString()); });
        OverForm* form = overform_;
        connect(form, &Form::unloaded, this, [this, form] { overformclosed(form->recordmode()); });
        form->show();
        openwindow_ = form;
    }
    overform_->setrecordmode(record);
    overform_->raise();
    overform_->activateWindow();
}

void MainWindow::overformclosed(bool record) {
    if (!isVisible()) {
        // The record offered at closing: the run ends here.
        game_.savesettings(store_);
        emit endprogram();
        return;
    }
    if (record) {
        auto* table = new TopScores(game_, this);
        connect(table, &Form::unloaded, this, [this] { setEnabled(true); });
        table->show();
        openwindow_ = table;
    } else {
        setEnabled(true);
    }
    game_.resetidle();
    render();
}

void MainWindow::openform(const std::function<Form*()>& make) {
    game_.pausefordialog();
    render();
    setEnabled(false);  // before the window exists, or it would be disabled with us
    Form* form = make();
    connect(form, &Form::unloaded, this, [this] {
        setEnabled(true);
        render();
    });
    form->show();
    openwindow_ = form;
}

// The disabled window takes no keys, so a click on it would leave the player stuck: as on the
// platform this game comes from, the window open over it comes forward and takes the keyboard.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
        // Once Qt has done its own part of the activation, which under Wayland asks the
        // compositor to activate this window again.
        QTimer::singleShot(0, this, [this] {
            QWidget* open = QApplication::activeModalWidget();  // the colour picker, say
            if (open == nullptr) {
                open = openwindow_;
            }
            if (open != nullptr && !isEnabled()) {
                open->raise();
                open->activateWindow();
            }
        });
    }
}

void MainWindow::savesettings() {
    game_.savesettings(store_);
}

void MainWindow::exitprogram() {
    savesettings();
    emit endprogram();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const auto code = keycode(*event)) {
        game_.keydown(*code, repeat_.repeated(*event));
        afterinput();
    }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    repeat_.released(*event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (game_.landing()) {
        // As keys do, the close waits for the landing to end; then it acts as it would then.
        closewaiting_ = true;
        event->ignore();
        return;
    }
    if (!isEnabled()) {
        event->ignore();  // a window of ours is open over it and must be closed first
        return;
    }
    game_.savesettings(store_);
    if (game_.display.pauseenabled && game_.qualifies()) {
        game_.setclock(false);  // the record offered is the score shown
        render();
        hide();
        showoverform(true);
        event->ignore();
        return;
    }
    event->accept();
}
