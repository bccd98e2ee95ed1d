#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QFont;
class QPoint;
class QWidget;

// Small helpers every window uses.

// Gives `window` its name, caption and a border with a title bar, system
// menu, minimise and close buttons, and no maximise button.
void setWindowStyle(QWidget *window, const QString &objectName, const QString &caption);
// The same, for a window whose client area is a fixed width × height.
void makeFixedWindow(
    QWidget *window, const QString &objectName, const QString &caption, int width, int height);
// Centres a window on its screen's available area, frame included (title bar
// and borders), from its first showing on. A later call replaces an earlier one.
void centreOnScreen(QWidget *window);
// Puts the top-left corner of a window's frame at a point of the screen, the
// same way.
void placeOnScreen(QWidget *window, QPoint frameTopLeft);
// Shows a window non-modally, or brings it to the front when it is visible.
void showOrRaise(QWidget *window);
// Brings a window to the front as the user's own click would: shown, out of
// the task bar when it was minimised, raised and active.
void bringToFront(QWidget *window);

// The program's fonts: "MS Sans Serif" (the default text) at a pixel height.
QFont sansFont(int pixelSize, bool bold = false, bool italic = false);

// Runs an event handler; a failure it does not catch ends the handler and is
// reported in an error box with the failure's text. The program goes on.
void guarded(QWidget *parent, const std::function<void()> &handler);

// Connects a signal to a window's handler, run through guarded().
template <typename Sender, typename Signal, typename Form>
void connectHandler(Sender *sender, Signal signal, Form *form, void (Form::*handler)())
{
    QObject::connect(sender, signal, form,
        [form, handler] { guarded(form, [form, handler] { (form->*handler)(); }); });
}
