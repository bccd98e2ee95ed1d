#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TForm5.h"
#include "app/TFormA.h"
#include "app/TFormL.h"
#include "app/Termination.h"
#include "calendar/TForm2.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "daycount/TFormLD.h"
#include "notebook/TFormN.h"
#include "records/TForm4.h"
#include "records/TFormR.h"
#include "tempchart/TFormWT.h"
#include "ui/Appearance.h"
#include "ui/Dialogs.h"
#include "ui/ProgramIcon.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QIcon>

template <typename Window> Window *Program::create(Window *window)
{
    m_windows.emplace_back(window);
    // Every window opens centred, but for those that placed themselves.
    if (!window->testAttribute(Qt::WA_Moved))
        centreOnScreen(window);
    return window;
}

Program::Program()
{
    m_forms.Form1 = create(new TForm1(m_forms));
    m_forms.Form2 = create(new TForm2());
    m_forms.FormA = create(new TFormA());
    m_forms.FormL = create(new TFormL());
    m_forms.Form3 = create(new TForm3());
    m_forms.FormLD = create(new TFormLD());
    m_forms.Form4 = create(new TForm4(*m_forms.Form1->TextDataSet1));
    m_forms.FormR = create(new TFormR(*m_forms.Form1->TextDataSet1));
    m_forms.FormWT = create(new TFormWT(*m_forms.Form1->DataSource1));
    m_forms.FormN = create(new TFormN());
    m_forms.Form5 = create(new TForm5());

    // When the desktop session ends, the changes go to disk at once, in case
    // the session ends the program without a normal close.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, m_forms.Form1,
        [form = m_forms.Form1] { form->writeChanges(); });
}

QList<QWidget *> Program::windowsInCreationOrder() const
{
    QList<QWidget *> windows;
    for (const auto &window : m_windows)
        windows << window.get();
    return windows;
}

Program::~Program()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Program::start()
{
    m_forms.Form1->show();
}

bool Program::finish()
{
    return m_forms.Form1->closeDataSet();
}

int runProgram()
{
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();

    std::unique_ptr<Program> program;
    try {
        program = std::make_unique<Program>();
    } catch (const std::exception &failure) {
        Dialogs::instance().error(nullptr, QString::fromUtf8(failure.what()));
        return 1;
    }
    program->start();
    const int status = QApplication::exec();
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
    // The desktop matches the windows to the menu entry miravela.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("miravela"));
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addPixmap(QPixmap::fromImage(programIcon(size)));
    QApplication::setWindowIcon(icon);
    return runProgram();
}
