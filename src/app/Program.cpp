#include "app/Program.h"

#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TForm5.h"
#include "app/TFormA.h"
#include "app/TFormL.h"
#include "app/Termination.h"
#include "calendar/TForm2.h"
#include "data/TTextDataSet.h"
#include "daycount/TFormLD.h"
#include "ui/Appearance.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QIcon>

template <typename Window> Window *Program::create(Window *window)
{
    m_windows.emplace_back(window);
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
    m_forms.Form5 = create(new TForm5());
}

Program::~Program()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Program::start()
{
    m_forms.Form1->setFixedSize(m_forms.Form1->sizeHint());
    centreOnScreen(m_forms.Form1);
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

    try {
        Program program;
        program.start();
        const int status = QApplication::exec();
        return program.finish() ? status : 1;
    } catch (const DataSetError &failure) {
        Dialogs::instance().error(nullptr, QString::fromUtf8(failure.what()));
        return 1;
    }
}

int runMiravela(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Miravela"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    applyAppearance(application);
    QApplication::setWindowIcon(QIcon(TFormA::icon()));
    return runProgram();
}
