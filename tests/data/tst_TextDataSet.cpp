#include "data/TTextDataSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using State = TTextDataSet::State;

namespace {

const QString dataFile = QStringLiteral("Daty.txt");

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QList<QByteArray> texts(const TTextDataSet &dataSet)
{
    QList<QByteArray> result;
    for (int i = 0; i < dataSet.recordCount(); ++i)
        result.append(dataSet.fullTextAt(i));
    return result;
}

QList<qint32> bookmarks(TTextDataSet &dataSet)
{
    QList<qint32> result;
    for (dataSet.first(); !dataSet.eof(); dataSet.next())
        result.append(dataSet.bookmark());
    return result;
}

QByteArray joinedWithCrLf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Sets the change flag and leaves the lines as they were.
void markChanged(TTextDataSet &dataSet)
{
    dataSet.append();
    dataSet.setLine("scratch");
    dataSet.post();
    dataSet.deleteRecord();
}

// The lines as a plain reading of the rules: text up to the first NUL, every
// CR LF, CR or LF one break, no empty line after a final break.
QList<QByteArray> referenceLines(QByteArray bytes)
{
    bytes.truncate(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    if (bytes.isEmpty())
        return {};
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes.split('\n');
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

void expectError(const std::function<void()> &action, const char *message)
{
    try {
        action();
    } catch (const DataSetError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QString::fromUtf8(message));
        return;
    }
    QFAIL(qPrintable(QStringLiteral("no error, expected: ") + message));
}

// Records the set's signals in order, as short names.
class SignalLog : public QObject {
public:
    explicit SignalLog(TTextDataSet &dataSet)
    {
        connect(&dataSet, &TTextDataSet::activeChanged, this,
            [this](bool active) { events << (active ? "opened" : "closed"); });
        connect(&dataSet, &TTextDataSet::dataSetChanged, this, [this] { events << "lines"; });
        connect(&dataSet, &TTextDataSet::recordChanged, this, [this] { events << "record"; });
        connect(&dataSet, &TTextDataSet::fieldChanged, this, [this] { events << "field"; });
        connect(&dataSet, &TTextDataSet::stateChanged, this, [this](State state) {
            events << QString::fromLatin1(QMetaEnum::fromType<State>().valueToKey(int(state)));
        });
    }
    QStringList takeEvents() { return std::exchange(events, {}); }

private:
    QStringList events;
};

} // namespace

class TestTextDataSet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readsLines_data();
    void readsLines();
    void readsFileOfUnknownSize();
    void emptyFileHasNoCurrentLine();
    void openMakesFirstLineCurrent();
    void changedCloseEndsEveryLineWithCrLf_data();
    void changedCloseEndsEveryLineWithCrLf();
    void unchangedCloseDoesNotWrite();
    void fieldIsCutTo240Bytes_data();
    void fieldIsCutTo240Bytes();
    void fieldEndsBeforeNulOrLineBreak_data();
    void fieldEndsBeforeNulOrLineBreak();
    void longLineKeptWholeUnlessEdited();
    void bytesRoundTripUnchanged();
    void insertGoesBeforeCurrentLine_data();
    void insertGoesBeforeCurrentLine();
    void insertOrEditIntoEmptySetMakesOnlyLine_data();
    void insertOrEditIntoEmptySetMakesOnlyLine();
    void identitiesAreNeverReused();
    void deleteKeepsNeighbourCurrent_data();
    void deleteKeepsNeighbourCurrent();
    void deleteOnEmptySetThrows();
    void deleteWhileInsertingDeletesNothing();
    void deleteWhileEditingDropsTheEdit();
    void bookmarkOfDeletedLineIsNotFound();
    void setRecNoIgnoresOutOfRange_data();
    void setRecNoIgnoresOutOfRange();
    void navigationStopsAtEnds();
    void navigationWhileEditingPostsOnlyWrittenField_data();
    void navigationWhileEditingPostsOnlyWrittenField();
    void cancelDropsPendingChange();
    void writingFieldWhileBrowsingThrows();
    void signalsInOrder();
    void openFailures_data();
    void openFailures();
    void failedCloseKeepsSetOpenForRetry();
    void failedCloseInReadOnlyFolder();
    void changedCloseKeepsPermissions_data();
    void changedCloseKeepsPermissions();
    void reopenStartsFreshSet();
    void destructorWritesChanges();
    void writeChangesSavesPostedLinesAndStaysOpen();
    void reloadReadsTheFileAgainWritingNothing();
    void randomBytesOpenAndWriteBack_data();
    void randomBytesOpenAndWriteBack();

private:
    TTextDataSet &openWith(const QByteArray &bytes, const QString &path = dataFile);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    std::unique_ptr<TTextDataSet> m_dataSet;
};

