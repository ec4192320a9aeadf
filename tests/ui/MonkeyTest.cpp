// A seeded monkey: thousands of random user actions across the main window, the
// eight section windows and their derived-properties windows (typing,
// deleting, pasting long and strange texts, clicks, the digit menu, "Chiudi
// Tutto", "Menu", "Info", "Guida", F3 and the context menus, "Copia risultati"
// and "Copia", closing and reopening; the profiles window: families and sizes
// picked, typed or stepped through, "Copia", closing; the composite window:
// opened by F4 and by the section windows' context menu, parts added,
// duplicated and removed, cells typed into, holes ticked, closed and opened
// again), with the program's promises checked after every single one.
//
//   BARICOR_MONKEY_SEED    the seed (default 20040701); an odd seed types with
//                          the decimal comma, an even one with the point
//   BARICOR_MONKEY_EVENTS  how many actions (default 10000)
//   BARICOR_MONKEY_TRACE=1 prints every action before doing it, to find the
//                          one that brings the program down
//
// A broken promise names the seed and the action's number; the same seed with
// BARICOR_MONKEY_EVENTS set to that number plus one replays it exactly.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "AboutWindow.h"
#include "CompositeWindow.h"
#include "DerivedProperties.h"
#include "DerivedPropertiesMenu.h"
#include "DerivedPropertiesWindow.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "ProfileFields.h"
#include "ProfilesWindow.h"
#include "ResultFormat.h"
#include "ResultGrammar.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"

namespace {

constexpr quint64 kDefaultSeed = 20040701;
constexpr int kDefaultEvents = 10000;
constexpr int kLongestText = 100000;

struct DigitEntry {
    const char* action;
    std::string_view pattern;
};
const DigitEntry kDigitEntries[] = {{"mnuDue", baricor::kResultFormats[0]},
                                    {"mnuTre", baricor::kResultFormats[1]},
                                    {"mnuQuattro", baricor::kResultFormats[2]},
                                    {"mnuCinque", baricor::kResultFormats[3]},
                                    {"mnuSei", baricor::kResultFormats[4]}};

// The offscreen platform says at every raise() that it cannot; thousands of
// those would drown a real warning.
QtMessageHandler gPreviousHandler = nullptr;
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    gPreviousHandler(type, context, message);
}

