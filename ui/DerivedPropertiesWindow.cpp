#include "DerivedPropertiesWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "Appearance.h"
#include "CaptionFrame.h"
#include "CopyCloseRow.h"
#include "DerivedProperties.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "PrincipalAxesDrawing.h"
#include "ReportMenu.h"
#include "ResultsTable.h"
#include "SectionInputs.h"
#include "SectionWindow.h"
#include "Twips.h"

namespace {

// The groups of fields, each a run of kDerivedFields.
struct FieldGroup {
    const char* control;
    const char* caption;
    size_t first;
    size_t count;
};
const FieldGroup kGroups[] = {{"PrincipalAxes", "Assi principali", 0, 3},
                              {"RadiiOfGyration", "Raggi d'inerzia", 3, 2},
                              {"SectionModuli", "Moduli di resistenza", 5, 2},
                              {"PolarMoment", "Momento polare", 7, 1},
                              {"PlasticModuli", "Moduli plastici", 8, 2},
                              {"Torsion", "Torsione", 10, 2},
                              {"ShearCentre", "Centro di taglio", 12, 2}};

// C where it is defined and apart from G: a section symmetric about both axes
// has it at G, which the drawing already marks.
std::optional<baricor::PlanePoint> ShearCentreToMark(const baricor::DerivedSection& derived) {
    if (!derived.values) return std::nullopt;
    const baricor::PlanePoint c = derived.values->shearCentre;
    if (c.x == 0 && c.y == 0) return std::nullopt;
    return c;
}

// Labels as wide as the section windows' result labels, or as the widest
// symbol ("Wpl,x") where that is wider, so that the fields of every group line
// up and the window's least size is the size it opens at.
int LabelWidth(const QFont& font, int widthTwips) {
    int width = Px(widthTwips);
    const QFontMetrics metrics(font);
    for (const baricor::DerivedField& f : baricor::kDerivedFields)
        width = std::max(width, metrics.horizontalAdvance(QString::fromUtf8(f.label)));
    return width;
}

QLabel* Label(const QString& control, const char* text, const QFont& font, int minimumWidth) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(control);
    label->setFont(font);
    label->setMinimumWidth(minimumWidth);
    return label;
}