void TestTextDataSet::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestTextDataSet::cleanup()
{
    m_dataSet.reset();
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

// A set opened on a new file with these bytes, living until the end of the case.
TTextDataSet &TestTextDataSet::openWith(const QByteArray &bytes, const QString &path)
{
    writeBytes(path, bytes);
    m_dataSet = std::make_unique<TTextDataSet>();
    m_dataSet->setFileName(path);
    m_dataSet->open();
    return *m_dataSet;
}

void TestTextDataSet::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");

    using L = QList<QByteArray>;
    QTest::newRow("empty file") << QByteArray() << L {};
    QTest::newRow("last line without break") << QByteArray("a\r\nb") << L { "a", "b" };
    QTest::newRow("final break adds no line") << QByteArray("a\r\nb\r\n") << L { "a", "b" };
    QTest::newRow("LF") << QByteArray("a\nb\n") << L { "a", "b" };
    QTest::newRow("CR") << QByteArray("a\rb\r") << L { "a", "b" };
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << L { "a", "b", "c", "d" };
    QTest::newRow("CR CR") << QByteArray("a\r\rb") << L { "a", "", "b" };
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << L { "a", "", "b" };
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << L { "a", "" };
    QTest::newRow("blank lines inside") << QByteArray("a\r\n\r\n\nb") << L { "a", "", "", "b" };
    QTest::newRow("breaks only") << QByteArray("\r\n\r\n") << L { "", "" };
    QTest::newRow("NUL ends the text") << QByteArray("ab\0cd\r\nef", 9) << L { "ab" };
    QTest::newRow("NUL after a break") << QByteArray("ab\r\0\ncd", 7) << L { "ab" };
    QTest::newRow("NUL first") << QByteArray("\0ab", 3) << L {};
}

void TestTextDataSet::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    TTextDataSet &dataSet = openWith(bytes);
    QCOMPARE(texts(dataSet), lines);
    QList<qint32> expectedIds;
    for (int i = 1; i <= lines.size(); ++i)
        expectedIds << i;
    QCOMPARE(bookmarks(dataSet), expectedIds);
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(dataSet.fieldValueAt(i).isNull(), lines.at(i).isEmpty());
}

void TestTextDataSet::readsFileOfUnknownSize()
{
    const QString path = QStringLiteral("/proc/version"); // claims to be empty
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() != 0)
        QSKIP("needs a file that reports size 0 and has text");
    TTextDataSet dataSet;
    dataSet.setFileName(path);
    dataSet.open();
    QCOMPARE(texts(dataSet), referenceLines(readBytes(path)));
    QVERIFY(dataSet.recordCount() > 0);
}

void TestTextDataSet::emptyFileHasNoCurrentLine()
{
    TTextDataSet &dataSet = openWith({});
    QVERIFY(dataSet.active());
    QCOMPARE(dataSet.recordCount(), 0);
    QCOMPARE(dataSet.recNo(), 0);
    QVERIFY(dataSet.bof() && dataSet.eof());
    QVERIFY(dataSet.lineIsNull());

    dataSet.last();
    QCOMPARE(dataSet.currentIndex(), -1);
    QCOMPARE(dataSet.recNo(), 0);
    QVERIFY(dataSet.eof());
    dataSet.first();
    QCOMPARE(dataSet.currentIndex(), -1);
    QVERIFY(dataSet.bof());
    QCOMPARE(dataSet.moveBy(1), 0);
    QCOMPARE(dataSet.moveBy(-1), 0);
    QCOMPARE(dataSet.bookmark(), 0);
    QVERIFY(dataSet.lineIsNull());
}

void TestTextDataSet::openMakesFirstLineCurrent()
{
    writeBytes(dataFile, "first\r\nsecond\r\n");
    TTextDataSet dataSet;
    dataSet.setFileName(dataFile);
    dataSet.setActive(true);
    QCOMPARE(dataSet.state(), State::Browse);
    QVERIFY(!dataSet.modified());
    QCOMPARE(dataSet.currentIndex(), 0);
    QCOMPARE(dataSet.recNo(), 1);
    QCOMPARE(dataSet.bookmark(), 1);
    QCOMPARE(dataSet.line(), QByteArray("first"));
    QVERIFY(dataSet.bof() && !dataSet.eof());
}

void TestTextDataSet::changedCloseEndsEveryLineWithCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("last line without break") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF and CR") << QByteArray("a\nb\rc") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("blank lines") << QByteArray("\n\na\n") << QByteArray("\r\n\r\na\r\n");
    QTest::newRow("after NUL dropped") << QByteArray("a\nb\0c\n", 6) << QByteArray("a\r\nb\r\n");
    QTest::newRow("every line deleted") << QByteArray("a") << QByteArray();
}

