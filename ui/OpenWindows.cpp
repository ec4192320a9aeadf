
#include <QApplication>
#include <QPointer>
#include <array>

#include "AboutWindow.h"
#include "CompositeWindow.h"
#include "MainWindow.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "WindowPlacement.h"

namespace OpenWindows {
namespace {

QPointer<MainWindow>& MainWindowSlot() {
    static QPointer<MainWindow> window;
    return window;
}

std::array<QPointer<SectionWindow>, 9>& SectionSlots() {
    static std::array<QPointer<SectionWindow>, 9> windows;
    return windows;
}

QPointer<AboutWindow>& AboutWindowSlot() {
    static QPointer<AboutWindow> window;
    return window;
}

QPointer<CompositeWindow>& CompositeWindowSlot() {
    static QPointer<CompositeWindow> window;
    return window;
}

}  // namespace

void BringToFront(QWidget* window) {
    // show() alone leaves a minimised window minimised.
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

MainWindow* ShowMainWindow() {
    QPointer<MainWindow>& slot = MainWindowSlot();
    if (!slot) slot = new MainWindow();
    BringToFront(slot);
    return slot;
}

MainWindow* MainWindowIfOpen() { return MainWindowSlot(); }

SectionWindow* OpenSectionWindow(int number) {
    const baricor::ShapeUnit* shape = baricor::ShapeByNumber(number);
    if (!shape) return nullptr;
    QPointer<SectionWindow>& slot = SectionSlots().at(number);
    if (!slot) {
        slot = new SectionWindow(*shape);
        slot->move(FirstPlaceBeside(number - 1, *slot, MainWindowSlot().data()));
    }
    BringToFront(slot);
    return slot;
}

SectionWindow* SectionWindowIfOpen(int number) {
    if (number < 1 || number > 8) return nullptr;
    return SectionSlots().at(number);
}

void CloseAllSectionWindows() {
    for (int number = 1; number <= 8; ++number) {
        if (SectionWindow* window = SectionSlots().at(number)) window->close();
    }
}

CompositeWindow* OpenCompositeWindow() {
    QPointer<CompositeWindow>& slot = CompositeWindowSlot();
    if (!slot) {
        slot = new CompositeWindow();
        slot->adjustSize();
        slot->move(FirstPlaceBeside(0, *slot, MainWindowSlot().data()));
    }
    BringToFront(slot);
    return slot;
}

CompositeWindow* CompositeWindowIfOpen() { return CompositeWindowSlot(); }

void CloseCompositeWindow() {
    if (CompositeWindow* window = CompositeWindowSlot()) window->close();
}

AboutWindow* ShowAboutWindow() {
    QPointer<AboutWindow>& slot = AboutWindowSlot();
    if (!slot) slot = new AboutWindow();
    BringToFront(slot);
    return slot;
}

void EndProgram() {
    CloseAllSectionWindows();
    CloseCompositeWindow();
    if (AboutWindow* info = AboutWindowSlot()) info->close();
    if (MainWindow* form = MainWindowSlot()) form->close();
    QCoreApplication::quit();
}

}  // namespace OpenWindows
