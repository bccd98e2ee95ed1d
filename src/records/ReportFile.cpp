#include "records/ReportFile.h"

#include "data/SaveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace reportfile {

namespace {

constexpr QByteArrayView magicLine = "MIRAVELA REPORT\n";
constexpr QByteArrayView checksumKey = "sha256 ";
constexpr int checksumLineSize = 7 + 64 + 1; // "sha256 ", 64 hex digits, "\n"
constexpr int maxNumberDigits = 9;

QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

void appendCounted(QByteArray &out, const char *key, QByteArrayView bytes)
{
    out += key;
    out += QByteArray::number(bytes.size()) + '\n';
    out += bytes;
    out += '\n';
}

// Reads the body field by field; each read fails once anything is out of
// place, and a failed reader stays failed.
class Reader {
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_bytes.size(); }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }

    // "KEY N\n" with N a decimal number of at most nine digits; -1 on failure.
    int number(QByteArrayView key)
    {
        if (!literal(key))
            return -1;
        qint64 value = 0;
        int digits = 0;
        while (m_ok && m_pos < m_bytes.size() && isDigit(m_bytes[m_pos])) {
            value = value * 10 + (m_bytes[m_pos++] - '0');
            if (++digits > maxNumberDigits)
                m_ok = false;
        }
        if (digits == 0 || !literal("\n"))
            m_ok = false;
        return m_ok ? int(value) : -1;
    }

    // `size` bytes and a line break; fails rather than reading past the end.
    QByteArray bytes(int size)
    {
        if (!m_ok || size < 0 || size >= remaining()) {
            m_ok = false;
            return {};
        }
        const QByteArray out = m_bytes.sliced(m_pos, size).toByteArray();
        m_pos += size;
        literal("\n");
        return out;
    }

    bool literal(QByteArrayView text)
    {
        if (m_ok && m_bytes.sliced(m_pos).startsWith(text))
            m_pos += text.size();
        else
            m_ok = false;
        return m_ok;
    }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

Loaded failed(Problem problem)
{
    return { std::nullopt, problem, {} };
}

QString messageFor(Problem problem, const QString &fileName, const QString &detail)
{
    const QString name = QFileInfo(fileName).fileName();
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Unreadable:
        return QCoreApplication::translate("ReportFile", "Nie można otworzyć pliku „%1”: %2")
            .arg(name, detail);
    case Problem::TooLarge:
        return QCoreApplication::translate(
            "ReportFile", "Plik „%1” jest za duży, by był zapisanym zestawieniem.")
            .arg(name);
    case Problem::NotAReport:
        return QCoreApplication::translate(
            "ReportFile", "Plik „%1” nie jest zapisanym zestawieniem.")
            .arg(name);
    case Problem::UnknownVersion:
        return QCoreApplication::translate("ReportFile",
            "Plik „%1” zapisano w nieznanej wersji zestawienia; "
            "ten program go nie otworzy.")
            .arg(name);
    case Problem::Damaged:
        return QCoreApplication::translate(
            "ReportFile", "Plik „%1” z zestawieniem jest uszkodzony i nie da się go otworzyć.")
            .arg(name);
    }
    return {};
}

} // namespace

QByteArray serialize(const ReportContent &content)
{
    QByteArray out(magicLine.toByteArray());
    out += "version " + QByteArray::number(currentVersion) + '\n';
    appendCounted(out, "stamp ", content.stamp.toUtf8());
    out += "rows " + QByteArray::number(content.rows.size()) + '\n';
    for (const QByteArray &row : content.rows)
        appendCounted(out, "", row);
    out += checksumKey.toByteArray() + checksum(out) + '\n';
    return out;
}

Loaded parse(QByteArrayView bytes)
{
    if (!bytes.startsWith(magicLine))
        return failed(Problem::NotAReport);
    Reader header(bytes.sliced(magicLine.size()));
    const int version = header.number("version ");
    if (!header.ok())
        return failed(Problem::Damaged);
    if (version != currentVersion)
        return failed(Problem::UnknownVersion);

    // The last line holds the checksum of everything before it.
    if (bytes.size() < magicLine.size() + checksumLineSize)
        return failed(Problem::Damaged);
    const QByteArrayView body = bytes.first(bytes.size() - checksumLineSize);
    const QByteArrayView checksumLine = bytes.sliced(body.size());
    if (!checksumLine.startsWith(checksumKey) || !checksumLine.endsWith("\n")
        || checksumLine.sliced(checksumKey.size(), 64) != checksum(body))
        return failed(Problem::Damaged);

    Reader reader(body.sliced(magicLine.size()));
    reader.number("version ");
    ReportContent content;
    const int stampSize = reader.number("stamp ");
    if (stampSize > maxStampSize)
        return failed(Problem::Damaged);
    content.stamp = QString::fromUtf8(reader.bytes(stampSize));
    const int rowCount = reader.number("rows ");
    // A report has a row at least, and every row takes three bytes at least
    // ("0\n\n"): a count the body cannot hold is a lie, found out before any
    // row is read.
    if (!reader.ok() || rowCount < 1 || rowCount > reader.remaining() / 3)
        return failed(Problem::Damaged);
    for (int row = 0; row < rowCount && reader.ok(); ++row) {
        // A row is as long as its entry line, however long that is; the
        // reader refuses a size the file does not hold.
        content.rows.append(reader.bytes(reader.number("")));
    }
    if (!reader.ok() || !reader.atEnd())
        return failed(Problem::Damaged);
    return { std::move(content), Problem::None, {} };
}

void save(const ReportContent &content, const QString &fileName)
{
    throwUnlessSaved(saveFile(fileName, serialize(content)), QFileInfo(fileName).fileName());
}

Loaded load(const QString &fileName)
{
    QFile file(fileName);
    Loaded loaded;
    // A pipe or a device would be waited on or read without end: only a
    // regular file can hold a saved report.
    if (QFileInfo(fileName).exists() && !QFileInfo(fileName).isFile()) {
        loaded = failed(Problem::NotAReport);
    } else if (!file.open(QIODevice::ReadOnly)) {
        loaded = failed(Problem::Unreadable);
    } else if (file.size() > maxFileSize) {
        loaded = failed(Problem::TooLarge);
    } else {
        const QByteArray bytes = file.readAll();
        loaded = file.error() == QFileDevice::NoError ? parse(bytes) : failed(Problem::Unreadable);
    }
    loaded.message = messageFor(loaded.problem, fileName, file.errorString());
    return loaded;
}

} // namespace reportfile
