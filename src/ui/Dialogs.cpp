#include "ui/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The caption of notices and error boxes: the program's own name.
QString programCaption()
{
    return QStringLiteral("Miravela 2.0");
}

class MessageBoxDialogs final : public Dialogs {
public:
    void notice(QWidget *parent, const QString &text) override
    {
        QMessageBox::information(parent, programCaption(), text, QMessageBox::Ok);
    }

    bool question(QWidget *parent, const QString &text) override
    {
        beep();
        return QMessageBox::question(parent, QCoreApplication::translate("Dialogs", "Pytanie"),
                   text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    }

    void error(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, programCaption(), text, QMessageBox::Ok);
    }

    bool retry(QWidget *parent, const QString &text) override
    {
        return QMessageBox::critical(parent, programCaption(), text,
                   QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry)
            == QMessageBox::Retry;
    }

    void beep() override { QApplication::beep(); }
};

MessageBoxDialogs messageBoxDialogs;
Dialogs *installedDialogs = &messageBoxDialogs;

} // namespace

Dialogs &Dialogs::instance()
{
    return *installedDialogs;
}

void Dialogs::install(Dialogs *dialogs)
{
    installedDialogs = dialogs ? dialogs : &messageBoxDialogs;
}
