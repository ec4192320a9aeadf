#include "FieldEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "OpenWindows.h"

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

bool FieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) == OpenWindows::kQuitShortcut) {
            // Not accepted: the key goes on to the shortcut.
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}
