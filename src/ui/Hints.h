#pragma once

#include <QString>

class QWidget;
class StatusBar;

// Shows `hint` in `panel` of `bar` whenever the mouse moves over the control's
// own surface. Over a child of the control (a button on a group box, a label)
// nothing happens: the child receives the mouse instead. An empty hint clears
// the panel, which is what a window's bare area does in some windows. The hint
// is also the control's accessible description.
void setHint(QWidget *control, const QString &hint, StatusBar *bar, int panel);

// The hint given to `control` by setHint, empty when it has none.
QString hintOf(const QWidget *control);
