#include "ui/Hints.h"

#include "ui/StatusBar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

const char *const hintProperty = "miravelaHint";

class HintFilter final : public QObject {
public:
    HintFilter(QWidget *control, StatusBar *bar, int panel)
        : QObject(control)
        , m_bar(bar)
        , m_panel(panel)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove && m_bar) {
            auto *control = static_cast<QWidget *>(watched);
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            if (!control->childAt(pos))
                m_bar->setPanelText(m_panel, hintOf(control));
        }
        return false;
    }

private:
    QPointer<StatusBar> m_bar;
    int m_panel;
};

} // namespace

void setHint(QWidget *control, const QString &hint, StatusBar *bar, int panel)
{
    control->setProperty(hintProperty, hint);
    // A screen reader gives the hint as the control's description.
    control->setAccessibleDescription(hint);
    control->setMouseTracking(true);
    control->installEventFilter(new HintFilter(control, bar, panel));
}

QString hintOf(const QWidget *control)
{
    return control->property(hintProperty).toString();
}
