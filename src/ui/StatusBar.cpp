#include "ui/StatusBar.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
constexpr int panelGap = 2;
constexpr int textMargin = 3;
} // namespace

StatusBar::StatusBar(const QString &objectName, int height, QWidget *window)
    : QWidget(window)
{
    setObjectName(objectName);
    setGeometry(0, window->height() - height, window->width(), height);
}

void StatusBar::setPanelWidths(const QList<int> &widths)
{
    m_widths = widths;
    m_texts.resize(widths.size());
    update();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= m_texts.size() || m_texts[panel] == text)
        return;
    m_texts[panel] = text;
    update(panelRect(panel));
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
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < m_widths.size(); ++i) {
        const QRect box = panelRect(i);
        qDrawShadePanel(&painter, box, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(textMargin, 0, -textMargin, 0),
            Qt::AlignCenter | Qt::TextSingleLine, m_texts[i]);
    }
}
