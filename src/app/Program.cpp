#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/FolderLock.h"
#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TForm5.h"
#include "app/TFormA.h"
#include "app/TFormK.h"
#include "app/TFormL.h"
#include "app/Termination.h"
#include "calendar/TForm2.h"
#include "data/SaveFile.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "daycount/TFormLD.h"
#include "notebook/TFormN.h"
#include "records/TForm4.h"
#include "records/TFormR.h"
#include "records/TFormST.h"
#include "tempchart/TFormWT.h"
#include "ui/Appearance.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/ProgramIcon.h"
#include "ui/WindowFrame.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// Every window opens centred, but for those that placed themselves.
QWidget *placed(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_Moved))
        centreOnScreen(window);
    return window;
}

} // namespace

template <typename Window> Window *Program::createNow(std::function<Window *()> make)
{
    LazyWindow &slot = m_windows.at(size_t(m_windowsTaken++));
    slot = LazyWindow([make] { return placed(make()); });
    return static_cast<Window *>(slot.get());
}

template <typename Window> WindowRef<Window> Program::createLater(std::function<Window *()> make)
{
    LazyWindow &slot = m_windows.at(size_t(m_windowsTaken++));
    slot = LazyWindow([this, make] {
        // Built under the start-up moment, it opens as it would have then:
        // its calendars and dates on the start-up day.
        const ClockAt startUp(m_startUp);
        return placed(make());
    });
    return WindowRef<Window>(&slot);
}

Program::Program()
    : m_startUp(Clock::now())
{
    TForm1 *main = m_forms.Form1 = createNow<TForm1>([this] { return new TForm1(m_forms); });
    // The main window is the first one shown: the window manager is asked for
    // its frame now, and answers while the other windows are made.
    WindowFrame::askEarly(main);
    m_forms.Form2 = createLater<TForm2>([] { return new TForm2(); });
    m_forms.FormA = createLater<QWidget>([] { return new TFormA(); });
    m_forms.FormL = createLater<QWidget>([] { return new TFormL(); });
    m_forms.Form3 = createLater<QWidget>([] { return new TForm3(); });
    m_forms.FormLD = createLater<QWidget>([] { return new TFormLD(); });
    m_forms.Form4 = createLater<TForm4>([main] { return new TForm4(*main->TextDataSet1); });
    m_forms.FormR = createLater<TFormR>([main] { return new TFormR(*main->TextDataSet1); });
    m_forms.FormWT = createLater<TFormWT>([main] {
        auto *chart = new TFormWT(*main->DataSource1);
        chart->setRiseEvaluation(main->Ocena1->isChecked());
        return chart;
    });
    m_forms.FormST = createLater<TFormST>([main] { return new TFormST(*main->TextDataSet1); });
    // The pads are read, and their errors told, at start-up; the window is
    // laid out when it is first shown.
    m_forms.FormN = createNow<TFormN>([] { return new TFormN(TFormN::Layout::OnFirstShow); });
    // Bringing back a backup copy changes the entries or a pad in place.
    m_forms.FormK = createLater<TFormK>(
        [main, pads = m_forms.FormN] { return new TFormK(*main->TextDataSet1, *pads); });
    m_forms.Form5 = createNow<TForm5>([] { return new TForm5(); });

    // When the desktop session ends, the changes go to disk at once, in case
    // the session ends the program without a normal close.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, main, [this, main] {
        main->writeChanges();
        m_forms.FormN->writeChanges();
    });
}

QStringList Program::dataFileNames()
{
    return QStringList { QString::fromLatin1(TForm1::dataFileName) } + TFormN::padFileNames();
}

QList<QWidget *> Program::windowsInCreationOrder()
{
    QList<QWidget *> windows;
    for (LazyWindow &window : m_windows)
        windows << window.get();
    return windows;
}

Program::~Program()
{
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        window->destroy();
}

void Program::start()
{
    m_forms.Form1->show();
}

bool Program::finish()
{
    const bool entriesWritten = m_forms.Form1->closeDataSet();
    const bool padsWritten = m_forms.FormN->closePads();
    return entriesWritten && padsWritten;
}

int runProgram()
{
    quitOnTerminationSignals();
    // The folder is held from before its files are read until after they are written.
    const QString folder = QDir::currentPath();
    FolderLock lock(folder);
    switch (lock.acquire()) {
    case FolderLock::Outcome::Held:
        removeInterruptedSaves(folder, Program::dataFileNames());
        break;
    case FolderLock::Outcome::Unlockable:
        break; // the program runs as it would without a lock
    case FolderLock::Outcome::ShownThere:
        return 0;
    case FolderLock::Outcome::HeldElsewhere:
        Dialogs::instance().notice(nullptr,
            lock.heldHere()
                ? QCoreApplication::translate("Program",
                    "Folder z danymi „%1” jest używany przez inny program Miravela na tym "
                    "komputerze.\n\nZakończ tamten program i uruchom go ponownie.")
                      .arg(QDir::toNativeSeparators(folder))
                : QCoreApplication::translate("Program",
                    "Folder z danymi „%1” jest używany przez program Miravela na komputerze "
                    "„%2”.\n\nZakończ program na tamtym komputerze i uruchom go tutaj ponownie.")
                      .arg(QDir::toNativeSeparators(folder), lock.holder()));
        return 0;
    }

    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<Program> program;
    try {
        program = std::make_unique<Program>();
    } catch (const std::exception &failure) {
        Dialogs::instance().error(nullptr, QString::fromUtf8(failure.what()));
        return 1;
    }
    TForm1 *main = program->forms().Form1;
    QObject::connect(&lock, &FolderLock::showRequested, main, [main] { bringToFront(main); });
    // A signal that came while start-up waited on a message ends the program
    // before its window shows.
    int status = 0;
    if (!startUpEnded()) {
        program->start();
        status = QApplication::exec();
    }
    // Ending, the main window is not shown again for a second start.
    QObject::disconnect(&lock, nullptr, main, nullptr);
    return program->finish() ? status : 1;
}

int runMiravela(int argc, char *argv[])
{
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Miravela"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    applyAppearance(application);
    // The desktop matches the windows to the menu entry, named after the
    // program's id, and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.miravela.Miravela"));
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addPixmap(QPixmap::fromImage(programIcon(size)));
    QApplication::setWindowIcon(icon);
    return runProgram();
}
