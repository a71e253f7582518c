#include "ColorForm.h"

#include <QColorDialog>
#include <QPainter>
#include <QPushButton>

#include "Controls.h"
#include "DisplayState.h"
#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

namespace {
constexpr int kSwatchLeft[] = {0, 360, 720, 1080, 1440};
}  // namespace

ColorForm::ColorForm(Game& game, QWidget* parent) : Form(parent, "Цвета", 2064, 1452) {
    setObjectName("colorform");
    for (int n = 1; n <= 4; ++n) {
        col_[n] = game.palette[n];
    }
    // The picker's custom colours start black at every opening (Qt keeps them program-wide).
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, Qt::black);
    }
    QPushButton* ok = makebutton(this, "Command1", "Ok", twrect(120, 960, 852, 372));
    QPushButton* cancel = makebutton(this, "Command2", "Отмена", twrect(1080, 960, 852, 372));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, &game] {
        for (int n = 1; n <= 4; ++n) {
            game.palette[n] = col_[n];  // no redraw: the engine uses them as it next draws
        }
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (int n = 1; n <= 4; ++n) {
        const QByteArray name = "ccc" + QByteArray::number(n);
        QPushButton* button = makebutton(this, name.constData(), QString::number(n),
                                         twrect(kSwatchLeft[n], 600, 252, 192));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, n] { pickcolor(n); });
    }
}

void ColorForm::pickcolor(int index) {
    QList<QColor> custom;
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        custom.append(QColorDialog::customColor(i));
    }
    QColorDialog picker(Qt::black, this);  // never starts from the swatch's colour
    picker.setObjectName("picker");
    picker.setOptions(QColorDialog::DontUseNativeDialog);
    if (picker.exec() == QDialog::Accepted) {
        col_[index] = colorref(picker.selectedColor());
        update();
    } else {
        for (int i = 0; i < custom.size(); ++i) {
            QColorDialog::setCustomColor(i, custom[i]);  // a cancelled pick changes nothing
        }
    }
}

void ColorForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, twrect(240, 240, 1572, 612), colorref(DisplayState::kWellColor));
    for (int n = 1; n <= 4; ++n) {
        drawball(p, twrect(kSwatchLeft[n], 360, 240, 240), colorref(col_[n]));
    }
}
