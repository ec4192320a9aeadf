#pragma once
// What a section window offers beyond its own fields, without a control of its
// own: F3 and a context menu (on its background, its diagram and its result
// fields) with "Proprietà derivate…", which opens the window's one
// derived-properties window or brings it to the front, and "Copia risultati",
// which copies the window's fields as a table, then "Esporta PDF…" (ReportMenu).
// The derived window closes with its section window.

#include <QObject>
#include <QPointer>

class DerivedPropertiesWindow;
class QAction;
class QContextMenuEvent;
class QLineEdit;
class SectionWindow;

class DerivedPropertiesMenu : public QObject {
    Q_OBJECT
public:
    // Called once by each section window it is built for; lives as long as it.
    static void AttachTo(SectionWindow* section);
    ~DerivedPropertiesMenu() override;

    // The two entries, also reachable by these object names on the section window.
    static constexpr const char* kDerivedEntry = "DerivedPropertiesAction";
    static constexpr const char* kCopyEntry = "CopyResultsAction";
    // "Aggiungi alla sezione composta": the window's shape and input texts as a new part.
    static constexpr const char* kCompositeEntry = "AddToCompositeAction";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DerivedPropertiesMenu(SectionWindow* section);
    void OpenDerivedWindow();
    void CopyResults() const;
    void AddToComposite() const;
    void ShowMenu(const QContextMenuEvent* event, QLineEdit* resultField);

    SectionWindow* section_;
    QAction* derivedEntry_;
    QAction* copyEntry_;
    QAction* compositeEntry_;
    QPointer<DerivedPropertiesWindow> derivedWindow_;
};
