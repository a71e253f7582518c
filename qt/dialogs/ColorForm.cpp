#include "ColorForm.h"

#include <QColorDialog>
#include <QPainter>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Shapes.h"
#include "Twips.h"

ColorForm::ColorForm(Game& game, QWidget* parent) : Form(parent, ui::colorform), choice_(game) {
    const ui::Form& f = ui::colorform;
    // The picker's custom colours start black at every opening (Qt keeps them program-wide).
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, Qt::black);
    }
    buildcontrols(this, f);  // the swatches and their background are painted
    connect(control<QPushButton>(this, f["Command1"]), &QPushButton::clicked, this, [this] {
        choice_.ok();
        accept();
    });
    connect(control<QPushButton>(this, f["Command2"]), &QPushButton::clicked, this,
            &QDialog::reject);
    for (int n = 1; n <= 4; ++n) {
        connect(control<QPushButton>(this, f["ccc"], n - 1), &QPushButton::clicked, this,
                [this, n] { pickcolor(n); });
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
    const int result = picker.exec();
    activateWindow();  // the keyboard comes back here, with or without a window manager
    if (result == QDialog::Accepted) {
        choice_.pick(index, colorref(picker.selectedColor()));
        update();
    } else {
        for (int i = 0; i < custom.size(); ++i) {
            QColorDialog::setCustomColor(i, custom[i]);  // a cancelled pick changes nothing
        }
    }
}

void ColorForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ui::Control& background = ui::colorform["Shape2"];
    drawbox(p, twrect(background.place), colorref(background.color));
    const ui::Control& col = ui::colorform["col"];
    for (int n = 1; n <= 4; ++n) {
        drawball(p, twrect(col.at(n - 1)), colorref(choice_.color(n)));
    }
}
