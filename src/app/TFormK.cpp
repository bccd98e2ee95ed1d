#include "app/TFormK.h"

#include "data/Cp1250.h"
#include "data/KeptCopies.h"
#include "data/LineSplitter.h"
#include "data/PeriodFile.h"
#include "data/PeriodLine.h"
#include "data/SaveFile.h"
#include "data/TTextDataSet.h"
#include "notebook/PadFile.h"
#include "notebook/RtfReader.h"
#include "notebook/TFormN.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>
#include <QTreeWidget>

#include <stdexcept>

namespace {

constexpr int clientWidth = 600;
constexpr int clientHeight = 379;
const QString backupFolder = QStringLiteral("kopie");

enum Column { FileColumn, MadeColumn, HoldsColumn };

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// When a copy was made, "DD.MM.YYYY HH:MM:SS" from its name, with the date in
// the order of the interface's locale; as it stands when it names no real day.
QString madeShown(const QString &madeText)
{
    const QDate day = QDate::fromString(madeText.left(10), QStringLiteral("dd.MM.yyyy"));
    return day.isValid() ? numericDateText(day) + madeText.mid(10) : madeText;
}

// The lines of Daty.txt as the entry grid shows them, one under another.
QString entryLines(const QByteArray &bytes)
{
    QStringList lines;
    for (LineSplitter splitter(bytes); !splitter.atEnd();)
        lines << cp1250::decode(splitter.next());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TFormK::TFormK(TTextDataSet &entries, TFormN &pads)
    : m_entries(entries)
    , m_pads(pads)
{
    makeFixedWindow(this, QStringLiteral("FormK"), tr("Przywróć kopię"), clientWidth, clientHeight);
    setModal(false);

    Label1 = makeLabel(
        this, QStringLiteral("Label1"), tr("&Kopie zapasowe, od najnowszej:"), { 8, 8 });
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 26, 584, 150);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setHeaderLabels({ tr("Kopia pliku"), tr("Zrobiona"), tr("Zawartość") });
    ListView1->header()->setSectionsMovable(false);
    ListView1->setColumnWidth(FileColumn, 96);
    ListView1->setColumnWidth(MadeColumn, 128);
    ListView1->setAccessibleName(tr("Kopie zapasowe"));
    Label1->setBuddy(ListView1);

    // Over the empty list, when there is nothing in it to pick.
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(24, 80, 552, 48);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setWordWrap(true);

    Label2
        = makeLabel(this, QStringLiteral("Label2"), tr("Za&wartość wybranej kopii:"), { 8, 186 });
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(8, 204, 584, 134);
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setAccessibleName(tr("Zawartość wybranej kopii"));
    Label2->setBuddy(RichEdit1);

    Button1 = makeButton(this, QStringLiteral("Button1"), tr("&Przywróć"), { 436, 346, 75, 25 });
    Button1->setDefault(true); // Enter in the list brings the selected copy back
    Button2 = makeButton(this, QStringLiteral("Button2"), tr("Zamknij"), { 517, 346, 75, 25 });

    connectHandler(ListView1, &QTreeWidget::currentItemChanged, this, &TFormK::ListView1Change);
    connectHandler(Button1, &QPushButton::clicked, this, &TFormK::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TFormK::Button2Click);
}

void TFormK::showCopies()
{
    // Opened anew on the newest copy; when open, on the copy she looks at.
    const Listed *current = isVisible() ? selected() : nullptr;
    listCopies(current ? current->path : QString());
    showOrRaise(this);
    ListView1->setFocus();
}

void TFormK::listCopies(const QString &selectedPath)
{
    ListView1->clear();
    m_copies.clear();
    QStringList files { m_entries.fileName() };
    files += TFormN::padFileNames();
    const QString folder = QFileInfo(m_entries.fileName()).dir().filePath(backupFolder);
    QTreeWidgetItem *toSelect = nullptr;
    QHash<QString, Seen> seen;
    for (const KeptCopy &copy : listKeptCopies(files, backupFolder)) {
        const Judgement judgement = judgeCopy(copy, seen);
        const QString &problem = judgement.problem;
        const QString made = madeShown(copy.madeText);
        m_copies.push_back({ copy.path, copy.fileName, made, problem });

        auto *item = new QTreeWidgetItem(ListView1,
            { copy.fileName, made,
                problem.isEmpty() ? judgement.holds : tr("nie do przywrócenia: %1").arg(problem) });
        item->setToolTip(HoldsColumn, item->text(HoldsColumn));
        if (!problem.isEmpty())
            item->setForeground(HoldsColumn, palette().brush(QPalette::Disabled, QPalette::Text));
        if (copy.path == selectedPath || !toSelect)
            toSelect = item;
    }

    m_seen = std::move(seen);

    const QString folderProblem = keptCopiesFolderProblem(folder);
    if (!folderProblem.isEmpty())
        Label3->setText(
            tr("Nie można przejrzeć folderu „%1”: %2").arg(backupFolder, folderProblem));
    else
        Label3->setText(tr("Nie ma jeszcze kopii zapasowych. Program robi je sam, zapisując "
                           "zmienione dane przy zakończeniu pracy."));
    Label3->setVisible(m_copies.empty());
    Label3->raise();

    ListView1->setCurrentItem(toSelect);
    ListView1Change();
}

const TFormK::Listed *TFormK::selected() const
{
    const int row = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    return row >= 0 && size_t(row) < m_copies.size() ? &m_copies[size_t(row)] : nullptr;
}

bool TFormK::isEntries(const QString &fileName) const
{
    return fileName == QFileInfo(m_entries.fileName()).fileName();
}

QByteArray TFormK::readCopy(const QString &path, const QString &fileName, QString &problem) const
{
    const CopyBytes copy
        = readKeptCopy(path, isEntries(fileName) ? largestPeriodFile : largestPadFile);
    problem = copy.problem;
    return copy.bytes;
}

TFormK::Judgement TFormK::judgeCopy(const KeptCopy &copy, QHash<QString, Seen> &seen) const
{
    const QFileInfo info(copy.path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    const auto known = m_seen.constFind(copy.path);
    if (known != m_seen.cend() && known->size == size && known->modified == modified)
        return seen.insert(copy.path, *known)->judgement;
    QString problem;
    const QByteArray bytes = readCopy(copy.path, copy.fileName, problem);
    const Judgement judgement
        = problem.isEmpty() ? judge(copy.fileName, bytes) : Judgement { {}, problem };
    seen.insert(copy.path, { size, modified, judgement });
    return judgement;
}

TFormK::Judgement TFormK::judge(const QString &fileName, const QByteArray &bytes) const
{
    if (isEntries(fileName)) {
        const PeriodFileSummary summary = summarisePeriodFile(bytes);
        if (!summary.problem.isEmpty())
            return { {}, summary.problem };
        QString holds = summary.entries == 0 ? tr("bez wpisów")
                                             : tr("wpisy: %1, najnowszy: %2")
                                                   .arg(summary.entries)
                                                   .arg(QString::fromLatin1(summary.newestStart));
        if (summary.otherLines > 0)
            holds += tr(", inne wiersze: %1").arg(summary.otherLines);
        if (!summary.sentinelLast)
            holds += tr(", bez wiersza końcowego „%1”").arg(QString::fromLatin1(SentinelText));
        return { holds, {} };
    }
    const PadFileSummary summary = summarisePadFile(bytes);
    if (!summary.problem.isEmpty())
        return { {}, summary.problem };
    if (summary.firstWords.isEmpty())
        return { tr("%1, pusty").arg(sizeText(bytes.size())), {} };
    return { tr("%1: %2").arg(sizeText(bytes.size()), summary.firstWords), {} };
}

void TFormK::ListView1Change()
{
    const Listed *copy = selected();
    Button1->setEnabled(copy && copy->problem.isEmpty());
    RichEdit1->clear();
    if (!copy)
        return;
    QString problem = copy->problem;
    const QByteArray bytes
        = problem.isEmpty() ? readCopy(copy->path, copy->fileName, problem) : QByteArray();
    if (!problem.isEmpty())
        RichEdit1->setPlainText(tr("Tej kopii nie można przywrócić: %1.").arg(problem));
    else
        showContents(copy->fileName, bytes);
}

void TFormK::showContents(const QString &fileName, const QByteArray &bytes)
{
    if (isEntries(fileName))
        RichEdit1->setPlainText(entryLines(bytes));
    else
        RtfReader::read(bytes, *RichEdit1->document());
}

bool TFormK::hasUnsavedChanges(const QString &fileName)
{
    return isEntries(fileName) ? m_entries.modified() : m_pads.padWritten(fileName);
}

void TFormK::Button1Click()
{
    const Listed *copy = selected();
    if (!copy || !copy->problem.isEmpty())
        return;
    const Listed chosen = *copy;
    // What is brought back is what is read now, judged again.
    QString problem;
    const QByteArray bytes = readCopy(chosen.path, chosen.fileName, problem);
    if (problem.isEmpty())
        problem = judge(chosen.fileName, bytes).problem;
    if (!problem.isEmpty()) {
        Dialogs::instance().error(this, tr("Tej kopii nie można przywrócić: %1.").arg(problem));
        listCopies(chosen.path);
        return;
    }

    const QString question
        = tr("Przywrócić plik %1 z kopii zapasowej z %2?").arg(chosen.fileName, chosen.madeText)
        + QStringLiteral("\n\n")
        + (hasUnsavedChanges(chosen.fileName)
                ? tr("Niezapisane zmiany w tym pliku zostaną zastąpione zawartością kopii. "
                     "Program najpierw zachowa je jako kopię zapasową, więc przywrócenie można "
                     "cofnąć, przywracając tamtą kopię.")
                : tr("Obecna zawartość pliku zostanie zachowana jako kopia zapasowa, więc "
                     "przywrócenie można cofnąć, przywracając tamtą kopię."));
    if (!Dialogs::instance().question(this, question))
        return;

    try {
        restore(chosen.fileName, bytes);
    } catch (const std::exception &failure) {
        listCopies(chosen.path); // the unsaved changes may be a copy by now
        Dialogs::instance().error(this,
            tr("Nie przywrócono pliku %1: %2")
                .arg(chosen.fileName, QString::fromUtf8(failure.what())));
        return;
    }
    listCopies(chosen.path);
    try {
        reload(chosen.fileName);
    } catch (const std::exception &failure) {
        Dialogs::instance().error(this,
            tr("Przywrócono plik %1 z kopii zapasowej z %2, ale program nie może go wczytać: %3")
                .arg(chosen.fileName, chosen.madeText, QString::fromUtf8(failure.what())));
        return;
    }
    Dialogs::instance().notice(this,
        tr("Przywrócono plik %1 z kopii zapasowej z %2.").arg(chosen.fileName, chosen.madeText));
}

// The unsaved changes go to the file first, as the program's end would write
// them, so that the next save keeps them as a copy. Then the copy's bytes
// replace the file, which is itself kept as a copy first, or nothing changes.
void TFormK::restore(const QString &fileName, const QByteArray &bytes)
{
    if (isEntries(fileName)) {
        m_entries.moveBy(0); // posts a pending change whose field was written
        m_entries.writeChanges();
    } else {
        m_pads.savePad(fileName);
    }
    BackupCopies backups = BackupCopies::inKopie([] { return Clock::now(); });
    backups.required = true;
    const QString path = isEntries(fileName) ? m_entries.fileName() : fileName;
    const SaveResult result = saveFile(path, bytes, backups, NewFile::Private);
    if (!result.saved())
        throw std::runtime_error(result.error.toStdString());
}

// The program shows the file as it now is, as if just started.
void TFormK::reload(const QString &fileName)
{
    if (isEntries(fileName))
        m_entries.reload();
    else
        m_pads.reloadPad(fileName);
}

void TFormK::Button2Click()
{
    close();
}
