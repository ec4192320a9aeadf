// Baricor: geometric properties of beam cross-sections.
#include <QApplication>

#include "Appearance.h"
#include "OpenWindows.h"
#include "ReportCommand.h"
#include "Translations.h"
#include "WorkFileMenu.h"

int main(int argc, char** argv) {
    // A report is written without a window on any screen, with or without a display.
    const bool reportOnly = ReportCommand::Asked(argc, argv);
    if (reportOnly) ReportCommand::PrepareBatchRun();
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    InstallItalianToolkitTexts();
    if (reportOnly) return ReportCommand::Run(QApplication::arguments());
    OpenWindows::ShowMainWindow();
    // `baricor FILE`: the work it holds, or a message saying what is wrong with it.
    WorkSession::OpenFromArguments(QApplication::arguments());
    return app.exec();
}
