#include "KeysForm.h"

#include <QApplication>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Game.h"
#include "KeyField.h"
#include "Twips.h"

KeysForm::KeysForm(Game& game, QWidget* parent) : Form(parent, ui::keys) {
    const Game::KeyBindings& keys = game.keys();
    const std::int32_t bindings[] = {keys.left, keys.right, keys.rotate, keys.drop};
    int next = 0;
    buildcontrols(this, ui::keys, [&](const ui::Control& c, int) {
        auto* field = new KeyField(bindings[next], this);
        field->setObjectName(controlname(c, 0));
        field->setGeometry(twrect(c.place));
        connect(field, &KeyField::refused, this, [this] {
            QApplication::beep();
            emit beeped();
        });
        fields_[next++] = field;
    });
    connect(control<QPushButton>(this, ui::keys["Command1"]), &QPushButton::clicked, this,
            [this, &game] {
                game.setkeys({fields_[0]->pending(), fields_[1]->pending(), fields_[2]->pending(),
                              fields_[3]->pending()});
                accept();
            });
    connect(control<QPushButton>(this, ui::keys["Command2"]), &QPushButton::clicked, this,
            &QDialog::reject);
    fields_[0]->setFocus();
}
