#pragma once

#include "data/SaveFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <stdexcept>
#include <vector>

// A failure of a record-set operation; what() is the text shown to the user,
// e.g. "Cannot open file Daty.txt".
class DataSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A record set whose records are the lines of one text file and whose single
// field is the string field Line (at most FieldSize characters). Opening reads
// the whole file; closing writes it back, and only when something was changed.
// Lines are kept as the exact bytes of the file (an 8-bit code page, no
// conversion); decoding for display is the views' business.
class TTextDataSet : public QObject {
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    static constexpr int FieldSize = 240;

    explicit TTextDataSet(QObject *parent = nullptr);
    ~TTextDataSet() override; // closes without throwing; a failed write is lost

    QString fileName() const;
    void setFileName(const QString &fileName);
    // Where the file's older versions are kept when it is written; none unless set.
    void setBackups(const BackupCopies &backups);
    // Who may read the file when writing it creates it; as the umask says unless set.
    void setNewFile(NewFile newFile);

    bool active() const;
    void setActive(bool active); // true opens, false closes
    void open(); // throws DataSetError "Cannot open file %s"
    // Posts a pending change whose field was written, drops any other, then writes the file
    // if anything changed. Throws DataSetError "Cannot create file %s: reason"; the set then
    // stays open with all its lines, so the close can be retried.
    void close();
    // Writes the file now when anything was changed, and stays open as it is:
    // a pending edit is left pending and the change flag stays set.
    void writeChanges() const;
    // Reads the file again, as a close and an open would, but writes nothing:
    // the lines held, a pending change and the change flag are dropped, for
    // the file's contents on disk. Write what is to be kept first. Throws
    // DataSetError "Cannot open file %s" and keeps everything as it was when
    // the file cannot be read.
    void reload();

    State state() const;
    bool modified() const; // the change flag: set by every post and delete

    // Navigation. Starting one while editing or inserting first posts the
    // pending change if the field was written, and drops it otherwise.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance); // returns how far it actually moved, negative when backwards
    bool bof() const;
    bool eof() const;

    int recordCount() const;
    int recNo() const;
    void setRecNo(int recNo); // values outside 1..recordCount() are ignored
    int currentIndex() const; // 0-based index of the current line, -1 when none

    qint32 bookmark() const; // identity of the current line
    void gotoBookmark(qint32 bookmark); // throws "Bookmark not found"

    // The field Line of the current record: the first FieldSize bytes of the
    // line, a null QByteArray when the text is empty or there is no record.
    QByteArray line() const;
    bool lineIsNull() const;
    // Keeps the first FieldSize bytes, and nothing from a NUL, CR or LF byte on, so that
    // the line reads back the same from the file. Throws "Dataset not in edit or insert mode".
    void setLine(const QByteArray &value);

    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void deleteRecord(); // throws "Cannot perform this operation on an empty dataset"

    // Read access for views (grid, report): the field value and the full text
    // of line `index`, 0-based, without moving the cursor.
    QByteArray fieldValueAt(int index) const;
    QByteArray fullTextAt(int index) const;
    // The field value without a copy, for readers that go through every line;
    // valid until the lines change.
    QByteArrayView fieldViewAt(int index) const;

Q_SIGNALS:
    void activeChanged(bool active);
    void dataSetChanged(); // lines or their order changed: open, post, delete
    void recordChanged(); // the current line moved
    void fieldChanged(); // the current record's field was written
    void stateChanged(TTextDataSet::State state);

private:
    struct Line {
        QByteArray text;
        qint32 id;
    };

    QByteArrayView fullTextViewAt(int index) const;
    void requireActive() const;
    int requireCurrentIndex() const;
    int step(int distance);
    void beginInsert(bool appending);
    void finishPendingChange();
    void setState(State state);
    void setCursor(int cursor); // to a line, telling when another one became current
    void notifyIfMoved(qint32 previousId);
    void resetEndFlags();
    qint32 currentId() const;
    void readFile();
    static std::vector<Line> splitLines(const QByteArray &bytes);
    void writeFile() const;
    void discardLines();

    QString m_fileName;
    BackupCopies m_backups;
    NewFile m_newFile = NewFile::FollowsUmask;
    QByteArray m_fileBytes; // as read at open; the texts of unchanged lines point into it
    std::vector<Line> m_lines;
    qint32 m_lastId = 0;
    int m_cursor = -1;
    State m_state = State::Inactive;
    bool m_modified = false;
    bool m_bof = true;
    bool m_eof = true;

    // The record being edited or inserted, until it is posted or dropped.
    QByteArray m_pendingValue;
    bool m_pendingWritten = false;
    bool m_appending = false;
    int m_insertIndex = 0;
};
