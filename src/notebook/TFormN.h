#pragma once

#include <QWidget>

#include <array>

class DateEdit;
class PrintDialog;
class QFrame;
class QPushButton;
class QTabWidget;
class QTextEdit;
class StatusBar;

// "Notatnik": three independent rich-text note pads, each kept in its own
// file, Notatki1.txt to Notatki3.txt. The pads are read when the window is
// created and written back when it is destroyed at the program's end.
class TFormN : public QWidget {
    Q_OBJECT

public:
    TFormN();
    ~TFormN() override;

    // Controls, named as in the window's design.
    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;
    QWidget *Panel1, *Panel2, *Panel3;
    QFrame *Bevel1, *Bevel2, *Bevel3;
    DateEdit *DateEdit1, *DateEdit2, *DateEdit3;
    QPushButton *Button1, *Button2, *Button3; // "Wyczyść"
    QPushButton *Button4, *Button5, *Button6; // "Drukuj"
    QTextEdit *RichEdit1, *RichEdit2, *RichEdit3;
    StatusBar *StatusBar1, *StatusBar2, *StatusBar3;
    PrintDialog *PrintDialog1 = nullptr; // made when first printing

    // Handlers.
    void FormCreate();
    void FormDestroy();
    void DateEdit1Change();
    void DateEdit2Change();
    void DateEdit3Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Pad {
        QWidget *page = nullptr;
        QTextEdit *editor = nullptr;
        DateEdit *date = nullptr;
        StatusBar *bar = nullptr;
        QString fileName;
        bool unreadable = false; // its file could not be read at start
        bool readInPart = false; // its file was damaged: read as far as it made sense
        bool written = false; // the user changed it since then
    };

    void buildPad(int index);
    void connectHandlers();
    void load(Pad &pad);
    void reportUnopened(const Pad &pad);
    void save(Pad &pad);
    void appendDate(Pad &pad);
    void clear(Pad &pad);
    void print(Pad &pad);

    std::array<Pad, 3> m_pads;
    bool m_saved = false;
};