void TestTextDataSet::changedCloseEndsEveryLineWithCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    TTextDataSet &dataSet = openWith(bytes);
    if (written.isEmpty())
        dataSet.deleteRecord();
    else
        markChanged(dataSet);
    QVERIFY(dataSet.modified());
    dataSet.close();
    QVERIFY(!dataSet.active());
    QCOMPARE(readBytes(dataFile), written);
}

void TestTextDataSet::unchangedCloseDoesNotWrite()
{
    // LF breaks would become CR LF if the file were written.
    QVERIFY(QDir().mkdir("data"));
    const QString path = QStringLiteral("data/Daty.txt");
    const QByteArray bytes("07-03-15 15/36,6\nsentinel\n");
    writeBytes(path, bytes);
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));

    TTextDataSet dataSet;
    dataSet.setFileName(path);
    dataSet.open();
    dataSet.last();
    dataSet.edit();
    dataSet.first(); // nothing written: the edit is dropped
    dataSet.insert();
    dataSet.cancel();
    QVERIFY(!dataSet.modified());

    // Any attempt to write would now fail, even for root: "data" is a file.
    QVERIFY(QDir().rename("data", "moved"));
    writeBytes("data", "blocker");
    dataSet.close();
    QVERIFY(!dataSet.active());

    const QString movedPath = QStringLiteral("moved/Daty.txt");
    QCOMPARE(readBytes(movedPath), bytes);
    QCOMPARE(QFileInfo(movedPath).lastModified(), past);
}

void TestTextDataSet::fieldIsCutTo240Bytes_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("239") << 239;
    QTest::newRow("240") << 240;
    QTest::newRow("241") << 241;
    QTest::newRow("5000") << 5000;
}

void TestTextDataSet::fieldIsCutTo240Bytes()
{
    QFETCH(int, length);
    QByteArray value;
    for (int i = 0; i < length; ++i)
        value.append(char('a' + i % 26));
    const QByteArray kept = value.first(std::min(length, 240));
    TTextDataSet &dataSet = openWith("x\r\n");
    dataSet.edit();
    dataSet.setLine(value);
    QCOMPARE(dataSet.line(), kept);
    dataSet.post();
    QCOMPARE(dataSet.fullTextAt(0), kept);
    dataSet.close();
    QCOMPARE(readBytes(dataFile), kept + "\r\n");
}

void TestTextDataSet::fieldEndsBeforeNulOrLineBreak_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("NUL") << QByteArray("07-03-15\0 15/36,6", 17) << QByteArray("07-03-15");
    QTest::newRow("CR") << QByteArray("07-03-15\r15/36,6") << QByteArray("07-03-15");
    QTest::newRow("LF") << QByteArray("07-03-15 15/36,6\n") << QByteArray("07-03-15 15/36,6");
    QTest::newRow("LF before NUL") << QByteArray("ab\ncd\0", 6) << QByteArray("ab");
    QTest::newRow("break first") << QByteArray("\r\nab") << QByteArray();
}

void TestTextDataSet::fieldEndsBeforeNulOrLineBreak()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, kept);
    TTextDataSet &dataSet = openWith("x\r\ny\r\n");
    dataSet.edit();
    dataSet.setLine(value);
    QCOMPARE(dataSet.line(), kept.isEmpty() ? QByteArray() : kept);
    dataSet.post();
    dataSet.close();
    // What was posted is what the file gives back: still two lines.
    QCOMPARE(readBytes(dataFile), kept + "\r\ny\r\n");
    dataSet.open();
    QCOMPARE(dataSet.recordCount(), 2);
    QCOMPARE(dataSet.fullTextAt(0), kept);
}

void TestTextDataSet::longLineKeptWholeUnlessEdited()
{
    QByteArray longLine(1000, 'z');
    longLine[239] = '!';
    longLine[240] = '?';
    TTextDataSet &dataSet = openWith("short\r\n" + longLine + "\r\n");
    dataSet.next();
    QCOMPARE(dataSet.line().size(), 240);
    QVERIFY(dataSet.line().endsWith('!'));
    QCOMPARE(dataSet.fieldValueAt(1), dataSet.line());
    QCOMPARE(dataSet.fullTextAt(1), longLine);

    dataSet.first();
    dataSet.edit();
    dataSet.setLine("edited");
    dataSet.post();
    dataSet.close();
    QCOMPARE(readBytes(dataFile), "edited\r\n" + longLine + "\r\n");

    // Editing the long line itself keeps only what the field holds.
    dataSet.open();
    dataSet.last();
    dataSet.edit();
    dataSet.setLine(dataSet.line());
    dataSet.post();
    dataSet.close();
    QCOMPARE(readBytes(dataFile), "edited\r\n" + longLine.first(240) + "\r\n");
}

