#include "AboutForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Twips.h"

QString AboutForm::abouttext() {
    QString mm = "Версия: 1.0\r\n";
    mm += "9 октября 2003 года\r\n";
    mm += "Автор: команда Tarvelo\r\n";
    mm += "E-Mail: tarvelo@example.org\r\n";
    mm += "Страница: https://tarvelo.example.org\r\n";
    mm += "Присылайте свои идеи, пожелания, сообщения об ошибках.";
    return mm;
}

AboutForm::AboutForm(QWidget* parent) : Form(parent, "О программе", 4212, 2628) {
    setObjectName("about");
    makelabel(this, "Label1", "Tarvelo", twrect(120, 120, 3972, 432),
              Qt::AlignHCenter | Qt::AlignTop, 18);
    makerule(this, 120, 4080, 480);
    QLabel* image =
        makelabel(this, "Image1", {}, twrect(120, 720, 492, 372), Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    image->resize(image->pixmap().deviceIndependentSize().toSize());  // its natural size
    QLabel* mm = makelabel(this, "mm", QString(abouttext()).replace("\r\n", "\n"),
                           twrect(840, 720, 3252, 1332), Qt::AlignLeft | Qt::AlignTop);
    mm->setWordWrap(true);
    QPushButton* close = makebutton(this, "Command1", "Закрыть", twrect(1440, 2160, 1332, 372));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
