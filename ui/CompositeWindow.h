#pragma once
// "Sezione composta": a built-up section as a table of parts (a shape or a
// rolled profile, its dimensions, Dx, Dy, θ, and whether it is a hole), its
// sums about the common axes, its centroid and derived properties, rewritten
// at every keystroke, beside a drawing of the placed parts. One window; the
// parts outlive it, so that closing and reopening it keeps them.

#include <QWidget>
#include <utility>
#include <vector>

#include "SectionLayout.h"
#include "composite/Composite.h"

class CompositeDrawing;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

class CompositeWindow : public QWidget {
    Q_OBJECT
public:
    CompositeWindow();

    // The parts, kept for as long as the program runs (a saved file may fill them
    // before the window opens).
    static std::vector<baricor::CompositePart>& Parts();

    // A part of `shape` as its section window opens: its default texts (a
    // profile's Dx, Dy and θ at 0), not a hole.
    static baricor::CompositePart NewPart(const baricor::PartShape& shape);
    // What the shape column shows: the section window's caption or the profile's name.
    static QString ShapeName(const baricor::PartShape& shape);
    // A cell's name, as its section window labels it ("a", "tw", "Dx", "θ"; "forma").
    static QString CellLabel(const baricor::PartShape& shape, const baricor::PartCell& cell);

    // Each dimension the table shows for `part`, as its name and its text: a
    // shape's as typed, a profile's the catalogue's.
    static std::vector<std::pair<QString, QString>> DimensionTexts(const baricor::CompositePart& part);
    // The label and unit of a figure of "Assi comuni", as the section windows write them.
    static const baricor::FieldRow& ResultRow(baricor::CompositeQuantity quantity);
    // The message lines under the table: the cell that is not a number or why
    // there is no result, and overlapping parts or a hole outside the solid;
    // empty where there is nothing to say.
    static QString ProblemText(const std::vector<baricor::CompositePart>& parts,
                               const baricor::CompositeAnalysis& analysis);
    static QString WarningText(const baricor::CompositeAnalysis& analysis);

    // Appends a part as the last row, selects it and recomputes.
    void AppendPart(const baricor::CompositePart& part);
    void DuplicateSelected();
    void RemoveSelected();

    // Reads the parts, computes, writes every field, the message lines and the drawing.
    void Recompute();

    // The table's columns.
    enum Column { ShapeColumn = 0, FirstDimension = 1, DxColumn = 6, DyColumn = 7, ThetaColumn = 8, HoleColumn = 9 };
    static constexpr int kDimensionColumns = 5;
    static constexpr int kMaximumParts = int(baricor::kMaxCompositeParts);

private:
    void BuildControls();
    void FillRow(int row);
    void CellChanged(QTableWidgetItem* item);
    // A cell that is not a number is marked; only the cells that change are
    // looked at again, and all of them when the separators change.
    void MarkRow(int row);
    void MarkCell(QTableWidgetItem* item);
    void WriteField(QLineEdit* field, const std::string& text);
    void WriteMessages(const baricor::CompositeAnalysis& analysis);
    int SelectedRow() const;
    void SelectRow(int row);

    QTableWidget* table_ = nullptr;
    QLabel* problem_ = nullptr;  // the cell that is not a number, or why there is no result
    QLabel* warning_ = nullptr;  // overlapping parts, a hole outside the solid
    std::vector<QLineEdit*> results_;  // kCompositeResults order
    std::vector<QLineEdit*> derived_;  // kDerivedFields order
    CompositeDrawing* drawing_ = nullptr;
    baricor::CompositeAnalyser analyser_;  // a keystroke works out only the part it changed
    baricor::RegionalSeparators markedWith_;
};
