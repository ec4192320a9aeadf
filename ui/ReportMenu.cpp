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

// The derived window's context menu: on its background and drawing, and under
// a result field's own entries.
class DerivedWindowMenu : public QObject {
public:
    DerivedWindowMenu(DerivedPropertiesWindow* derived, SectionWindow* section)
        : QObject(derived), derived_(derived), section_(section), entry_(NewEntry(this)) {
        connect(entry_, &QAction::triggered, this, [this] {
            if (section_) Export(section_, derived_);
        });
        derived->installEventFilter(this);
        // A right click on the drawing, a label or a frame comes on to the window.
        for (QLineEdit* field : derived->findChildren<QLineEdit*>()) field->installEventFilter(this);
    }

    static QAction* NewEntry(QObject* owner) {
        auto* entry = new QAction(QString::fromUtf8("Esporta PDF…"), owner);
        entry->setObjectName(kExportEntry);
        return entry;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu) return false;
        auto* field = qobject_cast<QLineEdit*>(watched);
        QMenu* menu = field ? field->createStandardContextMenu() : new QMenu(derived_);
        if (field) menu->addSeparator();
        menu->addAction(entry_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    DerivedPropertiesWindow* derived_;
    QPointer<SectionWindow> section_;
    QAction* entry_;
};

}  // namespace

QAction* SectionEntry(SectionWindow* section) {
    if (auto* entry = section->findChild<QAction*>(kExportEntry, Qt::FindDirectChildrenOnly)) return entry;
    QAction* entry = DerivedWindowMenu::NewEntry(section);
    QObject::connect(entry, &QAction::triggered, section, [section] { Export(section, section); });
    return entry;
}

void AttachTo(DerivedPropertiesWindow* derived, SectionWindow* section) { new DerivedWindowMenu(derived, section); }

void Export(SectionWindow* section, QWidget* over) {
    QFileDialog dialog(over, QString::fromUtf8("Esporta PDF"), LastFolder(), "PDF (*.pdf)");
    dialog.setObjectName(kDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(section->objectName() + ".pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    ExportTo(*section, path, over);
}

bool ExportTo(const SectionWindow& section, const QString& path, QWidget* over) {
    const QString reason = Report::Write(path, {&section});
    if (reason.isEmpty()) return true;
    QMessageBox message(QMessageBox::Warning, QString::fromUtf8("Esporta PDF"),
                        QString::fromUtf8("Il file «%1» non è stato scritto: %2.")
                            .arg(QDir::toNativeSeparators(path), reason),
                        QMessageBox::Ok, over);
    message.setObjectName(kErrorMessage);
    message.exec();
    return false;
}

}  // namespace ReportMenu
