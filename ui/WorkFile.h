#pragma once
// A work file (.baricor): the whole work of a session as UTF-8 JSON — the
// digit pattern, the open section windows in the order they were opened with
// their input texts exactly as typed, which derived windows are open, and the
// composite's parts. Reading checks a file completely and says in Italian what
// is wrong with it, so that nothing is touched until the whole file is known
// to be good. Needs QtCore and the window tables (ui/layouts), which name the
// windows and their fields; no widgets, so that the fuzz target can link it.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "composite/Composite.h"

namespace WorkFile {

inline constexpr int kVersion = 1;
inline constexpr const char* kSuffix = "baricor";
// Limits a file must keep: a larger one is refused before it is read.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;
inline constexpr int kMaxParts = int(baricor::kMaxCompositeParts);
// Characters of one text (a field, a profile name).
inline constexpr int kMaxTextLength = 1000;

// One open section window.
struct SectionState {
    int number = 0;              // N of TraveN
    std::vector<QString> texts;  // one per input field, in the order of its window table's inputs
    bool derived = false;        // its derived-properties window is open
};

struct Work {
    std::string digits = "0.000E+00";
    std::vector<SectionState> windows;  // in the order they were opened
    bool compositeOpen = false;
    // The composite's parts as its window keeps them: a window's shape with
    // its texts, or a profile of the catalogue with its Dx, Dy and θ.
    std::vector<baricor::CompositePart> parts;

    bool operator==(const Work& other) const;
    bool operator!=(const Work& other) const { return !(*this == other); }
};

// The fields of a profile part, in the order they are written: where it is placed.
const std::vector<QString>& ProfileFields();

// The file's text: indented JSON, keys in a fixed order.
QByteArray Write(const Work& work);

// What a file holds, or what is wrong with it: `problem` is an Italian phrase
// ("il file non è in formato JSON ...") to follow the file's name.
struct ReadOutcome {
    std::optional<Work> work;
    QString problem;
};
ReadOutcome Read(const QByteArray& bytes);

// Texts a file cannot hold (too long): empty when the work can be written.
QString CheckWritable(const Work& work);

// Reads and checks the file at `path`: the size first, then its text.
ReadOutcome ReadFile(const QString& path);

// Writes `work` to `path` through a temporary file renamed over the old one, so
// that a failed save leaves the old file as it was. Empty on success, else an
// Italian phrase saying why the file could not be written.
QString SaveFile(const QString& path, const Work& work);

}  // namespace WorkFile
