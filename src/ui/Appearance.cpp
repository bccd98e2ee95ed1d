#include "ui/Appearance.h"

#include "ui/Windows.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

void applyAppearance(QApplication &application)
{
    const QString metricFont = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), metricFont);
    QFont::insertSubstitution(QStringLiteral("Arial"), metricFont);
    QApplication::setFont(sansFont(11));

    // The classic style the window layouts were drawn for, the same on every
    // desktop: group box captions on the frame, raised panels, plain buttons.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);

    auto *translator = new QTranslator(&application);
    if (translator->load(
            QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
