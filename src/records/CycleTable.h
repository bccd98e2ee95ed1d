#pragma once

#include "data/CycleStatistics.h"

#include <QAbstractTableModel>

// The cycles of a CycleStatistics as a table, newest first: start date,
// length, readings and the temperature rise. Texts are made only for the rows
// a view asks for, so that a history of any length shows at once.
class CycleTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Start, Length, Readings, Rise, ColumnCount };

    explicit CycleTable(QObject *parent = nullptr);

    void setStatistics(const CycleStatistics &statistics, QDate today);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell, as a view shows it.
    QString text(int row, int column) const;

private:
    const Cycle &cycleAt(int row) const;
    QString lengthText(const Cycle &cycle) const;
    QString riseText(const Cycle &cycle) const;

    QList<Cycle> m_cycles; // oldest first
    QDate m_today;
};
