#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "AppIcon.h"

void prepareapplication(QApplication& app) {
    QApplication::setOrganizationName("Tarvelo");
    QApplication::setApplicationName("Tarvelo");
    // The small UI face with Cyrillic glyphs; any sans with Cyrillic stands in.
    QFont::insertSubstitutions("MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "Sans Serif"});
    QApplication::setFont(QFont("MS Sans Serif", 8));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QApplication::setWindowIcon(appicon());
}
