#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The program's colours.
namespace Colours {
inline const QColor lightGreen { 192, 220, 192 };
inline const QColor peach { 240, 202, 166 };
inline const QColor fuchsia { 255, 0, 255 };
inline const QColor yellow { 255, 255, 0 };
inline const QColor aqua { 0, 255, 255 };
} // namespace Colours

// Sets one colour of a widget's palette, e.g. the background of a grid (Base)
// or of a panel (Window).
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// A label at `place`, as large as its text, in the window's font or in `font`.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QPoint place);
QLabel *makeLabel(
    QWidget *parent, const QString &name, const QString &text, QPoint place, const QFont &font);

QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &place);
