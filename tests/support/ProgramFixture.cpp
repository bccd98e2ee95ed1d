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

ProgramFixture::ProgramFixture(const QByteArray &daty)
    : m_previousDir(QDir::currentPath())
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
