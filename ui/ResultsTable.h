#pragma once
// "Copia risultati": a window's fields as a plain-text table, one line per
// field in the window's order: its label, a tab, its text as shown, a tab, its
// unit. Pasted into a spreadsheet it gives one row per quantity.

#include <QString>
#include <vector>

class SectionWindow;

struct TableRow {
    QString label;
    QString text;
    QString unit;  // empty where the field has none (the centroid)
};

// A section window's input fields, in their order.
std::vector<TableRow> InputsTable(const SectionWindow& window);
// A section window's results, then its centroid coordinates.
std::vector<TableRow> ResultsTable(const SectionWindow& window);

// The table's text. A tab, a line break or any other control character typed
// into a field could split its row; each is written as a blank instead.
QString TableText(const std::vector<TableRow>& rows);
// Puts the table's text on the clipboard.
void CopyTable(const std::vector<TableRow>& rows);
