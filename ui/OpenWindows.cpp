
#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "AboutWindow.h"
#include "CompositeWindow.h"
#include "MainWindow.h"
#include "ProfilesWindow.h"
#include "SectionLayout.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "WindowPlacement.h"

namespace OpenWindows {
namespace {

QPointer<MainWindow>& MainWindowSlot() {
    static QPointer<MainWindow> window;
    return window;
}

// One slot per shape: TraveN in slot N - 1.
std::vector<QPointer<SectionWindow>>& SectionSlots() {
    static std::vector<QPointer<SectionWindow>> windows(baricor::AllShapes().size());
    return windows;
}

bool IsSectionNumber(int number) { return number >= 1 && size_t(number) <= SectionSlots().size(); }

// Counts the section windows made in this run: each one keeps its count, so
// that the open ones can be listed in the order they were opened.
const char* const kOpeningProperty = "openingCount";
int NextOpeningCount() {
    static int count = 0;
    return ++count;
}

QPointer<AboutWindow>& AboutWindowSlot() {
    static QPointer<AboutWindow> window;
    return window;
}

QPointer<CompositeWindow>& CompositeWindowSlot() {
    static QPointer<CompositeWindow> window;
    return window;
}

QPointer<ProfilesWindow>& ProfilesWindowSlot() {
    static QPointer<ProfilesWindow> window;
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
    const baricor::SectionLayout* layout = baricor::LayoutByNumber(number);
    if (!layout || !IsSectionNumber(number)) return nullptr;
    QPointer<SectionWindow>& slot = SectionSlots().at(size_t(number) - 1);
    if (!slot) {
        slot = new SectionWindow(*layout);
        slot->setProperty(kOpeningProperty, NextOpeningCount());
        slot->move(FirstPlaceBeside(number - 1, *slot, MainWindowSlot().data()));
    }
    BringToFront(slot);
    return slot;
}

SectionWindow* SectionWindowIfOpen(int number) {
    if (!IsSectionNumber(number)) return nullptr;
    return SectionSlots().at(size_t(number) - 1);
}

std::vector<SectionWindow*> SectionWindowsInOpeningOrder() {
    std::vector<SectionWindow*> open;
    for (const QPointer<SectionWindow>& slot : SectionSlots()) {
        SectionWindow* window = slot;
        if (window && window->isVisible()) open.push_back(window);
    }
    std::sort(open.begin(), open.end(), [](const SectionWindow* a, const SectionWindow* b) {
        return a->property(kOpeningProperty).toInt() < b->property(kOpeningProperty).toInt();
    });
    return open;
}

void CloseAllSectionWindows() {
    for (const QPointer<SectionWindow>& slot : SectionSlots()) {
        if (SectionWindow* window = slot) window->close();
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

ProfilesWindow* OpenProfilesWindow() {
    QPointer<ProfilesWindow>& slot = ProfilesWindowSlot();
    if (!slot) {
        slot = new ProfilesWindow();
        slot->adjustSize();  // its size comes from its layout
        slot->move(FirstPlaceBeside(0, *slot, MainWindowSlot().data()));
    }
    BringToFront(slot);
    return slot;
}

ProfilesWindow* ProfilesWindowIfOpen() { return ProfilesWindowSlot(); }

void CloseProfilesWindow() {
    if (ProfilesWindow* window = ProfilesWindowSlot()) window->close();
}

void EndProgram() {
    CloseAllSectionWindows();
    CloseCompositeWindow();
    CloseProfilesWindow();
    if (AboutWindow* info = AboutWindowSlot()) info->close();
    if (MainWindow* form = MainWindowSlot()) form->close();
    QCoreApplication::quit();
}

}  // namespace OpenWindows
