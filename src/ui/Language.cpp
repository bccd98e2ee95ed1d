#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <vector>

namespace {

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application exists (the command line is read first).
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString fileFor(const QString &language, const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("miravela_%1.qm").arg(language));
}

// The language of one of the user's languages that the program speaks, or
// an empty string: the tag's full name first ("en_GB"), then its language
// alone ("en"), as Qt looks up its own translations.
QString spokenLanguage(const QString &tag, const QString &folder)
{
    if (tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
        return Language::polish;
    const QLocale locale(tag);
    if (locale.language() == QLocale::Polish)
        return Language::polish;
    if (locale.language() == QLocale::C)
        return {}; // a tag Qt does not know
    for (const QString &name : { locale.name(), QLocale::languageToCode(locale.language()) }) {
        if (QFileInfo::exists(fileFor(name, folder)))
            return name;
    }
    return {};
}

// The locale of dates and numbers in an interface of `language`.
QLocale localeFor(const QString &language)
{
    const QLocale system = QLocale::system();
    const QLocale spoken(language);
    if (system.language() == spoken.language())
        return system;
    return QLocale(spoken.language(), system.territory());
}

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString &currentLanguage()
{
    static QString language = Language::polish;
    return language;
}

} // namespace

namespace Language {

QString translationsFolder()
{
    const QDir beside(executableFolder());
    const QString packaged = beside.filePath(QStringLiteral(MIRAVELA_INSTALLED_TRANSLATIONS));
    if (QFileInfo(packaged).isDir())
        return QDir::cleanPath(packaged);
    return QDir::cleanPath(beside.filePath(QStringLiteral(MIRAVELA_BUILT_TRANSLATIONS)));
}

QStringList available(const QString &folder)
{
    QStringList languages { polish };
    const QString prefix = QStringLiteral("miravela_");
    for (const QString &file :
        QDir(folder).entryList({ prefix + QStringLiteral("*.qm") }, QDir::Files))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

QString choose(const QStringList &uiLanguages, const QString &folder)
{
    if (uiLanguages.isEmpty())
        return polish;
    for (const QString &tag : uiLanguages) {
        const QString language = spokenLanguage(tag, folder);
        if (!language.isEmpty())
            return language;
    }
    return QFileInfo::exists(fileFor(fallback, folder)) ? fallback : polish;
}

QString chooseForSystem()
{
    return choose(QLocale::system().uiLanguages());
}

std::unique_ptr<QTranslator> programTranslation(const QString &language, const QString &folder)
{
    if (language == polish)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileFor(language, folder)))
        return nullptr;
    return translator;
}

void use(const QString &language)
{
    for (const std::unique_ptr<QTranslator> &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();

    if (std::unique_ptr<QTranslator> program = programTranslation(language))
        installed().push_back(std::move(program));
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed().push_back(std::move(qt));
    for (const std::unique_ptr<QTranslator> &translator : installed())
        QCoreApplication::installTranslator(translator.get());

    QLocale::setDefault(localeFor(language));
    currentLanguage() = language;
}

QString current()
{
    return currentLanguage();
}

} // namespace Language
