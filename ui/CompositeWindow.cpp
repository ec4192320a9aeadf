#include "CompositeWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "Appearance.h"
#include "CaptionFrame.h"
#include "CompositeDrawing.h"
#include "DerivedProperties.h"
#include "DerivedPropertiesWindow.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "NumericText.h"
#include "ReportMenu.h"
#include "SectionLayout.h"
#include "Shapes.h"
#include "Twips.h"
#include "profiles/ProfileCatalogue.h"

using baricor::CompositePart;
using baricor::InputRole;

namespace {

constexpr int kKeyRole = Qt::UserRole;        // the shape's place in PartShapes(), or the cell's in EditableCells
constexpr int kLabelRole = Qt::UserRole + 1;  // the cell's dimension label ("a", "tw")
const QColor kNotANumber(255, 200, 200);

// Every shape a part may take: the eight section shapes, then the catalogue.
const std::vector<baricor::PartShape>& PartShapes() {
    static const std::vector<baricor::PartShape> shapes = [] {
        std::vector<baricor::PartShape> all;
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) all.push_back({layout->shape, nullptr});
        for (const baricor::ProfileFamily& family : baricor::ProfileFamilies())
            for (const baricor::Profile& profile : family) all.push_back({nullptr, &profile});
        return all;
    }();
    return shapes;
}

int ShapeIndex(const baricor::PartShape& shape) {
    const std::vector<baricor::PartShape>& shapes = PartShapes();
    return int(std::find(shapes.begin(), shapes.end(), shape) - shapes.begin());
}

baricor::PartShape ShapeAt(int index) {
    if (index < 0 || size_t(index) >= PartShapes().size()) return {};
    return PartShapes()[size_t(index)];
}

int ColumnOf(const baricor::PartCell& cell) {
    switch (cell.kind) {
        case baricor::PartCell::Dimension: return CompositeWindow::FirstDimension + int(cell.dimension);
        case baricor::PartCell::Dx: return CompositeWindow::DxColumn;
        case baricor::PartCell::Dy: return CompositeWindow::DyColumn;
        case baricor::PartCell::Theta: return CompositeWindow::ThetaColumn;
        case baricor::PartCell::Shape: return CompositeWindow::ShapeColumn;
    }
    return -1;
}

// The label of an input of a window table: its `n`th row of `role`.
const std::string* InputLabel(const baricor::SectionLayout& layout, InputRole role, size_t n) {
    for (const baricor::InputField& input : layout.inputs) {
        if (input.role == role && n-- == 0) return &input.row.label;
    }
    return nullptr;
}

}  // namespace

QString CompositeWindow::ShapeName(const baricor::PartShape& shape) {
    if (shape.section) return QString::fromStdString(baricor::LayoutOf(*shape.section).caption);
    if (shape.profile) return QString::fromUtf8(shape.profile->name);
    return {};
}

QString CompositeWindow::CellLabel(const baricor::PartShape& shape, const baricor::PartCell& cell) {
    // Dx, Dy and θ are named alike in every window: a profile's as the rectangle's.
    const baricor::SectionLayout& layout = baricor::LayoutOf(shape.section ? *shape.section : *baricor::AllShapes().front());
    const std::string* label = nullptr;
    switch (cell.kind) {
        case baricor::PartCell::Shape: return "forma";
        case baricor::PartCell::Dimension:
            if (shape.profile) return cell.dimension < baricor::DimensionLabels(shape.profile->shape).size()
                                          ? QString(baricor::DimensionLabels(shape.profile->shape)[cell.dimension])
                                          : QString();
            label = InputLabel(layout, InputRole::Dimension, cell.dimension);
            break;
        case baricor::PartCell::Dx: label = InputLabel(layout, InputRole::Dx, 0); break;
        case baricor::PartCell::Dy: label = InputLabel(layout, InputRole::Dy, 0); break;
        case baricor::PartCell::Theta: label = InputLabel(layout, InputRole::Theta, 0); break;
    }
    return label ? QString::fromStdString(*label) : QString();
}

