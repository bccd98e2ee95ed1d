#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// A status bar of fixed panels along a window's bottom edge. Each panel is a
// sunken box with centred text; a width of -1 makes a panel take the rest.
// With no panels it is an empty bar. The panels are labels of their own, so
// that assistive technology reads the bar (role StatusBar) and each panel's
// text, from left to right; a panel of bar "StatusBar1" is "StatusBar1Panel0"...
class StatusBar : public QWidget {
    Q_OBJECT

public:
    StatusBar(const QString &objectName, int height, QWidget *window);

    void setPanelWidths(const QList<int> &widths);
    int panelCount() const { return int(m_widths.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    QRect panelRect(int panel) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOutPanels();

    QList<int> m_widths;
    QList<QLabel *> m_panels;
};
