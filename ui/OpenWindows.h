#pragma once
// Which windows are open. The main window, each section window and the about
// window exist at most once: opening one that is open brings it to the front.

#include <QKeySequence>
#include <vector>

class AboutWindow;
class CompositeWindow;
class MainWindow;
class ProfilesWindow;
class SectionWindow;
class QWidget;

namespace OpenWindows {

// "Esci" ends the program from whichever window has the focus.
inline const QKeySequence kQuitShortcut = QKeySequence(Qt::CTRL | Qt::Key_E);

// Shows `window`, restored if it was minimised, above the others and active.
void BringToFront(QWidget* window);

// The main window: shown, loaded first if it is not (which resets the digits to 4).
MainWindow* ShowMainWindow();
MainWindow* MainWindowIfOpen();

// TraveN: loaded if it is not, then shown and brought to the front.
SectionWindow* OpenSectionWindow(int number);
SectionWindow* SectionWindowIfOpen(int number);
// The open section windows, in the order they were opened (a work file keeps it).
std::vector<SectionWindow*> SectionWindowsInOpeningOrder();
// Closes every section window in the order of their numbers, skipping those
// that are not open.
void CloseAllSectionWindows();

// "Sezione composta": loaded if it is not (with the parts it had), then shown
// and brought to the front; closed by "Chiudi Tutto" and "Esci".
CompositeWindow* OpenCompositeWindow();
CompositeWindow* CompositeWindowIfOpen();
void CloseCompositeWindow();

// The about window, one at a time.
AboutWindow* ShowAboutWindow();

// "Profili": loaded beside the main window if it is not, then brought to the
// front; one at a time. It closes with "Chiudi Tutto" and "Esci".
ProfilesWindow* OpenProfilesWindow();
ProfilesWindow* ProfilesWindowIfOpen();
void CloseProfilesWindow();

// "Esci": every window closes and the event loop ends.
void EndProgram();

}  // namespace OpenWindows
