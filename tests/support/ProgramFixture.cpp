#include "support/ProgramFixture.h"

#include "ui/Appearance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>

void applyProgramAppearance()
{
    static bool applied = false;
    if (!applied) {
        applied = true;
        applyAppearance(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    }
}

namespace {

// An empty note pad as the program installs it.
const QByteArray emptyPad = QByteArrayLiteral(
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045{\\fonttbl{\\f0\\fnil\\fcharset238 MS Sans "
    "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16\\par\r\n}\r\n");

} // namespace

ProgramFixture::ProgramFixture(const QByteArray &daty, const QString &settingsFolder)
    : m_settings(settingsFolder.isEmpty() ? m_settingsDir.path() : settingsFolder)
    , m_previousDir(QDir::currentPath())
{
    applyProgramAppearance();
    if (!m_dir.isValid())
        qFatal("ProgramFixture: no temporary folder");
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("ProgramFixture: cannot write %s", qPrintable(file.fileName()));
    };
    write(QStringLiteral("Daty.txt"), daty);
    for (const char *pad : { "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" })
        write(QString::fromLatin1(pad), emptyPad);
    QDir::setCurrent(m_dir.path());
    m_program = std::make_unique<Program>();
}

ProgramFixture::~ProgramFixture()
{
    m_program.reset();
    QDir::setCurrent(m_previousDir);
}

QByteArray ProgramFixture::fileBytes(const QString &fileName) const
{
    QFile file(m_dir.filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void hover(QWidget *window, QPoint pos)
{
    QWidget *target = window->childAt(pos);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, pos);
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(window->mapToGlobal(pos)),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}
