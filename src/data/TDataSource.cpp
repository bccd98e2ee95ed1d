#include "data/TDataSource.h"

#include "data/Cp1250.h"
#include "data/TTextDataSet.h"

TDataSource::TDataSource(TTextDataSet *dataSet, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dataSet(dataSet)
{
    if (!dataSet)
        return;
    m_editing = dataSet->state() == TTextDataSet::State::Edit;
    connect(dataSet, &TTextDataSet::activeChanged, this, &TDataSource::reset);
    connect(dataSet, &TTextDataSet::dataSetChanged, this, &TDataSource::reset);
    connect(dataSet, &TTextDataSet::fieldChanged, this, [this] {
        if (m_editing)
            refreshCurrentRow();
    });
    connect(dataSet, &TTextDataSet::stateChanged, this, &TDataSource::followState);
    connect(dataSet, &TTextDataSet::recordChanged, this,
        [this] { Q_EMIT currentRowChanged(m_dataSet->currentIndex()); });
    connect(dataSet, &QObject::destroyed, this, &TDataSource::reset);
}

TTextDataSet *TDataSource::dataSet() const
{
    return m_dataSet;
}

int TDataSource::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->recordCount();
}

int TDataSource::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant TDataSource::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const bool editedRow = m_editing && index.row() == m_dataSet->currentIndex();
    return cp1250::decode(editedRow ? m_dataSet->line() : m_dataSet->fieldValueAt(index.row()));
}

void TDataSource::reset()
{
    beginResetModel();
    endResetModel();
}

// Only entering and leaving Edit changes what the current row shows; the
// lines themselves change later, with a reset.
void TDataSource::followState(TTextDataSet::State state)
{
    const bool editing = state == TTextDataSet::State::Edit;
    if (editing == m_editing)
        return;
    m_editing = editing;
    refreshCurrentRow();
}

void TDataSource::refreshCurrentRow()
{
    const int row = m_dataSet ? m_dataSet->currentIndex() : -1;
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, 0), { Qt::DisplayRole });
}
