#include "WorkFileMenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "CompositeWindow.h"
#include "DerivedPropertiesMenu.h"
#include "MainWindow.h"
#include "MessageWindow.h"
#include "NumberNotation.h"
#include "NumericText.h"
#include "OpenWindows.h"
#include "ResultFormat.h"
#include "SectionLayout.h"
#include "SectionWindow.h"

namespace WorkSession {
namespace {

constexpr int kRecentCount = 5;
const char* const kRecentKey = "recentFiles";

// What the run knows beyond the windows: the file it used and the work as
// that file holds it.
struct Session {
    QString file;
    WorkFile::Work saved;
    // Set while "Esci" closes the windows after its own question.
    bool questionAnswered = false;
};

Session& State() {
    static Session session;
    return session;
}

QSettings Settings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Baricor", "baricor"); }

QString Shown(const QString& path) { return QChar(0x00ab) + QDir::toNativeSeparators(path) + QChar(0x00bb); }

// A message with one "OK", which Enter and Esc press alike; its text is
// shown as written (a file's name may hold anything).
void Notice(QMessageBox::Icon icon, const char* objectName, QWidget* over, const QString& text) {
    QMessageBox box(icon, "Baricor", text, QMessageBox::NoButton, over);
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void ShowProblem(QWidget* over, const QString& text) { Notice(QMessageBox::Warning, kProblemWindow, over, text); }

QLineEdit* InputField(SectionWindow* window, const baricor::InputField& input) {
    return window->findChild<QLineEdit*>(QString::fromStdString(input.row.control));
}

bool DerivedWindowOpen(const SectionWindow* window) {
    const QString name = "DerivedProperties-" + window->objectName();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->isVisible()) return true;
    }
    return false;
}

// The recent list, entries for files that may since have gone included.
void Remember(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) files.removeLast();
    Settings().setValue(kRecentKey, files);
}

void ForgetRecent(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    Settings().setValue(kRecentKey, files);
}

void UseFile(const QString& path) {
    State().file = path;
    State().saved = CurrentWork();
    Remember(path);
}

void SetDigits(const std::string& pattern) {
    const auto known = std::find(baricor::kResultFormats.begin(), baricor::kResultFormats.end(), pattern);
    MainWindow* form = OpenWindows::MainWindowIfOpen();
    QMenu* digits = form ? form->findChild<QMenu*>("mnuCifre") : nullptr;
    const int index = int(known - baricor::kResultFormats.begin());
    // Through the menu, so that its check moves with the pattern.
    if (digits && known != baricor::kResultFormats.end() && index < digits->actions().size()) {
        QAction* entry = digits->actions().at(index);
        if (!entry->isChecked() || NumberNotation::ResultFormat() != pattern) entry->trigger();
        entry->setChecked(true);
    } else {
        NumberNotation::SetResultFormat(pattern);
    }
}

// A field whose text is not a number, as the windows now hold it.
struct OddField {
    SectionWindow* window;
    QLineEdit* field;
    QString label;
};

// One message for what the file's texts would have said as they were typed.
void ReportUnusualTexts(const QString& path, const std::vector<OddField>& odd, const QStringList& checkData) {
    if (odd.empty() && checkData.isEmpty()) return;
    QString text = QStringLiteral("%1 è aperto.").arg(Shown(QFileInfo(path).fileName()));
    if (!odd.empty()) {
        text += QStringLiteral("\n\nQueste caselle non contengono un numero, come quando il lavoro fu salvato:");
        const size_t listed = std::min<size_t>(odd.size(), 8);
        for (size_t i = 0; i < listed; ++i) {
            QString shown = odd[i].field->text().left(30);
            if (odd[i].field->text().size() > 30) shown += QChar(0x2026);
            text += QStringLiteral("\n  %1, casella %2: %3%4%5")
                        .arg(odd[i].window->windowTitle(), odd[i].label, QChar(0x00ab), shown, QChar(0x00bb));
        }
        if (odd.size() > listed) text += QStringLiteral("\n  e altre %1").arg(odd.size() - listed);
        text += QStringLiteral("\nI risultati le leggono fino al primo carattere che non fa parte di un numero.");
    }
    if (!checkData.isEmpty()) text += QStringLiteral("\n\nControllare i dati immessi in: %1.").arg(checkData.join(", "));
    Notice(QMessageBox::Information, kOpenReportWindow,
           odd.empty() ? static_cast<QWidget*>(OpenWindows::MainWindowIfOpen()) : odd.front().window, text);
    // The first field to correct gets the keyboard.
    if (!odd.empty() && odd.front().window) {
        OpenWindows::BringToFront(odd.front().window);
        odd.front().field->setFocus();
        odd.front().field->selectAll();
    }
}

