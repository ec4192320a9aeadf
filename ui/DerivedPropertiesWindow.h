#pragma once
// The derived properties of one section window's section: principal axes,
// radii of gyration, section moduli, polar moment, plastic moduli, torsion and
// warping constants and shear centre, with a drawing of the section, its
// principal axes, its central ellipse of inertia and its shear centre. It is
// written when it opens and again at every recalculation of its section
// window, from that window's input texts.

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
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
    // What the fields and the drawing show now: they follow the dimensions,
    // the decimal mark and the digit pattern, never where the axes are.
    struct Shown {
        baricor::Dimensions dimensions;
        std::string decimal;
        std::string format;
        bool operator==(const Shown& other) const {
            return dimensions == other.dimensions && decimal == other.decimal && format == other.format;
        }
    };
    std::optional<Shown> shown_;
};