void TestTextDataSet::bytesRoundTripUnchanged()
{
    QByteArray everyByte;
    for (int value = 1; value < 256; ++value) {
        if (value != '\r' && value != '\n')
            everyByte.append(char(value));
    }
    const QList<QByteArray> lines { everyByte.first(200), everyByte.sliced(200),
        "\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf \x81\x83\x88\x90\x98", "\x7f\x1b[0m\t\f\v" };
    TTextDataSet &dataSet = openWith(joinedWithCrLf(lines));
    QCOMPARE(texts(dataSet), lines);
    QCOMPARE(dataSet.line(), lines.first());
    dataSet.last();
    dataSet.edit();
    dataSet.setLine(everyByte.first(240));
    dataSet.post();
    dataSet.close();

    QList<QByteArray> expected = lines;
    expected.last() = everyByte.first(240);
    QCOMPARE(readBytes(dataFile), joinedWithCrLf(expected));
}

void TestTextDataSet::insertGoesBeforeCurrentLine_data()
{
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("appending");
    QTest::addColumn<QList<QByteArray>>("lines");

    using L = QList<QByteArray>;
    QTest::newRow("at the top") << 1 << false << L { "new", "a", "b", "c" };
    QTest::newRow("in the middle") << 2 << false << L { "a", "new", "b", "c" };
    QTest::newRow("before the last") << 3 << false << L { "a", "b", "new", "c" };
    QTest::newRow("append from the top") << 1 << true << L { "a", "b", "c", "new" };
}

void TestTextDataSet::insertGoesBeforeCurrentLine()
{
    QFETCH(int, recNo);
    QFETCH(bool, appending);
    QFETCH(QList<QByteArray>, lines);
    TTextDataSet &dataSet = openWith("a\r\nb\r\nc\r\n");
    dataSet.setRecNo(recNo);
    appending ? dataSet.append() : dataSet.insert();
    QCOMPARE(dataSet.state(), State::Insert);
    QVERIFY(dataSet.lineIsNull());
    dataSet.setLine("new");
    QCOMPARE(dataSet.recordCount(), 3); // not placed before the post
    dataSet.post();

    QCOMPARE(dataSet.state(), State::Browse);
    QCOMPARE(texts(dataSet), lines);
    QCOMPARE(dataSet.currentIndex(), int(lines.indexOf("new")));
    QCOMPARE(dataSet.line(), QByteArray("new"));
    QCOMPARE(dataSet.bookmark(), 4);
    QVERIFY(dataSet.modified());
}

void TestTextDataSet::insertOrEditIntoEmptySetMakesOnlyLine_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("insert") << "insert";
    QTest::newRow("append") << "append";
    QTest::newRow("edit") << "edit";
}

void TestTextDataSet::insertOrEditIntoEmptySetMakesOnlyLine()
{
    QFETCH(QString, how);
    TTextDataSet &dataSet = openWith({});
    if (how == "insert")
        dataSet.insert();
    else if (how == "append")
        dataSet.append();
    else
        dataSet.edit();
    QCOMPARE(dataSet.state(), State::Insert);
    dataSet.setLine("only");
    dataSet.post();
    QCOMPARE(texts(dataSet), QList<QByteArray> { "only" });
    QCOMPARE(dataSet.recNo(), 1);
    QCOMPARE(dataSet.bookmark(), 1);
    dataSet.close();
    QCOMPARE(readBytes(dataFile), QByteArray("only\r\n"));
}

void TestTextDataSet::identitiesAreNeverReused()
{
    TTextDataSet &dataSet = openWith("same\r\nsame\r\nsame\r\n");
    QCOMPARE(bookmarks(dataSet), (QList<qint32> { 1, 2, 3 }));
    dataSet.gotoBookmark(2);
    QCOMPARE(dataSet.recNo(), 2);

    dataSet.last();
    dataSet.deleteRecord(); // identity 3 is gone for good
    dataSet.append();
    dataSet.setLine("same");
    dataSet.post();
    dataSet.first();
    dataSet.insert();
    dataSet.setLine("same");
    dataSet.post();
    QCOMPARE(bookmarks(dataSet), (QList<qint32> { 5, 1, 2, 4 }));
    expectError([&] { dataSet.gotoBookmark(3); }, "Bookmark not found");
}

void TestTextDataSet::deleteKeepsNeighbourCurrent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<int>("currentIndex");

    using L = QList<QByteArray>;
    QTest::newRow("first") << QByteArray("a\nb\nc") << 1 << L { "b", "c" } << 0;
    QTest::newRow("middle: the following") << QByteArray("a\nb\nc") << 2 << L { "a", "c" } << 1;
    QTest::newRow("last: the new last") << QByteArray("a\nb\nc") << 3 << L { "a", "b" } << 1;
    QTest::newRow("only line: none") << QByteArray("a") << 1 << L {} << -1;
}

