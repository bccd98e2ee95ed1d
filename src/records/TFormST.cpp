#include "records/TFormST.h"

#include "data/TTextDataSet.h"
#include "records/CycleBars.h"
#include "records/CycleTable.h"
#include "ui/AccessibleRoles.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/PrintDialog.h"
#include "ui/Windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace {

constexpr int clientWidth = 800;
constexpr int clientHeight = 470;
constexpr int tableWidth = 352;
constexpr int labelCount = 16;
constexpr int barsHeight = 110;

// A number of days with one decimal, "28,4", or whole, "28".
QString daysValue(double days, bool whole)
{
    return whole ? QString::number(std::lround(days)) : QLocale().toString(days, 'f', 1);
}

QGroupBox *groupBox(const QString &name, const QString &title, const QList<QLabel *> &labels)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(3);
    for (QLabel *label : labels)
        layout->addWidget(label);
    return box;
}

// Paints `text` across `width` from `y` on, wrapping it; returns the height used.
int paintText(QPainter &painter, int left, int y, int width, const QString &text)
{
    QRect used;
    painter.drawText(QRect(left, y, width, 100000), Qt::TextWordWrap, text, &used);
    return used.height();
}

} // namespace

TFormST::TFormST(TTextDataSet &entries)
    : m_entries(entries)
    , m_table(new CycleTable(this))
{
    makeFixedWindow(
        this, QStringLiteral("FormST"), tr("Statystyka cykli"), clientWidth, clientHeight);
    for (int number = 1; number <= labelCount; ++number) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(number));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Labels << label;
    }

    createTable();
    createFigures();
    createEstimate();
    createNextPeriod();
    createBars();
    label(16)->setText(tr("To pomoc w czytaniu własnych zapisów, a nie osobna metoda: "
                          "granice dni płodnych wyznaczają reguły metody, którą stosujesz."));

    Button1 = new QPushButton(tr("Drukuj"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(tr("Zamknij"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);

    auto *estimates = new QVBoxLayout;
    estimates->addWidget(GroupBox2);
    estimates->addWidget(GroupBox3);
    estimates->addStretch();
    auto *figures = new QHBoxLayout;
    figures->addWidget(GroupBox1, 1);
    figures->addLayout(estimates, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(label(14));
    right->addLayout(figures);
    right->addWidget(GroupBox4);
    right->addWidget(label(15));
    right->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(label(16), 1);
    bottom->addSpacing(12);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);

    auto *layout = new QGridLayout(this);
    layout->addWidget(StringGrid1, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addLayout(bottom, 1, 0, 1, 2);

    setTabOrder(StringGrid1, Button1);
    setTabOrder(Button1, Button2);
    StringGrid1->setFocus();

    connectHandler(Button1, &QPushButton::clicked, this, &TFormST::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TFormST::Button2Click);
    // Saved and deleted entries, and edits posted, show while the window is open.
    connect(&entries, &TTextDataSet::dataSetChanged, this, &TFormST::entriesChanged);
    connect(&entries, &TTextDataSet::activeChanged, this, &TFormST::entriesChanged);
}

void TFormST::createTable()
{
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Cykle"));
    StringGrid1->setModel(m_table);
    StringGrid1->setFixedWidth(tableWidth);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setTabKeyNavigation(false); // Tab goes on to the buttons
    StringGrid1->setWordWrap(false);
    StringGrid1->verticalHeader()->hide();
    // Every row as high as the font: no row is measured, however many there are.
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView *header = StringGrid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    const int widths[CycleTable::ColumnCount] = { 76, 100, 56, 96 };
    for (int column = 0; column < CycleTable::ColumnCount; ++column)
        header->resizeSection(column, widths[column]);
}

void TFormST::createFigures()
{
    GroupBox1 = groupBox(QStringLiteral("GroupBox1"), tr("Długość cyklu"),
        { label(1), label(2), label(3), label(4), label(5), label(6), label(7) });
}

void TFormST::createEstimate()
{
    GroupBox2 = groupBox(
        QStringLiteral("GroupBox2"), tr("Metoda kalendarzowa"), { label(8), label(9), label(10) });
}

void TFormST::createNextPeriod()
{
    GroupBox3 = groupBox(
        QStringLiteral("GroupBox3"), tr("Następna miesiączka"), { label(11), label(12) });
}

void TFormST::createBars()
{
    PaintBox1 = new CycleBars(QStringLiteral("PaintBox1"), this);
    setAccessibleRole(PaintBox1, QAccessible::Chart);
    PaintBox1->setFixedHeight(barsHeight);
    GroupBox4 = new QGroupBox(tr("Długości ostatnich cykli"));
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto *layout = new QVBoxLayout(GroupBox4);
    layout->addWidget(PaintBox1);
    layout->addWidget(label(13));
}

void TFormST::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormST::FormShow()
{
    showStatistics();
}

void TFormST::entriesChanged()
{
    // A hidden window reads the entries when it is shown again.
    if (isVisible())
        showStatistics();
}

void TFormST::showStatistics()
{
    m_today = Clock::today();
    const TTextDataSet &entries = m_entries;
    m_statistics = entries.active()
        ? cycleStatistics(
            entries.recordCount(),
            [&entries](qsizetype index) { return entries.fieldViewAt(int(index)); }, m_today)
        : CycleStatistics();
    m_table->setStatistics(m_statistics, m_today);

    const bool haveFigures = m_statistics.figures.has_value();
    for (QGroupBox *box : { GroupBox1, GroupBox2, GroupBox3 })
        box->setVisible(haveFigures);
    label(14)->setVisible(!haveFigures);
    label(14)->clear();
    if (haveFigures)
        showFigures(*m_statistics.figures);
    else if (m_statistics.completedCycles() == 0)
        label(14)->setText(tr("Brak zakończonego cyklu: do obliczeń potrzebne są co najmniej "
                              "dwa zapisane pierwsze dni okresu."));
    else
        label(14)->setText(tr("Brak cyklu do obliczeń: każdy zakończony cykl ma mniej niż %1 "
                              "lub więcej niż %2 dni.")
                               .arg(ShortestKeptLength)
                               .arg(LongestKeptLength));

    // The newest twelve completed cycles, the oldest of them on the left.
    QList<CycleBars::Bar> bars;
    const QList<Cycle> &cycles = m_statistics.cycles;
    for (qsizetype i = std::max<qsizetype>(cycles.size() - 1 - FigureCycles, 0);
         i < cycles.size() - 1; ++i)
        bars.append({ cycles[i].length, cycles[i].leftOut() });
    const std::optional<double> mean
        = haveFigures ? std::optional(m_statistics.figures->mean) : std::nullopt;
    PaintBox1->setBars(bars, mean);
    GroupBox4->setVisible(!bars.isEmpty());
    label(13)->setText(mean ? tr("Linia przerywana: średnia, %1 dnia. Zakreskowane: cykle "
                                 "pominięte w obliczeniach.")
                                  .arg(daysValue(*mean, false))
                            : tr("Zakreskowane: cykle pominięte w obliczeniach."));
    showNotes();
}

void TFormST::showFigures(const LengthFigures &figures)
{
    const auto days = [this](double value, bool whole) {
        const QString number = daysValue(value, whole);
        return whole && number == QLatin1String("1") ? tr("1 dzień") : tr("%1 dni").arg(number);
    };
    const auto fraction = [](double value) { return daysValue(value, false); };
    label(1)->setText(tr("Cykle w obliczeniach: %1").arg(figures.cycles));
    label(2)->setText(tr("Najkrótszy: %1").arg(days(figures.shortest, true)));
    label(3)->setText(tr("Najdłuższy: %1").arg(days(figures.longest, true)));
    label(4)->setText(tr("Średnia: %1 dnia").arg(fraction(figures.mean)));
    const bool wholeMedian = figures.median == std::floor(figures.median);
    label(5)->setText(tr("Mediana: %1")
                          .arg(wholeMedian ? days(figures.median, true)
                                           : tr("%1 dnia").arg(fraction(figures.median))));
    label(6)->setText(tr("Odchylenie standardowe: %1")
                          .arg(figures.deviation ? tr("%1 dnia").arg(fraction(*figures.deviation))
                                                 : QStringLiteral("—")));
    label(7)->setText(tr("Pominięte (poniżej %1 lub ponad %2 dni): %3")
                          .arg(ShortestKeptLength)
                          .arg(LongestKeptLength)
                          .arg(m_statistics.leftOut));

    const int first = figures.firstFertileDay();
    const int last = figures.lastFertileDay();
    const QDate start = m_statistics.current()->start;
    label(8)->setText(tr("Dni płodne: od %1. do %2. dnia cyklu").arg(first).arg(last));
    label(9)->setText(tr("W bieżącym cyklu: od %1 do %2")
                          .arg(numericDateText(start.addDays(first - 1)),
                              numericDateText(start.addDays(last - 1))));
    const bool fewCycles = figures.cycles < EstimateCycles;
    label(10)->setVisible(fewCycles);
    label(10)->setText(fewCycles
            ? tr("Ta ocena wymaga co najmniej %1 cykli; w obliczeniach jest ich %2.")
                  .arg(EstimateCycles)
                  .arg(figures.cycles)
            : QString());

    label(11)->setText(
        tr("Spodziewana: %1").arg(numericDateText(start.addDays(figures.roundedMean()))));
    label(12)->setText(tr("Między %1 a %2")
                           .arg(numericDateText(start.addDays(figures.shortest)),
                               numericDateText(start.addDays(figures.longest))));
}

void TFormST::showNotes()
{
    QStringList notes;
    if (m_statistics.unreadableLines > 0)
        notes << tr("Wiersze bez daty początku okresu, pominięte: %1")
                     .arg(m_statistics.unreadableLines);
    if (m_statistics.repeatedStarts > 0)
        notes
            << tr("Daty zapisane więcej niż raz, liczone raz: %1").arg(m_statistics.repeatedStarts);
    label(15)->setText(notes.join(QLatin1Char('\n')));
    label(15)->setVisible(!notes.isEmpty());
}

void TFormST::Button1Click()
{
    // Made when first wanted: a printer loads the system's printing support.
    if (!PrintDialog1) {
        PrintDialog1 = new PrintDialog(this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (!PrintDialog1->exec())
        return;
    QPrinter &printer = PrintDialog1->printer();
    runPrintJob(printer, [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw printerUnavailable();
        const QRect page(
            QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        const QList<int> pages = paintedPages(printer, 1);
        for (qsizetype copy = 0; copy < pages.size(); ++copy) {
            if (copy > 0 && !printer.newPage())
                throw printingFailed();
            paintPage(painter, page);
        }
        if (!painter.end())
            throw printingFailed();
    });
}

void TFormST::Button2Click()
{
    close();
}

QList<QWidget *> TFormST::printedParts() const
{
    return { label(14), GroupBox1, GroupBox2, GroupBox3, GroupBox4, label(15), label(16) };
}

void TFormST::paintPage(QPainter &painter, const QRect &page) const
{
    const double dotsPerMm = painter.device()->logicalDpiY() / 25.4;
    const auto mm = [dotsPerMm](double length) { return int(length * dotsPerMm); };
    const auto sized = [this](double points, bool bold) {
        QFont sized = font();
        sized.setPointSizeF(points);
        sized.setBold(bold);
        return sized;
    };
    const QFont body = sized(10, false);
    const int width = page.width();
    int y = page.top();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(sized(14, true));
    y += paintText(painter, page.left(), y, width, windowTitle());
    painter.setFont(body);
    y += paintText(painter, page.left(), y, width, tr("Stan na %1").arg(numericDateText(m_today)));
    y += mm(4);

    for (QWidget *part : printedParts()) {
        if (part->isHidden())
            continue;
        if (auto *box = qobject_cast<QGroupBox *>(part)) {
            painter.setFont(sized(11, true));
            y += paintText(painter, page.left(), y, width, box->title()) + mm(1);
            painter.setFont(body);
            if (box == GroupBox4) {
                CycleBars::paint(painter, QRect(page.left(), y, width, mm(60)), body,
                    PaintBox1->bars(), PaintBox1->mean());
                y += mm(62);
            }
            for (const QLabel *line : box->findChildren<QLabel *>()) {
                if (!line->isHidden())
                    y += paintText(painter, page.left() + mm(4), y, width - mm(4), line->text());
            }
        } else {
            y += paintText(painter, page.left(), y, width, static_cast<QLabel *>(part)->text());
        }
        y += mm(4);
    }
    painter.restore();
}
