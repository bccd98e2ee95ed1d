#include "notebook/TFormN.h"

#include "data/BackupCopy.h"
#include "data/SaveFile.h"
#include "notebook/DateEdit.h"
#include "notebook/PadFile.h"
#include "notebook/RtfReader.h"
#include "notebook/RtfWriter.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/Dialogs.h"
#include "ui/Hints.h"
#include "ui/PrintDialog.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

constexpr int clientWidth = 459;
constexpr int clientHeight = 302;
constexpr int stripHeight = 57;
constexpr int statusBarHeight = 19;
constexpr int hintPanel = 1;

const QColor stripColours[] = { Colours::lightGreen, Colours::peach, Colours::fuchsia };

QString numbered(const char *name, int number)
{
    return QString::fromLatin1(name) + QString::number(number);
}

// Lays the whole document out over the printable area of each page, as many
// pages as it takes, in one print job.
void printDocument(const QTextDocument &document, QPrinter &printer)
{
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    copy->setPageSize(page);

    QPainter painter;
    if (!painter.begin(&printer))
        throw printerUnavailable();
    const QList<int> pages = paintedPages(printer, copy->pageCount());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage())
            throw printingFailed();
        painter.save();
        const QRectF area(0, pages[i] * page.height(), page.width(), page.height());
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    if (!painter.end())
        throw printingFailed();
}

// All of a pad's file; nothing when it cannot be read, or is too big to be a pad.
std::optional<QByteArray> readPadFile(const QString &fileName)
{
    QFile file(fileName);
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > largestPadFile || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

TFormN::TFormN(Layout layout)
{
    makeFixedWindow(this, QStringLiteral("FormN"), tr("Notatnik"), clientWidth, clientHeight);
    for (int i = 0; i < 3; ++i)
        createEditor(i);
    FormCreate();
    if (layout == Layout::Now)
        layOut();
}

TFormN::~TFormN()
{
    FormDestroy();
}

QStringList TFormN::padFileNames()
{
    return { QStringLiteral("Notatki1.txt"), QStringLiteral("Notatki2.txt"),
        QStringLiteral("Notatki3.txt") };
}

void TFormN::setVisible(bool visible)
{
    if (visible)
        layOut();
    QWidget::setVisible(visible);
}

// The editor holds the pad's text from start-up on. Until its page comes
// with the window's layout it waits outside the window, so that it then takes
// its turn among the window's controls as if it had been made with its page.
void TFormN::createEditor(int index)
{
    const int number = index + 1;
    Pad &pad = m_pads[size_t(index)];
    pad.fileName = padFileNames().at(index);

    if (!m_waitingEditors)
        m_waitingEditors = std::make_unique<QWidget>();
    pad.editor = new QTextEdit(m_waitingEditors.get());
    pad.editor->setObjectName(numbered("RichEdit", number));
    // The pad is read out under its tab's caption.
    pad.editor->setAccessibleName(tr("Notatka (%1)").arg(number));
    pad.editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pad.editor->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    const std::array<QTextEdit **, 3> editors { &RichEdit1, &RichEdit2, &RichEdit3 };
    *editors[size_t(index)] = pad.editor;
}

void TFormN::layOut()
{
    if (PageControl1)
        return;
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, clientWidth, clientHeight);
    for (int i = 0; i < 3; ++i)
        buildPage(i);
    PageControl1->setCurrentIndex(0);
    m_waitingEditors.reset();
    connectHandlers();
    for (Pad &pad : m_pads)
        pad.bar->setPanelText(0, m_startDate);
}

