#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class StatusBar;

// The frame the three windows of the "Pomoc" menu share: a dialog border of a
// fixed client size with only a close button, and an empty status bar along
// the bottom. Returns that status bar.
StatusBar *makeInfoWindow(
    QWidget *window, const QString &objectName, const QString &caption, QSize clientSize);

// A window of fixed text under a caption strip: the help and the licence.
// The text is read-only, but can be selected and copied.
class InfoTextWindow : public QWidget {
    Q_OBJECT

public:
    QLabel *Panel1;
    QPlainTextEdit *Memo1;
    StatusBar *StatusBar1;

protected:
    InfoTextWindow(const QString &objectName, const QString &caption, QSize clientSize,
        const QRect &memoPlace, const QString &text);
};