void TestTextDataSet::deleteKeepsNeighbourCurrent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, recNo);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(int, currentIndex);
    TTextDataSet &dataSet = openWith(bytes);
    dataSet.setRecNo(recNo);
    dataSet.deleteRecord();
    QVERIFY(dataSet.modified());
    QCOMPARE(texts(dataSet), lines);
    QCOMPARE(dataSet.currentIndex(), currentIndex);
    QCOMPARE(dataSet.line(), dataSet.fieldValueAt(currentIndex));
    QCOMPARE(dataSet.recNo(), currentIndex + 1);
    if (lines.isEmpty())
        QVERIFY(dataSet.bof() && dataSet.eof() && dataSet.lineIsNull());
}

void TestTextDataSet::deleteOnEmptySetThrows()
{
    TTextDataSet &dataSet = openWith({});
    QSignalSpy linesChanged(&dataSet, &TTextDataSet::dataSetChanged);
    expectError(
        [&] { dataSet.deleteRecord(); }, "Cannot perform this operation on an empty dataset");
    QVERIFY(!dataSet.modified());
    QCOMPARE(dataSet.recordCount(), 0);
    QCOMPARE(linesChanged.count(), 0);
}

void TestTextDataSet::deleteWhileInsertingDeletesNothing()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\n");
    dataSet.insert();
    dataSet.setLine("new");
    dataSet.deleteRecord();
    QCOMPARE(dataSet.state(), State::Browse);
    QCOMPARE(texts(dataSet), (QList<QByteArray> { "a", "b" }));
    QVERIFY(!dataSet.modified());
    QCOMPARE(dataSet.line(), QByteArray("a"));
}

void TestTextDataSet::deleteWhileEditingDropsTheEdit()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\n");
    dataSet.edit();
    dataSet.setLine("changed");
    dataSet.deleteRecord();
    QCOMPARE(dataSet.state(), State::Browse);
    QCOMPARE(texts(dataSet), QList<QByteArray> { "b" });
    QCOMPARE(dataSet.line(), QByteArray("b"));
}

void TestTextDataSet::bookmarkOfDeletedLineIsNotFound()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\nc\r\n");
    dataSet.setRecNo(2);
    const qint32 deleted = dataSet.bookmark();
    dataSet.deleteRecord();
    dataSet.last();
    expectError([&] { dataSet.gotoBookmark(deleted); }, "Bookmark not found");
    QCOMPARE(dataSet.currentIndex(), 1);
    QCOMPARE(dataSet.line(), QByteArray("c"));
}

void TestTextDataSet::setRecNoIgnoresOutOfRange_data()
{
    QTest::addColumn<int>("recNo");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 2;
    QTest::newRow("-1") << -1 << 2;
    QTest::newRow("count + 1") << 4 << 2;
    QTest::newRow("count") << 3 << 3;
    QTest::newRow("1") << 1 << 1;
}

void TestTextDataSet::setRecNoIgnoresOutOfRange()
{
    QFETCH(int, recNo);
    QFETCH(int, expected);
    TTextDataSet &dataSet = openWith("a\nb\nc\n");
    dataSet.next();
    dataSet.setRecNo(recNo);
    QCOMPARE(dataSet.recNo(), expected);
    QCOMPARE(dataSet.currentIndex(), expected - 1);
}

void TestTextDataSet::navigationStopsAtEnds()
{
    TTextDataSet &dataSet = openWith("a\nb\nc\n");

    dataSet.prior();
    QVERIFY(dataSet.bof());
    QCOMPARE(dataSet.currentIndex(), 0);
    dataSet.next();
    QVERIFY(!dataSet.bof() && !dataSet.eof());
    dataSet.next();
    QCOMPARE(dataSet.currentIndex(), 2);
    QVERIFY(!dataSet.eof()); // only trying to pass the end sets it
    dataSet.next();
    QVERIFY(dataSet.eof());
    QCOMPARE(dataSet.currentIndex(), 2);

    QCOMPARE(dataSet.moveBy(-1), -1);
    QVERIFY(!dataSet.eof());
    QCOMPARE(dataSet.moveBy(-5), -1);
    QVERIFY(dataSet.bof());
    QCOMPARE(dataSet.moveBy(std::numeric_limits<int>::max()), 2);
    QVERIFY(dataSet.eof());
    QCOMPARE(dataSet.moveBy(std::numeric_limits<int>::min()), -2);
    QVERIFY(dataSet.bof());
    QCOMPARE(dataSet.moveBy(0), 0);

    dataSet.last();
    QVERIFY(dataSet.eof() && !dataSet.bof());
    QCOMPARE(dataSet.recNo(), 3);
    dataSet.first();
    QVERIFY(dataSet.bof() && !dataSet.eof());
    QCOMPARE(dataSet.recNo(), 1);
}

