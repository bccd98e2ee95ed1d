#pragma once

#include <QWidget>

class MonthButton;
class MonthCalendar;
class QFrame;
class QLabel;
class QPushButton;
class StatusBar;

// The day counter "LiczDni": the number of days from a date in the left
// calendar to a date in the right one, that is the length of the last cycle
// when the two are the first days of the previous and of the current period.
// Both calendars start on the day the window is created.
class TFormLD : public QWidget {
    Q_OBJECT

public:
    TFormLD();

    QFrame *Panel1, *Panel2, *Bevel1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11;
    MonthButton *SpeedButton2, *SpeedButton3, *SpeedButton6, *SpeedButton7;
    MonthCalendar *Calendar1, *Calendar2;
    QPushButton *Button1, *Button2, *Button3;
    StatusBar *StatusBar1;

    void FormCreate();
    void Calendar1Change();
    void Calendar2Change();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    void createDateFrames();
    void createResultLines();
    void connectHandlers();
};
