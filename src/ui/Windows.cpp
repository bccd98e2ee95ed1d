#include "ui/Windows.h"

#include "ui/AccessibleRoles.h"
#include "ui/Dialogs.h"
#include "ui/WindowFrame.h"
#include "ui/WindowPlacement.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <exception>
#include <utility>

void setWindowStyle(QWidget *window, const QString &objectName, const QString &caption)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // A main window or a dialog has its role from Qt already.
    if (!qobject_cast<QMainWindow *>(window) && !qobject_cast<QDialog *>(window))
        setAccessibleRole(window, QAccessible::Window);
}

void makeFixedWindow(
    QWidget *window, const QString &objectName, const QString &caption, int width, int height)
{
    setWindowStyle(window, objectName, caption);
    window->setFixedSize(width, height);
}

namespace {

QRect availableArea(const QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Puts a window where its frame belongs as it is first shown: after it is
// created, before it is mapped, once the frame's margins can be known. The
// client area then goes straight to its final place, so the window neither
// jumps nor reports a stale position. Where the margins are only a guess
// before the window is on the screen (the window manager did not answer, and
// another window's frame stood in), the place is checked once the window
// manager has framed it, and the window moves only if the frame differs.
class FirstShowPlacement final : public QObject {
public:
    using FramePlace = std::function<QPoint(const QMargins &frame)>;

    FirstShowPlacement(QWidget *window, FramePlace framePlace)
        : QObject(window)
        , m_window(window)
        , m_framePlace(std::move(framePlace))
    {
        setObjectName(QString::fromLatin1(name));
        window->installEventFilter(this);
    }

    static void replace(QWidget *window, FramePlace framePlace)
    {
        delete window->findChild<QObject *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        new FirstShowPlacement(window, std::move(framePlace));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            const auto frame = WindowFrame::expectedMargins(m_window);
            if (frame)
                place(*frame);
            if (WindowFrame::frameKnownOnlyOnScreen(m_window))
                checkOnceFramed(frame);
            else
                deleteLater();
        }
        return false;
    }

private:
    static constexpr const char *name = "miravelaFirstShowPlacement";
    static constexpr int pollMs = 10;
    static constexpr int patienceMs = 2000;

    void place(const QMargins &frame)
    {
        const QPoint client = WindowPlacement::clientFor(m_framePlace(frame), frame);
        m_window->setGeometry(QRect(client, m_window->size()));
    }

    // The frame is final once the window is exposed inside it.
    void checkOnceFramed(std::optional<QMargins> placedFor)
    {
        auto *timer = new QTimer(this);
        const QDeadlineTimer deadline(patienceMs);
        connect(timer, &QTimer::timeout, this, [this, deadline, placedFor] {
            const QWindow *handle = m_window->windowHandle();
            const auto frame = WindowFrame::knownMargins(m_window);
            if (handle && handle->isExposed() && frame) {
                if (frame != placedFor)
                    place(*frame);
            } else if (!deadline.hasExpired()) {
                return;
            }
            deleteLater();
        });
        timer->start(pollMs);
    }

    QWidget *m_window;
    FramePlace m_framePlace;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    if (window->layout())
        window->layout()->activate();
    // Centred as a window without a frame for now (right where there is none,
    // offscreen); the first showing allows for the frame.
    const QRect available = availableArea(window);
    window->move(WindowPlacement::centredFrame(available, window->size(), QMargins()));
    FirstShowPlacement::replace(window, [window](const QMargins &frame) {
        return WindowPlacement::centredFrame(availableArea(window), window->size(), frame);
    });
}

void placeOnScreen(QWidget *window, QPoint frameTopLeft)
{
    window->move(frameTopLeft);
    FirstShowPlacement::replace(window, [frameTopLeft](const QMargins &) { return frameTopLeft; });
}

void showOrRaise(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void bringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    showOrRaise(window);
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
        Dialogs::instance().error(
            parent, QCoreApplication::translate("Windows", "Wystąpił nieoczekiwany błąd."));
    }
}
