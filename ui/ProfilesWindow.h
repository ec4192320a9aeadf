#pragma once
// "Profili": the catalogue of rolled steel profiles. A family and one of its
// sizes are picked from two lists (typing a name's start selects it); the
// window shows the size's dimensions as the tables print them, its properties
// computed from them with its fillets, and a drawing of it with G, the
// principal axes and the central ellipse. The figures are rewritten at once
// when the digit menu chooses another pattern.

#include <QWidget>
#include <array>
#include <vector>

#include "ProfileFields.h"
#include "ResultsTable.h"

class PrincipalAxesDrawing;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

class ProfilesWindow : public QWidget {
    Q_OBJECT
public:
    ProfilesWindow();

    // The size shown, or null while none is selected.
    const baricor::Profile* Selected() const { return profile_; }
    // Selects the size called `name` ("IPE 200") with its family; false if the
    // catalogue has none.
    bool Select(const QString& name);

    // The window's figures as a table: the size's name, then every field shown.
    std::vector<TableRow> Table() const;

private:
    void BuildControls();
    void ShowFamily(int row);
    void ShowProfile(int row);
    void Rewrite();
    void CopyFigures() const;

    QListWidget* families_ = nullptr;
    QListWidget* sizes_ = nullptr;
    std::array<QLineEdit*, kProfileFields.size()> fields_{};
    std::array<QLabel*, kProfileFields.size()> labels_{};
    std::array<QLabel*, kProfileFields.size()> units_{};
    std::array<QWidget*, kProfileFieldGroups.size()> groups_{};
    PrincipalAxesDrawing* drawing_ = nullptr;
    const baricor::ProfileFamily* family_ = nullptr;
    const baricor::Profile* profile_ = nullptr;
    baricor::ProfileProperties properties_;
};
