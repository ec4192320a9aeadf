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
#include <limits>

#include "Appearance.h"
#include "CaptionFrame.h"
#include "CompositeDrawing.h"
#include "DerivedProperties.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "NumericText.h"
#include "Shapes.h"
#include "Twips.h"
#include "profiles/ProfileCatalogue.h"

using baricor::CompositePart;
using baricor::InputRole;

namespace {

constexpr int kKeyRole = Qt::UserRole;        // the shape's key, or the cell's field key
constexpr int kLabelRole = Qt::UserRole + 1;  // the cell's dimension label ("a", "tw")
const QColor kNotANumber(255, 200, 200);

// What the shape column shows: the section window's caption or the profile's name.
QString ShapeName(const std::string& shape) {
    const baricor::PartShape s = baricor::PartShapeOf(shape);
    if (s.section) return QString::fromStdString(s.section->caption);
    return QString::fromStdString(shape);
}

// Every shape a part may take: the eight section shapes, then the catalogue.
std::vector<std::string> ShapeKeys() {
    std::vector<std::string> keys;
    for (const baricor::ShapeUnit* shape : baricor::AllShapes()) keys.push_back(shape->window);
    for (const baricor::ProfileFamily& family : baricor::ProfileFamilies())
        for (const baricor::Profile& profile : family) keys.emplace_back(profile.name);
    return keys;
}

int ColumnOf(InputRole role, int& dimension) {
    switch (role) {
        case InputRole::Dimension: return CompositeWindow::FirstDimension + dimension++;
        case InputRole::Dx: return CompositeWindow::DxColumn;
        case InputRole::Dy: return CompositeWindow::DyColumn;
        case InputRole::Theta: return CompositeWindow::ThetaColumn;
    }
    return -1;
}

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
            for (const std::string& key : ShapeKeys()) list->addItem(ShapeName(key), QString::fromStdString(key));
            return list;
        }
        auto* line = new QLineEdit(parent);
        line->setMaxLength(std::numeric_limits<int>::max());  // a paste is never cut short
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
    for (const baricor::ShapeUnit* shape : baricor::AllShapes())
        for (const baricor::ResultField& r : shape->results)
            if (r.quantity == quantity) return r.row;
    return baricor::AllShapes().front()->results.front().row;
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
    field->setFont(SansFont(8.25, true));
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
CompositePart Reshaped(const CompositePart& old, const std::string& shape) {
    CompositePart part = baricor::DefaultPart(shape);
    part.hole = old.hole;
    const std::vector<baricor::PartCell> before = baricor::EditableCells(baricor::PartShapeOf(old.shape));
    for (const baricor::PartCell& cell : baricor::EditableCells(baricor::PartShapeOf(shape))) {
        if (cell.role == InputRole::Dimension) continue;
        for (const baricor::PartCell& was : before) {
            const auto text = old.fields.find(was.key);
            if (was.role == cell.role && text != old.fields.end()) part.fields[cell.key] = text->second;
        }
    }
    return part;
}

}  // namespace

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
    BuildControls();
    for (int row = 0; row < int(Parts().size()); ++row) {
        table_->insertRow(row);
        FillRow(row);
    }
    Recompute();
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
    connect(add, &QPushButton::clicked, this, [this] { AppendPart(baricor::DefaultPart(baricor::RectangleSection().window)); });
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
        const baricor::FieldRow& r = RowOf(baricor::Quantity(int(q)));
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
    for (const baricor::DerivedField& f : baricor::kDerivedFields) {
        const QString control = f.control;
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
    const baricor::PartShape shape = baricor::PartShapeOf(part.shape);
    const QSignalBlocker quiet(table_);
    const QString partName = QString("Parte %1").arg(row + 1);

    auto* shapeItem = new QTableWidgetItem(ShapeName(part.shape));
    shapeItem->setData(kKeyRole, QString::fromStdString(part.shape));
    shapeItem->setData(Qt::AccessibleTextRole, partName + ", forma");
    table_->setItem(row, ShapeColumn, shapeItem);

    for (int c = FirstDimension; c <= ThetaColumn; ++c) {
        auto* empty = new QTableWidgetItem;
        empty->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);  // a cell the shape does not use
        table_->setItem(row, c, empty);
    }
    int dimension = 0;
    for (const baricor::PartCell& cell : baricor::EditableCells(shape)) {
        const int column = ColumnOf(cell.role, dimension);
        const auto text = part.fields.find(cell.key);
        auto* item = new QTableWidgetItem(text == part.fields.end() ? QString() : QString::fromStdString(text->second));
        item->setData(kKeyRole, QString::fromStdString(cell.key));
        const QString label = QString::fromUtf8(cell.label.c_str());
        if (cell.role == InputRole::Dimension) item->setData(kLabelRole, label);
        item->setData(Qt::AccessibleTextRole, partName + ", " + label);
        item->setToolTip(label);
        table_->setItem(row, column, item);
    }
    if (shape.profile) {
        // The catalogue's dimensions, shown but not typed into.
        const auto& labels = baricor::DimensionLabels(shape.profile->shape);
        for (int i = 0; i < kDimensionColumns; ++i) {
            QTableWidgetItem* item = table_->item(row, FirstDimension + i);
            item->setText(QString::number(shape.profile->dimensions[size_t(i)], 'g', 6));
            item->setData(kLabelRole, QString(labels[size_t(i)]));
            item->setData(Qt::AccessibleTextRole, partName + ", " + labels[size_t(i)]);
        }
    }

    auto* hole = new QTableWidgetItem;
    hole->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    hole->setCheckState(part.hole ? Qt::Checked : Qt::Unchecked);
    hole->setData(Qt::AccessibleTextRole, partName + ", foro");
    table_->setItem(row, HoleColumn, hole);
}

