#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class DateEdit;
class PrintDialog;
class QFrame;
class QPushButton;
class QTabWidget;
class QTextEdit;
class StatusBar;

// "Notatnik": three independent rich-text note pads, each kept in its own
// file, Notatki1.txt to Notatki3.txt. The pads are read when the window is
// created; those the user wrote in are written back when it is destroyed at
// the program's end.
class TFormN : public QWidget {
    Q_OBJECT

public:
    // The program reads the pads at start-up but lays the window out only
    // when it is first shown; until then the controls below are null.
    enum class Layout { Now, OnFirstShow };

    explicit TFormN(Layout layout = Layout::Now);
    ~TFormN() override;

    // The pads' files, Notatki1.txt to Notatki3.txt.
    static QStringList padFileNames();

    void setVisible(bool visible) override;

    // The program's end: writes the pads she wrote in. A pad that cannot be
    // written asks whether to retry; when she gives up, its text is kept as
    // the newest copy of its file in kopie/, from where it can be brought
    // back. Returns false when a pad was not written. (Without this call the
    // destructor still writes, and only tells a failure.)
    bool closePads();
    // Writes the pads she wrote in now and goes on; a failure is left to
    // closePads(), which tries again and asks.
    void writeChanges();

    // For bringing a pad's file back from a copy. Whether she wrote in the
    // pad kept in `fileName` since it was read or saved.
    bool padWritten(const QString &fileName);
    // Saves that pad now, as the end would; throws when it was not saved.
    void savePad(const QString &fileName);
    // Shows that pad's file as it is now, untouched: it is not written at the
    // end unless she writes in it. Throws when the file cannot be read; the
    // pad then stays as it was.
    void reloadPad(const QString &fileName);

    // Controls, named as in the window's design.
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    QWidget *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr;
    QFrame *Bevel1 = nullptr, *Bevel2 = nullptr, *Bevel3 = nullptr;
    DateEdit *DateEdit1 = nullptr, *DateEdit2 = nullptr, *DateEdit3 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr; // "Wyczyść"
    QPushButton *Button4 = nullptr, *Button5 = nullptr, *Button6 = nullptr; // "Drukuj"
    QTextEdit *RichEdit1, *RichEdit2, *RichEdit3;
    StatusBar *StatusBar1 = nullptr, *StatusBar2 = nullptr, *StatusBar3 = nullptr;
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
        bool written = false; // the user changed it since start-up: it is saved at the end
    };

    void createEditor(int index);
    void layOut();
    void buildPage(int index);
    void connectHandlers();
    void load(Pad &pad);
    void showFile(Pad &pad, QByteArrayView bytes);
    void reportUnopened(const Pad &pad);
    void save(Pad &pad);
    void saveNow(Pad &pad); // throws when not saved
    void keepUnwritten(const Pad &pad);
    Pad &padOf(const QString &fileName);
    void appendDate(Pad &pad);
    void clear(Pad &pad);
    void print(Pad &pad);

    std::array<Pad, 3> m_pads;
    std::unique_ptr<QWidget> m_waitingEditors; // their parent until the layout
    QString m_startDate; // the date the pads' status bars show
    bool m_saved = false;
};
