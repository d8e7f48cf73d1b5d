#include "app/QtGermanTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace venkar {

const char* qtGermanCatalogue() {
    return "qtbase_de";
}

QTranslator* installQtGermanTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // Debian's package qt6-translations-l10n puts the catalogues into the
    // folder Qt was configured with (/usr/share/qt6/translations).
    if (!translator->load(QString::fromLatin1(qtGermanCatalogue()),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace venkar
