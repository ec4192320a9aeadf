// The PDF report of one section window, timed from the call until the file is
// written: the page laid out and painted (drawing and tables), the fonts
// embedded, the file saved. Each of the eight section windows at its built-in
// dimensions, with its derived window open, on the offscreen platform; then
// the composite's report, of 10 and of 1000 rectangles (the most it holds),
// the analysis included.
//
//   baricor-bench-report [REPORTS per shape, default 50] [SHAPE...]
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Appearance.h"
#include "CompositeWindow.h"
#include "DerivedPropertiesMenu.h"
#include "OpenWindows.h"
#include "Report.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "Stats.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    OpenWindows::ShowMainWindow();
    const int reports = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    std::vector<int> shapes;
    for (int i = 2; i < argc; ++i) shapes.push_back(std::atoi(argv[i]));
    if (shapes.empty())
        for (int i = 1; i <= int(baricor::AllShapes().size()); ++i) shapes.push_back(i);

    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    std::vector<double> all;
    bool first = true;
    for (int number : shapes) {
        SectionWindow* window = OpenWindows::OpenSectionWindow(number);
        window->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger();
        QCoreApplication::processEvents();
        // The first report of the process loads and parses the fonts: timed on its own.
        const auto coldStart = std::chrono::steady_clock::now();
        Report::Write(path, {window});
        if (first)
            std::printf("%-34s %9.3f ms\n", "first report of the process",
                        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - coldStart).count());
        first = false;
        std::vector<double> times;
        for (int i = 0; i < reports; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const QString failed = Report::Write(path, {window});
            const auto end = std::chrono::steady_clock::now();
            if (!failed.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(failed));
                return 1;
            }
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        baricor_bench::PrintSummary(window->objectName().toStdString() + " report", times, "ms");
        all.insert(all.end(), times.begin(), times.end());
        window->close();
        QCoreApplication::processEvents();
    }
    baricor_bench::PrintSummary("every shape", all, "ms");

    for (int count : {10, CompositeWindow::kMaximumParts}) {
        std::vector<baricor::CompositePart> parts;
        for (int i = 0; i < count; ++i) {
            baricor::CompositePart part = CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr});
            part.texts.dx = std::to_string(100 * i);
            parts.push_back(part);
        }
        std::vector<double> times;
        const int runs = count > 100 ? std::max(1, reports / 10) : reports;
        for (int i = 0; i < runs; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const QString failed = Report::Write(path, {}, parts);
            const auto end = std::chrono::steady_clock::now();
            if (!failed.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(failed));
                return 1;
            }
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        baricor_bench::PrintSummary("composite of " + std::to_string(count) + " parts report", times, "ms");
    }

    return 0;
}
