#include "OverForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Controls.h"
#include "Game.h"
#include "Twips.h"

OverForm::OverForm(const Game& game, QWidget* parent) : Form(parent, "GameOver", 3732, 2532) {
    setObjectName("overform");
    makelabel(this, "Label1", "Игра закончена", twrect(120, 120, 3492, 372), Qt::AlignCenter, 12);
    makelabel(this, "Label2", "Ваш результат:", twrect(120, 600, 1692, 252));
    makelabel(this, "Label3", "Уровень:", twrect(1920, 600, 1692, 252));
    makecell(this, twrect(120, 840, 1692, 252));
    makelabel(this, "score", QString::number(game.display.score), twrect(120, 840, 1692, 252),
              Qt::AlignCenter, 9.6);
    makecell(this, twrect(1920, 840, 1692, 252));
    makelabel(this, "level", QString::number(game.display.level), twrect(1920, 840, 1692, 252),
              Qt::AlignCenter, 9.6);
    label4_ = makelabel(this, "Label4", "Вы установили новый рекорд! Введите ваше имя:",
                        twrect(120, 1200, 3492, 492), Qt::AlignLeft | Qt::AlignTop);
    label4_->setWordWrap(true);
    label4_->hide();
    yourname_ = new QLineEdit("Anonymous", this);
    yourname_->setObjectName("yourname");
    yourname_->setGeometry(twrect(120, 1680, 3492, 288));
    yourname_->hide();
    command1_ = makebutton(this, "Command1", "Ok", twrect(1320, 2040, 1092, 372));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, [this] {
        if (recordmode()) {
            emit ok(yourname_->text());
        }
        accept();
    });
}

void OverForm::setrecordmode(bool on) {
    label4_->setVisible(on);
    yourname_->setVisible(on);
    if (on && isActiveWindow()) {
        focusname();  // the window may have been activated before the mode was known
    }
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

// Esc presses "Ok"; only the close box leaves without entering the record.
void OverForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        command1_->click();
        return;
    }
    Form::keyPressEvent(event);
}

// Typing replaces the name offered.
void OverForm::focusname() {
    yourname_->setFocus();
    yourname_->selectAll();
}
