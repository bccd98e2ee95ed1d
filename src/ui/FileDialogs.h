#pragma once

#include <QString>

class QWidget;

// File name dialogs go through here, so that tests can answer them from a
// script instead of blocking on a real dialog. An empty name means cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter)
        = 0;
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &filter)
        = 0;

    static FileDialogs &instance();
    static void install(FileDialogs *dialogs); // nullptr restores the real dialogs
};
