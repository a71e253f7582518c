#include "TopScores.h"

#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Game.h"
#include "Twips.h"

TopScores::TopScores(const Game& game, QWidget* parent)
    : Form(parent, "Десятка лучших результатов", 3612, 4440) {
    setObjectName("topscores");
    makelabel(this, "Label2", "Очки:", twrect(120, 120, 972, 252));
    makelabel(this, "Label12", "Имена:", twrect(1320, 120, 2172, 252));
    for (int r = 0; r < 10; ++r) {
        const int y = 360 + 360 * r;
        makecell(this, twrect(120, y, 972, 252));
        makelabel(this, "score", QString::number(game.topscore[r]), twrect(120, y, 972, 252),
                  Qt::AlignCenter, 9.6)
            ->setProperty("index", r);
        makelabel(this, "rank", QString::number(r + 1), twrect(1080, y, 252, 252), Qt::AlignCenter,
                  9.6);
        makecell(this, twrect(1320, y, 2172, 252));
        QLabel* name = makelabel(this, "names", {}, twrect(1440, y, 2052, 252),
                                 Qt::AlignLeft | Qt::AlignVCenter);
        name->setProperty("index", r);
        // A name too long for its cell ends in "…"; the whole of it is in the tooltip.
        const QString whole = QString::fromStdString(game.topname[r]);
        name->setText(name->fontMetrics().elidedText(whole, Qt::ElideRight, name->width()));
        if (name->text() != whole) {
            name->setToolTip(whole);
        }
    }
    QPushButton* close = makebutton(this, "Command1", "Закрыть", twrect(1200, 3960, 1212, 372));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
