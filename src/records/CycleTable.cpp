#include "records/CycleTable.h"

#include "ui/DateTexts.h"

#include <QBrush>

CycleTable::CycleTable(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CycleTable::setStatistics(const CycleStatistics &statistics, QDate today)
{
    beginResetModel();
    m_cycles = statistics.cycles;
    m_today = today;
    endResetModel();
}

int CycleTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cycles.size());
}

int CycleTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const Cycle &CycleTable::cycleAt(int row) const
{
    return m_cycles[m_cycles.size() - 1 - row];
}

QString CycleTable::text(int row, int column) const
{
    const Cycle &cycle = cycleAt(row);
    switch (column) {
    case Start:
        return numericDateText(cycle.start);
    case Length:
        return lengthText(cycle);
    case Readings:
        return QString::number(cycle.readings);
    case Rise:
        return riseText(cycle);
    default:
        return {};
    }
}

QString CycleTable::lengthText(const Cycle &cycle) const
{
    if (cycle.leftOut())
        return tr("%1 (pominięty)").arg(cycle.length);
    if (cycle.completed())
        return QString::number(cycle.length);
    const qint64 day = cycle.start.daysTo(m_today) + 1;
    return day >= 1 ? tr("trwa, dzień %1").arg(day) : tr("jeszcze się nie zaczął");
}

QString CycleTable::riseText(const Cycle &cycle) const
{
    if (!cycle.rise)
        return QStringLiteral("—");
    const CycleRise &rise = *cycle.rise;
    if (!rise.firstHigherDay || !rise.confirmingDay)
        return tr("tak");
    return tr("%1 (potw. %2)").arg(*rise.firstHigherDay).arg(*rise.confirmingDay);
}

QVariant CycleTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Start ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                       : int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (cycleAt(index.row()).leftOut())
            return QBrush(Qt::darkGray);
        return {};
    default:
        return {};
    }
}

QVariant CycleTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case Start:
            return tr("Początek");
        case Length:
            return tr("Długość");
        case Readings:
            return tr("Pomiary");
        case Rise:
            return tr("Wzrost temp.");
        default:
            return {};
        }
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        switch (section) {
        case Length:
            return tr("Liczba dni do następnego pierwszego dnia okresu");
        case Readings:
            return tr("Liczba zapisanych pomiarów temperatury");
        case Rise:
            return tr("Dzień cyklu pierwszego wyższego pomiaru, a w nawiasie dzień cyklu, "
                      "w którym wzrost potwierdzono (reguła 3 nad 6)");
        default:
            return {};
        }
    }
    return {};
}
