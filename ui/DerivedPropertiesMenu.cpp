#include "DerivedPropertiesMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "CompositeWindow.h"
#include "DerivedPropertiesWindow.h"
#include "MainWindow.h"
#include "OpenWindows.h"
#include "ReportMenu.h"
#include "ResultsTable.h"
#include "SectionWindow.h"
#include "WindowPlacement.h"

void DerivedPropertiesMenu::AttachTo(SectionWindow* section) { new DerivedPropertiesMenu(section); }

DerivedPropertiesMenu::DerivedPropertiesMenu(SectionWindow* section)
    : QObject(section),
      section_(section),
      derivedEntry_(new QAction(QString::fromUtf8("Proprietà derivate…"), this)),
      copyEntry_(new QAction("Copia risultati", this)),
      compositeEntry_(new QAction("Aggiungi alla sezione composta", this)) {
    derivedEntry_->setObjectName(kDerivedEntry);
    derivedEntry_->setShortcut(Qt::Key_F3);
    derivedEntry_->setShortcutContext(Qt::WindowShortcut);
    connect(derivedEntry_, &QAction::triggered, this, &DerivedPropertiesMenu::OpenDerivedWindow);
    copyEntry_->setObjectName(kCopyEntry);
    connect(copyEntry_, &QAction::triggered, this, &DerivedPropertiesMenu::CopyResults);
    compositeEntry_->setObjectName(kCompositeEntry);
    connect(compositeEntry_, &QAction::triggered, this, &DerivedPropertiesMenu::AddToComposite);
    // An action reaches its shortcut only through a widget that holds it.
    section->addAction(derivedEntry_);

    // A right click on the background, a label, a frame or the diagram comes
    // to the window itself, since none of them has a menu of its own.
    section->installEventFilter(this);
    for (QLineEdit* field : section->ResultFields()) field->installEventFilter(this);
}

DerivedPropertiesMenu::~DerivedPropertiesMenu() { delete derivedWindow_.data(); }

bool DerivedPropertiesMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == section_ && event->type() == QEvent::Close) {
        if (derivedWindow_) derivedWindow_->close();
    } else if (event->type() == QEvent::ContextMenu) {
        ShowMenu(static_cast<QContextMenuEvent*>(event), qobject_cast<QLineEdit*>(watched));
        return true;
    }
    return false;
}

void DerivedPropertiesMenu::ShowMenu(const QContextMenuEvent* event, QLineEdit* resultField) {
    // A result field keeps its own entries (copy, select all) above these.
    QMenu* menu = resultField ? resultField->createStandardContextMenu() : new QMenu(section_);
    if (resultField) menu->addSeparator();
    menu->addAction(derivedEntry_);
    menu->addAction(copyEntry_);
    menu->addAction(compositeEntry_);
    menu->addAction(ReportMenu::SectionEntry(section_));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void DerivedPropertiesMenu::OpenDerivedWindow() {
    if (!derivedWindow_) {
        derivedWindow_ = new DerivedPropertiesWindow(*section_);
        derivedWindow_->adjustSize();  // its size comes from its layout
        // Beside its section window, leaving the main window's buttons in sight.
        derivedWindow_->move(FirstPlaceBeside(0, *derivedWindow_, section_, {OpenWindows::MainWindowIfOpen()}));
    }
    OpenWindows::BringToFront(derivedWindow_);
}

void DerivedPropertiesMenu::CopyResults() const {
    std::vector<TableRow> rows = InputsTable(*section_);
    for (TableRow& row : ResultsTable(*section_)) rows.push_back(std::move(row));
    CopyTable(rows);
}

void DerivedPropertiesMenu::AddToComposite() const {
    baricor::CompositePart part;
    part.shape = {&section_->Shape(), nullptr};
    part.texts = section_->InputTexts();
    OpenWindows::OpenCompositeWindow()->AppendPart(part);
}
