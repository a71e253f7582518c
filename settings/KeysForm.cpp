#include "KeysForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Game.h"
#include "KeyField.h"
#include "Twips.h"

KeysForm::KeysForm(Game& game, QWidget* parent) : Form(parent, "Клавиши", 2892, 2424) {
    setObjectName("keys");
    struct Row {
        const char* label;
        const char* labelname;
        const char* fieldname;
        std::int32_t binding;
    };
    const Row rows[] = {
        {"Влево", "Label1", "Text1", game.keyleft},
        {"Вправо", "Label2", "Text2", game.keyright},
        {"Повернуть", "Label3", "Text3", game.keyrotate},
        {"Бросить", "Label5", "Text5", game.keydrop},
    };
    for (int i = 0; i < 4; ++i) {
        const int top = 360 + 360 * i;
        makelabel(this, rows[i].labelname, rows[i].label, twrect(120, top + 36, 1212, 252),
                  Qt::AlignRight | Qt::AlignVCenter);
        auto* field = new KeyField(rows[i].binding, this);
        field->setObjectName(rows[i].fieldname);
        field->setGeometry(twrect(1440, top, 1332, 288));
        connect(field, &KeyField::refused, this, [this] {
            QApplication::beep();
            emit beeped();
        });
        fields_[i] = field;
    }
    makelabel(this, "Label6", "Клавиша:", twrect(1440, 120, 1332, 252));
    QPushButton* save = makebutton(this, "Command1", "Сохранить", twrect(120, 1920, 1212, 372));
    QPushButton* cancel = makebutton(this, "Command2", "Отмена", twrect(1560, 1920, 1212, 372));
    // Enter and Escape must reach the fields, so neither button answers them.
    save->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this, &game] {
        game.keyleft = fields_[0]->pending();
        game.keyright = fields_[1]->pending();
        game.keyrotate = fields_[2]->pending();
        game.keydrop = fields_[3]->pending();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fields_[0]->setFocus();
}

void KeysForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        return;  // not bound to "Отмена": the close box and the button cancel
    }
    Form::keyPressEvent(event);
}
