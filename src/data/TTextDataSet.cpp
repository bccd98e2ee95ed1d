#include "data/TTextDataSet.h"

#include "data/CrLfWriter.h"
#include "data/LineSplitter.h"
#include "data/SaveFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

// A copy that owns its bytes: a line's text may point into the bytes read at
// open, which go away at close.
QByteArray ownCopy(QByteArrayView bytes)
{
    return bytes.isEmpty() ? QByteArray() : bytes.toByteArray();
}

// Asks for huge pages behind a big buffer not yet touched: reading a big file
// then costs one page fault per 2 MiB instead of one per 4 KiB.
void adviseHugePages(char *data, qsizetype size)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    // madvise wants whole huge pages: from the first boundary inside the buffer
    // to the last one.
    constexpr quintptr hugePage = quintptr(2) << 20;
    const quintptr lead = (hugePage - quintptr(data) % hugePage) % hugePage;
    if (quintptr(size) < lead + hugePage)
        return;
    const quintptr length = (quintptr(size) - lead) / hugePage * hugePage;
    ::madvise(data + lead, length, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

// The whole file, nothing when it cannot be read.
std::optional<QByteArray> readWhole(QFile &file)
{
    QByteArray bytes(file.size(), Qt::Uninitialized);
    adviseHugePages(bytes.data(), bytes.size());
    const qint64 read = file.read(bytes.data(), bytes.size());
    if (read < 0)
        return std::nullopt;
    bytes.truncate(read);
    bytes += file.readAll(); // the file may have grown meanwhile
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QByteArrayView textBeforeNul(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

} // namespace

TTextDataSet::TTextDataSet(QObject *parent)
    : QObject(parent)
{
}

TTextDataSet::~TTextDataSet()
{
    try {
        close();
    } catch (const std::exception &) {
        // Nobody is left to tell; the file keeps its previous contents.
    }
}

QString TTextDataSet::fileName() const
{
    return m_fileName;
}

void TTextDataSet::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

void TTextDataSet::setBackups(const BackupCopies &backups)
{
    m_backups = backups;
}

void TTextDataSet::setNewFile(NewFile newFile)
{
    m_newFile = newFile;
}

bool TTextDataSet::active() const
{
    return m_state != State::Inactive;
}

void TTextDataSet::setActive(bool active)
{
    if (active)
        open();
    else
        close();
}

void TTextDataSet::open()
{
    if (active())
        return;
    readFile();
    m_modified = false;
    m_cursor = -1;
    setState(State::Browse);
    Q_EMIT activeChanged(true);
    first();
    Q_EMIT dataSetChanged();
}

void TTextDataSet::close()
{
    if (!active())
        return;
    finishPendingChange();
    if (m_modified)
        writeFile();
    discardLines();
    setState(State::Inactive);
    Q_EMIT activeChanged(false);
}

void TTextDataSet::writeChanges() const
{
    if (active() && m_modified)
        writeFile();
}

void TTextDataSet::reload()
{
    requireActive();
    readFile();
    m_modified = false;
    m_pendingValue = QByteArray();
    m_cursor = -1;
    setState(State::Browse);
    m_eof = false;
    step(1);
    m_bof = true;
    // Every view starts afresh, on the first line, as after an open.
    Q_EMIT dataSetChanged();
    Q_EMIT recordChanged();
}

TTextDataSet::State TTextDataSet::state() const
{
    return m_state;
}

bool TTextDataSet::modified() const
{
    return m_modified;
}

void TTextDataSet::first()
{
    requireActive();
    finishPendingChange();
    const qint32 previousId = currentId();
    m_cursor = -1;
    m_eof = false;
    step(1);
    m_bof = true;
    notifyIfMoved(previousId);
}

void TTextDataSet::last()
{
    requireActive();
    finishPendingChange();
    const qint32 previousId = currentId();
    m_cursor = recordCount();
    m_bof = false;
    step(-1);
    m_eof = true;
    notifyIfMoved(previousId);
}

void TTextDataSet::next()
{
    moveBy(1);
}

void TTextDataSet::prior()
{
    moveBy(-1);
}

int TTextDataSet::moveBy(int distance)
{
    requireActive();
    finishPendingChange();
    const qint32 previousId = currentId();
    const int moved = step(distance);
    notifyIfMoved(previousId);
    return moved;
}

bool TTextDataSet::bof() const
{
    return m_bof;
}

bool TTextDataSet::eof() const
{
    return m_eof;
}

int TTextDataSet::recordCount() const
{
    return int(m_lines.size());
}

int TTextDataSet::recNo() const
{
    if (m_lines.empty())
        return 0;
    return std::clamp(m_cursor + 1, 1, recordCount());
}

void TTextDataSet::setRecNo(int recNo)
{
    requireActive();
    if (recNo < 1 || recNo > recordCount())
        return;
    finishPendingChange();
    setCursor(recNo - 1);
}

int TTextDataSet::currentIndex() const
{
    return m_cursor >= 0 && m_cursor < recordCount() ? m_cursor : -1;
}

qint32 TTextDataSet::bookmark() const
{
    return m_state == State::Insert ? 0 : currentId();
}

void TTextDataSet::gotoBookmark(qint32 bookmark)
{
    requireActive();
    finishPendingChange();
    const auto found = std::find_if(m_lines.cbegin(), m_lines.cend(),
        [bookmark](const Line &line) { return line.id == bookmark; });
    if (found == m_lines.cend())
        throw DataSetError("Bookmark not found");
    setCursor(int(found - m_lines.cbegin()));
}

QByteArray TTextDataSet::line() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_pendingValue;
    return fieldValueAt(currentIndex());
}

bool TTextDataSet::lineIsNull() const
{
    return line().isNull();
}

void TTextDataSet::setLine(const QByteArray &value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw DataSetError("Dataset not in edit or insert mode");
    QByteArrayView kept(value);
    kept = kept.first(std::min<qsizetype>(kept.size(), FieldSize));
    // A NUL would end the text and a line break would split the line when the
    // file is read again: the value ends before the first of them.
    for (const char end : { '\0', '\r', '\n' }) {
        if (const qsizetype at = kept.indexOf(end); at >= 0)
            kept = kept.first(at);
    }
    m_pendingValue = kept.isEmpty() ? QByteArray() : kept.toByteArray();
    m_pendingWritten = true;
    Q_EMIT fieldChanged();
}

void TTextDataSet::edit()
{
    requireActive();
    if (m_state != State::Browse)
        return;
    if (m_lines.empty()) {
        insert();
        return;
    }
    m_pendingValue = fieldValueAt(requireCurrentIndex());
    m_pendingWritten = false;
    setState(State::Edit);
}

void TTextDataSet::insert()
{
    beginInsert(false);
}

void TTextDataSet::append()
{
    beginInsert(true);
}

void TTextDataSet::post()
{
    requireActive();
    if (m_state == State::Browse)
        return;

    const qint32 previousId = currentId();
    if (m_state == State::Edit) {
        m_lines[size_t(requireCurrentIndex())].text = m_pendingValue;
    } else {
        const int index = m_appending ? recordCount() : std::min(m_insertIndex, recordCount());
        m_lines.insert(m_lines.begin() + index, Line { m_pendingValue, ++m_lastId });
        m_cursor = index;
    }
    m_modified = true;
    m_pendingValue = QByteArray();
    resetEndFlags();
    setState(State::Browse);
    Q_EMIT dataSetChanged();
    notifyIfMoved(previousId);
}

void TTextDataSet::cancel()
{
    requireActive();
    if (m_state == State::Browse)
        return;
    m_pendingValue = QByteArray();
    setState(State::Browse);
}

void TTextDataSet::deleteRecord()
{
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_lines.empty())
        throw DataSetError("Cannot perform this operation on an empty dataset");

    const qint32 previousId = currentId();
    const int index = requireCurrentIndex();
    m_pendingValue = QByteArray();
    setState(State::Browse);
    m_lines.erase(m_lines.begin() + index);
    m_modified = true;
    // The following line takes the place; after the last one, the new last line.
    if (m_cursor >= recordCount())
        m_cursor = recordCount() - 1;
    resetEndFlags();
    Q_EMIT dataSetChanged();
    notifyIfMoved(previousId);
}

