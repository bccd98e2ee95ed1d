#include "support/TestSeams.h"

PinnedClock::PinnedClock(QDate today)
    : m_today(today)
{
    Clock::install(this);
}

PinnedClock::~PinnedClock()
{
    Clock::install(nullptr);
}

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::notice(QWidget *, const QString &text)
{
    log << QStringLiteral("notice: ") + text;
}

bool ScriptedDialogs::question(QWidget *, const QString &text)
{
    beep();
    log << QStringLiteral("question: ") + text;
    return nextAnswer(false);
}

void ScriptedDialogs::error(QWidget *, const QString &text)
{
    log << QStringLiteral("error: ") + text;
}

bool ScriptedDialogs::retry(QWidget *, const QString &text)
{
    log << QStringLiteral("retry: ") + text;
    if (onRetry)
        onRetry();
    return nextAnswer(false);
}

void ScriptedDialogs::beep()
{
    log << QStringLiteral("beep");
}

bool ScriptedDialogs::nextAnswer(bool otherwise)
{
    return m_answers.isEmpty() ? otherwise : m_answers.dequeue();
}

ScriptedPrintService::ScriptedPrintService()
{
    PrintService::install(this);
}

ScriptedPrintService::~ScriptedPrintService()
{
    PrintService::install(nullptr);
}

void ScriptedPrintService::answerNext(bool confirm, int dpi)
{
    m_answers.enqueue({ confirm, dpi });
}

bool ScriptedPrintService::exec(PrintDialog &dialog, QWidget *)
{
    ++dialogsShown;
    lastOptions = dialog.options();
    Q_EMIT dialog.aboutToShow();
    if (onShown)
        onShown();
    const Answer answer = m_answers.isEmpty() ? Answer { false, 600 } : m_answers.dequeue();
    if (!answer.confirm)
        return false;
    m_lastPdf = m_dir.filePath(QStringLiteral("print-%1.pdf").arg(dialogsShown));
    QPrinter &printer = dialog.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_lastPdf);
    printer.setResolution(answer.dpi);
    return true;
}

ScriptedDateDialog::ScriptedDateDialog()
{
    DateDialog::install(this);
}

ScriptedDateDialog::~ScriptedDateDialog()
{
    DateDialog::install(nullptr);
}

std::optional<QDate> ScriptedDateDialog::pick(QWidget *, QDate shown)
{
    opened << shown;
    return m_answers.isEmpty() ? std::nullopt : m_answers.dequeue();
}
