#include "ui/WindowFrame.h"

#include <QWidget>
#include <QWindow>

#ifdef MIRAVELA_X11
#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace {

#ifdef MIRAVELA_X11

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

struct FrameAtoms {
    xcb_atom_t extents = XCB_ATOM_NONE; // _NET_FRAME_EXTENTS
    xcb_atom_t request = XCB_ATOM_NONE; // _NET_REQUEST_FRAME_EXTENTS
};

// Looked up once, both in one round trip to the server.
const FrameAtoms &frameAtoms(xcb_connection_t *connection)
{
    static const FrameAtoms atoms = [connection] {
        const auto intern = [connection](const char *name) {
            return xcb_intern_atom(connection, false, uint16_t(std::strlen(name)), name);
        };
        const auto extents = intern("_NET_FRAME_EXTENTS");
        const auto request = intern("_NET_REQUEST_FRAME_EXTENTS");
        const auto atomOf = [connection](xcb_intern_atom_cookie_t cookie) {
            const auto reply = owned(xcb_intern_atom_reply(connection, cookie, nullptr));
            return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        };
        FrameAtoms found;
        found.extents = atomOf(extents);
        found.request = atomOf(request);
        return found;
    }();
    return atoms;
}

xcb_get_property_cookie_t askFrameExtents(
    xcb_connection_t *connection, xcb_window_t window, xcb_atom_t extents)
{
    return xcb_get_property(connection, false, window, extents, XCB_ATOM_CARDINAL, 0, 4);
}

// _NET_FRAME_EXTENTS of a window: left, right, top and bottom.
std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_get_property_cookie_t asked)
{
    const auto reply = owned(xcb_get_property_reply(connection, asked, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *value = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
}

// Sends _NET_REQUEST_FRAME_EXTENTS to the window manager through the root
// window that `tree` was asked of; the answer comes as the window's property.
void requestFrameExtents(xcb_connection_t *connection, xcb_window_t window,
    xcb_query_tree_cookie_t tree, xcb_atom_t request)
{
    const auto reply = owned(xcb_query_tree_reply(connection, tree, nullptr));
    if (!reply)
        return;
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, false, reply->root,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

xcb_connection_t *x11Connection()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool fixedSize(const QWidget *window)
{
    return window->minimumSize() == window->maximumSize();
}

std::optional<QMargins> marginsOfAWindowOnScreen(const QWidget *window)
{
    std::optional<QMargins> anyKind;
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible())
            continue;
        const auto margins = WindowFrame::knownMargins(other);
        if (!margins)
            continue;
        if (other->windowType() == window->windowType() && fixedSize(other) == fixedSize(window))
            return margins;
        if (!anyKind)
            anyKind = margins;
    }
    return anyKind;
}

// Cleared when the window manager let a request go unanswered.
bool windowManagerAnswers = true;

std::optional<QMargins> askWindowManager(QWidget *window)
{
    constexpr int patienceMs = 100;
    // A window manager answers within a fraction of a millisecond: the window
    // waits for the answer, not for the next look.
    constexpr int pollUs = 200;
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const auto xWindow = xcb_window_t(window->winId()); // creates the window, still unmapped
    const FrameAtoms &atoms = frameAtoms(connection);
    if (atoms.extents == XCB_ATOM_NONE)
        return std::nullopt;
    // Whether the frame is known already (the window was asked for early),
    // and the root to ask through if not, in one round trip.
    const auto known = askFrameExtents(connection, xWindow, atoms.extents);
    const auto tree = xcb_query_tree(connection, xWindow);
    if (auto margins = frameExtents(connection, known)) {
        xcb_discard_reply(connection, tree.sequence);
        return margins;
    }
    if (!windowManagerAnswers) {
        xcb_discard_reply(connection, tree.sequence);
        return std::nullopt;
    }

    requestFrameExtents(connection, xWindow, tree, atoms.request);
    const QDeadlineTimer deadline(patienceMs);
    do {
        const auto asked = askFrameExtents(connection, xWindow, atoms.extents);
        if (auto answer = frameExtents(connection, asked))
            return answer;
        QThread::usleep(pollUs);
    } while (!deadline.hasExpired());
    windowManagerAnswers = false;
    return std::nullopt;
}

#endif

} // namespace

namespace WindowFrame {

void askEarly(QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return;
#ifdef MIRAVELA_X11
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !windowManagerAnswers)
        return;
    if (xcb_connection_t *connection = x11Connection()) {
        const auto xWindow = xcb_window_t(window->winId());
        const FrameAtoms &atoms = frameAtoms(connection);
        if (atoms.request != XCB_ATOM_NONE)
            requestFrameExtents(
                connection, xWindow, xcb_query_tree(connection, xWindow), atoms.request);
    }
#endif
}

std::optional<QMargins> expectedMargins(QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QMargins(); // a splash screen and the like get no frame to allow for
#ifdef MIRAVELA_X11
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto answer = askWindowManager(window))
            return answer;
        return marginsOfAWindowOnScreen(window);
    }
#endif
    return QMargins();
}

bool frameKnownOnlyOnScreen(const QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return false;
#ifdef MIRAVELA_X11
    return QGuiApplication::platformName() == QLatin1String("xcb");
#else
    return false;
#endif
}

std::optional<QMargins> knownMargins(const QWidget *window)
{
    // Asked of the window itself: the widget's copy of its frame is brought up
    // to date only when the window next moves or changes size.
    const QWindow *handle = window->windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    if (margins.isNull())
        return std::nullopt;
    return margins;
}

} // namespace WindowFrame
