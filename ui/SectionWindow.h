#pragma once
// The section window of one shape (Trave1 ... Trave8), built from the shape's
// table. Its texts are its only state: every accepted edit reads all input
// fields again and rewrites every result field.

#include <QWidget>
#include <vector>

#include "Recalculate.h"
#include "Section.h"

class FieldEdit;
class PictureBox;
class QLabel;

class SectionWindow : public QWidget {
    Q_OBJECT
public:
    explicit SectionWindow(const baricor::ShapeUnit& shape, QWidget* parent = nullptr);

    const baricor::ShapeUnit& Shape() const { return shape_; }

    // Reads every input field, computes, writes every result field, then runs
    // the shape's validity test (Errore2).
    void Recalculate();
    // Picture A (the section and its dimensions) / picture B (the axes).
    void ShowSectionPicture();
    void ShowTransformPicture();

signals:
    // After each recalculation, once its results are written.
    void recalculated();

private:
    void LoadDefaultResults();
    void BuildControls();
    QLabel* AddLabel(QWidget* parent, const std::string& control, const std::string& text,
                     const baricor::TwipRect& rect, const QFont& font);
    void ShowPicture(const QString& file, const char* name, const std::string& description);
    void InputChanged(FieldEdit* field);
    void WriteResults(const baricor::RecalcOutcome& outcome);

    const baricor::ShapeUnit& shape_;
    PictureBox* picture_ = nullptr;
    std::vector<FieldEdit*> inputs_;
    std::vector<FieldEdit*> results_;
};
