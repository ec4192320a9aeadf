#pragma once
// The derived properties of one section window's section: principal axes,
// radii of gyration, section moduli and polar moment, with a drawing of the
// section, its principal axes and its central ellipse of inertia. It is written
// when it opens and again at every recalculation of its section window, from
// that window's input texts.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "DerivedProperties.h"

class PrincipalAxesDrawing;
class QLineEdit;
class SectionWindow;

class DerivedPropertiesWindow : public QWidget {
    Q_OBJECT
public:
    explicit DerivedPropertiesWindow(SectionWindow& section);

    // Reads the section window's inputs, computes, writes every field and the drawing.
    void Rewrite();

    // The object name of the field that shows `quantity`.
    static QString FieldName(baricor::DerivedQuantity quantity);

private:
    void BuildControls();
    void CopyResults() const;

    QPointer<SectionWindow> section_;
    std::vector<QLineEdit*> fields_;  // in kDerivedFields order
    PrincipalAxesDrawing* drawing_ = nullptr;
};
