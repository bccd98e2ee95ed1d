#include "ui/DataViews.h"

#include "data/Cp1250.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "ui/Controls.h"
#include "ui/Windows.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int indicatorWidth = 12;
constexpr int gridRowHeight = 17;
constexpr int lineCharacters = TTextDataSet::FieldSize;
constexpr int scrollCharacters = 8; // one reading, " DD/T,TT"
constexpr int textMargin = 2;

// The grid's left column: blank boxes with an arrow at the current line.
class IndicatorHeader final : public QHeaderView {
public:
    IndicatorHeader(TDataSource *source, QWidget *parent)
        : QHeaderView(Qt::Vertical, parent)
        , m_source(source)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        // The minimum first: the default is held to it, and the style's own
        // minimum is taller than a grid row.
        setMinimumSectionSize(gridRowHeight);
        setDefaultSectionSize(gridRowHeight);
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
    // Hidden before the model comes, so that the title row is never measured:
    // measuring it would load a bold font that nothing shows.
    horizontalHeader()->hide();
    setModel(source);
    horizontalHeader()->setMinimumSectionSize(gridRowHeight);
    // The column's width is the header's default, so that a model reset
    // (after every post and delete) keeps the width the user gave it.
    horizontalHeader()->setDefaultSectionSize(characterWidth() * lineCharacters);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // A narrowed column cuts the line off at its edge, as the grid always
    // did; an ellipsis would hide the last characters that still fit.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setColour(this, QPalette::Base, Colours::peach);
    viewport()->setMouseTracking(true); // the resize cursor over the column's edge

    connect(source, &TDataSource::currentRowChanged, this, &DBGrid::followCurrentLine);
    connect(source, &QAbstractItemModel::modelReset, this, &DBGrid::followCurrentLine);
    connect(
        selectionModel(), &QItemSelectionModel::currentChanged, this, &DBGrid::currentRowPicked);
    followCurrentLine();
}

void DBGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Only the rows scroll a line into view. The column is far wider than the
    // grid, so the sideways position stays where the user left it.
    QScrollBar *sideways = horizontalScrollBar();
    const int kept = sideways->value();
    QTableView::scrollTo(index, hint);
    sideways->setValue(kept);
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    // There is no other column to go to: left and right scroll the long
    // lines, one reading's width at a time.
    const int key = event->key();
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && event->modifiers() == Qt::NoModifier) {
        QScrollBar *sideways = horizontalScrollBar();
        const int step = characterWidth() * scrollCharacters;
        sideways->setValue(sideways->value() + (key == Qt::Key_Left ? -step : step));
        return;
    }
    QTableView::keyPressEvent(event);
}

void DBGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onColumnEdge(pos)) {
        m_resizing = true;
        m_resizeStartX = pos.x();
        m_resizeStartWidth = columnWidth(0);
        return;
    }
    QTableView::mousePressEvent(event);
}

void DBGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizing) {
        const int width = std::max(m_resizeStartWidth + pos.x() - m_resizeStartX,
            horizontalHeader()->minimumSectionSize());
        horizontalHeader()->setDefaultSectionSize(width);
        return;
    }
    if (onColumnEdge(pos))
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
    QTableView::mouseMoveEvent(event);
}

void DBGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_resizing && event->button() == Qt::LeftButton) {
        m_resizing = false;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

bool DBGrid::onColumnEdge(const QPoint &viewportPos) const
{
    constexpr int grip = 3;
    const int edge = columnViewportPosition(0) + columnWidth(0);
    return model()->columnCount() > 0 && std::abs(viewportPos.x() - edge) <= grip;
}

int DBGrid::characterWidth() const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
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
    // A narrow margin, so that a start date (8 characters) fits on one line
    // of the 73-pixel memo with room to spare.
    document()->setDocumentMargin(textMargin);
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
