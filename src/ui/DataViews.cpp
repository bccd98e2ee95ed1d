#include "ui/DataViews.h"

#include "data/Cp1250.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "ui/Controls.h"
#include "ui/Windows.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int indicatorWidth = 12;
constexpr int gridRowHeight = 17;
constexpr int lineCharacters = TTextDataSet::FieldSize;

// The grid's left column: blank boxes with an arrow at the current line.
class IndicatorHeader final : public QHeaderView {
public:
    IndicatorHeader(TDataSource *source, QWidget *parent)
        : QHeaderView(Qt::Vertical, parent)
        , m_source(source)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setDefaultSectionSize(gridRowHeight);
        setMinimumSectionSize(gridRowHeight);
        setFixedWidth(indicatorWidth);
        setSectionsClickable(false);
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        painter->save();
        painter->fillRect(rect, palette().button());
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->drawLine(rect.topRight(), rect.bottomRight());
        const TTextDataSet *set = m_source->dataSet();
        if (set && logicalIndex == set->currentIndex()) {
            const QPoint centre = rect.center();
            const QPolygon arrow(
                { centre + QPoint(-2, -4), centre + QPoint(2, 0), centre + QPoint(-2, 4) });
            painter->setPen(Qt::NoPen);
            painter->setBrush(palette().color(QPalette::WindowText));
            painter->drawPolygon(arrow);
        }
        painter->restore();
    }

    QSize sizeHint() const override { return { indicatorWidth, gridRowHeight }; }

private:
    TDataSource *m_source;
};

} // namespace

DBGrid::DBGrid(const QString &objectName, TDataSource *source, QWidget *parent)
    : QTableView(parent)
    , m_source(source)
{
    setObjectName(objectName);
    setVerticalHeader(new IndicatorHeader(source, this));
    setModel(source);
    horizontalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(gridRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setColour(this, QPalette::Base, Colours::peach);
    setColumnWidth(0, fontMetrics().horizontalAdvance(QLatin1Char('0')) * lineCharacters);

    connect(source, &TDataSource::currentRowChanged, this, &DBGrid::followCurrentLine);
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        // A reset forgets the column's width and the current row.
        setColumnWidth(0, fontMetrics().horizontalAdvance(QLatin1Char('0')) * lineCharacters);
        followCurrentLine();
    });
    connect(
        selectionModel(), &QItemSelectionModel::currentChanged, this, &DBGrid::currentRowPicked);
    followCurrentLine();
}

void DBGrid::followCurrentLine()
{
    const TTextDataSet *set = m_source->dataSet();
    const int row = set ? set->currentIndex() : -1;
    m_following = true;
    if (row >= 0 && row < model()->rowCount())
        setCurrentIndex(model()->index(row, 0));
    else
        selectionModel()->clearCurrentIndex();
    m_following = false;
    verticalHeader()->viewport()->update();
}

void DBGrid::currentRowPicked(const QModelIndex &current)
{
    if (m_following || !current.isValid())
        return;
    TTextDataSet *set = m_source->dataSet();
    if (!set || !set->active())
        return;
    const int row = current.row();
    guarded(this, [set, row] {
        set->moveBy(0); // finishes a pending change first, which may shift the lines
        set->moveBy(row - set->currentIndex());
    });
    verticalHeader()->viewport()->update();
}

DBMemo::DBMemo(const QString &objectName, TDataSource *source, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_source(source)
{
    setObjectName(objectName);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setColour(this, QPalette::Base, Colours::peach);

    TTextDataSet *set = source->dataSet();
    connect(set, &TTextDataSet::recordChanged, this, &DBMemo::showCurrentLine);
    connect(set, &TTextDataSet::dataSetChanged, this, &DBMemo::showCurrentLine);
    connect(set, &TTextDataSet::fieldChanged, this, &DBMemo::showCurrentLine);
    connect(set, &TTextDataSet::activeChanged, this, &DBMemo::showCurrentLine);
    showCurrentLine();
}

void DBMemo::showCurrentLine()
{
    const TTextDataSet *set = m_source->dataSet();
    setPlainText(set && set->active() ? cp1250::decode(set->line()) : QString());
}
