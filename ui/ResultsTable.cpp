#include "ResultsTable.h"

#include <QClipboard>
#include <QGuiApplication>

#include "SectionWindow.h"

namespace {

TableRow RowOf(const baricor::FieldRow& row, const QString& text) {
    return {QString::fromStdString(row.label), text, QString::fromStdString(row.unit)};
}

// Any control character (C0, DEL, C1) or line or paragraph separator: one a
// spreadsheet could take for the end of a cell or of a row.
bool BreaksCells(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == QChar::LineSeparator || u == QChar::ParagraphSeparator;
}

QString OneLine(QString text) {
    for (QChar& c : text)
        if (BreaksCells(c)) c = QChar(' ');
    return text;
}

}  // namespace

std::vector<TableRow> InputsTable(const SectionWindow& window) {
    std::vector<TableRow> rows;
    const std::vector<baricor::InputField>& inputs = window.Layout().inputs;
    for (size_t i = 0; i < inputs.size(); ++i) rows.push_back(RowOf(inputs[i].row, window.InputText(i)));
    return rows;
}

std::vector<TableRow> ResultsTable(const SectionWindow& window) {
    std::vector<TableRow> rows;
    const std::vector<baricor::ResultField>& results = window.Layout().results;
    for (size_t i = 0; i < results.size(); ++i) rows.push_back(RowOf(results[i].row, window.ResultText(i)));
    return rows;
}

QString TableText(const std::vector<TableRow>& rows) {
    QString text;
    for (const TableRow& row : rows) text += OneLine(row.label) + '\t' + OneLine(row.text) + '\t' + OneLine(row.unit) + '\n';
    return text;
}

void CopyTable(const std::vector<TableRow>& rows) { QGuiApplication::clipboard()->setText(TableText(rows)); }
