#pragma once

#include <QWidget>

class MonthButton;
class MonthCalendar;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class StatusBar;
class TTextDataSet;

// "Pomiar temperatury": appends one temperature reading at a time to the
// entry saved last, the first line of the entries record set it is given
// (the main window's).
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(TTextDataSet &entries);

    // Controls, named as in the window's design.
    QGroupBox *GroupBox1, *GroupBox2;
    QLabel *Label1, *Label3, *Label4, *Label5;
    QComboBox *ComboBox1;
    MonthButton *SpeedButton1, *SpeedButton2;
    MonthCalendar *Calendar1;
    QPushButton *Button1;
    StatusBar *StatusBar1;

    // Handlers.
    void FormCreate();
    void Calendar1Change();
    void SpeedButton1Click(); // ">>"
    void SpeedButton2Click(); // "<<"
    void ComboBox1Change();
    void Button1Click(); // "Dopisz": append the reading to the first entry

private:
    void createTemperatureInputs();
    void createDateInputs();
    void connectHandlers();

    TTextDataSet &m_entries;
};
