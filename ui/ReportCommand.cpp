#include "ReportCommand.h"

#include <QFileInfo>
#include <QtGlobal>
#include <QTextStream>
#include <cstring>

#include "CompositeWindow.h"
#include "OpenWindows.h"
#include "Report.h"
#include "SectionWindow.h"
#include "WorkFileMenu.h"

namespace ReportCommand {
namespace {

int Fail(const QString& message, int status) {
    QTextStream(stderr) << message << Qt::endl;
    return status;
}

}  // namespace

void PrepareBatchRun() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

bool Asked(int argc, char** argv) { return argc > 1 && std::strcmp(argv[1], "--report") == 0; }

int Run(const QStringList& arguments) {
    if (arguments.size() != 4)
        return Fail(QStringLiteral("Uso: baricor --report RESOCONTO.pdf LAVORO.baricor"), 2);
    const QString pdf = arguments.at(2);
    const QString problem = WorkSession::OpenWithoutQuestions(arguments.at(3));
    if (!problem.isEmpty()) return Fail(problem, 1);
    const std::vector<SectionWindow*> open = OpenWindows::SectionWindowsInOpeningOrder();
    const std::vector<baricor::CompositePart>& parts = CompositeWindow::Parts();
    if (open.empty() && parts.empty())
        return Fail(QStringLiteral("Nessuna finestra di sezione aperta e nessuna parte della sezione composta in %1: "
                                   "nessun resoconto scritto.")
                        .arg(QFileInfo(arguments.at(3)).absoluteFilePath()),
                    1);
    const std::vector<const SectionWindow*> sections(open.begin(), open.end());
    const QString written = Report::Write(pdf, sections, parts);
    if (!written.isEmpty())
        return Fail(QStringLiteral("Il file «%1» non è stato scritto: %2.").arg(QFileInfo(pdf).absoluteFilePath(), written),
                    1);
    return 0;
}

}  // namespace ReportCommand
