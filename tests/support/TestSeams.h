#pragma once

#include "ui/Clock.h"
#include "ui/DateDialog.h"
#include "ui/Dialogs.h"
#include "ui/FileDialogs.h"
#include "ui/PrintDialog.h"

#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

// Test doubles for the seams in ui/: a pinned clock, message boxes answered
// from a script, and a print dialog that prints into a PDF file. Each installs
// itself on construction and restores the real one when destroyed.

class PinnedClock final : public Clock {
public:
    explicit PinnedClock(QDate today);
    ~PinnedClock() override;
    QDate currentDate() const override { return m_today; }
    QDateTime currentDateTime() const override { return QDateTime(m_today, m_time); }
    void setToday(QDate today) { m_today = today; }
    void setNow(const QDateTime &now)
    {
        m_today = now.date();
        m_time = now.time();
    }

private:
    QDate m_today;
    QTime m_time { 0, 0 }; // midnight until a time is pinned
};

// Records every box as "notice: TEXT", "question: TEXT", "error: TEXT",
// "retry: TEXT" and every beep as "beep" (question() beeps first, as the real
// one does). Questions and retries take the next scripted answer; with none
// left, a question answers No and a retry gives up.
class ScriptedDialogs final : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void answerNext(bool answer) { m_answers.enqueue(answer); }
    QStringList log;
    std::function<void()> onRetry; // runs when a retry box is shown, before it is answered

    void notice(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    bool retry(QWidget *parent, const QString &text) override;
    void beep() override;

private:
    bool nextAnswer(bool otherwise);
    QQueue<bool> m_answers;
};

// Answers print dialogs from a script, as on a machine without a printer: a
// confirmed dialog prints into a PDF file through its print-to-file entry at
// the given resolution, and when the dialog does not offer that entry the
// printer has nowhere to print. Counts the dialogs; onShown runs while a
// dialog is on screen, after its window has been told.
class ScriptedPrintService final : public PrintService {
public:
    ScriptedPrintService();
    ~ScriptedPrintService() override;

    void answerNext(bool confirm, int dpi = 600);
    // Confirms the next dialog with pages `from` to `to` and a number of copies.
    void answerNextPages(int from, int to, int copies);
    // Confirms the next dialog with copies, collated or not, on a page turned
    // as given.
    void answerNextCopies(int copies, bool collate, QPageLayout::Orientation orientation);
    bool exec(PrintDialog &dialog, QWidget *parent) override;
    bool pageSetup(QPrinter &printer, QWidget *parent) override; // counts it, answers No

    int dialogsShown = 0;
    int pageSetupsShown = 0;
    int lastMinPage = 0, lastMaxPage = 0;
    std::function<void()> onShown;
    QAbstractPrintDialog::PrintDialogOptions lastOptions;
    QString lastPdf() const { return m_lastPdf; }

private:
    struct Answer {
        bool confirm;
        int dpi;
        int fromPage = 0; // 0: all pages
        int toPage = 0;
        int copies = 1;
        bool collate = true;
        std::optional<QPageLayout::Orientation> orientation {}; // as the printer has it
    };
    QQueue<Answer> m_answers;
    QTemporaryDir m_dir;
    QString m_lastPdf;
};

// Answers file name dialogs from a script: the next queued name, or an empty
// one (cancelled) when none is left. Records each dialog's caption, and the
// kinds of file the last one offered.
class ScriptedFileDialogs final : public FileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;

    void answerNext(const QString &fileName) { m_names.enqueue(fileName); }
    QStringList log;
    QString lastFilter;

    QString getSaveFileName(
        QWidget *parent, const QString &caption, const QString &filter) override;
    QString getOpenFileName(
        QWidget *parent, const QString &caption, const QString &filter) override;

private:
    QQueue<QString> m_names;
};

// Answers the calendar dialog "Data" from a script: the next scripted day, or
// Cancel when none is left. Records the day each dialog opened on.
class ScriptedDateDialog final : public DateDialog {
public:
    ScriptedDateDialog();
    ~ScriptedDateDialog() override;

    void answerNext(std::optional<QDate> day) { m_answers.enqueue(day); }
    std::optional<QDate> pick(QWidget *parent, QDate shown) override;

    QList<QDate> opened;

private:
    QQueue<std::optional<QDate>> m_answers;
};
