// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Fonts.h"
#include "Module1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Module1::InitResources();
    QApplication::setWindowIcon(Module1::WrenchIcon());
    QApplication::setFont(DefaultFont());
    Module1::ShowMainWindow();
    return app.exec();
}
