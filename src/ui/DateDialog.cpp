#include "ui/DateDialog.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace {

class SystemDateDialog final : public DateDialog {
public:
    std::optional<QDate> pick(QWidget *parent, QDate shown) override
    {
        QDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("DateDialog"));
        dialog.setWindowTitle(QCoreApplication::translate("DateDialog", "Data"));
        auto *calendar = new QCalendarWidget(&dialog);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar->setSelectedDate(shown);
        auto *buttons
            = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(calendar);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return calendar->selectedDate();
    }
};

SystemDateDialog systemDateDialog;
DateDialog *installedDateDialog = &systemDateDialog;

} // namespace

DateDialog &DateDialog::instance()
{
    return *installedDateDialog;
}

void DateDialog::install(DateDialog *dialog)
{
    installedDateDialog = dialog ? dialog : &systemDateDialog;
}
