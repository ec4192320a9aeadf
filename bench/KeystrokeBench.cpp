// Keystroke to results: a real section window on the offscreen platform takes
// keystrokes in its fields, and each one is timed from the key press until the
// window has read its inputs and written every result field (all of that
// happens inside the key event), then, separately, until the window has also
// been repainted. Each window is typed into twice: alone, then with its
// derived-properties window open, whose fields and drawing are written inside
// the same key event.
//
//   baricor-bench-keystroke [KEYSTROKES per shape, default 10000] [SHAPE...]
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Appearance.h"
#include "DerivedPropertiesMenu.h"
#include "Fonts.h"
#include "OpenWindows.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "Stats.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

// The fields typed into, in turn: the first dimension, Dx and θ. Each gets a
// digit appended and taken away again, so the texts stay numbers and every
// keystroke recalculates.
std::vector<QLineEdit*> TypedFields(SectionWindow* window) {
    std::vector<QLineEdit*> fields;
    bool dimension = false;
    for (const baricor::InputField& input : window->Layout().inputs) {
        const bool first = input.role == baricor::InputRole::Dimension && !dimension;
        if (first || input.role == baricor::InputRole::Dx || input.role == baricor::InputRole::Theta)
            fields.push_back(window->findChild<QLineEdit*>(QString::fromStdString(input.row.control)));
        dimension = dimension || input.role == baricor::InputRole::Dimension;
    }
    return fields;
}

QLineEdit* AreaField(SectionWindow* window) {
    for (const baricor::ResultField& result : window->Layout().results)
        if (result.quantity == baricor::Quantity::A)
            return window->findChild<QLineEdit*>(QString::fromStdString(result.row.control));
    return nullptr;
}

struct Timings {
    std::vector<double> written;
    std::vector<double> painted;
};

// `derivedJ1` is the derived window's J1 field while it is open, or null.
void TypeInto(SectionWindow* window, int keystrokes, Timings& all, const QLineEdit* derivedJ1) {
    const std::vector<QLineEdit*> fields = TypedFields(window);
    QLineEdit* area = AreaField(window);
    Timings shape;
    for (int i = 0; i < keystrokes; ++i) {
        QLineEdit* field = fields[(i / 100) % fields.size()];
        field->setFocus();
        field->end(false);
        const bool append = i % 2 == 0;
        const QString before = area->text();
        const QString derivedBefore = derivedJ1 ? derivedJ1->text() : QString();
        const Clock::time_point start = Clock::now();
        QTest::keyClick(field, append ? Qt::Key_5 : Qt::Key_Backspace);
        const Clock::time_point written = Clock::now();
        QCoreApplication::processEvents();
        const Clock::time_point painted = Clock::now();
        shape.written.push_back(Microseconds(start, written));
        shape.painted.push_back(Microseconds(start, painted));
        // A dimension keystroke must change the area, or nothing was measured.
        if (i == 0 && (area->text() == before || (derivedJ1 && derivedJ1->text() == derivedBefore))) {
            std::fprintf(stderr, "%s: typing did not change the results\n", qPrintable(window->objectName()));
            std::exit(1);
        }
    }
    const std::string name = window->objectName().toStdString();
    baricor_bench::PrintSummary(name + (derivedJ1 ? "+derived key to written" : " key to results written"),
                                shape.written, "us");
    baricor_bench::PrintSummary(name + (derivedJ1 ? "+derived key to repainted" : " key to window repainted"),
                                shape.painted, "us");
    all.written.insert(all.written.end(), shape.written.begin(), shape.written.end());
    all.painted.insert(all.painted.end(), shape.painted.begin(), shape.painted.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Appearance::InitResources();
    QApplication::setFont(DefaultFont());
    OpenWindows::ShowMainWindow();

    const int keystrokes = argc > 1 ? std::atoi(argv[1]) : 10000;
    std::vector<int> shapes;
    for (int i = 2; i < argc; ++i) shapes.push_back(std::atoi(argv[i]));
    if (shapes.empty())
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) shapes.push_back(layout->number);

    std::printf("%d keystrokes per window on the %s platform\n", keystrokes, qPrintable(QApplication::platformName()));
    Timings all, withDerived;
    for (int number : shapes) {
        SectionWindow* window = OpenWindows::OpenSectionWindow(number);
        if (!window) return 1;
        if (!QTest::qWaitForWindowExposed(window)) return 1;
        TypeInto(window, keystrokes, all, nullptr);

        window->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger();
        QWidget* derived = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "DerivedProperties-" + window->objectName()) derived = top;
        if (!derived || !QTest::qWaitForWindowExposed(derived)) return 1;
        TypeInto(window, keystrokes, withDerived, derived->findChild<QLineEdit*>("J1"));
        window->close();
        QCoreApplication::processEvents();
    }
    if (shapes.size() > 1) {
        baricor_bench::PrintSummary("all key to results written", all.written, "us");
        baricor_bench::PrintSummary("all key to window repainted", all.painted, "us");
        baricor_bench::PrintSummary("all+derived key to written", withDerived.written, "us");
        baricor_bench::PrintSummary("all+derived key to repainted", withDerived.painted, "us");
    }
    return 0;
}
