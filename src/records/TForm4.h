#pragma once

#include <QWidget>

struct Forms;

// "Pomiar temperatury": appends one temperature reading at a time to the
// entry saved last, the first line of the main window's record set.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(const Forms &forms);

private:
    const Forms &m_forms;
};
