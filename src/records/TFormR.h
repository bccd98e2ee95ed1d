#pragma once

#include <QWidget>

struct Forms;

// Carries the summary report QuickRep1 of every line of the main window's
// record set; never shown itself.
class TFormR : public QWidget {
    Q_OBJECT

public:
    explicit TFormR(const Forms &forms);

private:
    const Forms &m_forms;
};