// Replaces the work by `work`, already checked in full. `tellUnusualTexts`:
// a notice names the texts that are not numbers (nobody is there to read it
// when the work is opened only to be reported).
void ReplaceWork(const WorkFile::Work& work, const QString& path, bool tellUnusualTexts = true) {
    OpenWindows::CloseAllSectionWindows();
    // Gone now, not at the next turn of the event loop: each window is
    // opened afresh below, with its default texts and first place.
    for (const baricor::SectionLayout* layout : baricor::AllLayouts())
        delete OpenWindows::SectionWindowIfOpen(layout->number);
    // The composite window shows the parts it had when it opened: it opens
    // again, if the file says so, on the file's parts.
    delete OpenWindows::CompositeWindowIfOpen();
    CompositeWindow::Parts() = work.parts;

    SetDigits(work.digits);

    std::vector<OddField> odd;
    QStringList checkData;
    for (const WorkFile::SectionState& state : work.windows) {
        SectionWindow* window = OpenWindows::OpenSectionWindow(state.number);
        if (!window) continue;
        const std::vector<baricor::InputField>& inputs = window->Layout().inputs;
        {
            // Each text written as if typed; the messages its keystrokes
            // would have brought up are held, and the window is recalculated
            // once more from all its texts, as its next edit would.
            HeldMessages held;
            for (size_t i = 0; i < inputs.size() && i < state.texts.size(); ++i)
                InputField(window, inputs[i])->setText(state.texts[i]);
            held.held.clear();
            window->Recalculate();
            if (held.held.contains("Errore2")) checkData << window->windowTitle();
        }
        for (const baricor::InputField& input : inputs) {
            QLineEdit* field = InputField(window, input);
            if (!baricor::IsNumericText(field->text().toStdString(), NumberNotation::Separators()))
                odd.push_back({window, field, QString::fromStdString(input.row.label)});
        }
        if (state.derived) {
            if (auto* entry = window->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)) entry->trigger();
        }
    }
    if (work.compositeOpen) OpenWindows::OpenCompositeWindow();
    UseFile(path);
    if (tellUnusualTexts) ReportUnusualTexts(path, odd, checkData);
}

QString StartFolder() {
    if (!State().file.isEmpty()) return QFileInfo(State().file).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

const QString kFilter = QStringLiteral("Lavori di Baricor (*.baricor)");

// Closing the main window asks first, as "Esci" does.
class CloseQuestion : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && !State().questionAnswered &&
            !MayDiscardWork(qobject_cast<QWidget*>(watched))) {
            event->ignore();
            return true;
        }
        return false;
    }
};

void RebuildRecent(QMenu* file, QAction* separator) {
    for (QAction* entry : file->actions()) {
        if (entry->objectName().startsWith(kRecentEntry)) delete entry;
    }
    const QStringList files = RecentFiles();
    separator->setVisible(!files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString name = QFileInfo(path).fileName();
        name.replace('&', "&&");
        QAction* entry = file->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setObjectName(QStringLiteral("%1%2").arg(kRecentEntry).arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        QObject::connect(entry, &QAction::triggered, file, [file, path] { Open(path, file->window()); });
    }
}

}  // namespace

void AttachTo(MainWindow* form) {
    auto* file = form->findChild<QMenu*>("mnuFile");
    if (!file) return;
    file->addSeparator()->setObjectName("mnulineaFile1");
    QAction* open = file->addAction(QString::fromUtf8("Apri…"));
    open->setObjectName(kOpenEntry);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(open, &QAction::triggered, form, [form] {
        const QString path = QFileDialog::getOpenFileName(form, "Apri", StartFolder(),
                                                          kFilter + QStringLiteral(";;Tutti i file (*)"));
        if (!path.isEmpty()) Open(path, form);
    });
    // Saving needs no window of its own: it works from whichever has the focus.
    QAction* save = file->addAction("Salva");
    save->setObjectName(kSaveEntry);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(save, &QAction::triggered, form, [] { Save(QApplication::activeWindow()); });
    QAction* saveAs = file->addAction(QString::fromUtf8("Salva con nome…"));
    saveAs->setObjectName(kSaveAsEntry);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAs->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(saveAs, &QAction::triggered, form, [] { SaveAs(QApplication::activeWindow()); });
    QAction* recentLine = file->addSeparator();
    recentLine->setObjectName("mnulineaFile2");
    recentLine->setVisible(false);
    file->setToolTipsVisible(true);
    // Read when the menu opens, so that the settings are not read before then.
    QObject::connect(file, &QMenu::aboutToShow, file, [file, recentLine] { RebuildRecent(file, recentLine); });
    form->installEventFilter(new CloseQuestion(form));
}

