#pragma once

#include <QWidget>

#include <functional>
#include <memory>

// One of the program's windows, built the first time something needs it:
// a window nobody has opened yet costs nothing at start-up. Once built it
// lives, with all its state, until the program ends.
class LazyWindow {
public:
    using Build = std::function<QWidget *()>;

    LazyWindow() = default;
    explicit LazyWindow(Build build)
        : m_build(std::move(build))
    {
    }

    // The window, built now when it was not yet.
    QWidget *get()
    {
        if (!m_window && m_build)
            m_window.reset(m_build());
        return m_window.get();
    }
    // The window if it has been built, or null.
    QWidget *ifBuilt() const { return m_window.get(); }
    void destroy() { m_window.reset(); }

private:
    Build m_build;
    std::unique_ptr<QWidget> m_window;
};

// A handle on a lazily built window that reads like a pointer to it: using it
// as a pointer builds the window. Copies refer to the same window.
template <typename Window> class WindowRef {
public:
    WindowRef() = default;
    explicit WindowRef(LazyWindow *slot)
        : m_slot(slot)
    {
    }

    Window *get() const { return m_slot ? static_cast<Window *>(m_slot->get()) : nullptr; }
    operator Window *() const { return get(); }
    Window *operator->() const { return get(); }

    // The window if it has been built, or null: for what only matters to a
    // window that exists, such as closing it.
    Window *ifBuilt() const { return m_slot ? static_cast<Window *>(m_slot->ifBuilt()) : nullptr; }

private:
    LazyWindow *m_slot = nullptr;
};