void TFormN::buildPage(int index)
{
    const int number = index + 1;
    Pad &pad = m_pads[size_t(index)];

    pad.page = new QWidget;
    pad.page->setObjectName(numbered("TabSheet", number));
    const QString caption = tr("Notatka (%1)").arg(number);
    PageControl1->addTab(pad.page, caption);
    pad.page->setAccessibleName(caption);
    pad.page->installEventFilter(this); // lays the page out when it gets its size

    auto *strip = new QWidget(pad.page);
    strip->setObjectName(numbered("Panel", number));
    strip->setAutoFillBackground(true);
    setColour(strip, QPalette::Window, stripColours[index]);
    strip->setGeometry(0, 0, clientWidth, stripHeight);

    auto *bevel = new QFrame(strip);
    bevel->setObjectName(numbered("Bevel", number));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(16, 8, 417, 41);

    pad.date = new DateEdit(numbered("DateEdit", number), strip);
    pad.date->setGeometry(32, 16, 89, 21);
    auto *clearButton
        = makeButton(strip, numbered("Button", number), tr("Wyczyść"), { 264, 16, 75, 25 });
    auto *printButton
        = makeButton(strip, numbered("Button", number + 3), tr("Drukuj"), { 344, 16, 75, 25 });

    pad.editor->setParent(pad.page); // between the strip and the status bar

    pad.bar = new StatusBar(numbered("StatusBar", number), statusBarHeight, pad.page);
    pad.bar->setPanelWidths({ 70, 50 });

    setHint(strip, QString(), pad.bar, hintPanel);
    for (QWidget *part :
        { static_cast<QWidget *>(pad.date), static_cast<QWidget *>(pad.date->lineEdit()),
            static_cast<QWidget *>(pad.date->button()) })
        setHint(part, tr("Wybraną datę dopisuje do notatnika."), pad.bar, hintPanel);
    setHint(clearButton, tr("Bezpowrotnie usuwa całą zawartość notatnika."), pad.bar, hintPanel);
    setHint(printButton, tr("Drukuje zawartość notatnika."), pad.bar, hintPanel);

    const std::array<QWidget **, 3> sheets { &TabSheet1, &TabSheet2, &TabSheet3 };
    const std::array<QWidget **, 3> strips { &Panel1, &Panel2, &Panel3 };
    const std::array<QFrame **, 3> bevels { &Bevel1, &Bevel2, &Bevel3 };
    const std::array<DateEdit **, 3> dates { &DateEdit1, &DateEdit2, &DateEdit3 };
    const std::array<QPushButton **, 3> clears { &Button1, &Button2, &Button3 };
    const std::array<QPushButton **, 3> prints { &Button4, &Button5, &Button6 };
    const std::array<StatusBar **, 3> bars { &StatusBar1, &StatusBar2, &StatusBar3 };
    const auto i = size_t(index);
    *sheets[i] = pad.page;
    *strips[i] = strip;
    *bevels[i] = bevel;
    *dates[i] = pad.date;
    *clears[i] = clearButton;
    *prints[i] = printButton;
    *bars[i] = pad.bar;
}

