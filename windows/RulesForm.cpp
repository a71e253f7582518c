#include "RulesForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Controls.h"
#include "Twips.h"

QString RulesForm::rulestext() {
    QString t;
    t += "Цель игры-набрать максимальное количество очков.";
    t += "\r\n\r\n";
    t += "Если рядом стоит(по горизонтали и/или вертикали) более четырех шариков одного цвета, то "
         "они исчезают. При этом ваши очки увеличиваются на количество шариков в квадрате т.е. "
         "более крупные группы шариков приносят намного больше очков.";
    t += "\r\n\r\n";
    t += "Каждые 100 исчезнувших групп шариков увеличивается уровень сложности, при этом "
         "возростает скорость. Полоска под индикатором уровня показывает, сколько вам осталось до "
         "следующего уровня.";
    return t;
}

RulesForm::RulesForm(QWidget* parent) : Form(parent, "Правила", 4692, 2892) {
    setObjectName("rules");
    QPushButton* close = makebutton(this, "Command1", "Закрыть", twrect(1680, 2400, 1332, 372));
    close->setDefault(true);
    makelabel(this, "Label1", "Правила", twrect(120, 120, 4452, 432),
              Qt::AlignHCenter | Qt::AlignTop, 18);
    makerule(this, 120, 4560, 480);
    auto* t = new QPlainTextEdit(this);
    t->setObjectName("t");
    t->setGeometry(twrect(120, 600, 4452, 1692));
    t->setReadOnly(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setPlainText(QString(rulestext()).replace("\r\n", "\n"));
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
