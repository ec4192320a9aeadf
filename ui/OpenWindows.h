#pragma once
// What outlives a single event: the result pattern chosen in the main window,
// the user's regional separators, and which windows are open (each at most once).

#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <QString>
#include <string>

#include "NumericText.h"

class MainWindow;
class SectionWindow;
class AboutWindow;

namespace OpenWindows {

inline const QKeySequence kQuitShortcut = QKeySequence(Qt::CTRL | Qt::Key_E);

// The program-wide display pattern of the section results; only the main window writes it.
const std::string& ResultFormat();
void SetResultFormat(const std::string& pattern);

// The decimal and group separators of the user's regional settings.
const baricor::RegionalSeparators& Separators();
// Replaces the separators (tests, and a locale change at run time).
void SetSeparators(const baricor::RegionalSeparators& separators);
baricor::RegionalSeparators SeparatorsOf(const class QLocale& locale);

// Built-in pictures compiled into the program.
void InitResources();
// The look every window shares: style, default font, icon, built-in pictures.
// Called once, after the QApplication exists.
void PrepareApplication();
// The grey wrench every window carries, and the warning sign of the messages.
QIcon WrenchIcon();
QPixmap WarningPicture();

// MainWindow: shown, loaded first if it is not (which resets the digits to 4).
MainWindow* ShowMainWindow();
MainWindow* MainWindowIfOpen();

// TraveN: loaded if it is not, then shown and brought to the front.
SectionWindow* OpenSectionWindow(int number);
SectionWindow* SectionWindowIfOpen(int number);
// Closes Trave1 ... Trave8 in that order, skipping those that are not open.
void CloseAllSectionWindows();

// The about window, one at a time.
AboutWindow* ShowAboutWindow();

// "Esci": every window closes and the event loop ends.
void EndProgram();

}  // namespace OpenWindows
