#pragma once

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>

class TDataSource;

// A read-only grid of a record set's lines, one row per line in a single wide
// column, with a narrow indicator column marking the current line. Picking a
// row (mouse or arrow keys) makes that line current.
class DBGrid : public QTableView {
    Q_OBJECT

public:
    DBGrid(const QString &objectName, TDataSource *source, QWidget *parent);

private:
    void followCurrentLine();
    void currentRowPicked(const QModelIndex &current);

    TDataSource *m_source;
    bool m_following = false;
};

// A read-only memo showing the whole Line text of the current record, wrapped
// at its spaces.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    DBMemo(const QString &objectName, TDataSource *source, QWidget *parent);

private:
    void showCurrentLine();

    TDataSource *m_source;
};
