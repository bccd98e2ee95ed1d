#pragma once

#include <QWidget>

struct Forms;

// "Wykres pomiarów temperatury": the readings of the main window's current
// entry as a chart of up to 28 points.
class TFormWT : public QWidget {
    Q_OBJECT

public:
    explicit TFormWT(const Forms &forms);

private:
    const Forms &m_forms;
};
