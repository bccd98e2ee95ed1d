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

void ScriptedPrintService::answerNextPages(int from, int to, int copies)
{
    m_answers.enqueue({ true, 600, from, to, copies });
}

void ScriptedPrintService::answerNextCopies(
    int copies, bool collate, QPageLayout::Orientation orientation)
{
    m_answers.enqueue({ true, 600, 0, 0, copies, collate, orientation });
}

bool ScriptedPrintService::pageSetup(QPrinter &, QWidget *)
{
    ++pageSetupsShown;
    return false;
}

bool ScriptedPrintService::exec(PrintDialog &dialog, QWidget *)
{
    ++dialogsShown;
    lastOptions = dialog.options();
    lastMinPage = dialog.minPage();
    lastMaxPage = dialog.maxPage();
    Q_EMIT dialog.aboutToShow();
    if (onShown)
        onShown();
    const Answer answer = m_answers.isEmpty() ? Answer { false, 600 } : m_answers.dequeue();
    if (!answer.confirm)
        return false;
    QPrinter &printer = dialog.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (!(dialog.options() & QAbstractPrintDialog::PrintToFile)) {
        printer.setOutputFileName(QString());
        return true;
    }
    m_lastPdf = m_dir.filePath(QStringLiteral("print-%1.pdf").arg(dialogsShown));
    printer.setOutputFileName(m_lastPdf);
    printer.setResolution(answer.dpi);
    if (answer.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(answer.fromPage, answer.toPage);
    }
    printer.setCopyCount(answer.copies);
    printer.setCollateCopies(answer.collate);
    if (answer.orientation)
        printer.setPageOrientation(*answer.orientation);
    return true;
}

ScriptedFileDialogs::ScriptedFileDialogs()
{
    FileDialogs::install(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    FileDialogs::install(nullptr);
}

QString ScriptedFileDialogs::getSaveFileName(
    QWidget *, const QString &caption, const QString &filter)
{
    log << QStringLiteral("save: ") + caption;
    lastFilter = filter;
    return m_names.isEmpty() ? QString() : m_names.dequeue();
}

QString ScriptedFileDialogs::getOpenFileName(
    QWidget *, const QString &caption, const QString &filter)
{
    log << QStringLiteral("open: ") + caption;
    lastFilter = filter;
    return m_names.isEmpty() ? QString() : m_names.dequeue();
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
