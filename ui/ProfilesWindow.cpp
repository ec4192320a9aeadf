#include "ProfilesWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "Appearance.h"
#include "CaptionFrame.h"
#include "CopyCloseRow.h"
#include "DerivedProperties.h"
#include "Fonts.h"
#include "NumberNotation.h"
#include "PrincipalAxesDrawing.h"
#include "Twips.h"

namespace {

// A plain widget is announced as a filler; this is a window of its own.
QAccessibleInterface* AccessibleProfilesWindow(const QString& className, QObject* object) {
    if (className == QLatin1String("ProfilesWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// What the drawing needs of the profile's figures, as the derived window
// hands them over for a section.
baricor::DerivedValues DrawnValues(const baricor::ProfileProperties& p) {
    baricor::DerivedValues v;
    v.A = p.A;
    v.J1 = p.J1;
    v.J2 = p.J2;
    v.alpha = p.alpha;
    v.rhoX = p.rhoX;
    v.rhoY = p.rhoY;
    v.Wx = p.Wx;
    v.Wy = p.Wy;
    v.Jp = p.Jx + p.Jy;  // the polar moment about G
    return v;
}

// What follows the family's name ("200" of "IPE 200"),
// so that another family can show the same size.
QString SizeOf(const char* name) { return QString::fromUtf8(name).section(' ', 1); }

// A list in which typing a name's start selects the first name, from the top,
// that starts so: "HEM 10" is HEM 100, not the next match after the current
// size (HEM 1000), which is where the toolkit's own search would begin. A
// single letter typed again steps to the next name with that letter.
class TypeAheadList : public QListWidget {
public:
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& search) override {
        if (search.isEmpty()) return;
        if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        sinceLastKey_.start();
        typed_ += search;
        const bool oneLetterAgain = typed_.size() > 1 && typed_.count(typed_.front()) == typed_.size();
        const QString wanted = oneLetterAgain ? typed_.left(1) : typed_;
        const int from = wanted.size() == 1 ? currentRow() + 1 : 0;
        for (int k = 0; k < count(); ++k) {
            const int row = (std::max(from, 0) + k) % count();
            if (item(row)->text().startsWith(wanted, Qt::CaseInsensitive)) {
                setCurrentRow(row);
                return;
            }
        }
    }

private:
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

QLabel* Label(const QString& control, const char* text, const QFont& font, int widthTwips) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(control);
    label->setFont(font);
    label->setMinimumWidth(Px(widthTwips));
    return label;
}

}  // namespace

ProfilesWindow::ProfilesWindow() {
    static const bool accessibleAsWindow = (QAccessible::installFactory(AccessibleProfilesWindow), true);
    Q_UNUSED(accessibleAsWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Profiles");
    setWindowTitle("Profili");
    setAccessibleName(windowTitle());
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    BuildControls();
    connect(&NumberNotation::ResultFormatChanges(), &NumberNotation::ResultFormatSignal::changed, this,
            &ProfilesWindow::Rewrite);
    families_->setCurrentRow(0);
}

void ProfilesWindow::BuildControls() {
    // The lists: as wide as their longest name, the families all in sight.
    families_ = new TypeAheadList;
    families_->setObjectName("Family");
    families_->setAccessibleName("Famiglia");
    sizes_ = new TypeAheadList;
    sizes_->setObjectName("Profile");
    sizes_->setAccessibleName("Profilo");
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const baricor::ProfileFamily& family : baricor::ProfileFamilies()) {
        families_->addItem(QString::fromUtf8(family.name));
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(family.name)));
        for (const baricor::Profile& profile : family)
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(profile.name)));
    }
    const int frame = 2 * families_->frameWidth();
    const int listWidth = widest + frame + sizes_->verticalScrollBar()->sizeHint().width() + 12;
    families_->setFixedWidth(listWidth);
    sizes_->setFixedWidth(listWidth);
    families_->setFixedHeight(families_->count() * families_->sizeHintForRow(0) + frame + 2);
    families_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(families_, &QListWidget::currentRowChanged, this, &ProfilesWindow::ShowFamily);
    connect(sizes_, &QListWidget::currentRowChanged, this, &ProfilesWindow::ShowProfile);

    auto* familyCaption = new QLabel("&Famiglia");
    familyCaption->setObjectName("FamilyLabel");
    familyCaption->setBuddy(families_);
    auto* sizeCaption = new QLabel("&Profilo");
    sizeCaption->setObjectName("ProfileLabel");
    sizeCaption->setBuddy(sizes_);
    auto* lists = new QVBoxLayout;
    lists->addWidget(familyCaption);
    lists->addWidget(families_);
    lists->addSpacing(4);
    lists->addWidget(sizeCaption);
    lists->addWidget(sizes_, 1);

    // The fields, in two columns of captioned groups.
    std::array<QVBoxLayout*, 2> columns{new QVBoxLayout, new QVBoxLayout};
    std::array<QGridLayout*, kProfileFieldGroups.size()> rows{};
    for (size_t g = 0; g < kProfileFieldGroups.size(); ++g) {
        const ProfileFieldGroup& group = kProfileFieldGroups[g];
        auto* box = new CaptionFrame(QString::fromUtf8(group.caption), nullptr);
        box->setObjectName(group.control);
        box->setFont(SansFont(8.25, true));
        rows[g] = new QGridLayout(box);
        rows[g]->setContentsMargins(6, 4, 6, 4);
        rows[g]->setVerticalSpacing(4);
        columns[size_t(group.column)]->addWidget(box);
        groups_[g] = box;
    }
    for (size_t i = 0; i < kProfileFields.size(); ++i) {
        const ProfileField& f = kProfileFields[i];
        const QString control = f.control;
        auto* field = new QLineEdit;
        field->setObjectName(control);
        field->setAccessibleName(QString::fromUtf8(f.label));
        field->setReadOnly(true);  // selectable and copyable, never typed into
        field->setFont(SansFont(8.25, true));
        field->setFixedSize(SizeFromTwips(1575, 285));
        QGridLayout* grid = rows[size_t(f.group)];
        const int row = grid->rowCount();
        labels_[i] = Label(control + "Label", f.label, SansFont(12, true), 615);
        units_[i] = Label(control + "Unit", f.unit, DefaultFont(), 690);
        grid->addWidget(labels_[i], row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(units_[i], row, 2);
        fields_[i] = field;
    }
    for (QVBoxLayout* column : columns) {
        column->setSpacing(4);
        column->addStretch();
    }

    drawing_ = new PrincipalAxesDrawing;
    drawing_->setObjectName("Drawing");
    drawing_->setAccessibleName("Disegno del profilo");
    // It takes whatever room the window is given beyond its first size.
    drawing_->setMinimumSize(SizeFromTwips(3600, 4500));
    drawing_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    const CopyCloseRow buttons = MakeCopyCloseRow(this, [this] { CopyFigures(); });

    auto* top = new QHBoxLayout;
    top->addLayout(lists, 0);
    top->addLayout(columns[0], 0);
    top->addLayout(columns[1], 0);
    top->addWidget(drawing_, 1);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->addLayout(top, 1);
    window->addLayout(buttons.row);

    // Tab runs from the lists through the fields to the buttons, as they read.
    setTabOrder(families_, sizes_);
    QWidget* previous = sizes_;
    for (QLineEdit* field : fields_) {
        setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, buttons.copy);
    setTabOrder(buttons.copy, buttons.close);
    sizes_->setFocus();  // typing a size's name selects it at once
}

