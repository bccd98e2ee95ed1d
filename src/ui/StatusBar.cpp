#include "ui/StatusBar.h"

#include "ui/AccessibleRoles.h"

#include <QLabel>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int panelGap = 2;
constexpr int textMargin = 3;

// One panel: a sunken box with its text centred on one line, drawn as the
// bar has always drawn it; a label, so that its text is read out.
class Panel final : public QLabel {
public:
    Panel(const QString &objectName, QWidget *bar)
        : QLabel(bar)
    {
        setObjectName(objectName);
        setTextFormat(Qt::PlainText);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(textMargin, 0, -textMargin, 0),
            Qt::AlignCenter | Qt::TextSingleLine, text());
    }
};

} // namespace

StatusBar::StatusBar(const QString &objectName, int height, QWidget *window)
    : QWidget(window)
{
    setObjectName(objectName);
    setAccessibleRole(this, QAccessible::StatusBar);
    setGeometry(0, window->height() - height, window->width(), height);
}

void StatusBar::setPanelWidths(const QList<int> &widths)
{
    qDeleteAll(m_panels);
    m_panels.clear();
    m_widths = widths;
    for (int i = 0; i < widths.size(); ++i) {
        auto *panel = new Panel(objectName() + QStringLiteral("Panel") + QString::number(i), this);
        panel->show();
        m_panels << panel;
    }
    layOutPanels();
}

QString StatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= m_panels.size())
        return;
    m_panels[panel]->setText(text);
}

QRect StatusBar::panelRect(int panel) const
{
    int left = 0;
    for (int i = 0; i < panel; ++i)
        left += m_widths[i] + panelGap;
    const int width = m_widths[panel] < 0 ? this->width() - left : m_widths[panel];
    return { left, panelGap, width, height() - panelGap };
}

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), palette().window());
}

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutPanels();
}

void StatusBar::layOutPanels()
{
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setGeometry(panelRect(i));
}
