#include "OverForm.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Game.h"

OverForm::OverForm(const Game& game, QWidget* parent) : Form(parent, ui::overform) {
    const ui::Form& f = ui::overform;
    buildcontrols(this, f);
    control<QLabel>(this, f["score"])->setText(QString::number(game.display().score));
    control<QLabel>(this, f["level"])->setText(QString::number(game.display().level));
    label4_ = control<QLabel>(this, f["Label4"]);
    yourname_ = control<QLineEdit>(this, f["yourname"]);
    connect(control<QPushButton>(this, f["Command1"]), &QPushButton::clicked, this, [this] {
        emit ok(yourname_->text());  // the main form knows whether it is a record
        accept();
    });
}

void OverForm::setrecordmode(bool on) {
    label4_->setVisible(on);
    yourname_->setVisible(on);
    if (on && isActiveWindow()) {
        focusname();  // the window may have been activated before the mode was known
    }
    raise();
    activateWindow();
}

bool OverForm::recordmode() const {
    return !yourname_->isHidden();
}

bool OverForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && recordmode()) {
        focusname();
    }
    return Form::event(event);
}

// Typing replaces the name offered.
void OverForm::focusname() {
    yourname_->setFocus();
    yourname_->selectAll();
}
