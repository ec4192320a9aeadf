#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallItalianToolkitTexts() {
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    translator = candidate;
    return true;
}
