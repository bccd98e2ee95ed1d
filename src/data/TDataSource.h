#pragma once

#include "data/TTextDataSet.h"

#include <QAbstractTableModel>
#include <QPointer>

// The views' link to a record set: one column, one row per line, showing the
// field Line decoded from the file's code page. While a line is being edited,
// its row shows the value being typed.
class TDataSource : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TDataSource(TTextDataSet *dataSet, QObject *parent = nullptr);

    TTextDataSet *dataSet() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void currentRowChanged(int row); // -1 when no line is current

private:
    void reset();
    void followState(TTextDataSet::State state);
    void refreshCurrentRow();

    QPointer<TTextDataSet> m_dataSet;
    bool m_editing = false;
};
