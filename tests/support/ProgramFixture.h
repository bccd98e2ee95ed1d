#pragma once

#include "app/Program.h"
#include "data/UserSettings.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// A running program over a fresh data folder: writes Daty.txt (and the note
// pads' files) into a temporary folder, makes it the current directory and
// creates all windows, as start-up does. The user's settings are kept in
// `settingsFolder`, by default a fresh temporary folder of its own. The test's application gets the
// program's fonts and translations on first use.
class ProgramFixture {
public:
    explicit ProgramFixture(const QByteArray &daty = QByteArrayLiteral("Miravela 2.0\r\n"),
        const QString &settingsFolder = {});
    ~ProgramFixture();

    const Forms &forms() const { return m_program->forms(); }
    Program &program() { return *m_program; }
    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }
    QByteArray fileBytes(const QString &fileName) const;

    // Finds a control of a window by its name.
    template <typename T = QWidget> static T *find(QWidget *window, const QString &name)
    {
        return window->findChild<T *>(name);
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    UserSettingsIn m_settings;
    QString m_previousDir;
    std::unique_ptr<Program> m_program;
};

// Gives the test application the program's look (fonts, style, translations).
void applyProgramAppearance();

// Moves the mouse to `pos` of `window` as the window system would: the move
// goes to the deepest visible widget there and travels up from it.
void hover(QWidget *window, QPoint pos);
