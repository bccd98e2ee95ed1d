#include "data/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

namespace {

// A settings file is a few lines; anything much bigger is not ours to read.
constexpr qint64 largestFile = 64 * 1024;

// The lines of `contents`, each without its line end.
QList<QByteArrayView> linesOf(QByteArrayView contents)
{
    QList<QByteArrayView> lines;
    while (!contents.isEmpty()) {
        const qsizetype end = contents.indexOf('\n');
        lines.append(end < 0 ? contents : contents.first(end));
        contents = end < 0 ? QByteArrayView() : contents.sliced(end + 1);
    }
    return lines;
}

QByteArrayView withoutCarriageReturn(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

// The value of `line` when it sets `key`.
std::optional<QByteArrayView> valueFor(QByteArrayView line, QByteArrayView key)
{
    line = withoutCarriageReturn(line);
    if (line.size() <= key.size() || !line.startsWith(key) || line[key.size()] != '=')
        return std::nullopt;
    return line.sliced(key.size() + 1);
}

// The file's bytes; empty when there is none yet, nothing when there is one
// that cannot be read whole.
std::optional<QByteArray> readSettings()
{
    const QString path = UserSettings::filePath();
    if (path.isEmpty())
        return QByteArray();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    // Only a regular file: a pipe or a device could block or never end.
    if (!info.isFile() || info.size() > largestFile)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > largestFile)
        return std::nullopt;
    return bytes;
}

} // namespace

QString UserSettings::s_folder;

QString UserSettings::folder()
{
    if (!s_folder.isEmpty())
        return s_folder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/Miravela");
}

QString UserSettings::filePath()
{
    const QString where = folder();
    return where.isEmpty() ? QString() : where + QStringLiteral("/Miravela.conf");
}

bool UserSettings::flag(QByteArrayView key, bool otherwise)
{
    const std::optional<QByteArray> contents = readSettings();
    return contents ? flagIn(*contents, key).value_or(otherwise) : otherwise;
}

SaveResult UserSettings::setFlag(QByteArrayView key, bool value)
{
    const QString where = folder();
    if (where.isEmpty() || !QDir().mkpath(where))
        return {
            QCoreApplication::translate("UserSettings", "nie można utworzyć folderu %1").arg(where),
            {}
        };
    // A file that cannot be read whole is not replaced: what it holds beyond
    // this choice would be lost.
    const std::optional<QByteArray> contents = readSettings();
    if (!contents)
        return { QCoreApplication::translate("UserSettings",
                     "nie można odczytać całego pliku %1, więc nie zostanie zmieniony")
                     .arg(filePath()),
            {} };
    return saveFile(filePath(), withFlag(*contents, key, value));
}

QByteArray UserSettings::withFlag(QByteArrayView contents, QByteArrayView key, bool value)
{
    const QByteArray line = key.toByteArray() + (value ? "=true" : "=false");
    QByteArray result;
    bool written = false;
    for (const QByteArrayView existing : linesOf(contents)) {
        if (!valueFor(existing, key)) {
            result += existing.toByteArray() + '\n';
        } else if (!written) {
            result += line + '\n';
            written = true;
        }
    }
    if (!written)
        result += line + '\n';
    return result;
}

std::optional<bool> UserSettings::flagIn(QByteArrayView contents, QByteArrayView key)
{
    std::optional<bool> stated;
    for (const QByteArrayView line : linesOf(contents)) {
        if (const auto value = valueFor(line, key)) {
            if (*value == "true")
                stated = true;
            else if (*value == "false")
                stated = false;
        }
    }
    return stated;
}

UserSettingsIn::UserSettingsIn(const QString &folder)
    : m_previous(UserSettings::s_folder)
{
    UserSettings::s_folder = folder;
}

UserSettingsIn::~UserSettingsIn()
{
    UserSettings::s_folder = m_previous;
}
