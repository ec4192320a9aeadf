// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Appearance.h"
#include "OpenWindows.h"
#include "Translations.h"
#include "WorkFileMenu.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    InstallItalianToolkitTexts();
    OpenWindows::ShowMainWindow();
    // `baricor FILE`: the work it holds, or a message saying what is wrong with it.
    WorkSession::OpenFromArguments(QApplication::arguments());
    return app.exec();
}
