#pragma once

#include "data/CycleStatistics.h"

#include <QDialog>

class CycleBars;
class CycleTable;
class PrintDialog;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QTableView;
class TTextDataSet;

// "Statystyka cykli": what the entries record set it is given (the main
// window's) says about her cycles: a table of every cycle, the figures of the
// newest lengths, the calendar method's estimate from them, the next period
// and a bar chart. It only reads the entries, and follows their changes while
// it is open.
class TFormST : public QDialog {
    Q_OBJECT

public:
    explicit TFormST(TTextDataSet &entries);

    // Controls, named by kind and number.
    QTableView *StringGrid1;
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4;
    // Figures: Label1 … Label7; the calendar method: Label8 … Label10; the next
    // period: Label11, Label12; the bars' legend: Label13; no figures: Label14;
    // lines and dates skipped: Label15; what this is: Label16.
    QList<QLabel *> Labels;
    CycleBars *PaintBox1;
    QPushButton *Button1, *Button2;
    PrintDialog *PrintDialog1 = nullptr; // made when first printing

    QLabel *label(int number) const { return Labels[number - 1]; }
    const CycleStatistics &statistics() const { return m_statistics; }
    CycleTable *table() const { return m_table; }

    // Handlers.
    void FormShow(); // reads the entries as they are now
    void Button1Click(); // "Drukuj"
    void Button2Click(); // "Zamknij"

    // The window's figures and bars on one page, in the printable area.
    void paintPage(QPainter &painter, const QRect &page) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createTable();
    void createFigures();
    void createEstimate();
    void createNextPeriod();
    void createBars();
    void entriesChanged();
    void showStatistics();
    void showFigures(const LengthFigures &figures);
    void showNotes();
    QList<QWidget *> printedParts() const;

    TTextDataSet &m_entries;
    CycleStatistics m_statistics;
    CycleTable *m_table;
    QDate m_today;
};
