// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Module1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Module1::PrepareApplication();
    Module1::ShowMainWindow();
    return app.exec();
}
