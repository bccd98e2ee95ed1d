#pragma once

#include "data/SaveFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The user's own choices, remembered between runs in her configuration
// folder (~/.config/Miravela/Miravela.conf), never in the data folder: one
// line "key=true" or "key=false" each. The file is read whenever a choice is
// asked for and written, through the one save routine, only when she changes
// one; lines it does not know stay as they are. A file that cannot be read,
// or does not say, gives the default; one that cannot be read whole is never
// replaced.
class UserSettings {
public:
    // The folder of the file: the user's configuration folder, or the one a
    // test gave.
    static QString folder();
    static QString filePath();

    static bool flag(QByteArrayView key, bool otherwise);
    static SaveResult setFlag(QByteArrayView key, bool value);

    // The file's contents with `key` set to `value`: its line replaced where
    // it stands, or added at the end.
    static QByteArray withFlag(QByteArrayView contents, QByteArrayView key, bool value);
    // The flag as `contents` state it; nothing when they do not.
    static std::optional<bool> flagIn(QByteArrayView contents, QByteArrayView key);

private:
    friend class UserSettingsIn;
    static QString s_folder; // a test's folder; empty for the user's own
};

// While it lives, the settings are read from and written to `folder`; then
// the user's own folder comes back. Tests never touch the real one.
class UserSettingsIn {
public:
    explicit UserSettingsIn(const QString &folder);
    ~UserSettingsIn();
    UserSettingsIn(const UserSettingsIn &) = delete;
    UserSettingsIn &operator=(const UserSettingsIn &) = delete;

private:
    QString m_previous;
};

// The choices the program remembers.
namespace Setting {
// The temperature chart evaluates the rise ("3 nad 6") after drawing.
inline constexpr QByteArrayView RiseEvaluation = "ocenaTemperatury";
} // namespace Setting
