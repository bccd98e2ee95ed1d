#include "app/TForm1.h"

#include "app/Forms.h"
#include "app/TForm5.h"
#include "app/TFormK.h"
#include "calendar/TForm2.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "data/UserSettings.h"
#include "notebook/TFormN.h"
#include "records/PeriodEntries.h"
#include "records/TForm4.h"
#include "records/TFormR.h"
#include "records/TFormST.h"
#include "tempchart/TFormWT.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DataViews.h"
#include "ui/DateTexts.h"
#include "ui/Dialogs.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/PrintDialog.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int clientWidth = 458;
constexpr int clientHeight = 357;
constexpr int statusBarHeight = 24;
constexpr int datePanelWidth = 70;

QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, QRect place)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QPushButton *button(QGroupBox *box, const QString &name, const QString &caption, QPoint place)
{
    // Positions are given in the client area; the button lies in its group.
    return makeButton(box, name, caption, QRect(place - box->pos(), QSize(75, 25)));
}

QAction *menuItem(QWidget *owner, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    return action;
}

} // namespace

TForm1::TForm1(const Forms &forms)
    : m_forms(forms)
{
    setWindowStyle(this, QStringLiteral("Form1"), QStringLiteral("Miravela 2.0"));

    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setFixedSize(clientWidth, clientHeight);
    setCentralWidget(ClientArea);

    TextDataSet1 = new TTextDataSet(this);
    TextDataSet1->setObjectName(QStringLiteral("TextDataSet1"));
    TextDataSet1->setFileName(QString::fromLatin1(dataFileName));
    // The Daty.txt being replaced is kept in kopie/, named after the program's clock.
    TextDataSet1->setBackups(BackupCopies::inKopie([] { return Clock::now(); }));
    TextDataSet1->setNewFile(NewFile::Private); // her records are hers alone
    DataSource1 = new TDataSource(TextDataSet1, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    Bevel2 = new QFrame(ClientArea);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(0, 0, 457, 1);
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Plain);
    Bevel2->setForegroundRole(QPalette::Mid);

    createMenu();
    createCycleInputs();
    createButtons();

    StatusBar1 = new StatusBar(QStringLiteral("StatusBar1"), statusBarHeight, ClientArea);
    StatusBar1->setPanelWidths({ datePanelWidth, -1 });

    // The stored layout opens the entries as the window is created.
    TextDataSet1->setActive(true);
    createEntryViews();
    setHints();
    connectHandlers();
    Calendar1->setDate(Clock::today());
    layout()->activate();
    setFixedSize(sizeHint()); // the client area below the menu bar, and no more
    FormCreate();
}

void TForm1::createMenu()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(bar);

    Liczdni1 = menuItem(this, QStringLiteral("Liczdni1"), tr("LiczDni"));
    bar->addAction(Liczdni1);

    Plik1 = bar->addMenu(tr("Kalendarzyk"));
    Plik1->setObjectName(QStringLiteral("Plik1"));
    Otw1 = menuItem(this, QStringLiteral("Otw1"), tr("Wykres"));
    Drukuj1 = menuItem(this, QStringLiteral("Drukuj1"), tr("Drukuj"));
    Plik1->addAction(Otw1);
    Plik1->addSeparator();
    Plik1->addAction(Drukuj1);
    Statystyka1 = menuItem(this, QStringLiteral("Statystyka1"), tr("Statystyka cykli"));
    Plik1->addSeparator();
    Plik1->addAction(Statystyka1);

    Dane1 = bar->addMenu(tr("Dane"));
    Dane1->setObjectName(QStringLiteral("Dane1"));
    Zapisz1 = menuItem(this, QStringLiteral("Zapisz1"), tr("Zapisz"));
    Usu1 = menuItem(this, QStringLiteral("Usu1"), tr("Usuń"));
    Zestawienie1 = menuItem(this, QStringLiteral("Zestawienie1"), tr("Zestawienie"));
    Dane1->addAction(Zapisz1);
    Dane1->addAction(Usu1);
    Dane1->addSeparator();
    Dane1->addAction(Zestawienie1);
    Dane1->addSeparator();
    Przywroc1 = menuItem(this, QStringLiteral("Przywroc1"), tr("Przywróć kopię…"));
    Dane1->addAction(Przywroc1);

    Temperatury1 = bar->addMenu(tr("Temperatura"));
    Temperatury1->setObjectName(QStringLiteral("Temperatury1"));
    Edycja1 = menuItem(this, QStringLiteral("Edycja1"), tr("Edycja"));
    Wykres1 = menuItem(this, QStringLiteral("Wykres1"), tr("Wykres"));
    Temperatury1->addAction(Edycja1);
    Temperatury1->addSeparator();
    Temperatury1->addAction(Wykres1);
    Ocena1 = menuItem(this, QStringLiteral("Ocena1"), tr("Ocena temperatury (3 nad 6)"));
    Ocena1->setCheckable(true);
    Ocena1->setChecked(UserSettings::flag(Setting::RiseEvaluation, false));
    Temperatury1->addSeparator();
    Temperatury1->addAction(Ocena1);

    Notatnik1 = menuItem(this, QStringLiteral("Notatnik1"), tr("Notatnik"));
    bar->addAction(Notatnik1);

    Pomoc1 = bar->addMenu(tr("Pomoc"));
    Pomoc1->setObjectName(QStringLiteral("Pomoc1"));
    Oprogramie1 = menuItem(this, QStringLiteral("Oprogramie1"), tr("O programie"));
    Licencja1 = menuItem(this, QStringLiteral("Licencja1"), tr("Licencja"));
    About1 = menuItem(this, QStringLiteral("About1"), tr("About"));
    Pomoc1->addAction(Oprogramie1);
    Pomoc1->addSeparator();
    Pomoc1->addAction(Licencja1);
    Pomoc1->addSeparator();
    Pomoc1->addAction(About1);
}

