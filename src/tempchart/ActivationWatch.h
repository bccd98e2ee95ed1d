#pragma once

#include <QObject>

class QWidget;
class QWindow;

// Tells when a window becomes the program's active window: when the program
// shows it, and when the focus comes to it from another window of the
// program. Coming back from another application is no activation (while
// another application has the focus, the program has no focus window), and
// neither is the focus coming back from a dialog that stands over the window,
// such as its print dialog or an error box, nor restoring the window after it
// was minimised (the window system hands the focus to another window
// meanwhile).
class ActivationWatch : public QObject {
    Q_OBJECT

public:
    explicit ActivationWatch(QWidget *window);

Q_SIGNALS:
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusWindowChanged(QWindow *focus);
    bool isWindowOrItsDialog(const QWindow *window) const;

    QWidget *m_window;
    // Another window of the program has had the focus since this one had it.
    bool m_focusWasElsewhere = false;
    // The window has been minimised since it last had the focus.
    bool m_minimisedMeanwhile = false;
};
