#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace {

class SystemFileDialogs final : public FileDialogs {
public:
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
    }

    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
};

SystemFileDialogs systemFileDialogs;
FileDialogs *installedFileDialogs = &systemFileDialogs;

} // namespace

FileDialogs &FileDialogs::instance()
{
    return *installedFileDialogs;
}

void FileDialogs::install(FileDialogs *dialogs)
{
    installedFileDialogs = dialogs ? dialogs : &systemFileDialogs;
}
