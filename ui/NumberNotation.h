#pragma once
// How numbers are written in the program's fields: the result pattern chosen
// in the main window's digit menu, and the user's regional separators, which
// the numeric check, the reading and the result texts follow.

#include <QObject>
#include <string>

#include "NumericText.h"

class QLocale;

namespace NumberNotation {

// Tells the windows that rewrite their figures at once (the profiles and the
// composite window)
// that the digit menu chose another pattern.
class ResultFormatSignal : public QObject {
    Q_OBJECT
signals:
    void changed();
};
ResultFormatSignal& ResultFormatChanges();

// The program-wide display pattern of the section results; only the main
// window writes it.
const std::string& ResultFormat();
void SetResultFormat(const std::string& pattern);

// The decimal and group separators of the user's regional settings.
const baricor::RegionalSeparators& Separators();
// Replaces the separators (tests, and a locale change at run time).
void SetSeparators(const baricor::RegionalSeparators& separators);
baricor::RegionalSeparators SeparatorsOf(const QLocale& locale);

}  // namespace NumberNotation
