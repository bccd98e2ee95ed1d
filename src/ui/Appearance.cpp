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

    // One style everywhere, so that the fixed layouts look the same on every desktop.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);

    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_pl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
