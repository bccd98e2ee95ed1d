#pragma once

#include "data/SaveFile.h"

#include <QString>

// Keeps `file`, the old version of the file the user knows as `path`, in the
// backup folder beside `path`, named after `path` and the moment; then removes
// that file's oldest copies beyond the number kept. Returns the line to tell
// when no copy could be made, empty when one was.
QString keepBackupCopy(const QString &path, const QString &file, const BackupCopies &backups);
