#include "ui/Windows.h"

#include "ui/Dialogs.h"

#include <QFont>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <exception>

void setWindowStyle(QWidget *window, const QString &objectName, const QString &caption)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void makeFixedWindow(
    QWidget *window, const QString &objectName, const QString &caption, int width, int height)
{
    setWindowStyle(window, objectName, caption);
    window->setFixedSize(width, height);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (window->layout())
        window->layout()->activate();
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(frame.topLeft());
}

void placeOnScreen(QWidget *window, QPoint frameTopLeft)
{
    window->move(frameTopLeft);
}

void showOrRaise(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

QFont sansFont(int pixelSize, bool bold, bool italic)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void guarded(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &failure) {
        Dialogs::instance().error(parent, QString::fromUtf8(failure.what()));
    } catch (...) {
        Dialogs::instance().error(parent, QStringLiteral("Wystąpił nieoczekiwany błąd."));
    }
}
