#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The few kinds of control every window of the game is built from, placed in pixels
// (see twrect). Labels show plain text: a player's name is never markup.
QLabel* makelabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignCenter, double points = 0);

// A light yellow cell with a thin outline, behind a value.
QWidget* makecell(QWidget* parent, QRect geometry);

QPushButton* makebutton(QWidget* parent, const char* name, const QString& text, QRect geometry);

// A horizontal rule two pixels thick, from left to right at height y (twips).
QFrame* makerule(QWidget* parent, int left, int right, int y);
