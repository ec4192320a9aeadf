#pragma once
// The main window: eight picture buttons open the section windows; the menus
// set the number of significant digits, close every section window, end the
// program and show the about and help windows.

#include <QMainWindow>
#include <array>

class QAction;
class QToolButton;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    void ClearDigitChecks();

private:
    void ResetDigits();
    void BuildButtons();
    void BuildMenus();
    void ChooseDigits(QAction* entry, const char* pattern);

    std::array<QAction*, 5> digitEntries_{};
};
