#include "OpenWindows.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <array>

#include "Fonts.h"
#include "MainWindow.h"
#include "AboutWindow.h"
#include "ResultFormat.h"
#include "SectionWindow.h"
#include "Shapes.h"

static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace OpenWindows {
namespace {

std::string& CurrentFormat() {
    static std::string format(baricor::kDefaultResultFormat);
    return format;
}

baricor::RegionalSeparators& CurrentSeparators() {
    static baricor::RegionalSeparators separators = SeparatorsOf(QLocale::system());
    return separators;
}

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

void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

const std::string& ResultFormat() { return CurrentFormat(); }
void SetResultFormat(const std::string& pattern) { CurrentFormat() = pattern; }

const baricor::RegionalSeparators& Separators() { return CurrentSeparators(); }
void SetSeparators(const baricor::RegionalSeparators& separators) { CurrentSeparators() = separators; }

baricor::RegionalSeparators SeparatorsOf(const QLocale& locale) {
    baricor::RegionalSeparators separators;
    separators.decimal = locale.decimalPoint().toStdString();
    separators.group = locale.groupSeparator().toStdString();
    return separators;
}

void InitResources() { InitPictureResources(); }

void PrepareApplication() {
    QApplication::setStyle("Fusion");
    InitResources();
    QApplication::setWindowIcon(WrenchIcon());
    QApplication::setFont(DefaultFont());
}

QIcon WrenchIcon() {
    QIcon icon;
    icon.addFile(":/icons/wrench-16.png", QSize(16, 16));
    icon.addFile(":/icons/wrench-32.png", QSize(32, 32));
    return icon;
}

QPixmap WarningPicture() { return QPixmap(":/icons/warning-32.png"); }

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
    if (!slot) slot = new SectionWindow(*shape);
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

AboutWindow* ShowAboutWindow() {
    QPointer<AboutWindow>& slot = AboutWindowSlot();
    if (!slot) slot = new AboutWindow();
    BringToFront(slot);
    return slot;
}

void EndProgram() {
    CloseAllSectionWindows();
    if (AboutWindow* info = AboutWindowSlot()) info->close();
    if (MainWindow* form = MainWindowSlot()) form->close();
    QCoreApplication::quit();
}

}  // namespace OpenWindows
