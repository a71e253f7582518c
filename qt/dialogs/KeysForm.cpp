#include "KeysForm.h"

#include <QApplication>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Game.h"
#include "KeyField.h"
#include "Twips.h"

KeysForm::KeysForm(Game& game, QWidget* parent) : Form(parent, ui::keys), choice_(game) {
    int next = 0;
    buildcontrols(this, ui::keys, [&](const ui::Control& c, int) {
        const int n = next++;
        auto* field = new KeyField(QString::fromStdString(choice_.name(n)), this);
        field->setObjectName(controlname(c, 0));
        field->setGeometry(twrect(c.place));
        connect(field, &KeyField::keypressed, this, [this, field, n](qint64 code) {
            if (code >= 0 && choice_.press(n, static_cast<std::int32_t>(code))) {
                field->setText(QString::fromStdString(choice_.name(n)));
            } else {
                QApplication::beep();
                emit beeped();
            }
        });
        fields_[n] = field;
    });
    connect(control<QPushButton>(this, ui::keys["Command1"]), &QPushButton::clicked, this, [this] {
        choice_.ok();
        accept();
    });
    connect(control<QPushButton>(this, ui::keys["Command2"]), &QPushButton::clicked, this,
            &QDialog::reject);
    fields_[0]->setFocus();
}
