#pragma once
// "Esporta PDF…": the report of a section window as a PDF file, from the
// section window's context menu and from its derived window's, and the
// composite section's report from the composite window's. It asks for the
// file's name, writes the report there, and says so in a message naming the
// file and the reason when the file cannot be written.

#include <QString>

class CompositeWindow;
class DerivedPropertiesWindow;
class QAction;
class QWidget;
class SectionWindow;

namespace ReportMenu {

// The object name of the entry, on the section window, the derived window and
// the composite window.
inline constexpr const char* kExportEntry = "ExportPdfAction";
// The object names of the file dialog and of the message of a failed write.
inline constexpr const char* kDialog = "ExportPdfDialog";
inline constexpr const char* kErrorMessage = "ExportPdfError";
// The name the dialog offers for the composite's report.
inline constexpr const char* kCompositeFileName = "SezioneComposta.pdf";

// The section window's entry, made on first use; lives as long as the window.
QAction* SectionEntry(SectionWindow* section);
// Gives the derived window of `section` the entry, in a context menu of its
// background and drawing, and below the own entries of its result fields'.
void AttachTo(DerivedPropertiesWindow* derived, SectionWindow* section);
// The same for the composite window, whose entry exports the composite.
void AttachTo(CompositeWindow* composite);

// Asks for a file name over `over`, then writes the report of `section` there.
void Export(SectionWindow* section, QWidget* over);
// Writes the report of `section` to `path`; when it cannot, shows the message
// over `over` and returns false.
bool ExportTo(const SectionWindow& section, const QString& path, QWidget* over);

// The same for the composite section's parts (CompositeWindow::Parts()).
void ExportComposite(QWidget* over);
bool ExportCompositeTo(const QString& path, QWidget* over);

}  // namespace ReportMenu