std::vector<std::pair<QString, QString>> CompositeWindow::DimensionTexts(const CompositePart& part) {
    std::vector<std::pair<QString, QString>> texts;
    if (part.shape.profile) {
        const auto& labels = baricor::DimensionLabels(part.shape.profile->shape);
        for (size_t i = 0; i < size_t(kDimensionColumns); ++i)
            texts.emplace_back(QString(labels[i]), QString::number(part.shape.profile->dimensions[i], 'g', 6));
        return texts;
    }
    for (const baricor::PartCell& cell : baricor::EditableCells(part.shape))
        if (cell.kind == baricor::PartCell::Dimension)
            texts.emplace_back(CellLabel(part.shape, cell), QString::fromStdString(baricor::TextOf(part, cell)));
    return texts;
}

CompositePart CompositeWindow::NewPart(const baricor::PartShape& shape) {
    CompositePart part;
    part.shape = shape;
    if (shape.section) {
        const baricor::SectionLayout& layout = baricor::LayoutOf(*shape.section);
        std::vector<std::string> texts;
        for (const baricor::InputField& input : layout.inputs) texts.push_back(input.defaultText);
        part.texts = baricor::SectionTextsOf(layout, texts);
    } else {
        part.texts.dx = part.texts.dy = part.texts.theta = "0";
    }
    return part;
}

namespace {

// The shape column edits with a list of every shape; the other cells with a
// line that reports each keystroke, so that the results follow the typing.
// A dimension cell shows its dimension's name before its text.
class PartDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.column() == CompositeWindow::ShapeColumn) {
            auto* list = new QComboBox(parent);
            list->setAccessibleName("Forma");
            for (size_t i = 0; i < PartShapes().size(); ++i)
                list->addItem(CompositeWindow::ShapeName(PartShapes()[i]), int(i));
            return list;
        }
        auto* line = new QLineEdit(parent);
        line->setMaxLength(std::numeric_limits<int>::max());  // a paste is never cut short
        line->setFont(FiguresFont(line->font()));  // laid out again at every keystroke
        line->setAccessibleName(index.data(Qt::AccessibleTextRole).toString());
        auto* self = const_cast<PartDelegate*>(this);
        QObject::connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        Q_UNUSED(option);
        return line;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentIndex(std::max(0, list->findData(index.data(kKeyRole))));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, list->currentData(), kKeyRole);
            return;
        }
        // Unchanged text: no recalculation for a cell merely left.
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->text() == index.data().toString()) return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString label = index.data(kLabelRole).toString();
        if (index.column() >= CompositeWindow::FirstDimension &&
            index.column() < CompositeWindow::FirstDimension + CompositeWindow::kDimensionColumns && !label.isEmpty())
            option->text = label + " = " + option->text;
    }
};

// Label and unit of each result, as the section windows write them.
const baricor::FieldRow& RowOf(baricor::Quantity quantity) {
    for (const baricor::SectionLayout* layout : baricor::AllLayouts())
        for (const baricor::ResultField& r : layout->results)
            if (r.quantity == quantity) return r.row;
    return baricor::AllLayouts().front()->results.front().row;
}

const char* ControlOf(baricor::CompositeQuantity q) {
    switch (q) {
        case baricor::CompositeQuantity::Sx: return "Sx";
        case baricor::CompositeQuantity::Sy: return "Sy";
        case baricor::CompositeQuantity::Jx: return "Jx";
        case baricor::CompositeQuantity::Jy: return "Jy";
        case baricor::CompositeQuantity::Jxy: return "Jxy";
        case baricor::CompositeQuantity::A: return "A";
        case baricor::CompositeQuantity::xG: return "xG";
        case baricor::CompositeQuantity::yG: return "yG";
    }
    return "";
}

QLabel* Label(const QString& control, const QString& text, const QFont& font) {
    auto* label = new QLabel(text);
    label->setObjectName(control);
    label->setFont(font);
    return label;
}

QLineEdit* ResultField(const QString& control, const QString& accessibleName) {
    auto* field = new QLineEdit;
    field->setObjectName(control);
    field->setAccessibleName(accessibleName);
    field->setReadOnly(true);  // selectable and copyable, never typed into
    field->setFont(FiguresFont(SansFont(8.25, true)));  // sixteen fields rewritten at every keystroke
    field->setFixedSize(SizeFromTwips(1575, 285));
    return field;
}

