#pragma once
// The section window of one shape (TraveN), built from the shape's window
// table. Its texts are its only state: every accepted edit reads all input
// fields again and rewrites every result field.

#include <QWidget>
#include <vector>

#include "Recalculate.h"
#include "SectionLayout.h"

class FieldEdit;
class PictureBox;
class QLabel;
class QLineEdit;

class SectionWindow : public QWidget {
    Q_OBJECT
public:
    explicit SectionWindow(const baricor::SectionLayout& layout, QWidget* parent = nullptr);

    const baricor::SectionLayout& Layout() const { return layout_; }
    const baricor::SectionShape& Shape() const { return *layout_.shape; }

    // What its fields hold: the input texts as the analysis reads them, and
    // each field's text in the order of Layout().inputs / Layout().results.
    baricor::SectionTexts InputTexts() const;
    QString InputText(size_t index) const;
    QString ResultText(size_t index) const;
    // The result fields, in the order of Layout().results.
    std::vector<QLineEdit*> ResultFields() const;

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

    const baricor::SectionLayout& layout_;
    PictureBox* picture_ = nullptr;
    std::vector<FieldEdit*> inputs_;
    std::vector<FieldEdit*> results_;
};
