// Keystroke to results in the composite window with 20 parts: a digit typed
// into a dimension cell's editor and taken away again, each key timed from
// its press until the window has read every part, summed, checked the
// placement and written its fields and drawing (all inside the key event).
// Target: median under 200 µs.
//
//   baricor-bench-composite [KEYSTROKES, default 4000]
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <string>

#include "Appearance.h"
#include "CompositeWindow.h"
#include "OpenWindows.h"
#include "Shapes.h"
#include "profiles/ProfileCatalogue.h"
#include "Stats.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    const int keystrokes = argc > 1 ? std::atoi(argv[1]) : 4000;

    // A row of 20 parts side by side, touching: rectangles, double Ts, Cs
    // turned half a turn, tubes and rolled profiles.
    const auto section = [](const baricor::SectionShape& shape) {
        return CompositeWindow::NewPart({&shape, nullptr});
    };
    std::vector<baricor::CompositePart> parts;
    for (int i = 0; i < 20; ++i) {
        const std::string x = std::to_string(-150.0 * i);
        baricor::CompositePart part;
        switch (i % 5) {
            case 0: part = section(baricor::RectangleSection()); break;
            case 1: part = section(baricor::DoubleTSection()); break;
            case 2: part = section(baricor::CSection()); part.texts.theta = "180"; break;
            case 3: part = section(baricor::RectangularTubeSection()); break;
            case 4: part = CompositeWindow::NewPart({nullptr, baricor::FindProfile("HEB 140")}); break;
        }
        part.texts.dx = x;
        parts.push_back(part);
    }
    CompositeWindow::Parts() = parts;
    CompositeWindow* window = OpenWindows::OpenCompositeWindow();
    QTest::qWaitForWindowExposed(window);
    auto* table = window->findChild<QTableWidget*>("Parts");
    table->setCurrentCell(10, CompositeWindow::FirstDimension);
    table->editItem(table->item(10, CompositeWindow::FirstDimension));
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>()) editor = e;
    if (!editor) return 1;
    editor->end(false);

    std::vector<double> times;
    for (int k = 0; k < keystrokes; ++k) {
        const auto from = std::chrono::steady_clock::now();
        if (k % 2 == 0)
            QTest::keyClick(editor, Qt::Key_5);
        else
            QTest::keyClick(editor, Qt::Key_Backspace);
        const auto to = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(to - from).count());
        if (k % 200 == 0) QCoreApplication::processEvents();
    }
    baricor_bench::PrintSummary("composite, 20 parts: keystroke to results", times, "us");
    return 0;
}
