#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

// A status bar of fixed panels along a window's bottom edge. Each panel is a
// sunken box with centred text; a width of -1 makes a panel take the rest.
// With no panels it is an empty bar.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    StatusBar(const QString &objectName, int height, QWidget *window);

    void setPanelWidths(const QList<int> &widths);
    int panelCount() const { return int(m_widths.size()); }
    QString panelText(int panel) const { return m_texts.value(panel); }
    void setPanelText(int panel, const QString &text);
    QRect panelRect(int panel) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_widths;
    QStringList m_texts;
};
