#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The backup copies kept beside the data files, as she looks through them to
// bring one back: listed, and read as the untrusted files they are.

// One copy, or whatever stands under a copy's name.
struct KeptCopy {
    QString path; // of the copy itself
    QString fileName; // of the file it is a copy of, e.g. "Daty.txt"
    QString madeText; // when it was made, "DD.MM.YYYY HH:MM:SS", from its name
};

// The copies of the files `paths` kept in the backup folder `folderName`
// beside them, newest first: each file's copies in the order they were made,
// and the copies of different files by the moments in their names. Folders
// and links under a copy's name are listed as well.
QList<KeptCopy> listKeptCopies(const QStringList &paths, const QString &folderName);

// Why the backup folder `folder` cannot be looked through; empty when it can,
// or when there is none.
QString keptCopiesFolderProblem(const QString &folder);

struct CopyBytes {
    QByteArray bytes;
    QString problem; // why the copy cannot be read whole; empty when it was
};

// All of a copy, when it is a plain file of at most `largest` bytes. Reading
// never waits on a pipe or a device put in a copy's place.
CopyBytes readKeptCopy(const QString &path, qint64 largest);