QByteArray TTextDataSet::fieldValueAt(int index) const
{
    return ownCopy(fieldViewAt(index));
}

QByteArrayView TTextDataSet::fieldViewAt(int index) const
{
    const QByteArrayView text = fullTextViewAt(index);
    return text.first(std::min<qsizetype>(text.size(), FieldSize));
}

QByteArray TTextDataSet::fullTextAt(int index) const
{
    return ownCopy(fullTextViewAt(index));
}

QByteArrayView TTextDataSet::fullTextViewAt(int index) const
{
    if (index < 0 || index >= recordCount())
        return {};
    return m_lines[size_t(index)].text;
}

void TTextDataSet::requireActive() const
{
    if (!active())
        throw DataSetError("Cannot perform this operation on a closed dataset");
}

int TTextDataSet::requireCurrentIndex() const
{
    const int index = currentIndex();
    if (index < 0)
        throw DataSetError("No Records");
    return index;
}

int TTextDataSet::step(int distance)
{
    if (distance == 0 || (distance > 0 && m_eof) || (distance < 0 && m_bof))
        return 0;
    // Same as fetching one line at a time: forwards up to the last line,
    // backwards down to the first one, raising eof or bof when it runs out.
    const qint64 count = recordCount();
    int moved = 0;
    m_bof = m_eof = false;
    if (distance > 0) {
        const qint64 room = std::max<qint64>(count - 1 - m_cursor, 0);
        moved = int(std::min<qint64>(distance, room));
        m_eof = moved < distance;
    } else {
        const qint64 room = count == 0 ? 0 : std::max(m_cursor, 0);
        moved = -int(std::min<qint64>(-qint64(distance), room));
        m_bof = moved > distance;
    }
    m_cursor += moved;
    return moved;
}