void TestTextDataSet::navigationWhileEditingPostsOnlyWrittenField_data()
{
    QTest::addColumn<QString>("navigation");
    QTest::addColumn<bool>("inserting");
    QTest::addColumn<bool>("written");

    for (const char *navigation : { "next", "prior", "first", "last", "moveBy", "setRecNo",
             "gotoBookmark", "insert", "append", "close" }) {
        for (bool inserting : { false, true }) {
            for (bool written : { false, true }) {
                QTest::addRow("%s %s %s", navigation, inserting ? "inserting" : "editing",
                    written ? "written" : "untouched")
                    << navigation << inserting << written;
            }
        }
    }
}

void TestTextDataSet::navigationWhileEditingPostsOnlyWrittenField()
{
    QFETCH(QString, navigation);
    QFETCH(bool, inserting);
    QFETCH(bool, written);
    TTextDataSet &dataSet = openWith("a\r\nb\r\nc\r\n");
    dataSet.next();
    inserting ? dataSet.insert() : dataSet.edit();
    if (written)
        dataSet.setLine("x");

    const QHash<QString, std::function<void()>> navigations {
        { "next", [&] { dataSet.next(); } },
        { "prior", [&] { dataSet.prior(); } },
        { "first", [&] { dataSet.first(); } },
        { "last", [&] { dataSet.last(); } },
        { "moveBy", [&] { dataSet.moveBy(-1); } },
        { "setRecNo", [&] { dataSet.setRecNo(3); } },
        { "gotoBookmark", [&] { dataSet.gotoBookmark(1); } },
        { "insert", [&] { dataSet.insert(); } },
        { "append", [&] { dataSet.append(); } },
        { "close", [&] { dataSet.close(); } },
    };
    navigations.value(navigation)();

    QList<QByteArray> expected { "a", "b", "c" };
    if (written && inserting)
        expected.insert(1, "x");
    else if (written)
        expected[1] = "x";
    if (navigation == "close") {
        QCOMPARE(readBytes(dataFile), joinedWithCrLf(expected));
        return;
    }
    QCOMPARE(texts(dataSet), expected);
    QCOMPARE(dataSet.modified(), written);
    const bool starting = navigation == "insert" || navigation == "append";
    QCOMPARE(dataSet.state(), starting ? State::Insert : State::Browse);
}

void TestTextDataSet::cancelDropsPendingChange()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\n");
    dataSet.edit();
    dataSet.setLine("x");
    QCOMPARE(dataSet.line(), QByteArray("x"));
    dataSet.cancel();
    QCOMPARE(dataSet.line(), QByteArray("a"));
    dataSet.append();
    dataSet.setLine("y");
    dataSet.cancel();
    QCOMPARE(texts(dataSet), (QList<QByteArray> { "a", "b" }));
    QCOMPARE(dataSet.state(), State::Browse);
    QVERIFY(!dataSet.modified());
}

void TestTextDataSet::writingFieldWhileBrowsingThrows()
{
    writeBytes(dataFile, "a\r\n");
    TTextDataSet dataSet;
    dataSet.setFileName(dataFile);
    expectError([&] { dataSet.setLine("x"); }, "Dataset not in edit or insert mode");
    dataSet.open();
    QSignalSpy fieldChanged(&dataSet, &TTextDataSet::fieldChanged);
    expectError([&] { dataSet.setLine("x"); }, "Dataset not in edit or insert mode");
    dataSet.edit();
    dataSet.post();
    expectError([&] { dataSet.setLine("x"); }, "Dataset not in edit or insert mode");
    QCOMPARE(fieldChanged.count(), 0);
    QCOMPARE(texts(dataSet), QList<QByteArray> { "a" });
}

void TestTextDataSet::signalsInOrder()
{
    writeBytes(dataFile, "a\r\nb\r\n");
    TTextDataSet dataSet;
    dataSet.setFileName(dataFile);
    SignalLog log(dataSet);

    dataSet.open();
    QCOMPARE(log.takeEvents(), (QStringList { "Browse", "opened", "record", "lines" }));
    dataSet.next();
    QCOMPARE(log.takeEvents(), QStringList { "record" });
    dataSet.next(); // at the end already
    dataSet.last();
    QCOMPARE(log.takeEvents(), QStringList {});
    dataSet.edit();
    dataSet.setLine("B");
    dataSet.post();
    QCOMPARE(log.takeEvents(), (QStringList { "Edit", "field", "Browse", "lines" }));
    dataSet.insert();
    dataSet.setLine("new");
    dataSet.post();
    QCOMPARE(log.takeEvents(), (QStringList { "Insert", "field", "Browse", "lines", "record" }));
    dataSet.deleteRecord();
    QCOMPARE(log.takeEvents(), (QStringList { "lines", "record" }));
    dataSet.close();
    QCOMPARE(log.takeEvents(), (QStringList { "Inactive", "closed" }));
}

