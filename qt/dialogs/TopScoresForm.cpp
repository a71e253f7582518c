#include "TopScoresForm.h"

#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Game.h"

TopScoresForm::TopScoresForm(const Game& game, QWidget* parent) : Form(parent, ui::topscores) {
    const ui::Form& f = ui::topscores;
    buildcontrols(this, f);
    for (int r = 0; r < 10; ++r) {
        control<QLabel>(this, f["score"], r)->setText(QString::number(game.topscore()[r]));
        // A name too long for its cell ends in "…"; the whole of it is in the tooltip.
        QLabel* name = control<QLabel>(this, f["names"], r);
        const QString whole = QString::fromStdString(game.topname()[r]);
        name->setText(name->fontMetrics().elidedText(whole, Qt::ElideRight, name->width()));
        if (name->text() != whole) {
            name->setToolTip(whole);
        }
    }
    connect(control<QPushButton>(this, f["Command1"]), &QPushButton::clicked, this,
            &QDialog::accept);
}
