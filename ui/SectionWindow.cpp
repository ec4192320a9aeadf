#include "SectionWindow.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>
#include <limits>

#include "Appearance.h"
#include "CaptionFrame.h"
#include "DerivedPropertiesMenu.h"
#include "FieldEdit.h"
#include "Fonts.h"
#include "MessageWindow.h"
#include "NumberNotation.h"
#include "NumericText.h"
#include "OpenWindows.h"
#include "PictureBox.h"
#include "Twips.h"

using baricor::InputRole;
using baricor::Quantity;

namespace {

// What a screen reader says of the diagram box, for each picture it can show.
const char* const kSectionDiagramName = "Disegno della sezione";
const char* const kAxesDiagramName = "Disegno degli assi";
const char* const kAxesDiagramDescription =
    "Assi di riferimento traslati di Dx e Dy dal baricentro G e ruotati dell'angolo θ";

// A plain widget is announced as a filler; a section window is a window.
QAccessibleInterface* AccessibleSectionWindow(const QString& className, QObject* object) {
    if (className == QLatin1String("SectionWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

SectionWindow::SectionWindow(const baricor::SectionLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    static const bool accessibleAsWindow = (QAccessible::installFactory(AccessibleSectionWindow), true);
    Q_UNUSED(accessibleAsWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromStdString(layout.window));
    setWindowTitle(QString::fromStdString(layout.caption));
    setAccessibleName(windowTitle());
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    setFixedSize(SizeFromTwips(layout.clientWidth, layout.clientHeight));
    BuildControls();
    LoadDefaultResults();
    DerivedPropertiesMenu::AttachTo(this);
}

QLabel* SectionWindow::AddLabel(QWidget* parent, const std::string& control, const std::string& text,
                                const baricor::TwipRect& rect, const QFont& font) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(QString::fromStdString(control));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(FromTwips(rect));
    FitLabelText(label);
    return label;
}

void SectionWindow::BuildControls() {
    picture_ = new PictureBox(this);
    picture_->setObjectName("Picture1");
    picture_->move(FromTwips(layout_.picture).topLeft());
    ShowPicture(":/" + QString::fromStdString(layout_.diagram), kSectionDiagramName, layout_.diagramDescription);

    auto* dataFrame = new CaptionFrame(QString::fromStdString(layout_.dataFrame.caption), this);
    dataFrame->setObjectName(QString::fromStdString(layout_.dataFrame.control));
    dataFrame->setFont(SansFont(8.25, true));
    dataFrame->setGeometry(FromTwips(layout_.dataFrame.rect));
    auto* transformFrame = new CaptionFrame(QString::fromStdString(layout_.transformFrame.caption), this);
    transformFrame->setObjectName(QString::fromStdString(layout_.transformFrame.control));
    transformFrame->setFont(DefaultFont());
    transformFrame->setGeometry(FromTwips(layout_.transformFrame.rect));

    for (const baricor::InputField& input : layout_.inputs) {
        QWidget* frame = input.role == InputRole::Dimension ? dataFrame : transformFrame;
        const baricor::FieldRow& row = input.row;
        AddLabel(frame, row.labelControl, row.label, row.labelRect, SansFont(12, true));
        auto* field = new FieldEdit(frame);
        field->setObjectName(QString::fromStdString(row.control));
        field->setAccessibleName(QString::fromStdString(row.label));
        field->setFont(DefaultFont());
        field->setMaxLength(std::numeric_limits<int>::max());  // a paste is never cut short
        field->setText(QString::fromStdString(input.defaultText));
        field->setGeometry(FromTwips(row.fieldRect));
        AddLabel(frame, row.unitControl, row.unit, row.unitRect, DefaultFont());
        connect(field, &QLineEdit::textChanged, this, [this, field] { InputChanged(field); });
        if (input.role == InputRole::Dimension)
            connect(field, &FieldEdit::clicked, this, &SectionWindow::ShowSectionPicture);
        else
            connect(field, &FieldEdit::clicked, this, &SectionWindow::ShowTransformPicture);
        inputs_.push_back(field);
    }

    for (const baricor::ResultField& result : layout_.results) {
        const baricor::FieldRow& row = result.row;
        const bool centroid = result.quantity == Quantity::xG || result.quantity == Quantity::yG;
        AddLabel(this, row.labelControl, row.label, row.labelRect, centroid ? SansFont(8.25, true) : SansFont(12, true));
        auto* field = new FieldEdit(this);
        field->setObjectName(QString::fromStdString(row.control));
        field->setAccessibleName(QString::fromStdString(row.label));
        field->setReadOnly(true);  // selectable and copyable, never typed into
        field->setFont(FiguresFont(centroid ? DefaultFont() : SansFont(8.25, true)));
        field->setGeometry(FromTwips(row.fieldRect));
        if (!row.unit.empty()) AddLabel(this, row.unitControl, row.unit, row.unitRect, DefaultFont());
        results_.push_back(field);
    }

    auto* menuButton = new QPushButton("Menu", this);
    menuButton->setObjectName("Command2");
    menuButton->setGeometry(FromTwips(layout_.menuButton));
    connect(menuButton, &QPushButton::clicked, this, [] { OpenWindows::ShowMainWindow(); });
    auto* closeButton = new QPushButton("Chiudi", this);
    closeButton->setObjectName("Command1");
    closeButton->setGeometry(FromTwips(layout_.closeButton));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Enter and the keypad's Enter press the focused button, as Space does.
    menuButton->setAutoDefault(true);
    closeButton->setAutoDefault(true);

    // Keyboard order: the picture, the inputs, "Chiudi", then the rest.
    QWidget* previous = picture_;
    for (QWidget* next : inputs_) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, closeButton);
    setTabOrder(closeButton, menuButton);
    previous = menuButton;
    for (QWidget* next : results_) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void SectionWindow::LoadDefaultResults() {
    WriteResults(baricor::LoadResults(Shape(), NumberNotation::Separators().decimal, NumberNotation::ResultFormat()));
}

void SectionWindow::InputChanged(FieldEdit* field) {
    if (!baricor::IsNumericText(field->text().toStdString(), NumberNotation::Separators())) {
        ShowNotNumericMessage(this);
        return;
    }
    Recalculate();
}

baricor::SectionTexts SectionWindow::InputTexts() const {
    std::vector<std::string> texts;
    for (const FieldEdit* field : inputs_) texts.push_back(field->text().toStdString());
    return baricor::SectionTextsOf(layout_, texts);
}

QString SectionWindow::InputText(size_t index) const { return inputs_.at(index)->text(); }

QString SectionWindow::ResultText(size_t index) const { return results_.at(index)->text(); }

std::vector<QLineEdit*> SectionWindow::ResultFields() const { return {results_.begin(), results_.end()}; }

void SectionWindow::Recalculate() {
    const baricor::RecalcOutcome outcome = baricor::Recalculate(
        Shape(), InputTexts(), NumberNotation::Separators().decimal, NumberNotation::ResultFormat());
    WriteResults(outcome);
    emit recalculated();
    if (outcome.showsErrore2) ShowCheckDataMessage(this);
}

void SectionWindow::WriteResults(const baricor::RecalcOutcome& outcome) {
    // No defined result: every result field blanks, so no stale figure can be
    // read as belonging to the new inputs.
    for (size_t i = 0; i < results_.size(); ++i) {
        const baricor::Quantity quantity = layout_.results[i].quantity;
        results_[i]->setText(outcome.hasResult ? QString::fromStdString(outcome.TextOf(quantity)) : QString());
        results_[i]->setCursorPosition(0);
    }
}

void SectionWindow::ShowSectionPicture() {
    ShowPicture(QString::fromStdString(baricor::SectionPicturePath(layout_)), kSectionDiagramName,
                layout_.diagramDescription);
}

void SectionWindow::ShowTransformPicture() {
    ShowPicture(QString::fromStdString(baricor::TransformPicturePath(layout_)), kAxesDiagramName,
                kAxesDiagramDescription);
}

void SectionWindow::ShowPicture(const QString& file, const char* name, const std::string& description) {
    // A picture that cannot be shown leaves the current one, and what is said of it.
    if (!picture_->LoadPicture(file)) return;
    picture_->setAccessibleName(QString::fromUtf8(name));
    picture_->setAccessibleDescription(QString::fromStdString(description));
}