void TestTextDataSet::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("unreadable") << "unreadable";
    QTest::newRow("pipe") << "pipe";
}

void TestTextDataSet::openFailures()
{
    QFETCH(QString, kind);
    if (kind == "directory") {
        QVERIFY(QDir().mkdir(dataFile));
    } else if (kind == "unreadable") {
        if (runningAsRoot())
            QSKIP("root reads a file without read permission");
        writeBytes(dataFile, "a\r\n");
        QVERIFY(QFile::setPermissions(dataFile, {}));
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(qPrintable(dataFile), 0600), 0); // opening it would wait forever
    }

    TTextDataSet dataSet;
    dataSet.setFileName(dataFile);
    QSignalSpy activeChanged(&dataSet, &TTextDataSet::activeChanged);
    expectError([&] { dataSet.open(); }, "Cannot open file Daty.txt");
    QVERIFY(!dataSet.active());
    QCOMPARE(dataSet.state(), State::Inactive);
    QCOMPARE(activeChanged.count(), 0);
    expectError([&] { dataSet.first(); }, "Cannot perform this operation on a closed dataset");
}

void TestTextDataSet::failedCloseKeepsSetOpenForRetry()
{
    QVERIFY(QDir().mkdir("data"));
    const QString path = QStringLiteral("data/Daty.txt");
    const QByteArray bytes("a\r\nb\r\n");
    TTextDataSet &dataSet = openWith(bytes, path);
    dataSet.append();
    dataSet.setLine("c");
    dataSet.post();

    // "data" becomes a plain file: nothing can be created inside it, even by root.
    QVERIFY(QDir().rename("data", "moved"));
    writeBytes("data", "blocker");
    expectError([&] { dataSet.close(); },
        ("Cannot create file data/Daty.txt: " + std::string(std::strerror(ENOTDIR))).c_str());
    QVERIFY(dataSet.active());
    QVERIFY(dataSet.modified());
    QCOMPARE(texts(dataSet), (QList<QByteArray> { "a", "b", "c" }));
    QCOMPARE(readBytes("moved/Daty.txt"), bytes);
    QCOMPARE(QDir("moved").entryList(QDir::Files | QDir::Hidden), QStringList { "Daty.txt" });

    QVERIFY(QFile::remove("data"));
    QVERIFY(QDir().rename("moved", "data"));
    dataSet.close();
    QVERIFY(!dataSet.active());
    QCOMPARE(readBytes(path), QByteArray("a\r\nb\r\nc\r\n"));
}

void TestTextDataSet::failedCloseInReadOnlyFolder()
{
    if (runningAsRoot())
        QSKIP("root writes into a read-only folder");
    QVERIFY(QDir().mkdir("data"));
    const QString path = QStringLiteral("data/Daty.txt");
    TTextDataSet &dataSet = openWith("a\r\n", path);
    markChanged(dataSet);
    const auto writable = QFileInfo("data").permissions();
    QVERIFY(QFile::setPermissions("data", QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectError([&] { dataSet.close(); },
        ("Cannot create file data/Daty.txt: " + std::string(std::strerror(EACCES))).c_str());
    QVERIFY(dataSet.active());
    QCOMPARE(readBytes(path), QByteArray("a\r\n"));
    QVERIFY(QFile::setPermissions("data", writable));
    dataSet.close();
    QVERIFY(!dataSet.active());
}

void TestTextDataSet::changedCloseKeepsPermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0600") << 0600;
    QTest::newRow("0640") << 0640;
    QTest::newRow("0664") << 0664;
    QTest::newRow("0604") << 0604;
}

void TestTextDataSet::changedCloseKeepsPermissions()
{
    QFETCH(int, mode);
    writeBytes(dataFile, "a\r\n");
    QCOMPARE(::chmod(qPrintable(dataFile), mode_t(mode)), 0);

    TTextDataSet dataSet;
    dataSet.setFileName(dataFile);
    dataSet.open();
    markChanged(dataSet);
    dataSet.close();

    struct stat status = {};
    QCOMPARE(::stat(qPrintable(dataFile), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), mode);
}

void TestTextDataSet::reopenStartsFreshSet()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\n");
    dataSet.last();
    dataSet.deleteRecord();
    dataSet.append();
    dataSet.setLine("c");
    dataSet.post(); // identity 3
    dataSet.close();
    QCOMPARE(dataSet.recordCount(), 0);
    QVERIFY(!dataSet.modified());

    dataSet.open();
    QVERIFY(!dataSet.modified());
    QCOMPARE(bookmarks(dataSet), (QList<qint32> { 1, 2 }));
    dataSet.append();
    dataSet.setLine("d");
    dataSet.post();
    QCOMPARE(dataSet.bookmark(), 3);
}