quint64 EnvNumber(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

QString Shorten(const QString& text) {
    QString shown = text.left(24);
    shown.replace('\n', "\\n").replace('\r', "\\r").replace('\t', "\\t");
    return text.size() > 24 ? QString("\"%1…\" (%2 chars)").arg(shown).arg(text.size()) : '"' + shown + '"';
}

// What the monkey knows an open section window must hold.
struct WindowModel {
    std::vector<QString> inputs;       // exactly what the user left in each input field
    std::set<std::string> patterns;    // patterns current since the results were last written
    std::vector<QString> results;      // as seen after the previous action
    std::vector<QLineEdit*> inputFields, resultFields;  // found once the window is up
    // Its derived-properties window, while it is open: the same promises.
    bool derivedOpen = false;
    std::set<std::string> derivedPatterns;
    std::vector<QString> derived;
};

// What the last action should have put on the clipboard, one row per field.
struct CopiedTable {
    QString heading;  // a first line of its own, if not empty
    std::vector<const QLineEdit*> fields;
    QStringList labels, units;
};

class Monkey {
public:
    explicit Monkey(quint64 seed) : rng_(seed) {
        decimal_ = seed % 2 ? "," : ".";
        NumberNotation::SetSeparators(seed % 2 ? baricor::RegionalSeparators{",", "."} : baricor::RegionalSeparators{".", ","});
        pattern_ = std::string(baricor::kDefaultResultFormat);
    }

    // One action, then every check. False, with the reason, on a broken promise.
    bool Step(int index, QString* failure) {
        touched_ = 0;
        recalculated_ = false;
        copied_.reset();
        typedInTable_ = false;
        const qsizetype modalsBefore = answerer_ ? answerer_->answered.size() : 0;
        const QString action = Act();
        if (action.isEmpty()) {
            *failure = "no window left to act on";
            return false;
        }
        recent_.push_back(QString("#%1 %2").arg(index).arg(action));
        if (recent_.size() > 25) recent_.pop_front();
        Settle();
        if (typedInTable_ && answerer_ && answerer_->answered.size() != modalsBefore) {
            *failure = "a modal window came up while typing in the composite's table: " + answerer_->answered.last();
            return false;
        }
        *failure = Check();
        return failure->isEmpty();
    }

    // Prints every action before doing it.
    void Trace(bool on) { trace_ = on; }
    QStringList Recent() const { return QStringList(recent_.begin(), recent_.end()); }
    int DerivedWindowsOpened() const { return derivedOpened_; }
    int TablesCopied() const { return tablesCopied_; }
    int ProfilesOpened() const { return profilesOpened_; }
    int CompositeOpened() const { return compositeOpened_; }
    int CompositeFigures() const { return compositeFigures_; }
    size_t PartsAtMost() const { return partsAtMost_; }
    // The modal windows answered so far: none may come up while typing in the table.
    void WatchModals(const ModalAnswerer* answerer) { answerer_ = answerer; }

private:
    // ---- choosing --------------------------------------------------------
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) { return items[Uniform(0, int(items.size()) - 1)]; }

    std::vector<int> OpenSectionNumbers() const {
        std::vector<int> open;
        for (const auto& [number, model] : windows_) open.push_back(number);
        return open;
    }

    // A number as a user might type it in the current notation, sometimes
    // unfinished ("-", "1e") or odd ("0", "1e400").
    QString NumberText() {
        QString text;
        if (Chance(0.15)) text += Chance(0.5) ? "-" : "+";
        for (int n = Uniform(Chance(0.1) ? 0 : 1, 4); n > 0; --n) text += QChar('0' + Uniform(0, 9));
        if (Chance(0.3)) {
            text += decimal_;
            for (int n = Uniform(0, 3); n > 0; --n) text += QChar('0' + Uniform(0, 9));
        }
        if (Chance(0.08)) {  // one draw per statement: the replay must not depend on the compiler
            text += Chance(0.5) ? "e" : "E";
            if (Chance(0.3)) text += "-";
            text += QString::number(Uniform(0, 400));
        }
        return text;
    }

    QString AsciiText() {
        static const QString alphabet = "0123456789.,+-eEdD &H()$abcxyz";
        QString text;
        for (int n = Uniform(1, 6); n > 0; --n) text += alphabet[Uniform(0, int(alphabet.size()) - 1)];
        return text;
    }

    // Line breaks, control characters, other scripts, combining marks and
    // characters outside the basic plane.
    QString ExoticText() {
        static const std::vector<QString> pieces = {
            "\n", "\r\n", "\r", "\t", "\v", QString(QChar(0)), "\x01", "\x1b", "\x1f", "\x7f", QString(QChar(0x85)),
            QString(QChar(0x9f)), QString(QChar(0x2028)), QString(QChar(0x2029)),
            "θ", "Ж", "ß", "١٢٣", "٫", "数字", "ｱ", "e\u0301", QString::fromUtf8("\xF0\x9F\x94\xA7"),
            "\u00a0", "\u202f", "１２", "−5", "∞", "NaN", "inf"};
        QString text;
        for (int n = Uniform(1, 4); n > 0; --n) text += Chance(0.5) ? Pick(pieces) : NumberText();
        return text;
    }

    // Up to 100,000 characters: digits (a number too long for a double, or one
    // with a very long fraction) or repeated junk.
    QString LongText() {
        const double longest = std::log10(double(kLongestText));
        const int length = int(std::pow(10.0, std::uniform_real_distribution<double>(2, longest)(rng_)));
        switch (Uniform(0, 2)) {
            case 0: return "1" + QString(length - 1, '0');
            case 1: return "0" + decimal_ + QString(length - 2, '7');
            default: {
                QString unit = ExoticText();
                unit += AsciiText();
                QString text;
                while (text.size() < length) text += unit;
                return text.left(length);
            }
        }
    }

    QString AnyText() {
        switch (Uniform(0, 9)) {
            case 0: return LongText();
            case 1: case 2: case 3: return ExoticText();
            case 4: case 5: return AsciiText();
            default: return NumberText();
        }
    }

    // ---- acting ----------------------------------------------------------
    SectionWindow* Window(int number) { return OpenWindows::SectionWindowIfOpen(number); }

    QString Act() {
        const std::vector<int> open = OpenSectionNumbers();
        const bool form = OpenWindows::MainWindowIfOpen() != nullptr;
        std::vector<int> derived;  // the section windows whose derived window is open
        for (int number : open)
            if (windows_.at(number).derivedOpen) derived.push_back(number);
        // Weighted choice among what a user can reach right now.
        std::vector<std::pair<int, std::function<QString()>>> choices;
        if (!open.empty()) {
            choices.push_back({30, [&] { return TypeKeys(Pick(open)); }});
            choices.push_back({10, [&] { return InsertText(Pick(open)); }});
            choices.push_back({5, [&] { return PasteText(Pick(open)); }});
            choices.push_back({8, [&] { return Backspace(Pick(open)); }});
            choices.push_back({6, [&] { return DeleteSelection(Pick(open)); }});
            choices.push_back({16, [&] { return ReplaceAll(Pick(open)); }});
            choices.push_back({8, [&] { return ClickField(Pick(open)); }});
            // The last window stays: closing it would end the program.
            if (form || open.size() > 1) {
                choices.push_back({3, [&] { return CloseSection(Pick(open), true); }});
                choices.push_back({2, [&] { return CloseSection(Pick(open), false); }});
            }
            choices.push_back({2, [&] { return PressMenu(Pick(open)); }});
            choices.push_back({3, [&] { return PressF3(Pick(open)); }});
            choices.push_back({3, [&] { return UseContextMenu(Pick(open)); }});
            if (!derived.empty()) {
                choices.push_back({2, [&] { return PressCopia(Pick(derived)); }});
                choices.push_back({2, [&] { return CloseDerived(Pick(derived)); }});
            }
        }
        if (form) {
            choices.push_back({open.empty() ? 30 : 6, [&] { return OpenSection(Uniform(1, 8)); }});
            choices.push_back({4, [&] { return ChooseDigits(); }});
            choices.push_back({1, [&] { return Trigger("mnuChiudi"); }});
            choices.push_back({1, [&] { return Trigger("mnuInfo"); }});
            choices.push_back({1, [&] { return Trigger("mnuGuida"); }});
            // The main window may go while a section window can bring it back.
            if (!open.empty()) choices.push_back({1, [&] { return CloseMain(); }});
        }
        if (form) choices.push_back({2, [&] { return OpenProfiles(); }});
        if (profilesOpen_) {
            choices.push_back({3, [&] { return PickFamily(); }});
            choices.push_back({6, [&] { return PickSize(); }});
            choices.push_back({2, [&] { return CopyProfile(); }});
            if (form || !open.empty()) choices.push_back({1, [&] { return CloseProfiles(); }});
        }
        if (form) choices.push_back({2, [&] { return OpenCompositeByF4(); }});
        if (!open.empty()) choices.push_back({2, [&] { return AddFromSection(Pick(open)); }});
        if (compositeOpen_) {
            choices.push_back({2, [&] { return PressPartButton("Add"); }});
            choices.push_back({2, [&] { return PressPartButton("Duplicate"); }});
            choices.push_back({4, [&] { return PressPartButton("Remove"); }});
            choices.push_back({12, [&] { return TypeInTable(); }});
            choices.push_back({2, [&] { return TickHole(); }});
            if (form || !open.empty()) choices.push_back({1, [&] { return CloseComposite(); }});
        }
        if (AboutWindow* info = InfoWindow())
            choices.push_back({1, [&, info] { return Do("Info: OK", [info] { info->findChild<QPushButton*>("Command1")->click(); }); }});

        if (choices.empty()) return QString();
        int total = 0;
        for (const auto& choice : choices) total += choice.first;
        int draw = Uniform(0, total - 1);
        for (const auto& choice : choices) {
            if (draw < choice.first) return choice.second();
            draw -= choice.first;
        }
        return QString();
    }

    // One edit of an input field: `plan` sees the field (cursor placed
    // somewhere in it) and the text the user expects there, brings that
    // expectation up to date, and says what it will do and how.
    struct Edit {
        QString what;
        std::function<void()> act;
    };
    QString EditField(int number, const std::function<Edit(QLineEdit* field, QString& expected)>& plan) {
        WindowModel& model = windows_.at(number);
        const size_t i = size_t(Uniform(0, int(model.inputs.size()) - 1));
        touched_ = number;
        QLineEdit* field = model.inputFields[i];
        field->setFocus();
        field->deselect();
        field->setCursorPosition(Uniform(0, int(field->text().size())));
        const Edit edit = plan(field, model.inputs[i]);
        const QString before = field->text();
        const QString action = Do(QString("Trave%1 %2: %3")
                                      .arg(number)
                                      .arg(QString::fromStdString(Window(number)->Layout().inputs[i].row.control), edit.what),
                                  edit.act);
        // The last change of the field recalculated the window if it left a number there.
        recalculated_ = field->text() != before &&
                        baricor::IsNumericText(field->text().toStdString(), NumberNotation::Separators());
        return action;
    }

    // Names the action (when tracing, before it, so that a crash shows which
    // one it was), does it, and returns its name.
    QString Do(const QString& action, const std::function<void()>& act) {
        if (trace_) std::fprintf(stderr, "monkey: %s\n", qPrintable(action));
        act();
        return action;
    }

    // A selection (or the cursor) replaced by `text` in one change.
    static void Replace(QLineEdit* field, QString& expected, const QString& text) {
        const int start = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
        expected.replace(start, int(field->selectedText().size()), text);
    }

    void SelectSomething(QLineEdit* field) {
        if (Chance(0.3)) {
            field->selectAll();
        } else if (Chance(0.5) && !field->text().isEmpty()) {
            const int start = Uniform(0, int(field->text().size()) - 1);
            field->setSelection(start, Uniform(1, int(field->text().size()) - start));
        }
    }

    QString TypeKeys(int number) {
        return EditField(number, [this](QLineEdit* field, QString& expected) {
            const QString keys = Chance(0.85) ? NumberText() : AsciiText();
            expected.insert(field->cursorPosition(), keys);
            return Edit{QString("type %1 at %2").arg(Shorten(keys)).arg(field->cursorPosition()),
                        [field, keys] { QTest::keyClicks(field, keys); }};
        });
    }

    QString InsertText(int number) {
        return EditField(number, [this](QLineEdit* field, QString& expected) {
            SelectSomething(field);
            const QString text = AnyText();
            Replace(field, expected, text);
            return Edit{"insert " + Shorten(text), [field, text] { field->insert(text); }};
        });
    }

    QString PasteText(int number) {
        return EditField(number, [this](QLineEdit* field, QString& expected) {
            SelectSomething(field);
            QGuiApplication::clipboard()->setText(AnyText());
            const QString text = QGuiApplication::clipboard()->text();  // what the system clipboard really holds
            if (!text.isEmpty() || field->hasSelectedText()) Replace(field, expected, text);
            return Edit{"Ctrl+V " + Shorten(text), [field] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); }};
        });
    }

    QString Backspace(int number) {
        return EditField(number, [](QLineEdit* field, QString& expected) {
            const int at = field->cursorPosition();
            if (at > 0) {
                // A character outside the basic plane goes as a whole.
                const bool pair = at > 1 && expected[at - 1].isLowSurrogate() && expected[at - 2].isHighSurrogate();
                expected.remove(pair ? at - 2 : at - 1, pair ? 2 : 1);
            }
            return Edit{QString("Backspace at %1").arg(at), [field] { QTest::keyClick(field, Qt::Key_Backspace); }};
        });
    }

    QString DeleteSelection(int number) {
        return EditField(number, [this](QLineEdit* field, QString& expected) {
            SelectSomething(field);
            if (!field->hasSelectedText()) field->selectAll();
            const QString what = "Delete " + Shorten(field->selectedText());
            if (field->hasSelectedText()) Replace(field, expected, QString());
            return Edit{what, [field] { QTest::keyClick(field, Qt::Key_Delete); }};
        });
    }

    // Select all, then type a new value (the way most users change a field).
    QString ReplaceAll(int number) {
        return EditField(number, [this](QLineEdit* field, QString& expected) {
            const QString keys = Chance(0.85) ? NumberText() : AsciiText();
            expected = keys;
            return Edit{"select all, type " + Shorten(keys), [field, keys] {
                            TypeInto(field, keys);
                            if (keys.isEmpty() && !field->text().isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
                        }};
        });
    }

    QString ClickField(int number) {
        SectionWindow* w = Window(number);
        const baricor::SectionLayout& shape = w->Layout();
        const bool input = Chance(0.8);
        const std::string& name = input ? shape.inputs[Uniform(0, int(shape.inputs.size()) - 1)].row.control
                                        : shape.results[Uniform(0, int(shape.results.size()) - 1)].row.control;
        QLineEdit* field = Field(w, name.c_str());
        const int x = Uniform(0, field->width() - 1);
        const QPoint at(x, Uniform(0, field->height() - 1));
        touched_ = number;
        return Do(QString("Trave%1 %2: click").arg(number).arg(QString::fromStdString(name)),
                  [&] { QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, at); });
    }

    // Opens the derived window, or brings it to the front.
    void DerivedEntry(int number, QAction* entry) {
        WindowModel& model = windows_.at(number);
        if (!model.derivedOpen) {
            model.derivedOpen = true;
            model.derivedPatterns = {pattern_};
            model.derived.clear();
            touched_ = number;  // written as it opens
            recalculated_ = true;
            ++derivedOpened_;
        }
        if (entry) entry->trigger();
    }

    // "Copia risultati": the section window's inputs, results and centroid.
    void CopyEntry(int number, QAction* entry) {
        const baricor::SectionLayout& shape = Window(number)->Layout();
        CopiedTable table = InputsCopied(number);
        for (size_t i = 0; i < shape.results.size(); ++i) {
            table.fields.push_back(Field(Window(number), shape.results[i].row.control.c_str()));
            table.labels << QString::fromStdString(shape.results[i].row.label);
            table.units << QString::fromStdString(shape.results[i].row.unit);
        }
        copied_ = table;
        ++tablesCopied_;
        if (entry) entry->trigger();
    }

    CopiedTable InputsCopied(int number) {
        const baricor::SectionLayout& shape = Window(number)->Layout();
        CopiedTable table;
        for (size_t i = 0; i < shape.inputs.size(); ++i) {
            table.fields.push_back(Field(Window(number), shape.inputs[i].row.control.c_str()));
            table.labels << QString::fromStdString(shape.inputs[i].row.label);
            table.units << QString::fromStdString(shape.inputs[i].row.unit);
        }
        return table;
    }

    QString PressF3(int number) {
        return Do(QString("Trave%1: F3").arg(number), [&] {
            DerivedEntry(number, Window(number)->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry));
        });
    }

    // A right click on the diagram, the background or a result field, then one
    // of the two entries.
    QString UseContextMenu(int number) {
        SectionWindow* w = Window(number);
        const baricor::SectionLayout& shape = w->Layout();
        QWidget* target = w;
        QString where = "background";
        if (Chance(0.4)) {
            target = w->findChild<QWidget*>("Picture1");
            where = "Picture1";
        } else if (Chance(0.5)) {
            const std::string& name = shape.results[Uniform(0, int(shape.results.size()) - 1)].row.control;
            target = Field(w, name.c_str());
            where = QString::fromStdString(name);
        }
        const bool derived = Chance(0.5);
        const QPoint at(Uniform(0, target->width() - 1), Uniform(0, target->height() - 1));
        return Do(QString("Trave%1 %2: right click, %3").arg(number).arg(where, derived ? "Proprietà derivate" : "Copia risultati"),
                  [&] {
                      QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
                      QApplication::sendEvent(target, &click);
                      // Without a menu the entry's effect is missing, and the check says so.
                      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                      const QList<QAction*> entries = menu ? menu->actions() : QList<QAction*>();
                        // "Proprietà derivate…", "Copia risultati", then "Aggiungi alla sezione
                        // composta" and "Esporta PDF…", which the monkey reaches elsewhere or leaves alone.
                      QAction* entry = entries.value(entries.size() - (derived ? 4 : 3));
                      if (menu) menu->close();
                      if (derived)
                          DerivedEntry(number, entry);
                      else
                          CopyEntry(number, entry);
                  });
    }

    DerivedPropertiesWindow* DerivedWindow(int number) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == QString("DerivedProperties-Trave%1").arg(number))
                return qobject_cast<DerivedPropertiesWindow*>(top);
        return nullptr;
    }

    // "Copia" of the derived window: the section window's inputs, then its own fields.
    QString PressCopia(int number) {
        return Do(QString("Trave%1 derived: Copia").arg(number), [&] {
            DerivedPropertiesWindow* derived = DerivedWindow(number);
            CopiedTable table = InputsCopied(number);
            for (const baricor::DerivedField& f : baricor::kDerivedFields) {
                table.fields.push_back(Field(derived, qPrintable(DerivedPropertiesWindow::FieldName(f.quantity))));
                table.labels << QString::fromUtf8(f.label);
                table.units << QString::fromUtf8(f.unit);
            }
            copied_ = table;
            ++tablesCopied_;
            derived->findChild<QPushButton*>("Copy")->click();
        });
    }

    QString CloseDerived(int number) {
        const bool button = Chance(0.5);
        return Do(QString("Trave%1 derived: %2").arg(number).arg(button ? "Chiudi" : "close box"), [&] {
            windows_.at(number).derivedOpen = false;
            DerivedPropertiesWindow* derived = DerivedWindow(number);
            if (button)
                derived->findChild<QPushButton*>("Close")->click();
            else
                derived->close();
        });
    }

    QString CloseSection(int number, bool button) {
        return Do(QString("Trave%1: %2").arg(number).arg(button ? "Chiudi" : "close box"), [&] {
            windows_.erase(number);
            if (button)
                Window(number)->findChild<QPushButton*>("Command1")->click();
            else
                Window(number)->close();
        });
    }

    QString PressMenu(int number) {
        return Do(QString("Trave%1: Menu").arg(number), [&] {
            if (!OpenWindows::MainWindowIfOpen()) NewPattern(std::string(baricor::kDefaultResultFormat));  // MainWindow loads anew
            Window(number)->findChild<QPushButton*>("Command2")->click();
        });
    }

    QString OpenSection(int number) {
        return Do(QString("Form1: Trave%1").arg(number), [&] {
            if (!windows_.count(number)) {
                const baricor::SectionLayout& shape = *baricor::LayoutByNumber(number);
                WindowModel model;
                for (const baricor::InputField& input : shape.inputs)
                    model.inputs.push_back(QString::fromStdString(input.defaultText));
                model.patterns = {pattern_};
                model.results.assign(shape.results.size(), QString());
                windows_[number] = model;
                touched_ = number;  // its results are written now
            }
            OpenWindows::MainWindowIfOpen()->findChild<QToolButton*>(QString("Command%1").arg(number))->click();
        });
    }

    QString ChooseDigits() {
        const DigitEntry& entry = kDigitEntries[Uniform(0, 4)];
        return Do(QString("Form1: %1").arg(entry.action), [&] {
            NewPattern(std::string(entry.pattern));
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>(entry.action)->trigger();
        });
    }

    QString Trigger(const char* name) {
        return Do(QString("Form1: %1").arg(name), [&] {
            if (QString(name) == "mnuChiudi") {
                windows_.clear();
                profilesOpen_ = false;
                compositeOpen_ = false;
            }
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>(name)->trigger();
        });
    }

    QString CloseMain() {
        return Do("Form1: close box", [] { OpenWindows::MainWindowIfOpen()->close(); });
    }

    void NewPattern(const std::string& pattern) {
        pattern_ = pattern;
        for (auto& [number, model] : windows_) {
            model.patterns.insert(pattern);
            model.derivedPatterns.insert(pattern);
        }
    }

    // ---- the composite window ---------------------------------------------
    static CompositeWindow* Composite() { return OpenWindows::CompositeWindowIfOpen(); }
    static QTableWidget* PartsTable() { return Composite()->findChild<QTableWidget*>("Parts"); }

    // A part of `layout`'s shape with `texts` in the order of its input fields.
    static baricor::CompositePart PartOf(const baricor::SectionLayout& layout, const std::vector<std::string>& texts) {
        baricor::CompositePart part;
        part.shape = {layout.shape, nullptr};
        part.texts = baricor::SectionTextsOf(layout, texts);
        return part;
    }

    void Opened() {
        if (!compositeOpen_) ++compositeOpened_;
        compositeOpen_ = true;
    }

    void Added(const baricor::CompositePart& part) {
        if (parts_.size() < size_t(CompositeWindow::kMaximumParts)) parts_.push_back(part);
        partsAtMost_ = std::max(partsAtMost_, parts_.size());
    }

    QString OpenCompositeByF4() {
        return Do("Form1: F4", [&] {
            Opened();
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuComposta")->trigger();
        });
    }

    // A right click on the section window, then "Aggiungi alla sezione composta".
    QString AddFromSection(int number) {
        return Do(QString("Trave%1: right click, Aggiungi alla sezione composta").arg(number), [&] {
            SectionWindow* w = Window(number);
            std::vector<std::string> texts;
            for (const QString& input : windows_.at(number).inputs) texts.push_back(input.toStdString());
            Added(PartOf(w->Layout(), texts));
            Opened();
            const QPoint at(Uniform(0, w->width() - 1), Uniform(0, w->height() - 1));
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
            QApplication::sendEvent(w, &click);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QAction* entry = nullptr;
            for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                if (action->objectName() == DerivedPropertiesMenu::kCompositeEntry) entry = action;
            if (menu) menu->close();
            if (entry) entry->trigger();
        });
    }

    // "Aggiungi", "Duplica" or "Rimuovi", a row chosen first.
    QString PressPartButton(const char* button) {
        QTableWidget* table = PartsTable();
        const int row = parts_.empty() ? -1 : Uniform(0, int(parts_.size()) - 1);
        return Do(QString("Composite: row %1, %2").arg(row + 1).arg(button), [&] {
            if (row >= 0) table->setCurrentCell(row, Uniform(0, CompositeWindow::HoleColumn));
            const QString name(button);
            if (name == "Add") {
                const baricor::SectionLayout& rectangle = baricor::LayoutOf(baricor::RectangleSection());
                std::vector<std::string> texts;
                for (const baricor::InputField& input : rectangle.inputs) texts.push_back(input.defaultText);
                Added(PartOf(rectangle, texts));
            } else if (name == "Duplicate" && row >= 0 && parts_.size() < size_t(CompositeWindow::kMaximumParts)) {
                parts_.insert(parts_.begin() + row + 1, parts_[size_t(row)]);
                partsAtMost_ = std::max(partsAtMost_, parts_.size());
            } else if (name == "Remove" && row >= 0) {
                parts_.erase(parts_.begin() + row);
            }
            Composite()->findChild<QPushButton*>(button)->click();
        });
    }

    // The text a cell of the table holds in the model, by its column.
    std::string* ModelText(size_t row, int column) {
        baricor::SectionTexts& t = parts_.at(row).texts;
        if (column == CompositeWindow::DxColumn) return &t.dx;
        if (column == CompositeWindow::DyColumn) return &t.dy;
        if (column == CompositeWindow::ThetaColumn) return &t.theta;
        const size_t dimension = size_t(column - CompositeWindow::FirstDimension);
        return dimension < t.dimensions.size() ? &t.dimensions[dimension] : nullptr;
    }

    // A cell the user can type into: its editor opened, then keys typed over
    // it, after its end, taken away, or a text put in at once.
    QString TypeInTable() {
        QTableWidget* table = PartsTable();
        std::vector<std::pair<int, int>> cells;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = CompositeWindow::FirstDimension; column <= CompositeWindow::ThetaColumn; ++column)
                if (table->item(row, column) && (table->item(row, column)->flags() & Qt::ItemIsEditable))
                    cells.push_back({row, column});
        if (cells.empty()) return PressPartButton("Add");
        // Mostly the user puts right a cell that is not a number, so
        // that the table gives figures often enough for them to be checked.
        std::vector<std::pair<int, int>> wrong;
        for (const auto& [r, c] : cells)
            if (!baricor::IsNumericText(table->item(r, c)->text().toStdString(), NumberNotation::Separators()))
                wrong.push_back({r, c});
        const bool mend = !wrong.empty() && Chance(0.8);
        const auto [row, column] = mend ? Pick(wrong) : Pick(cells);
        std::string* expected = ModelText(size_t(row), column);
        const int way = mend ? 0 : Uniform(0, 9);
        const QString keys = mend ? QString::number(Uniform(1, 300)) : way == 9 ? AnyText() : Chance(0.85) ? NumberText() : AsciiText();
        typedInTable_ = true;
        ++partsTyped_;
        const QString header = table->horizontalHeaderItem(column)->text();
        return Do(QString("Composite: row %1, %2: %3").arg(row + 1).arg(header).arg(
                      way < 5 ? "select all, type " + Shorten(keys)
                              : way < 7 ? "type at the end " + Shorten(keys)
                                        : way < 9 ? QString("Backspace") : "put in " + Shorten(keys)),
                  [&] {
                      table->setCurrentCell(row, column);
                      table->editItem(table->item(row, column));
                      QLineEdit* editor = nullptr;
                      for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>())
                          if (e->isVisible()) editor = e;
                      if (!editor) return;  // the check then finds the text unchanged and says so
                      QString text = editor->text();
                      editor->end(false);
                      if (way < 5) {
                          editor->selectAll();
                          QTest::keyClick(editor, Qt::Key_Delete);
                          QTest::keyClicks(editor, keys);
                          text = keys;
                      } else if (way < 7) {
                          QTest::keyClicks(editor, keys);
                          text += keys;
                      } else if (way < 9) {
                          QTest::keyClick(editor, Qt::Key_Backspace);
                          if (!text.isEmpty())
                              text.chop(text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1);
                      } else {
                          editor->selectAll();
                          editor->insert(keys);  // as a paste: one change, whatever it holds
                          text = editor->text();
                      }
                      if (expected) *expected = text.toStdString();
                  });
    }

    QString TickHole() {
        QTableWidget* table = PartsTable();
        if (parts_.empty()) return PressPartButton("Add");
        const int row = Uniform(0, int(parts_.size()) - 1);
        return Do(QString("Composite: row %1, Foro").arg(row + 1), [&] {
            parts_[size_t(row)].hole = !parts_[size_t(row)].hole;
            QTableWidgetItem* hole = table->item(row, CompositeWindow::HoleColumn);
            hole->setCheckState(hole->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        });
    }

    QString CloseComposite() {
        const bool button = Chance(0.5);
        return Do(QString("Composite: %1").arg(button ? "Chiudi" : "close box"), [&] {
            compositeOpen_ = false;
            if (button)
                Composite()->findChild<QPushButton*>("Close")->click();
            else
                Composite()->close();
        });
    }

    // The parts the user built stay while the program runs; the open window
    // shows them, and its results are blank or well-formed in the pattern of
    // now, and what the parts give.
    QString CheckComposite() {
        const std::vector<baricor::CompositePart>& kept = CompositeWindow::Parts();
        if (kept.size() != parts_.size())
            return QString("%1 parts kept, the user left %2").arg(kept.size()).arg(parts_.size());
        for (size_t i = 0; i < kept.size(); ++i)
            if (kept[i] != parts_[i]) return QString("part %1 is not what the user left").arg(i + 1);
        if (!compositeOpen_) return QString();

        CompositeWindow* w = Composite();
        QTableWidget* table = PartsTable();
        if (table->rowCount() != int(parts_.size()))
            return QString("%1 rows for %2 parts").arg(table->rowCount()).arg(parts_.size());
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = CompositeWindow::FirstDimension; column <= CompositeWindow::ThetaColumn; ++column) {
                QTableWidgetItem* item = table->item(row, column);
                if (!item || !(item->flags() & Qt::ItemIsEditable)) continue;
                const std::string* text = ModelText(size_t(row), column);
                if (!text || item->text().toStdString() != *text)
                    return QString("row %1, column %2 shows %3, the user left %4")
                        .arg(row + 1).arg(column).arg(Shorten(item->text()), Shorten(text ? QString::fromStdString(*text) : "nothing"));
            }
            const bool ticked = table->item(row, CompositeWindow::HoleColumn)->checkState() == Qt::Checked;
            if (ticked != parts_[size_t(row)].hole) return QString("row %1: Foro disagrees with the part").arg(row + 1);
        }

        static const char* const kResults[] = {"Sx", "Sy", "Jx", "Jy", "Jxy", "A", "xG", "yG"};
        std::vector<QString> results, derived;
        for (const char* name : kResults) results.push_back(Field(w, name)->text());
        for (size_t i = 0; i < baricor::kElasticDerivedFieldCount; ++i)
            derived.push_back(
                Field(w, qPrintable(DerivedPropertiesWindow::FieldName(baricor::kDerivedFields[i].quantity)))->text());
        const std::string decimal = decimal_.toStdString();
        for (const auto* group : {&results, &derived}) {
            const bool blank = group->front().isEmpty();
            for (size_t i = 0; i < group->size(); ++i) {
                const QString& text = (*group)[i];
                const bool centroid = group == &results ? i >= 6
                                                        : baricor::kDerivedFields[i].quantity == baricor::DerivedQuantity::Alpha;
                if (text.isEmpty() != blank) return "some results blank, others not";
                if (blank) continue;
                const std::string_view pattern = centroid ? baricor::CentroidFormat : std::string_view(pattern_);
                if (!baricor::grammar::MatchesPattern(text.toStdString(), pattern, decimal))
                    return QString("a result shows %1, not in %2").arg(text, QString::fromStdString(std::string(pattern)));
            }
        }
        if (!results.front().isEmpty()) ++compositeFigures_;
        const baricor::CompositeTexts expected =
            baricor::CompositeTextsOf(baricor::AnalyseComposite(parts_, NumberNotation::Separators()), decimal, pattern_);
        for (size_t i = 0; i < results.size(); ++i)
            if (results[i].toStdString() != expected.results[i])
                return QString("%1 shows %2, the parts give %3").arg(kResults[i], Shorten(results[i]), QString::fromStdString(expected.results[i]));
        for (size_t i = 0; i < derived.size(); ++i)
            if (derived[i].toStdString() != expected.derived[i])
                return QString("%1 shows %2, the parts give %3")
                    .arg(DerivedPropertiesWindow::FieldName(baricor::kDerivedFields[i].quantity), Shorten(derived[i]),
                         QString::fromStdString(expected.derived[i]));
        return QString();
    }

    // ---- the profiles window ----------------------------------------------
    static ProfilesWindow* Profiles() { return OpenWindows::ProfilesWindowIfOpen(); }

    QString OpenProfiles() {
        return Do("Form1: Profili…", [&] {
            if (!profilesOpen_) ++profilesOpened_;
            profilesOpen_ = true;
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuProfili")->trigger();
        });
    }

    QString PickFamily() {
        auto* list = Profiles()->findChild<QListWidget*>("Family");
        const int row = Uniform(0, list->count() - 1);
        return Do("Profili: family " + list->item(row)->text(), [&] { list->setCurrentRow(row); });
    }

    // A click on a size, the start of a name typed (after the last typing, or
    // long enough after it to start afresh), or a key that moves in the list.
    QString PickSize() {
        auto* list = Profiles()->findChild<QListWidget*>("Profile");
        switch (Uniform(0, 2)) {
            case 0: {
                QListWidgetItem* item = list->item(Uniform(0, list->count() - 1));
                return Do("Profili: click " + item->text(), [&] {
                    list->scrollToItem(item);
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                      list->visualItemRect(item).center());
                });
            }
            case 1: {
                const QString name = list->item(Uniform(0, list->count() - 1))->text();
                const QString typed = name.left(Uniform(1, int(name.size())));
                const bool afresh = Chance(0.1);  // waiting is slow: mostly the typing goes on
                return Do(QString("Profili: type %1%2").arg(Shorten(typed), afresh ? " afresh" : ""), [&] {
                    if (afresh) QTest::qWait(QApplication::keyboardInputInterval() + 20);
                    QTest::keyClicks(list, typed);
                });
            }
            default: {
                static const std::vector<std::pair<Qt::Key, const char*>> keys = {
                    {Qt::Key_Down, "Down"}, {Qt::Key_Up, "Up"}, {Qt::Key_Home, "Home"},
                    {Qt::Key_End, "End"},   {Qt::Key_PageDown, "PageDown"}, {Qt::Key_PageUp, "PageUp"}};
                const auto& [key, name] = Pick(keys);
                return Do(QString("Profili: %1").arg(name), [&] { QTest::keyClick(list, key); });
            }
        }
    }

    // "Copia": the size's name, then every field it shows, in the window's order.
    QString CopyProfile() {
        return Do("Profili: Copia", [&] {
            ProfilesWindow* window = Profiles();
            CopiedTable table;
            if (const baricor::Profile* profile = window->Selected()) {
                table.heading = QString("Profilo\t%1\t").arg(QString::fromUtf8(profile->name));
                for (const ProfileField& f : kProfileFields) {
                    if (!Shows(f, profile->shape)) continue;
                    table.fields.push_back(Field(window, f.control));
                    table.labels << QString::fromUtf8(f.label);
                    table.units << QString::fromUtf8(f.unit);
                }
            }
            copied_ = table;
            ++tablesCopied_;
            window->findChild<QPushButton*>("Copy")->click();
        });
    }

    QString CloseProfiles() {
        const bool button = Chance(0.5);
        return Do(QString("Profili: %1").arg(button ? "Chiudi" : "close box"), [&] {
            profilesOpen_ = false;
            if (button)
                Profiles()->findChild<QPushButton*>("Close")->click();
            else
                Profiles()->close();
        });
    }

    // A size is always shown, its family's and its own names selected; each
    // field its kind of profile has is shown and no other; dimensions read
    // back as the size's, quantities in the pattern chosen last (the window
    // rewrites at once), the centroid and α in 0.00.
    QString CheckProfiles() {
        ProfilesWindow* window = Profiles();
        if (!window) return "not registered as open";
        const baricor::Profile* profile = window->Selected();
        if (!profile) return "no size shown";
        auto* families = window->findChild<QListWidget*>("Family");
        auto* sizes = window->findChild<QListWidget*>("Profile");
        if (!sizes->currentItem() || sizes->currentItem()->text() != QString::fromUtf8(profile->name))
            return QString("shows %1, the list selects another").arg(profile->name);
        const baricor::ProfileFamily& family = baricor::ProfileFamilies().at(size_t(families->currentRow()));
        if (profile < family.begin() || profile >= family.end())
            return QString("shows %1 under %2").arg(profile->name, family.name);
        const std::string decimal = decimal_.toStdString();
        for (const ProfileField& f : kProfileFields) {
            const QLineEdit* field = Field(window, f.control);
            const std::string text = field->text().toStdString();
            if (field->isHidden() == Shows(f, profile->shape))
                return QString("%1 is %2 for %3").arg(f.control, field->isHidden() ? "hidden" : "shown", profile->name);
            if (!Shows(f, profile->shape)) continue;
            bool fits = false;
            switch (f.text) {
                case ProfileText::Dimension:
                    fits = baricor::IsNumericText(text, NumberNotation::Separators()) &&
                           baricor::ReadInputNumber(text, decimal) == profile->dimensions[size_t(f.dimension)];
                    break;
                case ProfileText::Result: fits = baricor::grammar::MatchesPattern(text, pattern_, decimal); break;
                case ProfileText::Fixed:
                    fits = baricor::grammar::MatchesPattern(text, baricor::CentroidFormat, decimal);
                    break;
            }
            if (!fits) return QString("%1 of %2 shows %3").arg(f.control, profile->name, Shorten(field->text()));
        }
        const std::string area = baricor::FormatValue(baricor::PropertiesOf(*profile).A, pattern_, decimal);
        if (Field(window, "A")->text().toStdString() != area)
            return QString("A of %1 shows %2, its dimensions give %3")
                .arg(profile->name, Field(window, "A")->text(), QString::fromStdString(area));
        return QString();
    }

    static AboutWindow* InfoWindow() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* info = qobject_cast<AboutWindow*>(top); info && info->isVisible()) return info;
        return nullptr;
    }

    // Lets closed windows go, as the event loop does between two user actions.
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // ---- checking --------------------------------------------------------
    QString Check() {
        // Alive and answering: a queued call comes back, and no modal is left open.
        bool answered = false;
        QMetaObject::invokeMethod(qApp, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        if (!answered) return "the program no longer answers";
        if (QWidget* modal = QApplication::activeModalWidget()) return "a modal window stayed open: " + modal->objectName();
        if (QWidget* popup = QApplication::activePopupWidget()) return "a menu stayed open: " + popup->objectName();

        // No window twice, and exactly the section windows the user left open.
        std::map<QString, int> visible;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible()) ++visible[top->objectName()];
        for (const auto& [name, count] : visible)
            if (count > 1) return QString("%1 windows named %2").arg(count).arg(name);
        for (int number = 1; number <= 8; ++number) {
            const bool shown = visible.count(QString("Trave%1").arg(number)) > 0;
            if (shown != (windows_.count(number) > 0))
                return QString("Trave%1 is %2").arg(number).arg(shown ? "open but was closed" : "gone but was open");
            const bool derivedShown = visible.count(QString("DerivedProperties-Trave%1").arg(number)) > 0;
            if (derivedShown != (windows_.count(number) > 0 && windows_.at(number).derivedOpen))
                return QString("the derived window of Trave%1 is %2")
                    .arg(number)
                    .arg(derivedShown ? "open but was closed, or its section window was" : "gone but was open");
        }
        if ((visible.count("Composite") > 0) != compositeOpen_)
            return QString("the composite window is %1").arg(compositeOpen_ ? "gone but was open" : "open but was closed");
        if (QString broken = CheckComposite(); !broken.isEmpty()) return "Sezione composta: " + broken;
        if ((visible.count("Profiles") > 0) != profilesOpen_)
            return QString("the profiles window is %1").arg(profilesOpen_ ? "gone but was open" : "open but was closed");
        if (copied_) {
            if (QString broken = CheckClipboard(*copied_); !broken.isEmpty()) return "copied table: " + broken;
        }

        // The digits: one pattern, the one chosen last, and its check mark.
        if (NumberNotation::ResultFormat() != pattern_)
            return QString("ResultFormat is %1, the user chose %2")
                .arg(QString::fromStdString(NumberNotation::ResultFormat()), QString::fromStdString(pattern_));
        if (MainWindow* form = OpenWindows::MainWindowIfOpen()) {
            for (const DigitEntry& entry : kDigitEntries)
                if (form->findChild<QAction*>(entry.action)->isChecked() != (entry.pattern == pattern_))
                    return QString("the check mark of %1 disagrees with %2").arg(entry.action, QString::fromStdString(pattern_));
        }

        if (profilesOpen_) {
            if (QString broken = CheckProfiles(); !broken.isEmpty()) return "Profili: " + broken;
        }
        for (auto& [number, model] : windows_) {
            if (QString broken = CheckWindow(number, model); !broken.isEmpty())
                return QString("Trave%1: %2").arg(number).arg(broken);
            if (!model.derivedOpen) continue;
            if (QString broken = CheckDerived(number, model); !broken.isEmpty())
                return QString("Trave%1 derived: %2").arg(number).arg(broken);
        }
        return QString();
    }

    // One line per field, in order: label, tab, the text as shown, tab, unit.
    // A spreadsheet could end a row or a cell at any control character (C0,
    // DEL, C1) or line or paragraph separator: split at every one of them, the
    // table must still be one line of three columns per field, each such
    // character of a text copied as a blank. Split character by character: a
    // regular expression matches nothing in a text holding half a surrogate
    // pair, which deleting one half of a character beyond the basic plane leaves.
    QString CheckClipboard(const CopiedTable& table) {
        auto anyBreak = [](QChar c) {
            const char16_t u = c.unicode();
            return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
        };
        auto rowBreak = [&](QChar c) { return c != '\t' && anyBreak(c); };
        auto split = [](const QString& text, auto at) {
            QStringList pieces = {QString()};
            for (const QChar c : text) {
                if (at(c))
                    pieces << QString();
                else
                    pieces.last() += c;
            }
            return pieces;
        };
        QStringList lines = split(QGuiApplication::clipboard()->text(), rowBreak);
        if (lines.isEmpty() || !lines.takeLast().isEmpty()) return "does not end with a line break";
        if (!table.heading.isEmpty() && (lines.isEmpty() || lines.takeFirst() != table.heading))
            return "its first line is not " + Shorten(table.heading);
        if (lines.size() != int(table.fields.size()))
            return QString("%1 lines for %2 fields").arg(lines.size()).arg(table.fields.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList columns = split(lines[i], anyBreak);
            QString blanked = table.fields[i]->text();
            for (QChar& c : blanked)
                if (anyBreak(c)) c = ' ';
            if (columns.size() != 3 || columns[0] != table.labels[i] || columns[2] != table.units[i])
                return QString("line %1 is %2").arg(i).arg(Shorten(lines[i]));
            if (columns[1] != blanked)
                return QString("%1 copied as %2, shown as %3").arg(table.labels[i], Shorten(columns[1]), Shorten(blanked));
        }
        return QString();
    }

    // The derived fields: blank or well-formed in a pattern current since they
    // were written, α and the shear centre in 0.00; changed only by an action
    // on their section window; and, after a recalculation or on opening, what
    // that window's input texts give.
    QString CheckDerived(int number, WindowModel& model) {
        DerivedPropertiesWindow* derived = DerivedWindow(number);
        std::vector<QString> texts;
        for (const baricor::DerivedField& f : baricor::kDerivedFields) texts.push_back(Field(derived, qPrintable(DerivedPropertiesWindow::FieldName(f.quantity)))->text());
        const bool written = texts != model.derived;
        if (written && number != touched_) return "changed by an action in another window";
        if (written) model.derivedPatterns = {pattern_};
        model.derived = texts;

        if (number == touched_ && recalculated_) {
            std::vector<std::string> inputs;
            for (const QString& input : model.inputs) inputs.push_back(input.toStdString());
            const std::string decimal = decimal_.toStdString();
            const std::vector<std::string> expected = baricor::DerivedTexts(
                baricor::DeriveSection(Window(number)->Shape(), baricor::SectionTextsOf(Window(number)->Layout(), inputs), decimal), decimal, pattern_);
            for (size_t i = 0; i < texts.size(); ++i)
                if (texts[i].toStdString() != expected[i])
                    return QString("%1 shows %2, the inputs give %3")
                        .arg(DerivedPropertiesWindow::FieldName(baricor::kDerivedFields[i].quantity), Shorten(texts[i]), QString::fromStdString(expected[i]));
        }

        const bool blank = texts.front().isEmpty();
        std::set<std::string> fitting = model.derivedPatterns;
        for (size_t i = 0; i < texts.size(); ++i) {
            const std::string text = texts[i].toStdString();
            const QString control = DerivedPropertiesWindow::FieldName(baricor::kDerivedFields[i].quantity);
            if (texts[i].isEmpty() != blank) return "some fields blank, others not";
            if (blank) continue;
            const baricor::DerivedQuantity q = baricor::kDerivedFields[i].quantity;
            if (q == baricor::DerivedQuantity::Alpha || q == baricor::DerivedQuantity::xC ||
                q == baricor::DerivedQuantity::yC) {
                if (!baricor::grammar::MatchesPattern(text, baricor::CentroidFormat, decimal_.toStdString()))
                    return QString("%1 shows %2, not a 0.00 number").arg(control, texts[i]);
                continue;
            }
            for (auto p = fitting.begin(); p != fitting.end();)
                p = baricor::grammar::MatchesPattern(text, *p, decimal_.toStdString()) ? std::next(p) : fitting.erase(p);
            if (fitting.empty())
                return QString("%1 shows %2, not in a pattern current since its last write").arg(control, texts[i]);
        }
        return QString();
    }

    QString CheckWindow(int number, WindowModel& model) {
        SectionWindow* w = Window(number);
        if (!w) return "not registered as open";
        const baricor::SectionLayout& shape = w->Layout();
        if (model.inputFields.empty()) {
            for (const baricor::InputField& input : shape.inputs) model.inputFields.push_back(Field(w, input.row.control.c_str()));
            for (const baricor::ResultField& result : shape.results)
                model.resultFields.push_back(Field(w, result.row.control.c_str()));
        }
        for (size_t i = 0; i < shape.inputs.size(); ++i) {
            const QString text = model.inputFields[i]->text();
            if (text != model.inputs[i])
                return QString("%1 holds %2, the user left %3")
                    .arg(QString::fromStdString(shape.inputs[i].row.control), Shorten(text), Shorten(model.inputs[i]));
        }

        std::vector<QString> results;
        for (QLineEdit* field : model.resultFields) results.push_back(field->text());
        const bool written = results != model.results;
        if (written && number != touched_) return "results changed by an action in another window";
        if (written) model.patterns = {pattern_};  // written just now, with the pattern of now
        model.results = results;

        const bool blank = results.front().isEmpty();
        std::set<std::string> fitting = model.patterns;
        for (size_t i = 0; i < results.size(); ++i) {
            const std::string text = results[i].toStdString();
            const std::string& control = shape.results[i].row.control;
            if (results[i].isEmpty() != blank) return "some results blank, others not";
            if (blank) continue;
            const baricor::Quantity q = shape.results[i].quantity;
            if (q == baricor::Quantity::xG || q == baricor::Quantity::yG) {
                if (!baricor::grammar::MatchesPattern(text, baricor::CentroidFormat, decimal_.toStdString()))
                    return QString("%1 shows %2, not a 0.00 number").arg(QString::fromStdString(control), results[i]);
                continue;
            }
            for (auto p = fitting.begin(); p != fitting.end();) {
                p = baricor::grammar::MatchesPattern(text, *p, decimal_.toStdString()) ? std::next(p) : fitting.erase(p);
            }
            if (fitting.empty())
                return QString("%1 shows %2, not in a pattern current since its last write")
                    .arg(QString::fromStdString(control), results[i]);
        }
        return QString();
    }

    std::mt19937_64 rng_;
    QString decimal_;
    std::string pattern_;
    std::map<int, WindowModel> windows_;
    int touched_ = 0;
    bool recalculated_ = false;  // the last action recalculated window touched_ (or opened its derived window)
    std::optional<CopiedTable> copied_;
    int derivedOpened_ = 0;
    bool profilesOpen_ = false;
    int profilesOpened_ = 0;
    int tablesCopied_ = 0;
    bool trace_ = false;
    bool compositeOpen_ = false;
    std::vector<baricor::CompositePart> parts_ = CompositeWindow::Parts();  // what the user built
    size_t partsAtMost_ = 0;
    int compositeOpened_ = 0;
    int partsTyped_ = 0;
    int compositeFigures_ = 0;  // checks that found the composite's figures written
    bool typedInTable_ = false;  // the last action typed into the composite's table
    const ModalAnswerer* answerer_ = nullptr;
    std::deque<QString> recent_;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUserKeepsEveryPromise() {
        const quint64 seed = EnvNumber("BARICOR_MONKEY_SEED", kDefaultSeed);
        const int events = int(EnvNumber("BARICOR_MONKEY_EVENTS", kDefaultEvents));
        std::fprintf(stderr, "monkey: seed %llu, %d actions on %s\n", static_cast<unsigned long long>(seed), events,
                     qPrintable(QGuiApplication::platformName()));

        gPreviousHandler = qInstallMessageHandler(QuietPlatformNotes);
        // Clicks load the real pictures from Immagini/.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(BARICOR_PICTURES_DIR);
        StartProgram();
        ModalAnswerer answerer;
        Monkey monkey(seed);
        monkey.WatchModals(&answerer);
        monkey.Trace(qEnvironmentVariableIntValue("BARICOR_MONKEY_TRACE") == 1);

        for (int i = 0; i < events; ++i) {
            QString failure;
            if (!monkey.Step(i, &failure)) {
                std::fprintf(stderr, "monkey: last actions:\n  %s\n", qPrintable(monkey.Recent().join("\n  ")));
                QDir::setCurrent(previous);
                QFAIL(qPrintable(QString("seed %1, action #%2: %3\n   replay: BARICOR_MONKEY_SEED=%1 "
                                         "BARICOR_MONKEY_EVENTS=%4 QT_QPA_PLATFORM=%5 %6")
                                     .arg(seed).arg(i).arg(failure).arg(i + 1)
                                     .arg(QGuiApplication::platformName(), QCoreApplication::applicationFilePath())));
            }
        }
        std::fprintf(stderr,
                     "monkey: %d actions with seed %llu on %s (Errore %lld, Errore2 %lld, Guida %lld; %d derived "
                     "windows opened, %d tables copied, profiles window opened %d times, composite window %d times with up "
                     "to %zu parts, its figures checked %d times), all promises kept\n",
                     events, static_cast<unsigned long long>(seed), qPrintable(QGuiApplication::platformName()),
                     static_cast<long long>(answerer.answered.count("Errore")),
                     static_cast<long long>(answerer.answered.count("Errore2")),
                     static_cast<long long>(answerer.answered.count("Guida")), monkey.DerivedWindowsOpened(),
                     monkey.TablesCopied(), monkey.ProfilesOpened(), monkey.CompositeOpened(), monkey.PartsAtMost(),
                     monkey.CompositeFigures());
        QDir::setCurrent(previous);
        CloseEverything();
        qInstallMessageHandler(gPreviousHandler);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
