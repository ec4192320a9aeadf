#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QTableWidget>
#include <QTest>

#include "Appearance.h"
#include "OpenWindows.h"
#include "Translations.h"

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        answered << modal->objectName();
        if (onShow) onShow(modal);
        if (auto* button = modal->findChild<QAbstractButton*>("Command1"))
            button->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    timer_.start();
}

void StartProgram() {
    static bool started = false;
    if (!started) {
        Appearance::PrepareApplication();
        InstallItalianToolkitTexts();  // as the program does: the tests see what users see
        started = true;
    }
    OpenWindows::ShowMainWindow();
}

void CloseEverything() {
    QApplication::closeAllWindows();
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QLineEdit* Field(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(name); }

QStringList ResultTexts(QWidget* window, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names) texts << window->findChild<QLineEdit*>(name)->text();
    return texts;
}

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

void PasteInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    field->insert(text);
}

QLineEdit* CellEditor(QTableWidget* table) {
    for (QLineEdit* editor : table->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return nullptr;
}

void TypeInCell(QTableWidget* table, int row, int column, const QString& text) {
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    QLineEdit* editor = CellEditor(table);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
}