void TTextDataSet::beginInsert(bool appending)
{
    requireActive();
    finishPendingChange();
    m_pendingValue = QByteArray();
    m_pendingWritten = false;
    m_appending = appending;
    m_insertIndex = std::max(currentIndex(), 0);
    setState(State::Insert);
}

void TTextDataSet::finishPendingChange()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    if (m_pendingWritten)
        post();
    else
        cancel();
}

void TTextDataSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void TTextDataSet::setCursor(int cursor)
{
    const qint32 previousId = currentId();
    m_cursor = cursor;
    resetEndFlags();
    notifyIfMoved(previousId);
}

void TTextDataSet::notifyIfMoved(qint32 previousId)
{
    if (currentId() != previousId)
        Q_EMIT recordChanged();
}

void TTextDataSet::resetEndFlags()
{
    m_bof = m_eof = m_lines.empty();
}

qint32 TTextDataSet::currentId() const
{
    const int index = currentIndex();
    return index < 0 ? 0 : m_lines[size_t(index)].id;
}

void TTextDataSet::readFile()
{
    const auto cannotOpen
        = [this] { return DataSetError("Cannot open file " + m_fileName.toStdString()); };
    // Only a regular file: a pipe or a device could block or never end.
    if (!QFileInfo(m_fileName).isFile())
        throw cannotOpen();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen();
    try {
        std::optional<QByteArray> bytes = readWhole(file);
        if (!bytes)
            throw cannotOpen();
        m_lines = splitLines(*bytes);
        m_lastId = qint32(m_lines.size());
        m_fileBytes = std::move(*bytes);
    } catch (const std::bad_alloc &) {
        throw cannotOpen();
    }
}

// The lines' texts stay in the bytes read; only edited and new lines get their
// own, which keeps a big file cheap to read and to write back.
std::vector<TTextDataSet::Line> TTextDataSet::splitLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    // Room for lines of 32 bytes on average: untouched capacity costs little,
    // and spare room makes inserting at the top a shift in place.
    lines.reserve(size_t(bytes.size() / 32));
    // A million lines touch 32 MB of it: huge pages spare thousands of page faults.
    adviseHugePages(
        reinterpret_cast<char *>(lines.data()), qsizetype(lines.capacity() * sizeof(Line)));
    qint32 id = 0;
    for (LineSplitter splitter(textBeforeNul(bytes)); !splitter.atEnd();) {
        if (id == std::numeric_limits<qint32>::max())
            throw std::bad_alloc(); // more lines than identities: too big a file
        const QByteArrayView text = splitter.next();
        lines.push_back(Line { QByteArray::fromRawData(text.data(), text.size()), ++id });
    }
    return lines;
}

void TTextDataSet::writeFile() const
{
    const SaveResult result = saveFile(
        m_fileName,
        [this](QIODevice &device) {
            CrLfWriter writer(device, m_fileBytes);
            for (const Line &line : m_lines) {
                if (!writer.write(line.text))
                    return false;
            }
            return writer.finish();
        },
        m_backups, m_newFile);
    if (!result.saved())
        throw DataSetError(QStringLiteral("Cannot create file %1: %2")
                               .arg(m_fileName, result.error)
                               .toStdString());
}

void TTextDataSet::discardLines()
{
    m_lines = std::vector<Line>();
    m_fileBytes = QByteArray();
    m_lastId = 0;
    m_cursor = -1;
    m_modified = false;
    m_bof = m_eof = true;
    m_pendingValue = QByteArray();
}