void TForm1::createCycleInputs()
{
    GroupBox5 = groupBox(ClientArea, QStringLiteral("GroupBox5"), QString(), { 16, 8, 217, 41 });
    Label1 = makeLabel(GroupBox5, QStringLiteral("Label1"), tr("Cykl miesiączkowy"), { 16, 16 });
    Label2 = makeLabel(GroupBox5, QStringLiteral("Label2"), tr("dniowy"), { 168, 16 });
    ComboBox1 = new QComboBox(GroupBox5);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr); // a typed "3" stays "3" and is not completed to "30"

    ComboBox1->setGeometry(136 - 16, 21 - 8, 41, 21);
    for (int length = 21; length <= 33; ++length)
        ComboBox1->addItem(QString::number(length));
    ComboBox1->setCurrentIndex(ComboBox1->findText(QStringLiteral("28")));
    setColour(ComboBox1, QPalette::Base, Colours::lightGreen);
    setColour(ComboBox1->lineEdit(), QPalette::Base, Colours::lightGreen);

    GroupBox6 = groupBox(
        ClientArea, QStringLiteral("GroupBox6"), tr("Początek okresu"), { 16, 56, 217, 169 });
    SpeedButton1
        = new MonthButton(MonthButton::Previous, QStringLiteral("SpeedButton1"), GroupBox6);
    SpeedButton1->move(16, 16);
    Label4 = makeLabel(GroupBox6, QStringLiteral("Label4"), QString(), { 57, 16 });
    SpeedButton2 = new MonthButton(MonthButton::Next, QStringLiteral("SpeedButton2"), GroupBox6);
    SpeedButton2->move(176, 16);
    Calendar1 = new MonthCalendar(QStringLiteral("Calendar1"), Colours::lightGreen, GroupBox6);
    Calendar1->setGeometry(32 - 16, 96 - 56, 185, 121);
}

void TForm1::createButtons()
{
    GroupBox1
        = groupBox(ClientArea, QStringLiteral("GroupBox1"), tr("Kalendarzyk"), { 248, 8, 89, 89 });
    Button1 = button(GroupBox1, QStringLiteral("Button1"), tr("Wykres"), { 256, 32 });
    Button2 = button(GroupBox1, QStringLiteral("Button2"), tr("Drukuj"), { 256, 64 });

    GroupBox8 = groupBox(
        ClientArea, QStringLiteral("GroupBox8"), tr("Temperatura"), { 248, 104, 89, 89 });
    Button7 = button(GroupBox8, QStringLiteral("Button7"), tr("Edycja"), { 256, 128 });
    Button8 = button(GroupBox8, QStringLiteral("Button8"), tr("Wykres"), { 256, 160 });

    GroupBox2
        = groupBox(ClientArea, QStringLiteral("GroupBox2"), tr("Dane"), { 248, 200, 89, 121 });
    Button3 = button(GroupBox2, QStringLiteral("Button3"), tr("Zapisz"), { 256, 224 });
    Button4 = button(GroupBox2, QStringLiteral("Button4"), tr("Usuń"), { 256, 256 });
    Button5 = button(GroupBox2, QStringLiteral("Button5"), tr("Zestawienie"), { 256, 288 });

    GroupBox9
        = groupBox(ClientArea, QStringLiteral("GroupBox9"), tr("LiczDni"), { 352, 8, 89, 57 });
    Button9 = button(GroupBox9, QStringLiteral("Button9"), tr("Otwórz"), { 360, 32 });

    GroupBox3
        = groupBox(ClientArea, QStringLiteral("GroupBox3"), tr("Notatnik"), { 352, 72, 89, 57 });
    Button6 = button(GroupBox3, QStringLiteral("Button6"), tr("Otwórz"), { 360, 96 });

    GroupBox7 = groupBox(ClientArea, QStringLiteral("GroupBox7"),
        tr("Pierwszy dzień okresu / Pomiar temp."), { 16, 232, 217, 89 });
    GroupBox4 = groupBox(
        ClientArea, QStringLiteral("GroupBox4"), tr("Pomiar temp."), { 352, 136, 89, 185 });
}

