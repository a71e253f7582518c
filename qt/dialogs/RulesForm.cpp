#include "RulesForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Texts.h"

RulesForm::RulesForm(QWidget* parent) : Form(parent, ui::rules) {
    buildcontrols(this, ui::rules);
    control<QPlainTextEdit>(this, ui::rules["t"])
        ->setPlainText(QString::fromStdString(ui::rulestext()).replace("\r\n", "\n"));
    connect(control<QPushButton>(this, ui::rules["Command1"]), &QPushButton::clicked, this,
            &QDialog::accept);
}
