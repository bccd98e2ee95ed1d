#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The language of the interface. The program's texts are written in Polish;
// a file miravela_LANG.qm in the translations folder turns them into another
// language, and adding a language takes no more than that file. The user's
// languages are tried in her order of preference, as Qt programs do: the
// first that is Polish or has a translation is the one. The C and POSIX
// locales count as Polish (the launcher turns them into Polish, and so does
// the program started without it); a user whose languages have none of ours
// gets English.
namespace Language {

inline const QString polish = QStringLiteral("pl");
inline const QString fallback = QStringLiteral("en");

// The folder of the program's translations: where the package installs them
// beside the program, or else the one the build tree makes them in.
QString translationsFolder();

// Polish and every language the folder has a translation into.
QStringList available(const QString &folder = translationsFolder());

// The language ("pl", "en", …) for the user's languages as
// QLocale::uiLanguages() gives them ("en-GB", "pl-PL", "C"…), the
// translations being in `folder`. Polish when not even the fallback's
// translation is there.
QString choose(const QStringList &uiLanguages, const QString &folder = translationsFolder());
// The same for the languages of the system locale.
QString chooseForSystem();

// The program's own translation into `language`, or null for Polish or when
// there is none. Usable before the application exists.
std::unique_ptr<QTranslator> programTranslation(
    const QString &language, const QString &folder = translationsFolder());

// Makes `language` the interface's in the running application: the
// program's translation into it and Qt's own (for standard buttons and
// dialogs), and as the default locale, for month and weekday names and the
// short date, the user's own locale when it speaks that language, else that
// language's locale for her country. Takes the place of the language used
// before; windows made from then on speak it.
void use(const QString &language);

// The language in use: Polish until use() picks another.
QString current();

} // namespace Language
