#include "NumberNotation.h"

#include <QLocale>

#include "ResultFormat.h"

namespace NumberNotation {
namespace {

std::string& CurrentFormat() {
    static std::string format(baricor::kDefaultResultFormat);
    return format;
}

baricor::RegionalSeparators& CurrentSeparators() {
    static baricor::RegionalSeparators separators = SeparatorsOf(QLocale::system());
    return separators;
}

}  // namespace

const std::string& ResultFormat() { return CurrentFormat(); }
void SetResultFormat(const std::string& pattern) {
    if (CurrentFormat() == pattern) return;
    CurrentFormat() = pattern;
    emit ResultFormatChanges().changed();
}

ResultFormatSignal& ResultFormatChanges() {
    static ResultFormatSignal* signal = new ResultFormatSignal;  // outlives every window
    return *signal;
}

const baricor::RegionalSeparators& Separators() { return CurrentSeparators(); }
void SetSeparators(const baricor::RegionalSeparators& separators) { CurrentSeparators() = separators; }

baricor::RegionalSeparators SeparatorsOf(const QLocale& locale) {
    baricor::RegionalSeparators separators;
    separators.decimal = locale.decimalPoint().toStdString();
    separators.group = locale.groupSeparator().toStdString();
    return separators;
}

}  // namespace NumberNotation
