// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "OpenWindows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    OpenWindows::PrepareApplication();
    OpenWindows::ShowMainWindow();
    return app.exec();
}
