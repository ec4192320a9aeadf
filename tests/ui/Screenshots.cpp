// Renders every window of the program into PNG files, for the README and for
// checking by eye that no caption or label is clipped. Run at a device pixel
// ratio of 2 (QT_SCALE_FACTOR=2), it renders the windows that carry pictures,
// into NAME@2x.png, to show them drawn at the screen's resolution.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

#include "AboutWindow.h"
#include "CompositeWindow.h"
#include "Appearance.h"
#include "DerivedPropertiesMenu.h"
#include "DerivedPropertiesWindow.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MessageWindow.h"
#include "OpenWindows.h"
#include "ProfilesWindow.h"
#include "SectionWindow.h"
#include "Shapes.h"

namespace {

bool Dense() { return qApp->devicePixelRatio() > 1.0; }

void Save(QWidget* window, const QDir& folder, const QString& name, bool hasPictures = false) {
    if (Dense() && !hasPictures) return;
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) qWarning("%s was not shown", qPrintable(name));
    QTest::qWait(50);
    window->grab().save(folder.filePath(name + (Dense() ? "@2x" : "") + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Appearance::PrepareApplication();
    const QDir folder(argc > 1 ? argv[1] : "docs/screenshots");
    QDir().mkpath(folder.path());

    Save(OpenWindows::ShowMainWindow(), folder, "Form1", true);
    for (int n = 1; n <= int(baricor::AllShapes().size()); ++n) {
        if (SectionWindow* window = OpenWindows::OpenSectionWindow(n)) Save(window, folder, window->objectName(), true);
    }
    // The derived properties of the default L.
    OpenWindows::SectionWindowIfOpen(5)->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* derived = qobject_cast<DerivedPropertiesWindow*>(top)) Save(derived, folder, derived->objectName());
    }
    // A built-up section: a 200 x 20 plate welded on the default double T,
    // the plate's row selected.
    {
        baricor::CompositePart beam = CompositeWindow::NewPart({&baricor::DoubleTSection(), nullptr});
        baricor::CompositePart plate = CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr});
        plate.texts.dimensions = {"200", "20"};
        plate.texts.dy = "85";  // the I's G 85 below the plate's
        CompositeWindow::Parts() = {beam, plate};
        CompositeWindow* composite = OpenWindows::OpenCompositeWindow();
        composite->resize(composite->sizeHint().expandedTo(QSize(1000, 560)));
        composite->findChild<QTableWidget*>("Parts")->setCurrentCell(1, 0);
        Save(composite, folder, "Composite");
    }
    // The catalogue on an unequal angle: its fillets, toe radii and turned axes.
    ProfilesWindow* profiles = OpenWindows::OpenProfilesWindow();
    profiles->Select("L 120x80x10");
    Save(profiles, folder, profiles->objectName());
    MessageWindow errore(kNotNumericMessage, nullptr);
    errore.setWindowModality(Qt::NonModal);
    Save(&errore, folder, "Errore", true);
    MessageWindow errore2(kCheckDataMessage, nullptr);
    errore2.setWindowModality(Qt::NonModal);
    Save(&errore2, folder, "Errore2");
    Save(OpenWindows::ShowAboutWindow(), folder, "Info");
    HelpWindow guida;
    guida.setWindowModality(Qt::NonModal);
    Save(&guida, folder, "Guida");
    return 0;
}