void TestTextDataSet::writeChangesSavesPostedLinesAndStaysOpen()
{
    TTextDataSet &dataSet = openWith("a\nb");
    dataSet.writeChanges(); // nothing changed: the file is left alone
    QCOMPARE(readBytes(dataFile), QByteArray("a\nb"));

    dataSet.first();
    dataSet.insert();
    dataSet.setLine("new");
    dataSet.post();
    dataSet.last();
    dataSet.edit();
    dataSet.setLine("pending"); // not posted: stays pending, not written
    dataSet.writeChanges();
    QCOMPARE(readBytes(dataFile), QByteArray("new\r\na\r\nb\r\n"));
    QVERIFY(dataSet.active());
    QCOMPARE(dataSet.state(), State::Edit);
    QVERIFY(dataSet.modified());

    dataSet.post();
    dataSet.close();
    QCOMPARE(readBytes(dataFile), QByteArray("new\r\na\r\npending\r\n"));
}

void TestTextDataSet::reloadReadsTheFileAgainWritingNothing()
{
    TTextDataSet &dataSet = openWith("a\r\nb\r\n");
    dataSet.last();
    dataSet.deleteRecord();
    dataSet.edit();
    dataSet.setLine("pending");
    writeBytes(dataFile, "x\ny\nz");
    SignalLog log(dataSet);
    dataSet.reload();
    QCOMPARE(texts(dataSet), QList<QByteArray>({ "x", "y", "z" }));
    QCOMPARE(dataSet.state(), State::Browse);
    QCOMPARE(dataSet.currentIndex(), 0);
    QVERIFY(!dataSet.modified());
    QCOMPARE(log.takeEvents(), QStringList({ "Browse", "lines", "record" }));
    QCOMPARE(bookmarks(dataSet), QList<qint32>({ 1, 2, 3 }));

    // A file that cannot be read leaves the set as it was.
    dataSet.first();
    dataSet.deleteRecord();
    QVERIFY(QFile::remove(dataFile));
    QVERIFY(QDir().mkdir(dataFile));
    expectError([&] { dataSet.reload(); }, "Cannot open file Daty.txt");
    QCOMPARE(texts(dataSet), QList<QByteArray>({ "y", "z" }));
    QVERIFY(dataSet.modified());
    QVERIFY(QDir().rmdir(dataFile));
    dataSet.close();
    QCOMPARE(readBytes(dataFile), QByteArray("y\r\nz\r\n"));
}

void TestTextDataSet::destructorWritesChanges()
{
    writeBytes(dataFile, "a\r\n");
    {
        TTextDataSet dataSet;
        dataSet.setFileName(dataFile);
        dataSet.open();
        dataSet.edit();
        dataSet.setLine("b");
        dataSet.post();
    }
    QCOMPARE(readBytes(dataFile), QByteArray("b\r\n"));

    QVERIFY(QDir().mkdir("data"));
    writeBytes("data/Daty.txt", "a\r\n");
    {
        TTextDataSet dataSet;
        dataSet.setFileName("data/Daty.txt");
        dataSet.open();
        markChanged(dataSet);
        QVERIFY(QDir().rename("data", "moved"));
        writeBytes("data", "blocker");
    } // the failed write must not escape the destructor
    QCOMPARE(readBytes("moved/Daty.txt"), QByteArray("a\r\n"));
}

void TestTextDataSet::randomBytesOpenAndWriteBack_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("alphabet"); // empty: any byte

    for (int size : { 1, 2, 3, 7, 64, 1000, 100000 }) {
        QTest::addRow("any byte, %d", size) << size << QByteArray();
        QTest::addRow("breaks and NUL, %d", size) << size << QByteArray("\r\n\r\nab\0", 7);
        QTest::addRow("breaks only, %d", size) << size << QByteArray("\r\n\r\r\n\nx");
    }
    QTest::newRow("one long line") << 3000000 << QByteArray("abcdefgh\xb9");
}

void TestTextDataSet::randomBytesOpenAndWriteBack()
{
    QFETCH(int, size);
    QFETCH(QByteArray, alphabet);
    QRandomGenerator random(size * 31 + int(alphabet.size()));
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes) {
        const quint32 pick = random.bounded(256);
        byte = alphabet.isEmpty() ? char(pick) : alphabet.at(pick % alphabet.size());
    }
    TTextDataSet &dataSet = openWith(bytes);
    const QList<QByteArray> lines = referenceLines(bytes);
    QCOMPARE(texts(dataSet), lines);
    dataSet.append();
    dataSet.setLine("end");
    dataSet.post();
    dataSet.close();
    QCOMPARE(readBytes(dataFile), joinedWithCrLf(lines) + "end\r\n");
}

QTEST_GUILESS_MAIN(TestTextDataSet)
#include "tst_TextDataSet.moc"
