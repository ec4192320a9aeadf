// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Appearance.h"
#include "OpenWindows.h"
#include "Translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    InstallItalianToolkitTexts();
    OpenWindows::ShowMainWindow();
    return app.exec();
}