// A plain widget is announced as a filler; this is a window of its own.
QAccessibleInterface* AccessibleDerivedWindow(const QString& className, QObject* object) {
    if (className == QLatin1String("DerivedPropertiesWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

QString DerivedPropertiesWindow::FieldName(baricor::DerivedQuantity quantity) {
    switch (quantity) {
        case baricor::DerivedQuantity::J1: return "J1";
        case baricor::DerivedQuantity::J2: return "J2";
        case baricor::DerivedQuantity::Alpha: return "Alpha";
        case baricor::DerivedQuantity::RhoX: return "RhoX";
        case baricor::DerivedQuantity::RhoY: return "RhoY";
        case baricor::DerivedQuantity::Wx: return "Wx";
        case baricor::DerivedQuantity::Wy: return "Wy";
        case baricor::DerivedQuantity::Jp: return "Jp";
        case baricor::DerivedQuantity::Wplx: return "Wplx";
        case baricor::DerivedQuantity::Wply: return "Wply";
        case baricor::DerivedQuantity::It: return "It";
        case baricor::DerivedQuantity::Iw: return "Iw";
        case baricor::DerivedQuantity::xC: return "xC";
        case baricor::DerivedQuantity::yC: return "yC";
    }
    return {};
}

DerivedPropertiesWindow::DerivedPropertiesWindow(SectionWindow& section) : section_(&section) {
    static const bool accessibleAsWindow = (QAccessible::installFactory(AccessibleDerivedWindow), true);
    Q_UNUSED(accessibleAsWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("DerivedProperties-" + section.objectName());
    setWindowTitle("Proprietà derivate - " + section.windowTitle());
    setAccessibleName(windowTitle());
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    BuildControls();
    ReportMenu::AttachTo(this, &section);
    connect(&section, &SectionWindow::recalculated, this, &DerivedPropertiesWindow::Rewrite);
    Rewrite();
}

void DerivedPropertiesWindow::BuildControls() {
    drawing_ = new PrincipalAxesDrawing;
    drawing_->setObjectName("Drawing");
    // At least as large as the window first opens; it takes whatever room the
    // window is given beyond that (its backing store grows only if the user
    // enlarges the window).
    drawing_->setMinimumSize(SizeFromTwips(3000, 4200));
    drawing_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    const QFont symbolFont = SansFont(12, true);
    const int symbolWidth = LabelWidth(symbolFont, 615);
    for (const FieldGroup& group : kGroups) {
        auto* box = new CaptionFrame(group.caption, nullptr);
        box->setObjectName(group.control);
        box->setFont(SansFont(8.25, true));
        auto* rows = new QGridLayout(box);
        // As close as the section windows' rows: every window is a backing
        // store in memory, and eight of these may be open.
        rows->setContentsMargins(6, 4, 6, 4);
        rows->setVerticalSpacing(4);
        for (size_t i = group.first; i < group.first + group.count; ++i) {
            const baricor::DerivedField& f = baricor::kDerivedFields[i];
            const QString control = FieldName(f.quantity);
            auto* field = new QLineEdit;
            field->setObjectName(control);
            field->setAccessibleName(QString::fromUtf8(f.label));
            field->setReadOnly(true);  // selectable and copyable, never typed into
            field->setFont(FiguresFont(SansFont(8.25, true)));
            field->setFixedSize(SizeFromTwips(1575, 285));
            const int row = int(i - group.first);
            rows->addWidget(Label(control + "Label", f.label, symbolFont, symbolWidth), row, 0);
            rows->addWidget(field, row, 1);
            rows->addWidget(Label(control + "Unit", f.unit, DefaultFont(), Px(615)), row, 2);
            fields_.push_back(field);
        }
        column->addWidget(box);
    }
    column->addStretch();

    const CopyCloseRow buttons = MakeCopyCloseRow(this, [this] { CopyResults(); });
    QPushButton* close = buttons.close;
    column->addLayout(buttons.row);

    auto* window = new QHBoxLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->addWidget(drawing_, 1);
    window->addLayout(column, 0);
    close->setFocus();  // nothing here is typed into
}

void DerivedPropertiesWindow::Rewrite() {
    if (!section_) return;
    const std::string& decimal = NumberNotation::Separators().decimal;
    Shown now{baricor::ReadSectionInputs(section_->Shape(), section_->InputTexts(), decimal).dimensions, decimal,
              NumberNotation::ResultFormat()};
    // A keystroke in Dx, Dy or θ leaves every figure here as it was.
    if (shown_ && *shown_ == now) return;
    const baricor::DerivedSection derived = baricor::DeriveSection(section_->Shape(), now.dimensions);
    const std::vector<std::string> written = baricor::DerivedTexts(derived, decimal, now.format);
    shown_ = std::move(now);
    // A field whose text stays is left alone: laying a text out again is most
    // of what writing it costs, and moving the axes changes none of these.
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString text = QString::fromStdString(written[i]);
        if (fields_[i]->text() == text) continue;
        fields_[i]->setText(text);
        fields_[i]->setCursorPosition(0);
    }
    drawing_->Show(derived, ShearCentreToMark(derived));
}

void DerivedPropertiesWindow::CopyResults() const {
    if (!section_) return;
    std::vector<TableRow> rows = InputsTable(*section_);
    for (size_t i = 0; i < fields_.size(); ++i) {
        const baricor::DerivedField& f = baricor::kDerivedFields[i];
        rows.push_back({QString::fromUtf8(f.label), fields_[i]->text(), QString::fromUtf8(f.unit)});
    }
    CopyTable(rows);
}
