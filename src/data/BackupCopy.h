#pragma once

#include "data/SaveFile.h"

#include <QString>
#include <QStringList>

// A copy of the old version of a file, made in the backup folder beside it
// just before the file is replaced.
//
// The copies are named after the moment the clock gave, but a clock can be set
// back: the order in which they were made is written down in the backup folder
// as well, and decides which copies are the newest.
class BackupCopy {
public:
    // Keeps `file`, the old version of the file the user knows as `path`, in
    // the backup folder beside `path`, named after `path` and the moment.
    static BackupCopy make(const QString &path, const QString &file, const BackupCopies &backups);

    // The paths of the copies kept of the file `path` in the backup folder
    // `folderName` beside it, newest first: in the order they were made,
    // whatever the clock said. Copies whose place in that order is not known
    // (put there by hand, or made before the order was written down) come
    // after all others, the newest name first among them.
    // With Entries::Any, whatever else stands under a copy's name (a folder,
    // a link) is listed too, so that she can be told why it is no copy.
    enum class Entries { Files, Any };
    static QStringList listNewestFirst(
        const QString &path, const QString &folderName, Entries entries = Entries::Files);
    // The moment a copy of the file `path` is named after, "yyyy-MM-dd-HHmmss",
    // read from the copy's file name; empty when it is no copy's name.
    static QString madeStamp(const QString &path, const QString &copyFileName);

    // Keeps `bytes`, contents that could not be given to the file `path`, as
    // the newest copy of that file, so that they can be brought back from
    // there; `path` itself is not touched. Returns why they could not be kept,
    // empty when they were.
    static QString keepBytes(
        const QString &path, QByteArrayView bytes, const BackupCopies &backups);

    // The line to tell when no copy could be made; empty when one was.
    const QString &error() const { return m_error; }

    // The file was replaced: this copy is the newest, and the oldest copies
    // beyond the number kept go. Returns the line to tell when the order of
    // the copies could not be written down; empty when it was.
    QString keep() const;
    // The file was not replaced after all: the copy goes again, so that a
    // save tried over and over never pushes the older copies out.
    void discard() const;

private:
    QString m_folder;
    QString m_fileName; // of the file the copies are of
    QString m_made; // the copy's file name; empty when none was made
    QString m_error;
    int m_keep = 0;
};