void TForm1::createEntryViews()
{
    DBGrid1 = new DBGrid(QStringLiteral("DBGrid1"), DataSource1, GroupBox7);
    DBGrid1->setGeometry(QRect(QPoint(24, 256) - GroupBox7->pos(), QSize(201, 57)));
    DBGrid1->setAccessibleName(GroupBox7->title()); // a list is not named after its group by itself
    DBMemo1 = new DBMemo(QStringLiteral("DBMemo1"), DataSource1, GroupBox4);
    DBMemo1->setGeometry(QRect(QPoint(360, 160) - GroupBox4->pos(), QSize(73, 153)));
}

void TForm1::setHints()
{
    const auto hint
        = [this](QWidget *control, const QString &text) { setHint(control, text, StatusBar1, 1); };
    hint(GroupBox5, tr("Z rozwijanej listy należy wybrać długość cyklu miesiączkowego."));
    hint(GroupBox6, tr("W kalendarzu należy zaznaczyć pierwszy dzień okresu."));
    hint(GroupBox7, tr("Lista wszystkich wpisów znajdujących się w bazie danych."));
    hint(GroupBox1, tr("Oblicza dni płodne przy pomocy metody Knausa i Ogino."));
    hint(Button1, tr("Na podstawie długości cyklu i pierwszego dnia okresu oblicza dni płodne."));
    hint(Button2, tr("Drukuje \"Kalendarzyk małżeński\"."));
    hint(GroupBox8, tr("Obsługuje dane związane z pomiarami temperatury."));
    hint(Button7, tr("Umożliwia dopisanie do bazy danych nowych pomiarów temperatury."));
    hint(Button8, tr("Tworzy wykres pomiarów temperatury dla zaznaczonego cyklu."));
    hint(GroupBox2, tr("Obsługuje dane związane z pierwszym dniem okresu i pomiarami temp."));
    hint(Button3, tr("Zapisuje pierwszy dzień okresu (dzień zaznaczony w kalendarzu)."));
    hint(Button4, tr("Bezpowrotnie usuwa zaznaczony wpis z bazy danych."));
    hint(Button5, tr("Tworzy wielomiesięczne zestawienie pierwszych dni okresu i pomiarów temp."));
    hint(GroupBox9, tr("Oblicza liczbę dni pomiędzy dwoma datami."));
    hint(Button9, tr("Otwiera program."));
    hint(GroupBox3, tr("Trzy niezależne tablice umożliwiające notowanie uwag i obserwacji."));
    hint(Button6, tr("Otwiera notatnik."));
    hint(GroupBox4, tr("Wyniki pomarów temperatury dla zaznaczonego cyklu."));
}

