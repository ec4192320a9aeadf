#pragma once
// Helpers for the window tests: answering modal windows as a user would, and
// reaching controls by their names.

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QTableWidget;

// Presses the button of every modal window that comes up, and records which
// windows they were. It keeps firing: a modal raised inside a change event can
// be followed by another one at the next keystroke.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    ModalAnswerer();
    QStringList answered;
    // Called with each modal window before it is answered.
    std::function<void(QWidget*)> onShow;

private:
    QTimer timer_;
};

// The program as a test starts it: resources, style, fonts, and the main window.
void StartProgram();
// Closes every window and lets deferred deletions run.
void CloseEverything();

QLineEdit* Field(QWidget* window, const char* name);
QStringList ResultTexts(QWidget* window, const QStringList& names);
// Replaces a field's text the way a user would: select all, then type.
void TypeInto(QLineEdit* field, const QString& text);
// Replaces a field's text in one edit, as a paste over a selection does.
void PasteInto(QLineEdit* field, const QString& text);
// The line editor a table opened over a cell, or nullptr.
QLineEdit* CellEditor(QTableWidget* table);
// Opens the cell's editor and types `text` over its contents, key by key.
void TypeInCell(QTableWidget* table, int row, int column, const QString& text);
