#pragma once

#include <QString>

class QWidget;

// Every modal message box and the beep go through here, so that tests can
// answer them from a script instead of blocking on a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain notice with an OK button.
    virtual void notice(QWidget *parent, const QString &text) = 0;
    // The system beep, then "Pytanie" with the question icon and Yes / No.
    // Returns true for Yes.
    virtual bool question(QWidget *parent, const QString &text) = 0;
    // A failure's text in an error box.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // A failure the user can retry; returns true for retry, false to give up.
    virtual bool retry(QWidget *parent, const QString &text) = 0;
    virtual void beep() = 0;

    static Dialogs &instance();
    static void install(Dialogs *dialogs); // nullptr restores the real dialogs
};