void CompositeWindow::CellChanged(QTableWidgetItem* item) {
    const int row = item->row();
    if (row < 0 || row >= int(Parts().size())) return;
    CompositePart& part = Parts()[size_t(row)];
    if (item->column() == ShapeColumn) {
        const std::string shape = item->data(kKeyRole).toString().toStdString();
        if (shape == part.shape) return;
        part = Reshaped(part, shape);
        FillRow(row);
    } else if (item->column() == HoleColumn) {
        const bool hole = item->checkState() == Qt::Checked;
        if (hole == part.hole) return;
        part.hole = hole;
    } else {
        const QString key = item->data(kKeyRole).toString();
        if (key.isEmpty()) return;
        part.fields[key.toStdString()] = item->text().toStdString();
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
    const baricor::CompositeAnalysis analysis = baricor::AnalyseComposite(Parts(), separators);
    const baricor::CompositeTexts texts =
        baricor::CompositeTextsOf(analysis, separators.decimal, NumberNotation::ResultFormat());
    for (size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setText(QString::fromStdString(texts.results[i]));
        results_[i]->setCursorPosition(0);
    }
    for (size_t i = 0; i < derived_.size(); ++i) {
        derived_[i]->setText(QString::fromStdString(texts.derived[i]));
        derived_[i]->setCursorPosition(0);
    }
    MarkCells();
    WriteMessages(analysis);
    drawing_->ShowComposite(analysis);
}

void CompositeWindow::MarkCells() {
    const QSignalBlocker quiet(table_);
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int c = FirstDimension; c <= ThetaColumn; ++c) {
            QTableWidgetItem* item = table_->item(row, c);
            if (!item || item->data(kKeyRole).toString().isEmpty()) continue;
            const bool bad = !baricor::IsNumericText(item->text().toStdString(), NumberNotation::Separators());
            const QVariant marked = bad ? QVariant(QBrush(kNotANumber)) : QVariant();
            if (item->data(Qt::BackgroundRole) != marked) item->setData(Qt::BackgroundRole, marked);
        }
    }
}

void CompositeWindow::WriteMessages(const baricor::CompositeAnalysis& a) {
    QString problem;
    if (a.badCell) {
        const auto& [part, key] = *a.badCell;
        QString label = "forma";
        for (const baricor::PartCell& cell : baricor::EditableCells(baricor::PartShapeOf(Parts()[part].shape)))
            if (cell.key == key) label = QString::fromUtf8(cell.label.c_str());
        problem = QString::fromUtf8("Parte %1, %2: il testo non è un numero").arg(part + 1).arg(label);
    } else if (a.undefinedPart) {
        problem = QString::fromUtf8("Parte %1: queste misure non danno risultati").arg(*a.undefinedPart + 1);
    } else if (!a.totals && !Parts().empty()) {
        problem = QString::fromUtf8("L'area totale non è maggiore di 0");
    }
    QString warning;
    if (a.warning.kind == baricor::CompositeWarning::Overlap) {
        warning = QString::fromUtf8("Attenzione: le parti %1 e %2 si sovrappongono, l'area comune è contata due volte")
                      .arg(a.warning.part + 1)
                      .arg(a.warning.other + 1);
    } else if (a.warning.kind == baricor::CompositeWarning::HoleOutside) {
        warning = QString::fromUtf8("Attenzione: il foro della parte %1 non è tutto dentro le parti piene, si toglie "
                                    "area che non c'è")
                      .arg(a.warning.part + 1);
    }
    if (problem_->text() != problem) {
        problem_->setText(problem);
        problem_->setAccessibleName(problem);
    }
    if (warning_->text() != warning) {
        warning_->setText(warning);
        warning_->setAccessibleName(warning);
    }
}