// A plain widget is announced as a filler; this is a window of its own.
QAccessibleInterface* AccessibleCompositeWindow(const QString& className, QObject* object) {
    if (className == QLatin1String("CompositeWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// A part's shape changed: the new shape's defaults, keeping where the part was
// placed and whether it is a hole.
CompositePart Reshaped(const CompositePart& old, const baricor::PartShape& shape) {
    CompositePart part = CompositeWindow::NewPart(shape);
    part.hole = old.hole;
    part.texts.dx = old.texts.dx;
    part.texts.dy = old.texts.dy;
    part.texts.theta = old.texts.theta;
    return part;
}

}  // namespace

const baricor::FieldRow& CompositeWindow::ResultRow(baricor::CompositeQuantity quantity) {
    return RowOf(baricor::Quantity(int(quantity)));
}

std::vector<CompositePart>& CompositeWindow::Parts() {
    static std::vector<CompositePart> parts;
    return parts;
}

CompositeWindow::CompositeWindow() {
    static const bool accessibleAsWindow = (QAccessible::installFactory(AccessibleCompositeWindow), true);
    Q_UNUSED(accessibleAsWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Composite");
    setWindowTitle("Sezione composta");
    setAccessibleName(windowTitle());
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    markedWith_ = NumberNotation::Separators();
    BuildControls();
    // Another pattern from the digit menu: the sums are kept, so writing them
    // again costs only the formatting.
    connect(&NumberNotation::ResultFormatChanges(), &NumberNotation::ResultFormatSignal::changed, this,
            &CompositeWindow::Recompute);
    for (int row = 0; row < int(Parts().size()); ++row) {
        table_->insertRow(row);
        FillRow(row);
    }
    Recompute();
    // "Esporta PDF…" on the background, the drawing and the figures.
    ReportMenu::AttachTo(this);
}

void CompositeWindow::BuildControls() {
    table_ = new QTableWidget(0, HoleColumn + 1);
    table_->setObjectName("Parts");
    table_->setAccessibleName("Parti");
    QStringList headers{"Forma"};
    for (int i = 1; i <= kDimensionColumns; ++i) headers << QString("Misura %1").arg(i);
    headers << "Dx" << "Dy" << QString::fromUtf8("θ") << "Foro";
    table_->setHorizontalHeaderLabels(headers);
    table_->setItemDelegate(new PartDelegate(table_));
    table_->setColumnWidth(ShapeColumn, 150);
    for (int c = FirstDimension; c < DxColumn; ++c) table_->setColumnWidth(c, 72);
    for (int c = DxColumn; c <= ThetaColumn; ++c) table_->setColumnWidth(c, 52);
    table_->setColumnWidth(HoleColumn, 40);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons, as everywhere else
    // Every column in sight: the shape, five dimensions, Dx, Dy, θ and "Foro".
    table_->setMinimumSize(150 + 5 * 72 + 3 * 52 + 40 + 40, 180);
    connect(table_, &QTableWidget::itemChanged, this, &CompositeWindow::CellChanged);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { drawing_->SetSelectedPart(row); });

    auto* add = new QPushButton("Aggiungi");
    add->setObjectName("Add");
    connect(add, &QPushButton::clicked, this, [this] { AppendPart(NewPart({&baricor::RectangleSection(), nullptr})); });
    auto* duplicate = new QPushButton("Duplica");
    duplicate->setObjectName("Duplicate");
    connect(duplicate, &QPushButton::clicked, this, &CompositeWindow::DuplicateSelected);
    auto* remove = new QPushButton("Rimuovi");
    remove->setObjectName("Remove");
    connect(remove, &QPushButton::clicked, this, &CompositeWindow::RemoveSelected);
    auto* close = new QPushButton("Chiudi");
    close->setObjectName("Close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, duplicate, remove}) {
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
        buttons->addWidget(button);
    }
    buttons->addStretch();
    close->setAutoDefault(true);

    problem_ = new QLabel;
    problem_->setObjectName("Problem");
    problem_->setWordWrap(true);
    warning_ = new QLabel;
    warning_->setObjectName("Warning");
    warning_->setWordWrap(true);
    QPalette red = warning_->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    problem_->setPalette(red);
    warning_->setPalette(red);

    // The sums about the common axes, then the centroid, labelled as in the section windows.
    auto* sums = new CaptionFrame("Assi comuni", nullptr);
    sums->setObjectName("CommonAxes");
    sums->setFont(SansFont(8.25, true));
    auto* sumRows = new QGridLayout(sums);
    sumRows->setContentsMargins(6, 12, 6, 4);
    sumRows->setVerticalSpacing(4);
    int row = 0;
    for (baricor::CompositeQuantity q : baricor::kCompositeResults) {
        const baricor::FieldRow& r = ResultRow(q);
        const QString control = ControlOf(q);
        const bool centroid = q == baricor::CompositeQuantity::xG || q == baricor::CompositeQuantity::yG;
        sumRows->addWidget(Label(control + "Label", QString::fromStdString(r.label),
                                 centroid ? SansFont(8.25, true) : SansFont(12, true)), row, 0);
        QLineEdit* field = ResultField(control, QString::fromStdString(r.label));
        sumRows->addWidget(field, row, 1);
        sumRows->addWidget(Label(control + "Unit", QString::fromStdString(r.unit), DefaultFont()), row, 2);
        results_.push_back(field);
        ++row;
    }

    auto* derived = new CaptionFrame(QString::fromUtf8("Proprietà derivate"), nullptr);
    derived->setObjectName("Derived");
    derived->setFont(SansFont(8.25, true));
    auto* derivedRows = new QGridLayout(derived);
    derivedRows->setContentsMargins(6, 12, 6, 4);
    derivedRows->setVerticalSpacing(4);
    row = 0;
    for (size_t i = 0; i < baricor::kElasticDerivedFieldCount; ++i) {
        const baricor::DerivedField& f = baricor::kDerivedFields[i];
        const QString control = DerivedPropertiesWindow::FieldName(f.quantity);
        derivedRows->addWidget(Label(control + "Label", QString::fromUtf8(f.label), SansFont(12, true)), row, 0);
        QLineEdit* field = ResultField(control, QString::fromUtf8(f.label));
        derivedRows->addWidget(field, row, 1);
        derivedRows->addWidget(Label(control + "Unit", QString::fromUtf8(f.unit), DefaultFont()), row, 2);
        derived_.push_back(field);
        ++row;
    }

    drawing_ = new CompositeDrawing;
    drawing_->setObjectName("Drawing");
    drawing_->setMinimumSize(SizeFromTwips(4200, 4200));
    drawing_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(drawing_, &CompositeDrawing::partClicked, this, &CompositeWindow::SelectRow);

    auto* left = new QVBoxLayout;
    left->addWidget(table_, 1);
    left->addLayout(buttons);
    left->addWidget(problem_);
    left->addWidget(warning_);
    auto* figures = new QHBoxLayout;
    figures->addWidget(sums);
    figures->addWidget(derived);
    figures->addStretch();
    left->addLayout(figures);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    left->addLayout(closeRow);

    auto* window = new QHBoxLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->addLayout(left, 0);
    window->addWidget(drawing_, 1);

    // Keyboard order: the parts, their buttons, the figures, "Chiudi".
    QWidget* previous = table_;
    for (QWidget* next : std::initializer_list<QWidget*>{add, duplicate, remove}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* next : results_) setTabOrder(previous, next), previous = next;
    for (QLineEdit* next : derived_) setTabOrder(previous, next), previous = next;
    setTabOrder(previous, close);
}

void CompositeWindow::FillRow(int row) {
    const CompositePart& part = Parts().at(size_t(row));
    const QSignalBlocker quiet(table_);
    const QString partName = QString("Parte %1").arg(row + 1);

    auto* shapeItem = new QTableWidgetItem(ShapeName(part.shape));
    shapeItem->setData(kKeyRole, ShapeIndex(part.shape));
    shapeItem->setData(Qt::AccessibleTextRole, partName + ", forma");
    table_->setItem(row, ShapeColumn, shapeItem);

    for (int c = FirstDimension; c <= ThetaColumn; ++c) {
        auto* empty = new QTableWidgetItem;
        empty->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);  // a cell the shape does not use
        table_->setItem(row, c, empty);
    }
    const std::vector<baricor::PartCell> cells = baricor::EditableCells(part.shape);
    for (size_t i = 0; i < cells.size(); ++i) {
        const int column = ColumnOf(cells[i]);
        if (column < FirstDimension || column > ThetaColumn) continue;
        auto* item = new QTableWidgetItem(QString::fromStdString(baricor::TextOf(part, cells[i])));
        item->setData(kKeyRole, int(i));
        const QString label = CellLabel(part.shape, cells[i]);
        if (cells[i].kind == baricor::PartCell::Dimension) item->setData(kLabelRole, label);
        item->setData(Qt::AccessibleTextRole, partName + ", " + label);
        item->setToolTip(label);
        table_->setItem(row, column, item);
    }
    if (part.shape.profile) {
        // The catalogue's dimensions, shown but not typed into.
        const std::vector<std::pair<QString, QString>> dimensions = DimensionTexts(part);
        for (int i = 0; i < kDimensionColumns && size_t(i) < dimensions.size(); ++i) {
            QTableWidgetItem* item = table_->item(row, FirstDimension + i);
            const auto& [label, text] = dimensions[size_t(i)];
            item->setText(text);
            item->setData(kLabelRole, label);
            item->setData(Qt::AccessibleTextRole, partName + ", " + label);
        }
    }

    auto* hole = new QTableWidgetItem;
    hole->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    hole->setCheckState(part.hole ? Qt::Checked : Qt::Unchecked);
    hole->setData(Qt::AccessibleTextRole, partName + ", foro");
    table_->setItem(row, HoleColumn, hole);
    MarkRow(row);
}

void CompositeWindow::CellChanged(QTableWidgetItem* item) {
    const int row = item->row();
    if (row < 0 || row >= int(Parts().size())) return;
    CompositePart& part = Parts()[size_t(row)];
    if (item->column() == ShapeColumn) {
        const baricor::PartShape shape = ShapeAt(item->data(kKeyRole).toInt());
        if (shape == part.shape || (!shape.section && !shape.profile)) return;
        part = Reshaped(part, shape);
        FillRow(row);
    } else if (item->column() == HoleColumn) {
        const bool hole = item->checkState() == Qt::Checked;
        if (hole == part.hole) return;
        part.hole = hole;
    } else {
        const QVariant index = item->data(kKeyRole);
        const std::vector<baricor::PartCell> cells = baricor::EditableCells(part.shape);
        if (!index.isValid() || index.toInt() < 0 || size_t(index.toInt()) >= cells.size()) return;
        std::string* text = baricor::TextIn(part, cells[size_t(index.toInt())]);
        if (!text) return;
        *text = item->text().toStdString();
        MarkCell(item);
    }
    Recompute();
}

void CompositeWindow::AppendPart(const CompositePart& part) {
    if (Parts().size() >= size_t(kMaximumParts)) return;
    Parts().push_back(part);
    const int row = int(Parts().size()) - 1;
    table_->insertRow(row);
    FillRow(row);
    SelectRow(row);
    Recompute();
}

void CompositeWindow::DuplicateSelected() {
    const int row = SelectedRow();
    if (row < 0 || Parts().size() >= size_t(kMaximumParts)) return;
    Parts().insert(Parts().begin() + row + 1, Parts()[size_t(row)]);
    table_->insertRow(row + 1);
    // The rows below move down: their names ("Parte N") move with them.
    for (int r = row + 1; r < int(Parts().size()); ++r) FillRow(r);
    SelectRow(row + 1);
    Recompute();
}

void CompositeWindow::RemoveSelected() {
    const int row = SelectedRow();
    if (row < 0) return;
    Parts().erase(Parts().begin() + row);
    {
        const QSignalBlocker quiet(table_);
        table_->removeRow(row);
    }
    for (int r = row; r < int(Parts().size()); ++r) FillRow(r);
    if (!Parts().empty()) SelectRow(std::min(row, int(Parts().size()) - 1));
    drawing_->SetSelectedPart(table_->currentRow());
    Recompute();
}

int CompositeWindow::SelectedRow() const {
    const int row = table_->currentRow();
    if (row >= 0 && row < int(Parts().size())) return row;
    return Parts().empty() ? -1 : int(Parts().size()) - 1;
}

void CompositeWindow::SelectRow(int row) {
    if (row < 0 || row >= table_->rowCount()) return;
    table_->setCurrentCell(row, std::max(0, table_->currentColumn()));
    table_->scrollToItem(table_->item(row, 0));
    drawing_->SetSelectedPart(row);
}

void CompositeWindow::Recompute() {
    const baricor::RegionalSeparators& separators = NumberNotation::Separators();
    // The cells were marked by the separators of their time: new ones mark them all again.
    if (separators.decimal != markedWith_.decimal || separators.group != markedWith_.group) {
        markedWith_ = separators;
        for (int row = 0; row < table_->rowCount(); ++row) MarkRow(row);
    }
    const baricor::CompositeAnalysis analysis = analyser_.Analyse(Parts(), separators);
    const baricor::CompositeTexts texts =
        baricor::CompositeTextsOf(analysis, separators.decimal, NumberNotation::ResultFormat());
    for (size_t i = 0; i < results_.size(); ++i) WriteField(results_[i], texts.results[i]);
    for (size_t i = 0; i < derived_.size(); ++i) WriteField(derived_[i], texts.derived[i]);
    WriteMessages(analysis);
    drawing_->ShowComposite(analysis);
}

void CompositeWindow::WriteField(QLineEdit* field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (field->text() == value) return;
    field->setText(value);
    field->setCursorPosition(0);
}

void CompositeWindow::MarkRow(int row) {
    for (int c = FirstDimension; c <= ThetaColumn; ++c) {
        if (QTableWidgetItem* item = table_->item(row, c)) MarkCell(item);
    }
}

void CompositeWindow::MarkCell(QTableWidgetItem* item) {
    if (!item->data(kKeyRole).isValid()) return;
    const QSignalBlocker quiet(table_);
    const bool bad = !baricor::IsNumericText(item->text().toStdString(), NumberNotation::Separators());
    const QVariant marked = bad ? QVariant(QBrush(kNotANumber)) : QVariant();
    if (item->data(Qt::BackgroundRole) != marked) item->setData(Qt::BackgroundRole, marked);
}

QString CompositeWindow::ProblemText(const std::vector<CompositePart>& parts, const baricor::CompositeAnalysis& a) {
    if (a.badCell && a.badCell->part < parts.size()) {
        const size_t part = a.badCell->part;
        const QString label = CellLabel(parts[part].shape, a.badCell->cell);
        return QString::fromUtf8("Parte %1, %2: il testo non è un numero").arg(part + 1).arg(label);
    }
    if (a.undefinedPart) return QString::fromUtf8("Parte %1: queste misure non danno risultati").arg(*a.undefinedPart + 1);
    if (!a.totals && !parts.empty()) return QString::fromUtf8("L'area totale non è maggiore di 0");
    return {};
}

QString CompositeWindow::WarningText(const baricor::CompositeAnalysis& a) {
    if (a.warning.kind == baricor::CompositeWarning::Overlap)
        return QString::fromUtf8("Attenzione: le parti %1 e %2 si sovrappongono, l'area comune è contata due volte")
            .arg(a.warning.part + 1)
            .arg(a.warning.other + 1);
    if (a.warning.kind == baricor::CompositeWarning::HoleOutside)
        return QString::fromUtf8("Attenzione: il foro della parte %1 non è tutto dentro le parti piene, si toglie "
                                 "area che non c'è")
            .arg(a.warning.part + 1);
    return {};
}

void CompositeWindow::WriteMessages(const baricor::CompositeAnalysis& a) {
    const QString problem = ProblemText(Parts(), a);
    const QString warning = WarningText(a);
    if (problem_->text() != problem) {
        problem_->setText(problem);
        problem_->setAccessibleName(problem);
    }
    if (warning_->text() != warning) {
        warning_->setText(warning);
        warning_->setAccessibleName(warning);
    }
}
