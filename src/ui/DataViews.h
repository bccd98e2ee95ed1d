#pragma once

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>

class TDataSource;

// A read-only grid of a record set's lines, one row per line in a single
// column as wide as the field's 240 characters, with no title row and a narrow
// indicator column marking the current line. Picking a row (mouse or up and
// down keys) makes that line current; the left and right keys scroll sideways
// and dragging the column's right edge resizes it.
class DBGrid : public QTableView {
    Q_OBJECT

public:
    DBGrid(const QString &objectName, TDataSource *source, QWidget *parent);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void followCurrentLine();
    void currentRowPicked(const QModelIndex &current);
    bool onColumnEdge(const QPoint &viewportPos) const;
    int characterWidth() const;

    TDataSource *m_source;
    bool m_following = false;
    bool m_resizing = false;
    int m_resizeStartX = 0;
    int m_resizeStartWidth = 0;
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
