#pragma once
// The main window: a picture button per shape opens its section window; the menus
// set the number of significant digits, close every section window, end the
// program and show the about and help windows.

#include <QMainWindow>
#include <array>
#include <string>

#include "ResultFormat.h"

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
    void ChooseDigits(QAction* entry, const std::string& pattern);

    std::array<QAction*, baricor::kResultFormats.size()> digitEntries_{};
};
