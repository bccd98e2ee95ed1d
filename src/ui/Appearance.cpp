#include "ui/Appearance.h"

#include "ui/Language.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFont>
#include <QIconEngine>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <optional>

namespace {

// A standard icon of the style that is looked up when it is first drawn or
// measured rather than when its widget is made.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap which, const QWidget *widget)
        : m_style(style)
        , m_which(which)
        , m_widget(widget)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // `size` is in device pixels: the icon asked again is asked for it in
        // the same way.
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // The style's own icons are never empty; asking must not look it up.
    bool isNull() override { return m_icon ? m_icon->isNull() : false; }
    QString key() const override { return QStringLiteral("MiravelaDeferredIcon"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_icon) {
            QStyle *style = m_style ? m_style.data() : QApplication::style();
            m_icon = style->standardIcon(m_which, nullptr, m_widget.data());
        }
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;
    std::optional<QIcon> m_icon;
};

// The classic style, but two icons that widgets ask for as they are made, and
// that this program's windows never or hardly ever show, are looked up only
// when drawn: the month arrows of a calendar's own navigation bar (our
// calendars step the months with buttons of their own), for which the
// desktop's whole icon theme is read, and the menu bar's button for the menus
// that do not fit (the main window's all fit), for which the image format
// plugins are loaded.
class ProgramStyle final : public QProxyStyle {
public:
    explicit ProgramStyle(QStyle *classic)
        : QProxyStyle(classic)
    {
    }

    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        const bool calendarArrow = (icon == SP_ArrowLeft || icon == SP_ArrowRight)
            && qobject_cast<const QCalendarWidget *>(widget);
        const bool menuOverflow
            = icon == SP_ToolBarHorizontalExtensionButton && qobject_cast<const QMenuBar *>(widget);
        if (!option && (calendarArrow || menuOverflow))
            return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void applyAppearance(QApplication &)
{
    const QString metricFont = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), metricFont);
    QFont::insertSubstitution(QStringLiteral("Arial"), metricFont);
    QApplication::setFont(sansFont(11));

    // The classic style the window layouts were drawn for, the same on every
    // desktop: group box captions on the frame, raised panels, plain buttons.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(new ProgramStyle(style));

    Language::use(Language::chooseForSystem());
}
