#include "ResultsTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "SectionWindow.h"

namespace {

TableRow RowOf(const SectionWindow& window, const baricor::FieldRow& row) {
    const auto* field = window.findChild<const QLineEdit*>(QString::fromStdString(row.control));
    return {QString::fromStdString(row.label), field ? field->text() : QString(), QString::fromStdString(row.unit)};
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
    for (const baricor::InputField& input : window.Shape().inputs) rows.push_back(RowOf(window, input.row));
    return rows;
}

std::vector<TableRow> ResultsTable(const SectionWindow& window) {
    std::vector<TableRow> rows;
    for (const baricor::ResultField& result : window.Shape().results) rows.push_back(RowOf(window, result.row));
    return rows;
}

QString TableText(const std::vector<TableRow>& rows) {
    QString text;
    for (const TableRow& row : rows) text += OneLine(row.label) + '\t' + OneLine(row.text) + '\t' + OneLine(row.unit) + '\n';
    return text;
}

void CopyTable(const std::vector<TableRow>& rows) { QGuiApplication::clipboard()->setText(TableText(rows)); }
