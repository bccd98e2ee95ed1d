// Drives TTextDataSet with whatever bytes a damaged or foreign Daty.txt can hold, and with
// a sequence of operations, checking the set against a plain model after every step.
//
// Build with clang only; it is not part of the normal build nor of ./test.sh:
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
//         -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAVELA_FUZZ=ON \
//         -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF
//   ninja -C build-fuzz fuzz_dataset
// Run (one process, the machine is shared):
//   mkdir -p build-fuzz/corpus build-fuzz/artifacts
//   build-fuzz/fuzz/fuzz_dataset -max_len=4096 -max_total_time=900 -timeout=10 \
//       -artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus fuzz/seeds
// A broken check prints "invariant broken at step N: ..." and aborts; the input that did it
// lands in build-fuzz/artifacts/, to be replayed by passing it as the only argument.
//
// Input: byte 0 gives the number of steps (modulo 65), then two bytes per step (operation,
// argument); all that follows is the contents of the file the set opens.

#include "data/Cp1250.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using State = TTextDataSet::State;

namespace {

constexpr int fieldSize = TTextDataSet::FieldSize;

[[noreturn]] void fail(const char *what, int step)
{
    std::fprintf(stderr, "invariant broken at step %d: %s\n", step, what);
    std::abort();
}

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fail(#condition, step);                                                                \
    } while (false)

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// The lines of a file read the simple way: the text up to the first NUL, every CR LF, CR
// or LF one break, no empty line after a final break.
std::vector<QByteArray> referenceLines(QByteArray bytes)
{
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    if (bytes.isEmpty())
        return {};
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    std::vector<QByteArray> lines;
    for (const QByteArray &line : bytes.split('\n'))
        lines.push_back(line);
    return lines;
}

QByteArray joinedWithCrLf(const std::vector<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// What the field shows of a text: its first fieldSize bytes, null when there are none.
QByteArray fieldOf(const QByteArray &text)
{
    return text.isEmpty() ? QByteArray() : text.first(std::min<qsizetype>(text.size(), fieldSize));
}

// What setLine keeps of a value.
QByteArray keptOf(const QByteArray &value)
{
    QByteArray kept = value.first(std::min<qsizetype>(value.size(), fieldSize));
    for (const char end : { '\0', '\r', '\n' }) {
        if (const qsizetype at = kept.indexOf(end); at >= 0)
            kept.truncate(at);
    }
    return kept.isEmpty() ? QByteArray() : kept;
}

using Error = std::optional<std::string>;

const std::string closedSet = "Cannot perform this operation on a closed dataset";

// The record set as its header describes it, written out without any of its shortcuts.
struct Model {
    State state = State::Inactive;
    std::vector<QByteArray> lines;
    std::vector<qint32> ids;
    int cursor = -1; // -1 or a line
    bool bof = true;
    bool eof = true;
    bool modified = false;
    qint32 lastId = 0;
    QByteArray pending;
    bool written = false;
    bool appending = false;
    int insertIndex = 0;
    QByteArray disk; // what the file should hold
    int linesVersion = 0; // bumped whenever the lines may have changed

    bool active() const { return state != State::Inactive; }
    int count() const { return int(lines.size()); }
    qint32 currentId() const { return cursor < 0 ? 0 : ids[size_t(cursor)]; }
    void resetEndFlags() { bof = eof = lines.empty(); }

    void finishPending()
    {
        if (state != State::Edit && state != State::Insert)
            return;
        if (written)
            post();
        else
            cancel();
    }

    Error open()
    {
        if (active())
            return {};
        lines = referenceLines(disk);
        ids.clear();
        for (int i = 1; i <= count(); ++i)
            ids.push_back(i);
        lastId = count();
        modified = false;
        state = State::Browse;
        ++linesVersion;
        return first();
    }

    Error close()
    {
        if (!active())
            return {};
        finishPending();
        if (modified)
            disk = joinedWithCrLf(lines);
        lines.clear();
        ids.clear();
        lastId = 0;
        cursor = -1;
        modified = false;
        bof = eof = true;
        pending = QByteArray();
        state = State::Inactive;
        ++linesVersion;
        return {};
    }

    Error writeChanges()
    {
        if (active() && modified)
            disk = joinedWithCrLf(lines);
        return {};
    }

    Error first()
    {
        if (!active())
            return closedSet;
        finishPending();
        cursor = lines.empty() ? -1 : 0;
        bof = true;
        eof = lines.empty();
        return {};
    }

    Error last()
    {
        if (!active())
            return closedSet;
        finishPending();
        cursor = count() - 1;
        bof = lines.empty();
        eof = true;
        return {};
    }

    Error moveBy(int distance, int &moved)
    {
        moved = 0;
        if (!active())
            return closedSet;
        finishPending();
        if (distance == 0 || (distance > 0 && eof) || (distance < 0 && bof))
            return {};
        bof = eof = false;
        if (distance > 0) {
            const qint64 room = std::max<qint64>(count() - 1 - cursor, 0);
            moved = int(std::min<qint64>(distance, room));
            eof = moved < distance;
        } else {
            const qint64 room = std::max(cursor, 0);
            moved = -int(std::min<qint64>(-qint64(distance), room));
            bof = moved > distance;
        }
        if (!lines.empty())
            cursor += moved;
        return {};
    }

    Error setRecNo(int recNo)
    {
        if (!active())
            return closedSet;
        if (recNo < 1 || recNo > count())
            return {};
        finishPending();
        cursor = recNo - 1;
        resetEndFlags();
        return {};
    }

    Error gotoBookmark(qint32 bookmark)
    {
        if (!active())
            return closedSet;
        finishPending();
        const auto found = std::find(ids.cbegin(), ids.cend(), bookmark);
        if (found == ids.cend())
            return "Bookmark not found";
        cursor = int(found - ids.cbegin());
        resetEndFlags();
        return {};
    }

    Error setLine(const QByteArray &value)
    {
        if (state != State::Edit && state != State::Insert)
            return "Dataset not in edit or insert mode";
        pending = keptOf(value);
        written = true;
        return {};
    }

    Error edit()
    {
        if (!active())
            return closedSet;
        if (state != State::Browse)
            return {};
        if (lines.empty())
            return beginInsert(false);
        pending = fieldOf(lines[size_t(cursor)]);
        written = false;
        state = State::Edit;
        return {};
    }

    Error beginInsert(bool appendingNow)
    {
        if (!active())
            return closedSet;
        finishPending();
        pending = QByteArray();
        written = false;
        appending = appendingNow;
        insertIndex = std::max(cursor, 0);
        state = State::Insert;
        return {};
    }

    Error post()
    {
        if (!active())
            return closedSet;
        if (state == State::Browse)
            return {};
        if (state == State::Edit) {
            lines[size_t(cursor)] = pending;
        } else {
            const int index = appending ? count() : std::min(insertIndex, count());
            lines.insert(lines.begin() + index, pending);
            ids.insert(ids.begin() + index, ++lastId);
            cursor = index;
        }
        modified = true;
        pending = QByteArray();
        resetEndFlags();
        state = State::Browse;
        ++linesVersion;
        return {};
    }

    Error cancel()
    {
        if (!active())
            return closedSet;
        pending = QByteArray();
        state = State::Browse;
        return {};
    }

    Error deleteRecord()
    {
        if (!active())
            return closedSet;
        if (state == State::Insert)
            return cancel();
        if (lines.empty())
            return "Cannot perform this operation on an empty dataset";
        pending = QByteArray();
        state = State::Browse;
        lines.erase(lines.begin() + cursor);
        ids.erase(ids.begin() + cursor);
        modified = true;
        if (cursor >= count())
            cursor = count() - 1;
        resetEndFlags();
        ++linesVersion;
        return {};
    }
};

template <typename Action> Error caught(Action action)
{
    try {
        action();
    } catch (const DataSetError &error) {
        return std::string(error.what());
    }
    return {};
}

// A value to write into the field, taken from the file's own bytes so that it holds what
// the file holds: breaks, NULs, bytes of the upper half, runs longer than the field.
QByteArray valueFor(quint8 argument, const QByteArray &content)
{
    static constexpr char fallbackBytes[] = "07-03-15 15/36,6\0tail\r\nx\xb9\x9c\xff";
    static const QByteArray fallback(fallbackBytes, sizeof fallbackBytes - 1);
    const QByteArray &source = content.isEmpty() ? fallback : content;
    const int offset = argument >> 2;
    qsizetype length = 0;
    switch (argument & 3) {
    case 0:
        return QByteArray();
    case 1:
        length = offset;
        break;
    case 2:
        length = fieldSize - 32 + offset;
        break;
    default:
        length = 600;
        break;
    }
    QByteArray value;
    qsizetype from = (qsizetype(offset) * 7) % source.size();
    while (value.size() < length) {
        const qsizetype take = std::min(length - value.size(), source.size() - from);
        value += source.sliced(from, take);
        from = 0;
    }
    return value;
}

void checkCodePage(const QByteArray &content)
{
    const int step = -1;
    const QString text = cp1250::decode(content);
    CHECK(text.size() == content.size());
    CHECK(cp1250::encode(text) == content);

    // The same bytes read as UTF-16: any characters at all, lone surrogates included.
    QString any;
    for (qsizetype i = 0; i + 1 < content.size(); i += 2)
        any.append(QChar(char16_t(quint8(content[i]) | (quint8(content[i + 1]) << 8))));
    const QByteArray encoded = cp1250::encode(any);
    CHECK(encoded.size() <= any.size());
    CHECK(encoded.size() == any.toUcs4().size());
    CHECK(cp1250::encode(cp1250::decode(encoded)) == encoded);
    for (qsizetype i = 0, out = 0; i < any.size(); ++i, ++out) {
        const char16_t unit = any[i].unicode();
        if (unit < 0x80)
            CHECK(encoded[out] == char(unit));
        if (any[i].isHighSurrogate() && i + 1 < any.size() && any[i + 1].isLowSurrogate())
            ++i;
    }
}

void checkSet(int step, const TTextDataSet &set, const TDataSource &source, const Model &model,
    bool compareAllLines)
{
    CHECK(set.active() == model.active());
    CHECK(set.state() == model.state);
    CHECK(set.modified() == model.modified);
    const int count = set.recordCount();
    CHECK(count == model.count());
    CHECK(set.recNo() >= 0 && set.recNo() <= count);
    CHECK(set.recNo() == (count == 0 ? 0 : model.cursor + 1));
    const int index = set.currentIndex();
    CHECK(index == -1 || (index >= 0 && index < count));
    CHECK(index == model.cursor);
    CHECK(set.bof() == model.bof);
    CHECK(set.eof() == model.eof);
    CHECK(set.bookmark() == (model.state == State::Insert ? 0 : model.currentId()));

    const QByteArray line = set.line();
    CHECK(line.size() <= fieldSize);
    CHECK(!line.contains('\0'));
    const bool pending = model.state == State::Edit || model.state == State::Insert;
    const QByteArray expectedLine = pending
        ? model.pending
        : (index < 0 ? QByteArray() : fieldOf(model.lines[size_t(index)]));
    CHECK(line == expectedLine);
    CHECK(line.isNull() == expectedLine.isNull());
    CHECK(set.lineIsNull() == line.isNull());

    CHECK(set.fieldValueAt(-1).isNull() && set.fieldValueAt(count).isNull());
    CHECK(set.fullTextAt(-1).isNull() && set.fullTextAt(count).isNull());
    if (compareAllLines) {
        for (int i = 0; i < count; ++i) {
            const QByteArray &text = model.lines[size_t(i)];
            CHECK(set.fullTextAt(i) == text);
            const QByteArray field = set.fieldValueAt(i);
            CHECK(field == fieldOf(text) && field.isNull() == text.isEmpty());
        }
    }

    CHECK(source.rowCount() == count);
    CHECK(source.columnCount() == 1);
    CHECK(!source.data(source.index(count, 0)).isValid());
    for (const int row : { 0, index, count - 1 }) {
        if (row < 0 || row >= count)
            continue;
        const bool edited = model.state == State::Edit && row == index;
        const QByteArray shown = edited ? model.pending : fieldOf(model.lines[size_t(row)]);
        CHECK(source.data(source.index(row, 0)).toString() == cp1250::decode(shown));
        CHECK(!source.data(source.index(row, 0), Qt::EditRole).isValid());
    }
}

struct Workspace {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Daty.txt"));
};

Workspace &workspace()
{
    static Workspace *const instance = [] {
        // Asking for the row past the end is on purpose; the model's complaint is noise here.
        QLoggingCategory::setFilterRules(
            QStringLiteral("qt.core.qabstractitemmodel.checkindex=false"));
        auto *created = new Workspace;
        if (!created->dir.isValid())
            std::abort();
        return created;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t steps = std::min<size_t>(data[0] % 65, (size - 1) / 2);
    const uint8_t *const program = data + 1;
    const QByteArray content(
        reinterpret_cast<const char *>(program + 2 * steps), qsizetype(size - 1 - 2 * steps));

    checkCodePage(content);

    const QString &path = workspace().path;
    if (!writeFile(path, content))
        std::abort();

    Model model;
    model.disk = content;
    {
        TTextDataSet set;
        set.setFileName(path);
        TDataSource source(&set);
        int step = 0;
        CHECK(caught([&] { set.open(); }) == model.open());
        checkSet(step, set, source, model, true);

        for (size_t i = 0; i < steps; ++i) {
            step = int(i) + 1;
            const quint8 operation = program[2 * i];
            const quint8 argument = program[2 * i + 1];
            const int versionBefore = model.linesVersion;
            bool touchedDisk = false;
            Error expected;
            Error actual;
            switch (operation % 19) {
            case 0:
                expected = model.first();
                actual = caught([&] { set.first(); });
                break;
            case 1:
                expected = model.last();
                actual = caught([&] { set.last(); });
                break;
            case 2: {
                int moved = 0;
                expected = model.moveBy(1, moved);
                actual = caught([&] { set.next(); });
                break;
            }
            case 3: {
                int moved = 0;
                expected = model.moveBy(-1, moved);
                actual = caught([&] { set.prior(); });
                break;
            }
            case 4: {
                int distance = int(argument) - 128;
                if (argument == 0)
                    distance = std::numeric_limits<int>::min();
                else if (argument == 255)
                    distance = std::numeric_limits<int>::max();
                int expectedMoved = 0;
                int moved = 0;
                expected = model.moveBy(distance, expectedMoved);
                actual = caught([&] { moved = set.moveBy(distance); });
                CHECK(moved == expectedMoved);
                break;
            }
            case 5: {
                int recNo = int(argument % (model.count() + 3)) - 1;
                if (argument == 255)
                    recNo = std::numeric_limits<int>::max();
                else if (argument == 254)
                    recNo = std::numeric_limits<int>::min();
                expected = model.setRecNo(recNo);
                actual = caught([&] { set.setRecNo(recNo); });
                break;
            }
            case 6: {
                const qint32 bookmark = qint32(argument % (model.lastId + 3)) - 1;
                expected = model.gotoBookmark(bookmark);
                actual = caught([&] { set.gotoBookmark(bookmark); });
                break;
            }
            case 7:
                expected = model.edit();
                actual = caught([&] { set.edit(); });
                break;
            case 8:
                expected = model.beginInsert(false);
                actual = caught([&] { set.insert(); });
                break;
            case 9:
                expected = model.beginInsert(true);
                actual = caught([&] { set.append(); });
                break;
            case 10:
            case 11: {
                const QByteArray value = valueFor(argument, content);
                expected = model.setLine(value);
                actual = caught([&] { set.setLine(value); });
                break;
            }
            case 12:
                expected = model.post();
                actual = caught([&] { set.post(); });
                break;
            case 13:
                expected = model.cancel();
                actual = caught([&] { set.cancel(); });
                break;
            case 14:
                expected = model.deleteRecord();
                actual = caught([&] { set.deleteRecord(); });
                break;
            case 15:
                expected = model.close();
                actual = caught([&] { set.close(); });
                touchedDisk = true;
                break;
            case 16:
                expected = model.writeChanges();
                actual = caught([&] { set.writeChanges(); });
                touchedDisk = true;
                break;
            case 17:
                expected = model.open();
                actual = caught([&] { set.open(); });
                break;
            default: {
                const bool active = argument & 1;
                expected = active ? model.open() : model.close();
                actual = caught([&] { set.setActive(active); });
                touchedDisk = !active;
                break;
            }
            }
            CHECK(actual == expected);
            checkSet(step, set, source, model, model.linesVersion != versionBefore);
            if (touchedDisk)
                CHECK(readFile(path) == model.disk);
        }
        step = int(steps) + 1;
        model.close();
    } // the destructor closes, writing what was changed
    const int step = int(steps) + 2;
    CHECK(readFile(path) == model.disk);
    return 0;
}
