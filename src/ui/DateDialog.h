#pragma once

#include <QDate>

#include <optional>

class QWidget;

// The calendar dialog "Data" that a date edit opens. Production shows a modal
// dialog; tests install one that answers from a script.
class DateDialog {
public:
    virtual ~DateDialog() = default;
    // Shows the month of `shown`; the day the user confirmed, or nothing when
    // the dialog was cancelled.
    virtual std::optional<QDate> pick(QWidget *parent, QDate shown) = 0;

    static DateDialog &instance();
    static void install(DateDialog *dialog); // nullptr restores the real dialog
};