WorkFile::Work CurrentWork() {
    WorkFile::Work work;
    work.digits = NumberNotation::ResultFormat();
    for (SectionWindow* window : OpenWindows::SectionWindowsInOpeningOrder()) {
        WorkFile::SectionState state;
        state.number = window->Layout().number;
        for (size_t i = 0; i < window->Layout().inputs.size(); ++i) state.texts.push_back(window->InputText(i));
        state.derived = DerivedWindowOpen(window);
        work.windows.push_back(std::move(state));
    }
    const CompositeWindow* composite = OpenWindows::CompositeWindowIfOpen();
    work.compositeOpen = composite && composite->isVisible();
    work.parts = CompositeWindow::Parts();
    return work;
}

QString CurrentFile() { return State().file; }

bool HasUnsavedChanges() { return !State().file.isEmpty() && CurrentWork() != State().saved; }

bool Open(const QString& path, QWidget* over) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const WorkFile::ReadOutcome read = WorkFile::ReadFile(absolute);
    if (!read.work) {
        if (!QFileInfo::exists(absolute)) ForgetRecent(absolute);
        ShowProblem(over, QStringLiteral("Impossibile aprire %1:\n%2.\n\nIl lavoro in corso non è cambiato.")
                              .arg(Shown(absolute), read.problem));
        return false;
    }
    if (!MayDiscardWork(over)) return false;
    ReplaceWork(*read.work, absolute);
    return true;
}

QString OpenWithoutQuestions(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const WorkFile::ReadOutcome read = WorkFile::ReadFile(absolute);
    if (!read.work) return QStringLiteral("Impossibile aprire %1:\n%2.").arg(Shown(absolute), read.problem);
    ReplaceWork(*read.work, absolute, false);
    return QString();
}

bool Save(QWidget* over) { return State().file.isEmpty() ? SaveAs(over) : SaveTo(State().file, over); }

bool SaveAs(QWidget* over) {
    QFileDialog dialog(over, "Salva con nome", StartFolder(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(WorkFile::kSuffix);
    if (!State().file.isEmpty()) dialog.selectFile(State().file);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return SaveTo(dialog.selectedFiles().constFirst(), over);
}

bool SaveTo(const QString& path, QWidget* over) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString problem = WorkFile::SaveFile(absolute, CurrentWork());
    if (!problem.isEmpty()) {
        ShowProblem(over, QStringLiteral("Impossibile salvare %1:\n%2.\n\nUn file che c'era già con quel nome non è stato toccato.")
                              .arg(Shown(absolute), problem));
        return false;
    }
    UseFile(absolute);
    return true;
}

bool MayDiscardWork(QWidget* over) {
    if (!HasUnsavedChanges()) return true;
    QMessageBox box(QMessageBox::Question, "Baricor", "Salvare le modifiche?", QMessageBox::NoButton, over);
    box.setObjectName(kQuestionWindow);
    box.setInformativeText(QStringLiteral("Il lavoro è cambiato da quando %1 è stato aperto o salvato.")
                               .arg(Shown(QFileInfo(State().file).fileName())));
    QPushButton* yes = box.addButton(QString::fromUtf8("&Sì"), QMessageBox::YesRole);
    yes->setObjectName("Si");
    QPushButton* no = box.addButton("&No", QMessageBox::NoRole);
    no->setObjectName("No");
    QPushButton* cancel = box.addButton("&Annulla", QMessageBox::RejectRole);
    cancel->setObjectName("Annulla");
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Save(over);
    return box.clickedButton() == no;
}

void EndProgram() {
    if (!MayDiscardWork(QApplication::activeWindow())) return;
    State().questionAnswered = true;
    OpenWindows::EndProgram();
    State().questionAnswered = false;
}

QStringList RecentFiles() { return Settings().value(kRecentKey).toStringList().mid(0, kRecentCount); }

void OpenFromArguments(const QStringList& arguments) {
    if (arguments.size() < 2) return;
    Open(arguments.at(1), OpenWindows::MainWindowIfOpen());
}

void Forget() {
    Session& session = State();
    session = Session();
}

}  // namespace WorkSession
