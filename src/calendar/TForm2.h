#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class QLabel;

// The fertile-day chart "Wykres": twenty dated day panels from cycle day 3 to
// 22, the fertile ones in fuchsia, the others in yellow. Closing it only
// hides it and turns every panel yellow again.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    TForm2();

    // Fills the chart for a start date and a cycle-length text and shows it
    // (or brings it to the front).
    void showChart(const QString &startDateText, const QString &cycleLengthText, QDate startDate);
    void FormClose();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QList<QLabel *> DayPanels; // Panel1 … Panel20
    QLabel *Panel23; // legend swatch

protected:
    void closeEvent(QCloseEvent *event) override;
};
