#pragma once
// The help window, modal: it only names the help file, which the program never opens.

#include <QDialog>

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

// Shows a fresh Guida modally over `over`; returns once it is closed.
void ShowHelpWindow(QWidget* over);
