// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Appearance.h"
#include "OpenWindows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    OpenWindows::ShowMainWindow();
    return app.exec();
}
