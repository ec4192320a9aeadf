#pragma once
// `baricor --report OUT.pdf FILE.baricor`: the PDF report of every section
// window open in a work file, and of its composite section when that has
// parts, written without showing a window, for scripts and batch work.

#include <QStringList>

namespace ReportCommand {

// True when the arguments ask for a report rather than the program's windows
// (the first one after the program's name is --report).
bool Asked(int argc, char** argv);

// Before the application starts: no display needed, and the toolkit's own
// notes kept off standard error, which carries only what a script must read.
void PrepareBatchRun();

// Opens the work file, writes the report and returns the exit status: 0 when
// the PDF is written; otherwise the loader's or the writer's message goes to
// standard error, and the status is 1 (2 for arguments of the wrong form).
int Run(const QStringList& arguments);

}  // namespace ReportCommand
