#include "ResultsTable.h"

#include <QClipboard>
#include <QGuiApplication>

#include "SectionWindow.h"

namespace {

TableRow RowOf(const baricor::FieldRow& row, const QString& text) {
    return {QString::fromStdString(row.label), text, QString::fromStdString(row.unit)};
}

QString OneLine(QString text) {
    for (const QChar breaking : {QChar('\t'), QChar('\n'), QChar('\r'), QChar('\v'), QChar('\f'), QChar(0x85),
                                 QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(breaking, QChar(' '));
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
