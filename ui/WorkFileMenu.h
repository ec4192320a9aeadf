#pragma once
// Saving and opening the work: the main window's "Apri…", "Salva", "Salva con
// nome…" and its list of the last five files, the question "Salvare le
// modifiche?", and the file named on the command line.
//
// The work is what the windows show (see WorkFile.h); it is read from them
// when it is saved, and compared with what was last saved or opened to know
// whether it changed. Only a run that opened or saved a file asks before the
// work goes; a run that never used a file ends as it always did.

#include <QString>
#include <QStringList>

#include "WorkFile.h"

class MainWindow;
class QWidget;

namespace WorkSession {

// The work file entries after "Esci" in `form`'s File menu, and the question
// before `form` closes.
void AttachTo(MainWindow* form);

// The work as the windows show it now.
WorkFile::Work CurrentWork();
// The file opened or saved last in this run (absolute), or empty.
QString CurrentFile();
// A file was used in this run and the work is no longer what it holds.
bool HasUnsavedChanges();

// Reads and checks `path` completely, then (after the question, where one is
// due) replaces the work with it. A damaged file is named in a message and
// changes nothing. True when the file's work is in place.
bool Open(const QString& path, QWidget* over);
// The same without a question or a notice, for the report written from the
// command line: an empty text, or the loader's message (the work unchanged).
QString OpenWithoutQuestions(const QString& path);
// "Salva": to the current file, or as "Salva con nome…" when there is none.
bool Save(QWidget* over);
// Asks for a file name, then saves there.
bool SaveAs(QWidget* over);
// Saves to `path`; a failure is named in a message and leaves the old file as it was.
bool SaveTo(const QString& path, QWidget* over);

// "Salvare le modifiche?" where the work has unsaved changes: Sì saves, No
// lets the work go, Annulla keeps it. True when the work may go.
bool MayDiscardWork(QWidget* over);
// "Esci": the question, then every window closes.
void EndProgram();

// The last five files opened or saved, the latest first.
QStringList RecentFiles();

// `baricor FILE`: opens the first argument after the program's name, if any.
void OpenFromArguments(const QStringList& arguments);

// Forgets the file of this run: the work is new and unsaved again.
void Forget();

// The object names of the entries and of the question's window and buttons.
inline constexpr const char* kOpenEntry = "mnuApri";
inline constexpr const char* kSaveEntry = "mnuSalva";
inline constexpr const char* kSaveAsEntry = "mnuSalvaConNome";
inline constexpr const char* kRecentEntry = "mnuRecente";  // + 1 ... 5
inline constexpr const char* kQuestionWindow = "SalvareModifiche";
inline constexpr const char* kProblemWindow = "ErroreFile";
inline constexpr const char* kOpenReportWindow = "AvvisoApertura";

}  // namespace WorkSession
