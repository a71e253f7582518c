#include "AboutForm.h"

#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "Texts.h"

AboutForm::AboutForm(QWidget* parent) : Form(parent, ui::about) {
    buildcontrols(this, ui::about);
    control<QLabel>(this, ui::about["mm"])
        ->setText(QString::fromStdString(ui::abouttext()).replace("\r\n", "\n"));
    connect(control<QPushButton>(this, ui::about["Command1"]), &QPushButton::clicked, this,
            &QDialog::accept);
}