void TForm1::connectHandlers()
{
    // A menu item and the button that share a handler do exactly the same.
    connectHandler(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connectHandler(Otw1, &QAction::triggered, this, &TForm1::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connectHandler(Drukuj1, &QAction::triggered, this, &TForm1::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connectHandler(Zapisz1, &QAction::triggered, this, &TForm1::Button3Click);
    connectHandler(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connectHandler(Usu1, &QAction::triggered, this, &TForm1::Button4Click);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connectHandler(Zestawienie1, &QAction::triggered, this, &TForm1::Button5Click);
    connectHandler(Przywroc1, &QAction::triggered, this, &TForm1::Przywroc1Click);
    connectHandler(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connectHandler(Notatnik1, &QAction::triggered, this, &TForm1::Button6Click);
    connectHandler(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connectHandler(Edycja1, &QAction::triggered, this, &TForm1::Button7Click);
    connectHandler(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connectHandler(Wykres1, &QAction::triggered, this, &TForm1::Button8Click);
    connectHandler(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connectHandler(Liczdni1, &QAction::triggered, this, &TForm1::Button9Click);
    connectHandler(Oprogramie1, &QAction::triggered, this, &TForm1::Oprogramie1Click);
    connectHandler(Licencja1, &QAction::triggered, this, &TForm1::Licencja1Click);
    connectHandler(About1, &QAction::triggered, this, &TForm1::About1Click);
    connectHandler(Statystyka1, &QAction::triggered, this, &TForm1::Statystyka1Click);
    connectHandler(Ocena1, &QAction::triggered, this, &TForm1::Ocena1Click);
    connectHandler(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connectHandler(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);

    connectHandler(Calendar1, &MonthCalendar::changed, this, &TForm1::Calendar1Change);
    connectHandler(Calendar1, &MonthCalendar::dayPicked, this, &TForm1::Calendar1Click);
    connectHandler(ComboBox1, &QComboBox::currentTextChanged, this, &TForm1::ComboBox1Change);
}

void TForm1::FormCreate()
{
    Label4->setText(longDateText(Calendar1->date()));
    Label4->adjustSize();
    StatusBar1->setPanelText(0, shortDateText(Clock::today()));
}

void TForm1::FormShow()
{
    showOrRaise(m_forms.Form5);
}

void TForm1::Button1Click()
{
    m_forms.Form2->showChart(Label4->text(), ComboBox1->currentText(), Calendar1->date());
}

void TForm1::Button2Click()
{
    // The dialog stands over the chart it is about to print.
    PrintDialog &dialog = printDialog();
    dialog.setDialogParent(m_forms.Form2);
    if (dialog.exec())
        printWindow(m_forms.Form2, dialog.printer());
    else
        closeChart();
}

void TForm1::Button3Click()
{
    saveEntry(*TextDataSet1, Calendar1->date());
}

void TForm1::Button4Click()
{
    deleteCurrentEntry(*TextDataSet1, this);
}

void TForm1::Button5Click()
{
    // The report reads the entries as they are now, saved or deleted a moment
    // ago included; the selected line stays where it is.
    m_forms.FormR->preview();
}

void TForm1::Button6Click()
{
    showOrRaise(m_forms.FormN);
}

void TForm1::Button7Click()
{
    showOrRaise(m_forms.Form4);
}

void TForm1::Button8Click()
{
    showOrRaise(m_forms.FormWT);
}

void TForm1::Button9Click()
{
    showOrRaise(m_forms.FormLD);
}

void TForm1::Oprogramie1Click()
{
    showOrRaise(m_forms.Form3);
}

void TForm1::Licencja1Click()
{
    showOrRaise(m_forms.FormL);
}

void TForm1::About1Click()
{
    showOrRaise(m_forms.FormA);
}

void TForm1::Statystyka1Click()
{
    showOrRaise(m_forms.FormST);
}

void TForm1::Ocena1Click()
{
    const bool on = Ocena1->isChecked();
    // A chart not yet built gets the choice when it is built.
    if (TFormWT *chart = m_forms.FormWT.ifBuilt())
        chart->setRiseEvaluation(on);
    throwUnlessSaved(UserSettings::setFlag(Setting::RiseEvaluation, on), UserSettings::filePath());
}

void TForm1::Przywroc1Click()
{
    m_forms.FormK->showCopies();
}

void TForm1::Calendar1Change()
{
    Label4->setText(longDateText(Calendar1->date()));
    Label4->adjustSize();
    Calendar1->updateTodayTip();
}

void TForm1::Calendar1Click()
{
    closeChart();
}

void TForm1::SpeedButton1Click()
{
    closeChart();
    Calendar1->stepMonth(-1);
}

void TForm1::SpeedButton2Click()
{
    closeChart();
    Calendar1->stepMonth(+1);
}

void TForm1::ComboBox1Change()
{
    closeChart();
    if (ComboBox1->currentText().isEmpty())
        Dialogs::instance().notice(this, tr("Wybierz długość cyklu z listy !"));
}

PrintDialog &TForm1::printDialog()
{
    // Made when first wanted: a printer loads the system's printing support,
    // which nothing else needs at start-up. It keeps the user's choices after.
    if (!PrintDialog1) {
        PrintDialog1 = new PrintDialog(this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
        // The chart is computed as the dialog appears, so that it is on screen behind it.
        connectHandler(PrintDialog1, &PrintDialog::aboutToShow, this, &TForm1::Button1Click);
    }
    return *PrintDialog1;
}

void TForm1::closeChart()
{
    // A chart not yet built is closed already, its panels yellow.
    if (TForm2 *chart = m_forms.Form2.ifBuilt())
        chart->close();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the main window, by whatever means, ends the program.
    event->accept();
    QApplication::quit();
}

bool TForm1::closeDataSet()
{
    for (;;) {
        try {
            TextDataSet1->close();
            return true;
        } catch (const std::exception &failure) {
            const QString explanation
                = tr("Zmiany wprowadzone od uruchomienia programu nie zostały zapisane. "
                     "Zwolnij miejsce na dysku albo sprawdź, czy w folderze z danymi można "
                     "zapisywać pliki, i spróbuj ponownie. Rezygnacja oznacza utratę tych zmian.");
            if (!Dialogs::instance().retry(
                    this, QString::fromUtf8(failure.what()) + QStringLiteral("\n\n") + explanation))
                return false;
        }
    }
}

void TForm1::writeChanges()
{
    try {
        TextDataSet1->writeChanges();
    } catch (const std::exception &) {
        // closeDataSet() at the end tries again and asks the user.
    }
}