bool TFormN::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        for (Pad &pad : m_pads) {
            if (watched != pad.page)
                continue;
            const int width = pad.page->width();
            const int height = pad.page->height();
            pad.date->parentWidget()->resize(width, stripHeight);
            pad.editor->setGeometry(
                0, stripHeight, width, std::max(0, height - stripHeight - statusBarHeight));
            pad.bar->setGeometry(0, height - statusBarHeight, width, statusBarHeight);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormN::connectHandlers()
{
    connectHandler(DateEdit1, &DateEdit::dateEntered, this, &TFormN::DateEdit1Change);
    connectHandler(DateEdit2, &DateEdit::dateEntered, this, &TFormN::DateEdit2Change);
    connectHandler(DateEdit3, &DateEdit::dateEntered, this, &TFormN::DateEdit3Change);
    connectHandler(Button1, &QPushButton::clicked, this, &TFormN::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TFormN::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TFormN::Button3Click);
    connectHandler(Button4, &QPushButton::clicked, this, &TFormN::Button4Click);
    connectHandler(Button5, &QPushButton::clicked, this, &TFormN::Button5Click);
    connectHandler(Button6, &QPushButton::clicked, this, &TFormN::Button6Click);
}

void TFormN::FormCreate()
{
    for (Pad &pad : m_pads) {
        load(pad);
        connect(pad.editor->document(), &QTextDocument::contentsChange, this,
            [&pad](int, int removed, int added) {
                if (removed > 0 || added > 0)
                    pad.written = true;
            });
    }
    // The start-up date, also when the window is laid out later.
    m_startDate = shortDateText(Clock::today());
}

void TFormN::FormDestroy()
{
    if (std::exchange(m_saved, true))
        return;
    for (Pad &pad : m_pads)
        save(pad);
}

// A pad whose file cannot be read is reported and starts empty. Its file is
// written at the end only when the user wrote in that pad, as every pad's is:
// a missing file stays missing, an unreadable or damaged one (the pad shows
// what could be read of it) stays as it is, and so do the parts of a sound
// file that the pad does not show.
void TFormN::load(Pad &pad)
{
    if (const std::optional<QByteArray> bytes = readPadFile(pad.fileName))
        showFile(pad, *bytes);
    else
        reportUnopened(pad);
}

void TFormN::showFile(Pad &pad, QByteArrayView bytes)
{
    QTextDocument *document = pad.editor->document();
    RtfReader::read(bytes, *document);
    document->clearUndoRedoStacks();
    document->setModified(false);
}

void TFormN::reportUnopened(const Pad &pad)
{
    Dialogs::instance().error(this, QStringLiteral("Cannot open file ") + pad.fileName);
}

bool TFormN::closePads()
{
    m_saved = true; // the destructor has nothing left to write
    bool allWritten = true;
    for (Pad &pad : m_pads) {
        for (;;) {
            try {
                saveNow(pad);
                break;
            } catch (const std::exception &failure) {
                const QString explanation
                    = tr("Tekst wpisany w tym notatniku od uruchomienia programu nie został "
                         "zapisany. Zwolnij miejsce na dysku albo sprawdź, czy plik notatnika "
                         "można zapisywać, i spróbuj ponownie. Po rezygnacji tekst zostanie "
                         "zachowany jako kopia w folderze „kopie”, skąd można go przywrócić "
                         "(Dane › Przywróć kopię…).");
                if (Dialogs::instance().retry(this,
                        QString::fromUtf8(failure.what()) + QStringLiteral("\n\n") + explanation))
                    continue;
                allWritten = false;
                keepUnwritten(pad);
                break;
            }
        }
    }
    return allWritten;
}

void TFormN::keepUnwritten(const Pad &pad)
{
    const QString problem
        = BackupCopy::keepBytes(pad.fileName, RtfWriter::write(*pad.editor->document()),
            BackupCopies::inKopie([] { return Clock::now(); }));
    if (!problem.isEmpty())
        Dialogs::instance().error(this,
            tr("Nie można zachować tekstu notatnika %1 jako kopii: %2").arg(pad.fileName, problem));
}

void TFormN::writeChanges()
{
    for (Pad &pad : m_pads) {
        try {
            saveNow(pad);
        } catch (const std::exception &) {
            // closePads() at the end tries again and asks.
        }
    }
}

void TFormN::save(Pad &pad)
{
    try {
        saveNow(pad);
    } catch (const std::exception &failure) {
        Dialogs::instance().error(this, QString::fromUtf8(failure.what()));
    }
}

void TFormN::saveNow(Pad &pad)
{
    if (!pad.written)
        return;
    const QByteArray rtf = RtfWriter::write(*pad.editor->document());
    const SaveResult result = saveFile(
        pad.fileName, rtf, BackupCopies::inKopie([] { return Clock::now(); }), NewFile::Private);
    if (!result.saved())
        throw std::runtime_error(QStringLiteral("Cannot create file %1: %2")
                                     .arg(pad.fileName, result.error)
                                     .toStdString());
    pad.written = false; // the file holds it now
}

TFormN::Pad &TFormN::padOf(const QString &fileName)
{
    for (Pad &pad : m_pads) {
        if (pad.fileName == fileName)
            return pad;
    }
    throw std::invalid_argument("no note pad is kept in " + fileName.toStdString());
}

bool TFormN::padWritten(const QString &fileName)
{
    return padOf(fileName).written;
}

void TFormN::savePad(const QString &fileName)
{
    saveNow(padOf(fileName));
}

void TFormN::reloadPad(const QString &fileName)
{
    Pad &pad = padOf(fileName);
    const std::optional<QByteArray> bytes = readPadFile(pad.fileName);
    if (!bytes)
        throw std::runtime_error("Cannot open file " + pad.fileName.toStdString());
    showFile(pad, *bytes);
    pad.written = false;
}

// The date becomes a new last paragraph; the paragraphs before it keep their
// text and looks. An empty pad holds the date alone.
void TFormN::appendDate(Pad &pad)
{
    QTextDocument *document = pad.editor->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!document->isEmpty())
        cursor.insertBlock();
    cursor.insertText(pad.date->text());
    cursor.endEditBlock();
}

void TFormN::clear(Pad &pad)
{
    Dialogs &dialogs = Dialogs::instance();
    if (dialogs.question(this, tr("Czy na pewno usunąć zawartość tej strony Notatnika ???")))
        pad.editor->clear();
}

void TFormN::print(Pad &pad)
{
    // Made when first printing: a printer loads the system's printing
    // support, which start-up has no need of.
    if (!PrintDialog1) {
        PrintDialog1 = new PrintDialog(this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    if (!PrintService::instance().exec(*PrintDialog1, this))
        return;
    QPrinter &printer = PrintDialog1->printer();
    printer.setDocName(pad.fileName);
    runPrintJob(printer, [&] { printDocument(*pad.editor->document(), printer); });
}

void TFormN::DateEdit1Change()
{
    appendDate(m_pads[0]);
}

void TFormN::DateEdit2Change()
{
    appendDate(m_pads[1]);
}

void TFormN::DateEdit3Change()
{
    appendDate(m_pads[2]);
}

void TFormN::Button1Click()
{
    clear(m_pads[0]);
}

void TFormN::Button2Click()
{
    clear(m_pads[1]);
}

void TFormN::Button3Click()
{
    clear(m_pads[2]);
}

void TFormN::Button4Click()
{
    print(m_pads[0]);
}

void TFormN::Button5Click()
{
    print(m_pads[1]);
}

void TFormN::Button6Click()
{
    print(m_pads[2]);
}
