#include "ui/Controls.h"

#include <QLabel>
#include <QPushButton>

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QPoint place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(place);
    label->adjustSize();
    return label;
}

QLabel *makeLabel(
    QWidget *parent, const QString &name, const QString &text, QPoint place, const QFont &font)
{
    QLabel *label = makeLabel(parent, name, text, place);
    label->setFont(font);
    label->adjustSize();
    return label;
}

QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}