bool ProfilesWindow::Select(const QString& name) {
    const baricor::Profile* wanted = baricor::FindProfile(name.toStdString());
    if (!wanted) return false;
    const auto& families = baricor::ProfileFamilies();
    for (size_t f = 0; f < families.size(); ++f) {
        const baricor::ProfileFamily& family = families[f];
        if (wanted < family.begin() || wanted >= family.end()) continue;
        families_->setCurrentRow(int(f));
        sizes_->setCurrentRow(int(wanted - family.begin()));
        return true;
    }
    return false;
}

void ProfilesWindow::ShowFamily(int row) {
    const auto& families = baricor::ProfileFamilies();
    if (row < 0 || row >= int(families.size())) return;
    const QString size = profile_ ? SizeOf(profile_->name) : QString();
    family_ = &families[size_t(row)];
    int current = 0;
    {
        const QSignalBlocker quiet(sizes_);
        sizes_->clear();
        for (const baricor::Profile& profile : *family_) {
            if (SizeOf(profile.name) == size) current = sizes_->count();
            sizes_->addItem(QString::fromUtf8(profile.name));
        }
        sizes_->setCurrentRow(current);
    }
    ShowProfile(current);
}

void ProfilesWindow::ShowProfile(int row) {
    const baricor::Profile* previous = profile_;
    profile_ = family_ && row >= 0 && row < int(family_->count) ? family_->first + row : nullptr;
    // The fields a family shows change only with the kind of profile.
    if (!previous || !profile_ || previous->shape != profile_->shape) {
        for (size_t i = 0; i < kProfileFields.size(); ++i) {
            const bool shown = profile_ && Shows(kProfileFields[i], profile_->shape);
            fields_[i]->setVisible(shown);
            labels_[i]->setVisible(shown);
            units_[i]->setVisible(shown);
        }
        for (size_t g = 0; g < groups_.size(); ++g) {
            bool any = false;
            for (const ProfileField& f : kProfileFields)
                any = any || (f.group == int(g) && profile_ && Shows(f, profile_->shape));
            groups_[g]->setVisible(any);
        }
    }
    if (profile_) {
        properties_ = baricor::PropertiesOf(*profile_);
        drawing_->Show(baricor::ProfileRegion(*profile_), DrawnValues(properties_));
    } else {
        drawing_->Show(baricor::DerivedSection());
    }
    Rewrite();
}

void ProfilesWindow::Rewrite() {
    const std::string& decimal = NumberNotation::Separators().decimal;
    const std::string& pattern = NumberNotation::ResultFormat();
    for (size_t i = 0; i < kProfileFields.size(); ++i) {
        const QString text =
            profile_ ? ProfileFieldText(kProfileFields[i], *profile_, properties_, decimal, pattern) : QString();
        // Setting a field's text lays it out anew: the costliest part of a
        // selection, spared where the text stays (a radius, a hidden field).
        if (fields_[i]->text() == text) continue;
        fields_[i]->setText(text);
        fields_[i]->setCursorPosition(0);
    }
}

std::vector<TableRow> ProfilesWindow::Table() const {
    std::vector<TableRow> rows;
    if (!profile_) return rows;
    rows.push_back({"Profilo", QString::fromUtf8(profile_->name), QString()});
    for (size_t i = 0; i < kProfileFields.size(); ++i) {
        const ProfileField& f = kProfileFields[i];
        if (Shows(f, profile_->shape))
            rows.push_back({QString::fromUtf8(f.label), fields_[i]->text(), QString::fromUtf8(f.unit)});
    }
    return rows;
}

void ProfilesWindow::CopyFigures() const {
    if (profile_) CopyTable(Table());
}
