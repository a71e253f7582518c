#include "Controls.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Twips.h"
#include "ValueBox.h"

namespace {

Qt::Alignment alignment(ui::Align align) {
    switch (align) {
        case ui::Align::TopCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        case ui::Align::TopLeft:
            return Qt::AlignLeft | Qt::AlignTop;
        case ui::Align::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case ui::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ui::Align::Center:
            break;
    }
    return Qt::AlignCenter;
}

QString caption(const ui::Control& c, int i) {
    if (c.has(ui::kNumbered)) {
        return QString::number(c.first + i);
    }
    if (c.has(ui::kRanked)) {
        return QString::number(c.first + i + 1);
    }
    return QString::fromUtf8(c.caption);
}

// A horizontal rule two pixels thick along the top of its place.
QWidget* rule(QWidget* parent, const ui::Rect& r) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    line->setGeometry(tw(r.left), tw(r.top) - 1, tw(r.left + r.width) - tw(r.left), 2);
    return line;
}

// The standard kinds; nothing for the owner's own.
QWidget* make(QWidget* parent, const ui::Control& c, int i) {
    const QRect place = twrect(c.at(i));
    switch (c.kind) {
        case ui::Kind::Label: {
            auto* label = new QLabel(caption(c, i), parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(alignment(c.align));
            label->setWordWrap(c.has(ui::kWrap));
            label->setGeometry(place);
            if (c.points > 0) {
                QFont font = label->font();
                font.setPointSizeF(c.points);
                label->setFont(font);
            }
            return label;
        }
        case ui::Kind::Button: {
            auto* button = new QPushButton(caption(c, i), parent);
            button->setGeometry(place);
            // Enter presses the default button, or the one with the keyboard if it is the
            // default or the cancel button; never the form's other buttons.
            button->setAutoDefault(c.has(ui::kDefault) || c.has(ui::kCancel));
            button->setDefault(c.has(ui::kDefault));
            return button;
        }
        case ui::Kind::TextBox: {
            auto* box = new QLineEdit(caption(c, i), parent);
            box->setGeometry(place);
            return box;
        }
        case ui::Kind::TextArea: {
            auto* area = new QPlainTextEdit(parent);
            area->setGeometry(place);
            area->setReadOnly(true);
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return area;
        }
        case ui::Kind::Cell:
            return new ValueBox(parent, place);
        case ui::Kind::Rule:
            return rule(parent, c.at(i));
        case ui::Kind::Picture: {  // the program's icon at its natural size
            auto* picture = new QLabel(parent);
            picture->setAlignment(alignment(c.align));
            picture->setGeometry(place);
            picture->setPixmap(QApplication::windowIcon().pixmap(32, 32));
            picture->resize(picture->pixmap().deviceIndependentSize().toSize());
            return picture;
        }
        default:
            return nullptr;
    }
}

}  // namespace

QString controlname(const ui::Control& c, int i) {
    const QString name = QString::fromUtf8(c.name);
    return c.count > 1 ? name + QString::number(c.first + i) : name;
}

void buildcontrols(QWidget* parent, const ui::Form& form, const ControlMaker& owner) {
    for (const ui::Control& c : form.controls) {
        for (int i = 0; i < c.count; ++i) {
            QWidget* widget = make(parent, c, i);
            if (widget == nullptr) {
                if (owner) {
                    owner(c, i);
                }
                continue;
            }
            widget->setObjectName(controlname(c, i));
            if (c.has(ui::kHidden)) {
                widget->hide();
            }
            if (c.has(ui::kNoFocus)) {
                widget->setFocusPolicy(Qt::NoFocus);
            }
            if (c.has(ui::kFocus) && i == 0) {
                widget->setFocus();
            }
        }
    }
}
