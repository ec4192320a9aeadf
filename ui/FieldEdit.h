#pragma once
// A one-line text field of a section window. It reports mouse clicks (which
// switch the diagram) and leaves Ctrl+E to the main window's "Esci": a line edit
// would otherwise keep that key as "end of line" and the program could not be
// ended from the keyboard while a field has the focus.

#include <QLineEdit>

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
