#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QIODevice;

// Older versions of a file, kept in a folder beside it before it is replaced:
// FOLDER/NAME-yyyy-MM-dd-HHmmss.SUFFIX, a hard link where the file system
// allows it, a copy otherwise.
struct BackupCopies {
    QString folderName; // empty: no copies are kept
    std::function<QDateTime()> now; // the moment a copy is named after
    int keep = 20; // how many of each file's copies stay, the newest ones
    // The old file is not replaced unless it was kept as a copy: for a save
    // that she must be able to undo, such as bringing a copy back.
    bool required = false;

    // The program's own: in "kopie" beside the file, the twenty newest.
    static BackupCopies inKopie(std::function<QDateTime()> now)
    {
        return { QStringLiteral("kopie"), std::move(now) };
    }
};

// Who may read a file that a save creates; a file that is there keeps its mode.
enum class NewFile {
    FollowsUmask, // 0666 less the umask: a file she saves where she chose
    Private, // 0600: the program's own data files
};

struct [[nodiscard]] SaveResult {
    QString error; // why the file was not saved, for the user; empty when it was
    QString backupError; // what went wrong with the backup copies; the save went on
    bool saved() const { return error.isEmpty(); }
};

// The one way the program writes a file. `write` streams the new contents into
// the device it is given, returning false when it could not. The contents go
// to a hidden temporary file beside the target; every write, the flush and the
// sync to disk are checked, and only then is the temporary file renamed over
// the target and the folder synced, so that the rename outlives a power cut.
// On any failure the temporary file is removed and the old file stays as it
// was, byte for byte. Once the rename is done the file is saved: a folder sync
// that fails after it is one line on the error output. A symbolic link is
// written where it points; a dangling one is a failure. The old file's
// permissions are kept; a new file gets those `newFile` says.
//
// A file she may not write is not replaced, whatever the folder allows: one of
// another owner, or one of hers without the owner's write permission. Mode and
// owner decide, not access(2), which lets root write anything.
//
// With `backups`, the old file is kept as a copy when the new contents differ
// from it; a save that fails leaves the copies as they were. A copy that
// cannot be made stops the save only when the copy is required; otherwise
// one line about it goes to the error output, and the result tells it.
SaveResult saveFile(const QString &path, const std::function<bool(QIODevice &)> &write,
    const BackupCopies &backups = {}, NewFile newFile = NewFile::FollowsUmask);
// The same for bytes at hand; a file that already holds exactly these bytes is
// left as it is, untouched.
SaveResult saveFile(const QString &path, QByteArrayView bytes, const BackupCopies &backups = {},
    NewFile newFile = NewFile::FollowsUmask);
// The same for the bytes of the file `from`; a file that cannot be read whole
// is a failure.
SaveResult saveCopy(const QString &from, const QString &path);

// Removes from `folder` the hidden temporary files that saves of the files
// named `fileNames` left when they were cut short (a power cut, a killed
// program): regular files of the save routine's own naming for those names,
// and nothing else. Only for a folder no other program is saving in.
void removeInterruptedSaves(const QString &folder, const QStringList &fileNames);

// Throws std::runtime_error with the message a window shows when a file the
// user chose was not saved, naming it as `shownName`.
void throwUnlessSaved(const SaveResult &result, const QString &shownName);
