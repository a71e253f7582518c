#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "AboutForm.h"
#include "ColorForm.h"
#include "Controls.h"
#include "Forms.h"
#include "KeyBlackout.h"
#include "KeyCode.h"
#include "KeysForm.h"
#include "MenuMarks.h"
#include "OverForm.h"
#include "Preview.h"
#include "ProgressBar.h"
#include "RulesForm.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "TopScoresForm.h"
#include "Twips.h"
#include "Well.h"

MainWindow::MainWindow(SettingsStore& store, const QString& soundfolder)
    : form_(*this, store),
      soundfolder_(soundfolder.isEmpty() ? QCoreApplication::applicationDirPath() + "/sounds"
                                         : soundfolder) {
    setWindowTitle(QString::fromUtf8(ui::mainform.caption));
    // Fixed size, so no maximise button, in a window manager's title bar or Qt's own.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    keyblackout_ = new KeyBlackout(this);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(game().clock().period);
    connect(timer1_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
    blink_ = new QTimer(this);
    blink_->setObjectName("blink");
    blink_->setTimerType(Qt::PreciseTimer);
    connect(blink_, &QTimer::timeout, this, [this] { form_.blink_Timer(); });
    buildcontrols();
    buildmenu();
    keepenabledlook();
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
            render();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildcontrols() {
    client_ = new QWidget(this);
    client_->setFixedSize(tw(ui::mainform.width), tw(ui::mainform.height));
    client_->setFocusPolicy(Qt::StrongFocus);  // keys come to the window, never to a button
    setCentralWidget(client_);
    // The well, the preview and the progress bar are painted from the game's state.
    ::buildcontrols(client_, ui::mainform, [this](const ui::Control& c, int) {
        if (&c == &ui::mainform["Shape1"]) {
            well_ = new Well(game(), client_);
        } else if (&c == &ui::mainform["Shape2"]) {
            preview_ = new Preview(game(), client_);
        } else if (&c == &ui::mainform["perc"]) {
            perc_ = new ProgressBar(game(), client_);
        }
    });
    const ui::Form& f = ui::mainform;
    score_ = control<QLabel>(client_, f["score"]);
    col_ = control<QLabel>(client_, f["col"]);
    level_ = control<QLabel>(client_, f["level"]);
    info_ = control<QLabel>(client_, f["info"]);
    command1_ = control<QPushButton>(client_, f["Command1"]);
    command2_ = control<QPushButton>(client_, f["Command2"]);
    connect(command1_, &QPushButton::clicked, this, [this] { form_.Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { form_.Command2_Click(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildmenu() {
    for (const ui::Menu& m : ui::mainmenu) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QString::fromUtf8(m.name));
        for (const ui::MenuItem& item : m.items) {
            if (item.separator()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            QString name = QString::fromUtf8(item.name);
            if (item.index > 0) {
                name += QString::number(item.index);
            }
            action->setObjectName(name);
            if (item.shortcut.key != 0) {
                action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut.text),
                                                 QKeySequence::PortableText));
            }
            // Check marks, as on the options, rather than an exclusive group's radio dots for
            // the levels: render() keeps them as the game has them.
            action->setCheckable(item.checkable);
            connect(action, &QAction::triggered, this,
                    [this, &item] { form_.menu(item.command, item.index); });
            actions_.push_back({action, &item});
        }
        // A menu closed with Esc leaves the menu bar holding the keyboard, and the arrows would
        // open menus instead of moving the pair. However a menu closes, the keys go back to the
        // game, once the menu bar has done what it does on closing.
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
    const Game& g = game();
    const DisplayState& d = g.display();
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
    for (const auto& [action, item] : actions_) {
        action->setEnabled(enabled(g, *item));
        action->setChecked(checked(g, *item));
    }
    // With the Sound option on, the sound server is reached ahead of the first sound.
    if (sounds_ != nullptr && g.sound()) {
        sounds_->prepare();
    }
    well_->update();
    preview_->update();
    perc_->update();
}

void MainWindow::playsound(ui::Sound sound) {
    if (sounds_ != nullptr) {
        sounds_->play(ui::soundname(sound));
    }
}

void MainWindow::clockchanged() {
    const auto follow = [](QTimer* timer, const Game::Clock& clock) {
        if (!clock.running) {
            timer->stop();
        } else if (!timer->isActive() || timer->interval() != clock.period) {
            timer->start(clock.period);
        }
    };
    follow(timer1_, game().clock());
    follow(blink_, game().blinkclock());
}

void MainWindow::open(FormId id) {
    Form* window = nullptr;
    switch (id) {
        case FormId::overform:
            window = overform_ = new OverForm(game(), this);
            connect(overform_, &OverForm::ok, this,
                    [this](const QString& name) { form_.overform_Ok(name.toStdString()); });
            break;
        case FormId::topscores:
            window = new TopScoresForm(game(), this);
            break;
        case FormId::colorform:
            window = new ColorForm(game(), this);
            break;
        case FormId::keys:
            window = new KeysForm(game(), this);
            break;
        case FormId::rules:
            window = new RulesForm(this);
            break;
        case FormId::about:
            window = new AboutForm(this);
            break;
    }
    connect(window, &Form::unloaded, this, [this, id] { form_.unloaded(id); });
    if (!isVisible()) {
        // Asked as the main window closes: with it hidden, the name prompt is a window of its
        // own in the window list, not a dialog of a hidden one, or another window could bury
        // it for good.
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
        window->winId();
        window->windowHandle()->setTransientParent(nullptr);
    }
    window->show();
    window->activateWindow();  // asked of the window manager, or done, where there is none
    openwindow_ = window;
}

void MainWindow::setrecordmode(bool on) {
    overform_->setrecordmode(on);
}

void MainWindow::enablemain(bool enabled) {
    setEnabled(enabled);
    if (enabled && isVisible()) {
        // The window over it is closing: the keyboard comes back here, whether or not the
        // window manager (if any) would hand it back.
        activateWindow();
        client_->setFocus();
    }
}

void MainWindow::hidemain() {
    hide();
}

void MainWindow::closemain() {
    close();
}

void MainWindow::holdkeys(int milliseconds) {
    keyblackout_->start(milliseconds);
}

void MainWindow::endprogram() {
    emit programended();
}

// The disabled window takes no keys, so a click on it would leave the player stuck: as on the
// platform this game comes from, the window open over it comes forward and takes the keyboard.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        form_.minimised();
    }
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
    form_.savesettings();
}

void MainWindow::exitprogram() {
    form_.exitprogram();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const auto code = keycode(*event)) {
        form_.Form_KeyDown(*code, repeat_.repeated(*event));
    }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    repeat_.released(*event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(form_.Form_Unload());
}
