// Any bytes through the work file's reader. Whatever it accepts must be a work
// the windows can take and a file can hold again: known windows, each once,
// one text per input field and none too long, a digit pattern of the menu, no
// more parts than allowed, each a shape with its texts or a profile of the
// catalogue, and written out and read back it is the same work.
// Whatever it refuses comes with a phrase saying why.
#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <vector>
#include <string_view>

#include "FuzzSupport.h"
#include "ResultFormat.h"
#include "SectionLayout.h"
#include "WorkFile.h"

using baricor::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const WorkFile::ReadOutcome read = WorkFile::Read(bytes);
    if (!read.work) {
        Require(!read.problem.isEmpty(), "a refused file says what is wrong", all);
        return 0;
    }
    Require(read.problem.isEmpty(), "an accepted file has no problem", all);
    const WorkFile::Work& work = *read.work;
    Require(std::find(baricor::kResultFormats.begin(), baricor::kResultFormats.end(), work.digits) !=
                baricor::kResultFormats.end(),
            "the digits are a pattern of the menu", all);
    std::vector<bool> seen(baricor::AllLayouts().size() + 1, false);
    for (const WorkFile::SectionState& state : work.windows) {
        const baricor::SectionLayout* layout = baricor::LayoutByNumber(state.number);
        Require(layout != nullptr, "a window is one of the section windows", all);
        Require(!seen[size_t(state.number)], "a window comes once", all);
        seen[size_t(state.number)] = true;
        Require(state.texts.size() == layout->inputs.size(), "one text per input field", all);
        for (const QString& text : state.texts) Require(text.size() <= WorkFile::kMaxTextLength, "no text too long", all);
    }
    Require(work.parts.size() <= size_t(WorkFile::kMaxParts), "no more parts than allowed", all);
    for (const baricor::CompositePart& part : work.parts) {
        const bool section = part.shape.section != nullptr;
        Require(section != (part.shape.profile != nullptr), "a part is a window's section or a profile of the catalogue", all);
        Require(section ? part.texts.dimensions.size() == part.shape.section->dimensionNames.size()
                        : part.texts.dimensions.empty(),
                "a part has a text for each of its shape's dimensions", all);
    }
    Require(WorkFile::CheckWritable(work).isEmpty(), "what was read can be written", all);
    const QByteArray written = WorkFile::Write(work);
    const WorkFile::ReadOutcome again = WorkFile::Read(written);
    Require(again.work.has_value(), "a written work reads back", std::string_view(written.constData(), size_t(written.size())));
    Require(*again.work == work, "a written work reads back the same", all);
    Require(WorkFile::Write(*again.work) == written, "writing is stable", all);
    return 0;
}
