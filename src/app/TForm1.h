#pragma once

#include <QMainWindow>

class DBGrid;
class DBMemo;
class MonthButton;
class MonthCalendar;
class PrintDialog;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class StatusBar;
class TDataSource;
class TTextDataSet;
struct Forms;

// The main window: the hub from which every other window is opened. It owns
// the entries record set over Daty.txt that the other windows share.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char dataFileName[] = "Daty.txt";

    // Opens TextDataSet1 over Daty.txt in the current directory; throws
    // DataSetError when the file cannot be read.
    explicit TForm1(const Forms &forms);

    // Writes Daty.txt back when it was changed. A failed write asks whether to
    // retry; returns false when the user gave up. (Without this call the record
    // set's destructor still writes, silently.)
    bool closeDataSet();
    // Writes the changes to Daty.txt now and goes on; a failure is left to the
    // normal end, which tries again and asks.
    void writeChanges();

    // Controls, named as in the window's design.
    QWidget *ClientArea;
    QFrame *Bevel2;
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5, *GroupBox6, *GroupBox7,
        *GroupBox8, *GroupBox9;
    QLabel *Label1, *Label2, *Label4;
    QComboBox *ComboBox1;
    MonthButton *SpeedButton1, *SpeedButton2;
    MonthCalendar *Calendar1;
    DBGrid *DBGrid1;
    DBMemo *DBMemo1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8,
        *Button9;
    StatusBar *StatusBar1;
    QAction *Liczdni1, *Otw1, *Drukuj1, *Zapisz1, *Usu1, *Zestawienie1, *Edycja1, *Wykres1,
        *Notatnik1, *Oprogramie1, *Licencja1, *About1;
    QAction *Statystyka1; // "Statystyka cykli", last in "Kalendarzyk"
    QAction *Ocena1; // "Ocena temperatury (3 nad 6)", checkable, last in "Temperatura"
    QMenu *Plik1, *Dane1, *Temperatury1, *Pomoc1;
    QAction *Przywroc1; // "Dane" / "Przywróć kopię…"
    PrintDialog *PrintDialog1 = nullptr; // made when first printing, see printDialog()
    TTextDataSet *TextDataSet1;
    TDataSource *DataSource1;

    // Handlers.
    void FormCreate();
    void FormShow();
    void Button1Click(); // compute and show the fertile-day chart
    void Button2Click(); // print it
    void Button3Click(); // save the selected date as a new entry
    void Button4Click(); // delete the selected entry
    void Button5Click(); // the summary report
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Oprogramie1Click();
    void Licencja1Click();
    void About1Click();
    void Statystyka1Click(); // the cycle statistics
    void Ocena1Click(); // the chart's evaluation on or off, remembered for the next runs
    void Przywroc1Click(); // the backup copies, to bring one back
    void Calendar1Change();
    void Calendar1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void ComboBox1Change();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenu();
    void createCycleInputs();
    void createEntryViews();
    void createButtons();
    void connectHandlers();
    void setHints();
    void closeChart();
    PrintDialog &printDialog();

    const Forms &m_forms;
    bool m_shownOnce = false;
};
