#pragma once

#include "data/SaveFile.h"

#include <QString>

// A copy of the old version of a file, made in the backup folder beside it
// just before the file is replaced.
class BackupCopy {
public:
    // Keeps `file`, the old version of the file the user knows as `path`, in
    // the backup folder beside `path`, named after `path` and the moment.
    static BackupCopy make(const QString &path, const QString &file, const BackupCopies &backups);

    // The line to tell when no copy could be made; empty when one was.
    const QString &error() const { return m_error; }

    // The file was replaced: its oldest copies beyond the number kept go.
    void keep() const;
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
