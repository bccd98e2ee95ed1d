#pragma once

#include <QAccessible>

class QWidget;

// Gives a widget the role assistive technology reads it as, where Qt's own
// choice would say nothing (a plain widget reads as an anonymous filler): a
// status bar, or a window built on a plain widget.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);
