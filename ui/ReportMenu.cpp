#include "ReportMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <functional>

#include "CompositeWindow.h"
#include "DerivedPropertiesWindow.h"
#include "Report.h"
#include "SectionWindow.h"

namespace ReportMenu {
namespace {

// The folder of the last report, where the dialog opens the next time.
QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

QAction* NewEntry(QObject* owner) {
    auto* entry = new QAction(QString::fromUtf8("Esporta PDF…"), owner);
    entry->setObjectName(kExportEntry);
    return entry;
}

// The context menu of a window that has no menu of its own (the derived
// window, the composite window): on its background and drawing, and under a
// result field's own entries. The fields are those the window has when the
// menu is attached; a right click on anything else that has no menu of its
// own (a drawing, a label, a frame) comes on to the window.
class WindowMenu : public QObject {
public:
    // `available` says whether there is anything to report at the moment.
    WindowMenu(QWidget* window, std::function<void()> exportReport, std::function<bool()> available = {})
        : QObject(window), window_(window), entry_(NewEntry(this)), available_(std::move(available)) {
        connect(entry_, &QAction::triggered, this, std::move(exportReport));
        window->installEventFilter(this);
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu) return false;
        auto* field = qobject_cast<QLineEdit*>(watched);
        QMenu* menu = field ? field->createStandardContextMenu() : new QMenu(window_);
        if (field) menu->addSeparator();
        entry_->setEnabled(!available_ || available_());
        menu->addAction(entry_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QWidget* window_;
    QAction* entry_;
    std::function<bool()> available_;
};

// Asks for the report's file over `over`, offering `suggested`; empty when
// the user cancels.
QString AskForFile(QWidget* over, const QString& suggested) {
    QFileDialog dialog(over, QString::fromUtf8("Esporta PDF"), LastFolder(), "PDF (*.pdf)");
    dialog.setObjectName(kDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

// True when `reason` is empty; else the message naming the file and the reason.
bool Written(const QString& path, const QString& reason, QWidget* over) {
    if (reason.isEmpty()) return true;
    QMessageBox message(QMessageBox::Warning, QString::fromUtf8("Esporta PDF"),
                        QString::fromUtf8("Il file «%1» non è stato scritto: %2.")
                            .arg(QDir::toNativeSeparators(path), reason),
                        QMessageBox::Ok, over);
    message.setObjectName(kErrorMessage);
    message.exec();
    return false;
}

}  // namespace

QAction* SectionEntry(SectionWindow* section) {
    if (auto* entry = section->findChild<QAction*>(kExportEntry, Qt::FindDirectChildrenOnly)) return entry;
    QAction* entry = NewEntry(section);
    QObject::connect(entry, &QAction::triggered, section, [section] { Export(section, section); });
    return entry;
}

void AttachTo(DerivedPropertiesWindow* derived, SectionWindow* section) {
    new WindowMenu(derived, [derived, section = QPointer<SectionWindow>(section)] {
        if (section) Export(section, derived);
    });
}

void AttachTo(CompositeWindow* composite) {
    new WindowMenu(
        composite, [composite] { ExportComposite(composite); }, [] { return !CompositeWindow::Parts().empty(); });
}

void Export(SectionWindow* section, QWidget* over) {
    const QString path = AskForFile(over, section->objectName() + ".pdf");
    if (!path.isEmpty()) ExportTo(*section, path, over);
}

bool ExportTo(const SectionWindow& section, const QString& path, QWidget* over) {
    return Written(path, Report::Write(path, {&section}), over);
}

void ExportComposite(QWidget* over) {
    const QString path = AskForFile(over, kCompositeFileName);
    if (!path.isEmpty()) ExportCompositeTo(path, over);
}

bool ExportCompositeTo(const QString& path, QWidget* over) {
    const std::vector<baricor::CompositePart>& parts = CompositeWindow::Parts();
    // Without parts there is nothing to report: no empty page over a file.
    if (parts.empty()) return Written(path, QString::fromUtf8("la sezione composta non ha parti"), over);
    return Written(path, Report::Write(path, {}, parts), over);
}

}  // namespace ReportMenu
