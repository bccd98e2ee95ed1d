#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

class SystemFileDialogs final : public FileDialogs {
public:
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter) override
    {
        QFileDialog dialog(parent, caption, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an ending gets the ending of the chosen kind of
        // file, so that the open dialog lists it again.
        const auto followKind = [&dialog](const QString &kind) {
            dialog.setDefaultSuffix(
                QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(kind).captured(1));
        };
        followKind(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followKind);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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
