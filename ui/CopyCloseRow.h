#pragma once
// The foot of a window of figures: "Copia" and "Chiudi" side by side on the
// right, in the section windows' button size. Enter and the keypad's Enter
// press the focused button, as Space does.

#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;

struct CopyCloseRow {
    QHBoxLayout* row = nullptr;
    QPushButton* copy = nullptr;   // object name "Copy": runs the window's copy
    QPushButton* close = nullptr;  // object name "Close": closes the window
};

CopyCloseRow MakeCopyCloseRow(QWidget* window, const std::function<void()>& copy);
