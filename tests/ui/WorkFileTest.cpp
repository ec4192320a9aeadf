// Saving and opening the work as a user meets it: the File menu's entries, a
// round trip over every shape, digit pattern and composite part, damaged files,
// failed saves, the question before unsaved work goes, and `baricor FILE`.
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "CompositeWindow.h"
#include "DerivedPropertiesMenu.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "SectionLayout.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"
#include "WorkFile.h"
#include "WorkFileMenu.h"

namespace {

// Answers every modal window that comes up: a message box by the button of
// the given object name (its default button when none is given), any other
// dialog by closing it. Records what came up and what it said.
class Answers {
public:
    Answers() {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            windows << modal->objectName();
            shown << ShownTexts(modal);
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts << box->text() + "\n" + box->informativeText();
                QAbstractButton* press = button.isEmpty() ? nullptr : box->findChild<QAbstractButton*>(button);
                if (!press) press = box->defaultButton();
                press->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        });
        timer_.start(5);
    }
    QString button;  // object name of the button to press
    QStringList windows;
    QStringList texts;
    // What each modal showed in its own words, one list per modal: its title,
    // the texts of its visible labels and buttons (without the & of their
    // keys), its tool buttons' tips and its visible column headings.
    QList<QStringList> shown;

private:
    static QStringList ShownTexts(QWidget* modal) {
        QStringList words;
        auto add = [&words](QString text) {
            text.remove('&');
            if (!text.isEmpty()) words << text;
        };
        add(modal->windowTitle());
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            if (label->isVisible()) add(label->text());
        }
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (!button->isVisible()) continue;
            add(button->text());
            add(button->toolTip());
        }
        for (QHeaderView* header : modal->findChildren<QHeaderView*>()) {
            if (!header->isVisible() || !header->model()) continue;
            for (int i = 0; i < header->count(); ++i) {
                if (!header->isSectionHidden(i))
                    add(header->model()->headerData(i, header->orientation()).toString());
            }
        }
        return words;
    }

    QTimer timer_;
};

QLineEdit* Input(SectionWindow* window, size_t index) {
    return Field(window, window->Layout().inputs.at(index).row.control.c_str());
}

// Every text of a window's input and result fields, in table order.
QStringList AllTexts(SectionWindow* window) {
    QStringList texts;
    for (const baricor::InputField& input : window->Layout().inputs) texts << Field(window, input.row.control.c_str())->text();
    for (const baricor::ResultField& result : window->Layout().results) texts << Field(window, result.row.control.c_str())->text();
    return texts;
}

// The result texts a recalculation gives for the window's input texts now.
QStringList ExpectedResults(SectionWindow* window) {
    std::vector<std::string> texts;
    for (const baricor::InputField& input : window->Layout().inputs)
        texts.push_back(Field(window, input.row.control.c_str())->text().toStdString());
    const baricor::RecalcOutcome outcome = baricor::Recalculate(
        window->Shape(), baricor::SectionTextsOf(window->Layout(), texts), ".", NumberNotation::ResultFormat());
    QStringList results;
    for (const baricor::ResultField& result : window->Layout().results)
        results << (outcome.hasResult ? QString::fromStdString(outcome.TextOf(result.quantity)) : QString());
    return results;
}

QStringList OpenOrder() {
    QStringList names;
    for (SectionWindow* window : OpenWindows::SectionWindowsInOpeningOrder()) names << window->objectName();
    return names;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QAction* Entry(const char* name) { return OpenWindows::MainWindowIfOpen()->findChild<QAction*>(name); }

// The same number written the ways a user might type it, so that a round trip
// shows that texts come back as typed and not as read.
QString AsTyped(double value, size_t variant) {
    switch (variant % 5) {
        case 0: return QString::number(value, 'g', 10);
        case 1: return QString::number(value, 'f', 3);       // trailing zeros
        case 2: return QString::number(value, 'E', 4);       // exponent
        case 3: return " " + QString::number(value) + " ";  // blanks around it
        default: return (value >= 0 ? "+" : "") + QString::number(value);
    }
}

const char* const kPartsFile = R"({"format": "baricor", "version": 1,
  "composite": {"open": true, "parts": [
    {"window": "Trave7", "fields": {"Text1": "200", "Text11": "-40"}, "hole": false},
    {"profile": "IPE 200", "fields": {"Dx": "12,5", "Dy": "0", "θ": "90"}, "hole": true},
    {"window": "Trave2", "hole": true}]}})";

}  // namespace

class WorkFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The recent list goes to a folder of the test's own, never the user's.
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    }
    void init() {
        // Every test answers whatever modal comes up, so that none can hang.
        answers_ = std::make_unique<Answers>();
        WorkSession::Forget();
        CompositeWindow::Parts().clear();
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
        QVERIFY(folder_.isValid());
    }
    void cleanup() {
        WorkSession::Forget();
        CloseEverything();
        answers_.reset();
    }

    // "Esci" stays the first entry; the new ones follow a separator, each with its keys.
    void fileMenuKeepsEsciFirst() {
        auto* file = OpenWindows::MainWindowIfOpen()->findChild<QMenu*>("mnuFile");
        QStringList names;
        for (QAction* entry : file->actions()) {
            if (entry->isVisible()) names << (entry->isSeparator() ? "-" : entry->text());
        }
        QCOMPARE(names, QStringList({"Esci", "-", QString::fromUtf8("Apri…"), "Salva", QString::fromUtf8("Salva con nome…")}));
        QCOMPARE(Entry(WorkSession::kOpenEntry)->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(Entry(WorkSession::kSaveEntry)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(Entry(WorkSession::kSaveAsEntry)->shortcut(), QKeySequence("Ctrl+Shift+S"));
    }

    // Every shape under every digit pattern, opened in a mixed order, each field
    // typed in its own notation, half of them with their derived window: saved,
    // replaced by other work, opened again, every text as it was.
    void roundTripOverEveryShapeAndPattern_data() {
        QTest::addColumn<QString>("pattern");
        for (std::string_view pattern : baricor::kResultFormats) QTest::newRow(std::string(pattern).c_str()) << QString::fromLatin1(pattern.data(), int(pattern.size()));
    }
    void roundTripOverEveryShapeAndPattern() {
        QFETCH(QString, pattern);
        auto* digits = OpenWindows::MainWindowIfOpen()->findChild<QMenu*>("mnuCifre");
        const int index = int(std::find(baricor::kResultFormats.begin(), baricor::kResultFormats.end(), pattern.toStdString()) -
                              baricor::kResultFormats.begin());
        digits->actions().at(index)->trigger();

        const int order[] = {5, 2, 8, 1, 7, 3, 6, 4};
        QMap<QString, QStringList> before;
        for (int number : order) {
            SectionWindow* window = OpenWindows::OpenSectionWindow(number);
            const auto& inputs = window->Layout().inputs;
            for (size_t i = 0; i < inputs.size(); ++i) {
                const double base = QString::fromStdString(inputs[i].defaultText).toDouble();
                PasteInto(Input(window, i), AsTyped(base == 0 ? 2.5 + i : base * 1.25, i + size_t(number)));
            }
            if (number % 2 == 0) window->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger();
        }
        for (SectionWindow* window : OpenWindows::SectionWindowsInOpeningOrder()) before[window->objectName()] = AllTexts(window);
        // The composite: a part of every shape and a profile, typed in their
        // own notations, every other one a hole.
        std::vector<baricor::CompositePart> parts;
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) {
            baricor::CompositePart part = CompositeWindow::NewPart({layout->shape, nullptr});
            for (size_t i = 0; i < part.texts.dimensions.size(); ++i)
                part.texts.dimensions[i] = AsTyped(10.5 * double(i + 1), i + size_t(layout->number)).toStdString();
            part.texts.dx = AsTyped(-double(layout->number), size_t(layout->number)).toStdString();
            part.hole = layout->number % 2 == 0;
            parts.push_back(part);
        }
        baricor::CompositePart profile = CompositeWindow::NewPart({nullptr, baricor::FindProfile("IPE 200")});
        profile.texts.theta = "90.0";
        parts.push_back(profile);
        CompositeWindow::Parts() = parts;
        OpenWindows::OpenCompositeWindow();
        const WorkFile::Work saved = WorkSession::CurrentWork();
        QCOMPARE(int(saved.windows.size()), 8);
        QVERIFY(saved.compositeOpen);

        const QString path = folder_.filePath("round.baricor");
        QVERIFY2(WorkSession::SaveTo(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QVERIFY(!WorkSession::HasUnsavedChanges());

        // Other work in between: fewer windows, other digits, other texts.
        OpenWindows::CloseAllSectionWindows();
        OpenWindows::CloseCompositeWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        digits->actions().at((index + 2) % 5)->trigger();
        TypeInto(Field(OpenWindows::OpenSectionWindow(1), "Text1"), "7");
        CompositeWindow::Parts() = {CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr})};
        WorkSession::Forget();

        Answers& answers = Fresh();
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QCOMPARE(answers.windows, QStringList());
        QCOMPARE(NumberNotation::ResultFormat(), pattern.toStdString());
        QCOMPARE(digits->actions().at(index)->isChecked(), true);
        QCOMPARE(OpenOrder(), QStringList({"Trave5", "Trave2", "Trave8", "Trave1", "Trave7", "Trave3", "Trave6", "Trave4"}));
        for (SectionWindow* window : OpenWindows::SectionWindowsInOpeningOrder()) {
            QCOMPARE(AllTexts(window), before[window->objectName()]);
            const bool derived = window->Layout().number % 2 == 0;
            QCOMPARE(bool(QApplication::activeModalWidget()), false);
            bool found = false;
            for (QWidget* top : QApplication::topLevelWidgets())
                found |= top->objectName() == "DerivedProperties-" + window->objectName() && top->isVisible();
            QCOMPARE(found, derived);
        }
        // The composite window is open again on the same parts, its table
        // showing every text as typed.
        QVERIFY(CompositeWindow::Parts() == parts);
        CompositeWindow* composite = OpenWindows::CompositeWindowIfOpen();
        QVERIFY(composite && composite->isVisible());
        auto* table = composite->findChild<QTableWidget*>("Parts");
        QCOMPARE(table->rowCount(), int(parts.size()));
        for (int row = 0; row < table->rowCount(); ++row) {
            const baricor::CompositePart& part = parts[size_t(row)];
            QCOMPARE(table->item(row, CompositeWindow::ShapeColumn)->text(), CompositeWindow::ShapeName(part.shape));
            if (!part.texts.dimensions.empty())
                QCOMPARE(table->item(row, CompositeWindow::FirstDimension)->text().toStdString(), part.texts.dimensions[0]);
            QCOMPARE(table->item(row, CompositeWindow::DxColumn)->text().toStdString(), part.texts.dx);
            QCOMPARE(table->item(row, CompositeWindow::ThetaColumn)->text().toStdString(), part.texts.theta);
            QCOMPARE(table->item(row, CompositeWindow::HoleColumn)->checkState() == Qt::Checked, part.hole);
        }
        QVERIFY(WorkSession::CurrentWork() == saved);
        QVERIFY(!WorkSession::HasUnsavedChanges());
        QCOMPARE(WorkSession::CurrentFile(), QFileInfo(path).absoluteFilePath());
    }

    // A file's parts fill the composite window, which opens where the file
    // says it was open; fields left out take the defaults of the part's
    // shape, and typing in a cell is a change to save.
    void compositePartsOpenInTheirWindow() {
        const QString path = folder_.filePath("parts.baricor");
        WriteAll(path, kPartsFile);
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        CompositeWindow* composite = OpenWindows::CompositeWindowIfOpen();
        QVERIFY(composite && composite->isVisible());
        auto* table = composite->findChild<QTableWidget*>("Parts");
        QCOMPARE(table->rowCount(), 3);
        const std::vector<baricor::CompositePart>& parts = CompositeWindow::Parts();
        const baricor::SectionLayout& doubleT = *baricor::LayoutByNumber(7);
        QCOMPARE(parts[0].shape.section, doubleT.shape);
        QCOMPARE(table->item(0, CompositeWindow::FirstDimension)->text(), QString("200"));
        QCOMPARE(table->item(0, CompositeWindow::FirstDimension + 1)->text().toStdString(), doubleT.inputs[1].defaultText);
        QCOMPARE(table->item(0, CompositeWindow::DxColumn)->text(), QString("-40"));
        QCOMPARE(table->item(0, CompositeWindow::HoleColumn)->checkState(), Qt::Unchecked);
        QCOMPARE(table->item(1, CompositeWindow::ShapeColumn)->text(), QString("IPE 200"));
        QCOMPARE(table->item(1, CompositeWindow::DxColumn)->text(), QString("12,5"));
        QCOMPARE(table->item(1, CompositeWindow::ThetaColumn)->text(), QString("90"));
        QCOMPARE(table->item(1, CompositeWindow::HoleColumn)->checkState(), Qt::Checked);
        QCOMPARE(parts[2].shape.section, baricor::LayoutByNumber(2)->shape);
        QVERIFY(parts[2].hole);
        QVERIFY(!WorkSession::HasUnsavedChanges());

        TypeInCell(table, 0, CompositeWindow::FirstDimension, "250");
        QVERIFY(WorkSession::HasUnsavedChanges());
        QVERIFY2(WorkSession::Save(nullptr), qPrintable(answers_->texts.join(" | ")));
        const WorkFile::ReadOutcome read = WorkFile::ReadFile(path);
        QVERIFY2(read.work, qPrintable(read.problem));
        QCOMPARE(read.work->parts.size(), size_t(3));
        QCOMPARE(read.work->parts[0].texts.dimensions[0], std::string("250"));
        QVERIFY(read.work->parts == CompositeWindow::Parts());
        QVERIFY(read.work->compositeOpen);

        // A file whose composite was closed keeps its parts without the window.
        WriteAll(path, QByteArray(kPartsFile).replace(R"("open": true)", R"("open": false)"));
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QVERIFY(!OpenWindows::CompositeWindowIfOpen());
        QCOMPARE(CompositeWindow::Parts().size(), size_t(3));
        QCOMPARE(OpenWindows::OpenCompositeWindow()->findChild<QTableWidget*>("Parts")->rowCount(), 3);
    }

    // The README's example is a file the program opens as described.
    void readmeExampleOpens() {
        const QByteArray readme = ReadAll(BARICOR_SOURCE_DIR "/README.md");
        const qsizetype start = readme.indexOf("```json\n{\n  \"format\": \"baricor\"");
        QVERIFY(start >= 0);
        const qsizetype from = readme.indexOf('{', start);
        const QByteArray example = readme.mid(from, readme.indexOf("```", from) - from);
        const WorkFile::ReadOutcome read = WorkFile::Read(example);
        QVERIFY2(read.work, qPrintable(read.problem));
        QCOMPARE(int(read.work->windows.size()), 1);
        const baricor::SectionLayout& l = *baricor::LayoutByNumber(read.work->windows[0].number);
        QCOMPARE(l.window, std::string("Trave5"));
        QCOMPARE(l.inputs[4].row.control + "=" + l.inputs[4].row.label, std::string("Text11=Dx"));
        QVERIFY(read.work->windows[0].derived);
        QCOMPARE(int(read.work->parts.size()), 2);
        QCOMPARE(read.work->parts[1].shape.profile, baricor::FindProfile("IPE 200"));
    }

    // A file written by hand with one window opens that window alone, with
    // its defaults where the file says nothing.
    void handWrittenFileOpensItsOneWindow() {
        TypeInto(Field(OpenWindows::OpenSectionWindow(3), "Text1"), "99");
        const QString path = folder_.filePath("hand.baricor");
        WriteAll(path, R"({"format":"baricor","version":1,"windows":[{"window":"Trave6","fields":{"Text2":"160"}}]})");
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QCOMPARE(OpenOrder(), QStringList({"Trave6"}));
        SectionWindow* t = OpenWindows::SectionWindowIfOpen(6);
        QCOMPARE(Input(t, 1)->text(), QString("160"));
        QCOMPARE(Input(t, 0)->text(), QString::fromStdString(t->Layout().inputs[0].defaultText));
        QCOMPARE(NumberNotation::ResultFormat(), std::string(baricor::kDefaultResultFormat));
        // The results are those of the texts, as after typing them.
        std::vector<std::string> texts;
        for (size_t i = 0; i < t->Layout().inputs.size(); ++i) texts.push_back(Input(t, i)->text().toStdString());
        const baricor::RecalcOutcome expected =
            baricor::Recalculate(t->Shape(), baricor::SectionTextsOf(t->Layout(), texts), ".", "0.000E+00");
        const baricor::ResultField& first = t->Layout().results[0];
        QCOMPARE(Field(t, first.row.control.c_str())->text().toStdString(), expected.TextOf(first.quantity));
    }

    // A saved text that is not a number comes back as it was, without the
    // typing message for each one: one notice lists them all, the results
    // read every text as the next edit would, and the first such field gets
    // the keyboard.
    void textsThatAreNotNumbersComeBackWithOneNotice() {
        const QString path = folder_.filePath("odd.baricor");
        WriteAll(path, R"({"format":"baricor","version":1,"windows":[
            {"window":"Trave1","fields":{"Text1":"12a","Text2":""}},
            {"window":"Trave4","fields":{"Text1":"x"}}]})");
        Answers& answers = Fresh();
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QCOMPARE(answers.windows, QStringList({WorkSession::kOpenReportWindow}));
        QVERIFY(answers.texts[0].contains("casella b: «12a»") || answers.texts[0].contains("«12a»"));
        QVERIFY(answers.texts[0].contains("Trave4"));
        SectionWindow* rectangle = OpenWindows::SectionWindowIfOpen(1);
        QCOMPARE(Field(rectangle, "Text1")->text(), QString("12a"));
        QCOMPARE(Field(rectangle, "Text2")->text(), QString());
        QCOMPARE(AllTexts(rectangle).mid(5), ExpectedResults(rectangle));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Field(rectangle, "Text1")));
        // Typing a number into another field then recalculates as it always did.
        TypeInto(Field(rectangle, "Text2"), "10");
        QCOMPARE(answers.windows.size(), 1);
        QCOMPARE(AllTexts(rectangle).mid(5), ExpectedResults(rectangle));
        QVERIFY(!ExpectedResults(rectangle).first().isEmpty());  // "12a" read as 12, h as 10
    }

    // Data that fail a shape's own check bring up no Errore2 while they are
    // written: the notice names the window once.
    void dataToCheckAreNamedOnce() {
        const QString path = folder_.filePath("check.baricor");
        // An L of negative width gives negative second moments.
        WriteAll(path, R"({"format":"baricor","version":1,"windows":[
            {"window":"Trave5","fields":{"Text1":"-100"}}, {"window":"Trave6"}]})");
        Answers& answers = Fresh();
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QCOMPARE(answers.windows, QStringList({WorkSession::kOpenReportWindow}));
        QVERIFY2(answers.texts[0].contains("Controllare i dati immessi in: Trave5 - "), qPrintable(answers.texts[0]));
        QVERIFY(!answers.texts[0].contains("Trave6"));
        QVERIFY(!answers.texts[0].contains("non contengono un numero"));
    }

    // Damaged and hostile files: a message naming the file and what is wrong,
    // and the work in progress exactly as it was.
    void damagedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        const QByteArray head = R"({"format":"baricor","version":1,)";
        QTest::newRow("not JSON") << QByteArray("Trave1 a=100") << "non è in formato JSON (errore alla riga 1";
        QTest::newRow("cut short") << QByteArray(R"({"format":"baricor",)" "\n" R"("version":1,"windows":[)") << "riga 2";
        QTest::newRow("empty") << QByteArray() << "non è in formato JSON";
        QTest::newRow("an array") << QByteArray("[1,2]") << "non è un file di lavoro di Baricor";
        QTest::newRow("another format") << QByteArray(R"({"format":"foglio","version":1})") << "«foglio»";
        QTest::newRow("no format") << QByteArray(R"({"version":1})") << "manca \"format\"";
        QTest::newRow("newer version") << QByteArray(R"({"format":"baricor","version":2})") << "versione più recente";
        QTest::newRow("version a text") << QByteArray(R"({"format":"baricor","version":"1"})") << "numero intero";
        QTest::newRow("version 1.5") << QByteArray(R"({"format":"baricor","version":1.5})") << "numero intero";
        QTest::newRow("unknown digits") << head + R"("digits":"0.0000000E+00"})" << "cifre significative";
        QTest::newRow("unknown window") << head + R"("windows":[{"window":"Trave9"}]})" << "«Trave9» non esiste";
        QTest::newRow("window unnamed") << head + R"("windows":[{"fields":{}}]})" << "non dice quale finestra";
        QTest::newRow("unknown field") << head + R"("windows":[{"window":"Trave1","fields":{"Text3":"1"}}]})"
                                       << "Trave1 non ha una casella «Text3»";
        QTest::newRow("field a number") << head + R"("windows":[{"window":"Trave1","fields":{"Text1":100}}]})"
                                        << "testo tra virgolette";
        QTest::newRow("text too long") << head + "\"windows\":[{\"window\":\"Trave2\",\"fields\":{\"Text1\":\"" +
                                               QByteArray(1001, '1') + "\"}}]}"
                                       << "troppo lungo (1001 caratteri, al massimo 1000)";
        QTest::newRow("window twice") << head + R"("windows":[{"window":"Trave2"},{"window":"Trave2"}]})"
                                      << "Trave2 compare due volte";
        QTest::newRow("derived a text") << head + R"("windows":[{"window":"Trave2","derived":"sì"}]})" << "true o false";
        QTest::newRow("windows an object") << head + R"("windows":{}})" << "\"windows\" deve essere un elenco";
        QByteArray manyParts = head + R"("composite":{"parts":[)";
        for (int i = 0; i <= WorkFile::kMaxParts; ++i) manyParts += QByteArray(i ? "," : "") + R"({"window":"Trave1"})";
        QTest::newRow("1001 parts") << manyParts + "]}}" << "1001 parti, al massimo 1000";
        QTest::newRow("part both") << head + R"("composite":{"parts":[{"window":"Trave1","profile":"IPE 200"}]}})"
                                   << "o una finestra";
        QTest::newRow("part neither") << head + R"("composite":{"parts":[{"hole":true}]}})" << "o una finestra";
        QTest::newRow("part unknown window") << head + R"("composite":{"parts":[{"window":"Form1"}]}})" << "«Form1» non esiste";
        QTest::newRow("profile field") << head + R"("composite":{"parts":[{"profile":"IPE 200","fields":{"a":"1"}}]}})"
                                       << "non ha una casella «a»";
        QTest::newRow("profile unnamed") << head + R"("composite":{"parts":[{"profile":" "}]}})"
                                         << "profilo « » non è nel catalogo";
        QTest::newRow("unknown profile") << head + R"("composite":{"parts":[{"profile":"IPE 999"}]}})"
                                         << "la parte n. 1 della sezione composta: il profilo «IPE 999» non è nel catalogo";
        QTest::newRow("part text too long") << head + "\"composite\":{\"parts\":[{\"profile\":\"IPE 200\",\"fields\":{\"Dx\":\"" +
                                                    QByteArray(1001, '1') + "\"}}]}}"
                                            << "troppo lungo (1001 caratteri";
        QTest::newRow("hole a number") << head + R"("composite":{"parts":[{"profile":"HEA 100","hole":1}]}})" << "true o false";
        QTest::newRow("over 1 MB") << head + "\"pad\":\"" + QByteArray(WorkFile::kMaxFileBytes, ' ') + "\"}"
                                   << "troppo grande";
        QTest::newRow("invalid UTF-8") << head + "\"windows\":[{\"window\":\"Trave\xff\"}]}" << "JSON";
    }
    void damagedFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuSei")->trigger();
        SectionWindow* window = OpenWindows::OpenSectionWindow(3);
        TypeInto(Field(window, "Text1"), "123");
        const WorkFile::Work before = WorkSession::CurrentWork();
        const QStringList shown = AllTexts(window);

        const QString path = folder_.filePath("damaged.baricor");
        WriteAll(path, bytes);
        Answers& answers = Fresh();
        QVERIFY(!WorkSession::Open(path, nullptr));
        QCOMPARE(answers.windows, QStringList({WorkSession::kProblemWindow}));
        QVERIFY2(answers.texts[0].contains(said), qPrintable(answers.texts[0]));
        QVERIFY2(answers.texts[0].contains(QDir::toNativeSeparators(path)), qPrintable(answers.texts[0]));
        QVERIFY(WorkSession::CurrentWork() == before);
        QCOMPARE(AllTexts(window), shown);
        QCOMPARE(WorkSession::CurrentFile(), QString());
    }

    void missingFileIsNamedAndLeavesTheRecentList() {
        const QString path = folder_.filePath("gone.baricor");
        WriteAll(path, R"({"format":"baricor","version":1})");
        QVERIFY2(WorkSession::Open(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        QVERIFY(WorkSession::RecentFiles().contains(path));
        QVERIFY(QFile::remove(path));
        Answers& answers = Fresh();
        QVERIFY(!WorkSession::Open(path, nullptr));
        QVERIFY(answers.texts.value(0).contains("il file non esiste"));
        QVERIFY(!WorkSession::RecentFiles().contains(path));
    }

    // Saves that cannot be made: a message naming the file and the reason, the
    // work still counted as unsaved, and an old file left as it was.
    void failedSavesSaySoAndKeepTheOldFile_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("said");
        QTest::newRow("folder vanished") << "vanished/work.baricor" << "non esiste";
        QTest::newRow("parent is a file") << "plain.txt/work.baricor" << "non è una cartella";
        QTest::newRow("a folder in its place") << "taken" << "c'è una cartella";
    }
    void failedSavesSaySoAndKeepTheOldFile() {
        QFETCH(QString, where);
        QFETCH(QString, said);
        QVERIFY(QDir(folder_.path()).mkpath("vanished"));
        QVERIFY(QDir(folder_.path() + "/vanished").removeRecursively());
        WriteAll(folder_.filePath("plain.txt"), "not a folder");
        QVERIFY(QDir(folder_.path()).mkpath("taken"));
        OpenWindows::OpenSectionWindow(2);
        Answers& answers = Fresh();
        const QString path = folder_.filePath(where);
        QVERIFY(!WorkSession::SaveTo(path, nullptr));
        QCOMPARE(answers.windows, QStringList({WorkSession::kProblemWindow}));
        QVERIFY2(answers.texts[0].contains(said), qPrintable(answers.texts[0]));
        QVERIFY(answers.texts[0].contains(QDir::toNativeSeparators(path)));
        QCOMPARE(ReadAll(folder_.filePath("plain.txt")), QByteArray("not a folder"));
        QCOMPARE(WorkSession::CurrentFile(), QString());
    }

    // A text longer than a file may hold, in a section window or in a
    // composite cell, is refused before anything is written.
    void textTooLongToSaveLeavesTheOldFile_data() {
        QTest::addColumn<bool>("inComposite");
        QTest::addColumn<QString>("said");
        QTest::newRow("section window") << false << "Text1 di Trave1 è troppo lungo";
        QTest::newRow("composite cell") << true << "Dy della parte n. 2 della sezione composta è troppo lungo";
    }
    void textTooLongToSaveLeavesTheOldFile() {
        QFETCH(bool, inComposite);
        QFETCH(QString, said);
        const QString path = folder_.filePath("kept.baricor");
        QVERIFY2(WorkSession::SaveTo(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        const QByteArray old = ReadAll(path);
        if (inComposite) {
            CompositeWindow::Parts() = {CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr}),
                                        CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr})};
            auto* table = OpenWindows::OpenCompositeWindow()->findChild<QTableWidget*>("Parts");
            TypeInCell(table, 1, CompositeWindow::DyColumn, QString(1001, '5'));
        } else {
            PasteInto(Field(OpenWindows::OpenSectionWindow(1), "Text1"), QString(1001, '5'));
        }
        Answers& answers = Fresh();
        QVERIFY(!WorkSession::SaveTo(path, nullptr));
        QVERIFY2(answers.texts.value(0).contains(said), qPrintable(answers.texts.value(0)));
        QCOMPARE(ReadAll(path), old);
        QVERIFY(WorkSession::HasUnsavedChanges());
    }

    // Permissions bite only when the test does not run as root.
    void readOnlyFolderKeepsTheOldFile() {
        const QString sub = folder_.filePath("locked");
        QVERIFY(QDir().mkpath(sub));
        const QString path = sub + "/work.baricor";
        QVERIFY2(WorkSession::SaveTo(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        const QByteArray old = ReadAll(path);
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(sub + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("a read-only folder is writable for this user (root)");
        }
        TypeInto(Field(OpenWindows::OpenSectionWindow(1), "Text1"), "5");
        Answers& answers = Fresh();
        QVERIFY(!WorkSession::SaveTo(path, nullptr));
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(answers.windows, QStringList({WorkSession::kProblemWindow}));
        QCOMPARE(ReadAll(path), old);
    }

    // "Salvare le modifiche?" before the work goes: by "Esci", by closing the
    // main window, by opening another file. Sì saves, No lets it go, Annulla keeps it.
    void unsavedChangesAreAskedAbout_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("answer");
        for (const char* how : {"Esci", "close", "open"}) {
            for (const char* answer : {"Si", "No", "Annulla"})
                QTest::newRow(QStringLiteral("%1 %2").arg(how, answer).toUtf8()) << QString(how) << QString(answer);
        }
    }
    void unsavedChangesAreAskedAbout() {
        QFETCH(QString, how);
        QFETCH(QString, answer);
        const QString path = folder_.filePath("asked.baricor");
        const QString other = folder_.filePath("other.baricor");
        WriteAll(other, R"({"format":"baricor","version":1,"windows":[{"window":"Trave8"}]})");
        SectionWindow* window = OpenWindows::OpenSectionWindow(2);
        QVERIFY2(WorkSession::SaveTo(path, nullptr), qPrintable(answers_->texts.join(" | ")));
        TypeInto(Field(window, "Text1"), "321");
        QVERIFY(WorkSession::HasUnsavedChanges());

        Answers& answers = Fresh(answer);
        if (how == "Esci") Entry("mnuEsci")->trigger();
        else if (how == "close") OpenWindows::MainWindowIfOpen()->close();
        else WorkSession::Open(other, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(answers.windows, QStringList({WorkSession::kQuestionWindow}));
        QCOMPARE(answers.texts[0].section('\n', 0, 0), QString("Salvare le modifiche?"));

        const bool saved = ReadAll(path).contains("\"321\"");
        QCOMPARE(saved, answer == "Si");
        const bool kept = answer == "Annulla";
        if (how == "open") {
            QCOMPARE(OpenOrder(), kept ? QStringList({"Trave2"}) : QStringList({"Trave8"}));
        } else if (how == "Esci") {
            QCOMPARE(OpenOrder(), kept ? QStringList({"Trave2"}) : QStringList());
        } else {
            QCOMPARE(bool(OpenWindows::MainWindowIfOpen()), kept);
        }
        if (kept) QCOMPARE(Field(window, "Text1")->text(), QString("321"));
    }

    // The toolkit's own dialogs speak Italian like the rest: the file dialogs
    // of "Apri…" and "Salva con nome…" and the question before unsaved work
    // goes show the Italian words, and none of the toolkit's English ones.
    void dialogsSpeakItalian_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("italian");
        const QStringList fileDialog = {"Cerca in:", "Nome del file:", "File di tipo:", "Cartella superiore",
                                        "Crea nuova cartella", "Nome", "Tipo", "Annulla"};
        QTest::newRow("Apri") << "open" << QStringList(fileDialog) + QStringList({"Apri"});
        QTest::newRow("Salva con nome") << "save as" << QStringList(fileDialog) + QStringList({"Salva con nome", "Salva"});
        QTest::newRow("Salvare le modifiche?") << "question"
                                               << QStringList({"Salvare le modifiche?", QString::fromUtf8("Sì"), "No", "Annulla"});
    }
    void dialogsSpeakItalian() {
        QFETCH(QString, how);
        QFETCH(QStringList, italian);
        Answers& answers = Fresh("Annulla");
        if (how == "open") {
            Entry(WorkSession::kOpenEntry)->trigger();
        } else if (how == "save as") {
            Entry(WorkSession::kSaveAsEntry)->trigger();
        } else {
            QVERIFY2(WorkSession::SaveTo(folder_.filePath("asked.baricor"), nullptr), qPrintable(answers_->texts.join(" | ")));
            TypeInto(Field(OpenWindows::OpenSectionWindow(2), "Text1"), "321");
            Entry("mnuEsci")->trigger();
        }
        QCOMPARE(answers.shown.size(), 1);
        const QStringList& shown = answers.shown.front();
        for (const QString& word : italian) QVERIFY2(shown.contains(word), qPrintable(word + " not in: " + shown.join('|')));
        for (const char* english : {"Open", "Save", "Save As", "Cancel", "Look in:", "File name:", "Files of type:",
                                    "Parent Directory", "Create New Folder", "Name", "Size", "Type", "Date Modified",
                                    "Yes", "Discard", "Save changes?"})
            QVERIFY2(!shown.contains(english), qPrintable(QString(english) + " in: " + shown.join('|')));
    }

    // No question where nothing changed, nor in a run that never used a file.
    void noQuestionWithoutChangesOrWithoutAFile() {
        SectionWindow* window = OpenWindows::OpenSectionWindow(2);
        TypeInto(Field(window, "Text1"), "77");
        Answers& answers = Fresh();
        QVERIFY(!WorkSession::HasUnsavedChanges());
        OpenWindows::MainWindowIfOpen()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::MainWindowIfOpen());

        StartProgram();
        QVERIFY2(WorkSession::SaveTo(folder_.filePath("same.baricor"), nullptr), qPrintable(answers_->texts.join(" | ")));
        TypeInto(Field(window, "Text1"), "78");
        TypeInto(Field(window, "Text1"), "77");  // back to what the file holds
        QVERIFY(!WorkSession::HasUnsavedChanges());
        Entry("mnuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(answers.windows, QStringList());
        QVERIFY(!OpenWindows::SectionWindowIfOpen(2));
    }

    // What counts as a change: a text, the digits, a window opened or closed,
    // a derived window, the composite window and its parts.
    void changesThatCount_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("text") << 0;
        QTest::newRow("digits") << 1;
        QTest::newRow("window opened") << 2;
        QTest::newRow("window closed") << 3;
        QTest::newRow("derived opened") << 4;
        QTest::newRow("composite opened") << 5;
        QTest::newRow("composite cell typed") << 6;
        QTest::newRow("composite part added") << 7;
        QTest::newRow("composite hole ticked") << 8;
        QTest::newRow("composite closed") << 9;
    }
    void changesThatCount() {
        QFETCH(int, change);
        SectionWindow* window = OpenWindows::OpenSectionWindow(1);
        QTableWidget* parts = nullptr;
        if (change > 5) {
            CompositeWindow::Parts() = {CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr})};
            parts = OpenWindows::OpenCompositeWindow()->findChild<QTableWidget*>("Parts");
        }
        QVERIFY2(WorkSession::SaveTo(folder_.filePath("changes.baricor"), nullptr), qPrintable(answers_->texts.join(" | ")));
        QVERIFY(!WorkSession::HasUnsavedChanges());
        switch (change) {
            case 5: OpenWindows::OpenCompositeWindow(); break;
            case 6: TypeInCell(parts, 0, CompositeWindow::FirstDimension, "101"); break;
            case 7: OpenWindows::CompositeWindowIfOpen()->findChild<QPushButton*>("Add")->click(); break;
            case 8: parts->item(0, CompositeWindow::HoleColumn)->setCheckState(Qt::Checked); break;
            case 9: OpenWindows::CloseCompositeWindow(); break;
            case 0: TypeInto(Field(window, "Text2"), "151"); break;
            case 1: Entry("mnuDue")->trigger(); break;
            case 2: OpenWindows::OpenSectionWindow(6); break;
            case 3: window->close(); break;
            case 4: window->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger(); break;
        }
        QVERIFY(WorkSession::HasUnsavedChanges());
    }

    // The last five files, the latest first, in the File menu after a separator.
    void recentFilesListTheLastFive() {
        for (int i = 1; i <= 7; ++i) QVERIFY2(WorkSession::SaveTo(folder_.filePath(QString("r%1.baricor").arg(i)), nullptr), qPrintable(answers_->texts.join(" | ")));
        QVERIFY2(WorkSession::SaveTo(folder_.filePath("r4.baricor"), nullptr), qPrintable(answers_->texts.join(" | ")));
        QStringList expected;
        for (int i : {4, 7, 6, 5, 3}) expected << folder_.filePath(QString("r%1.baricor").arg(i));
        QCOMPARE(WorkSession::RecentFiles(), expected);
        QVERIFY(QFile::exists(settings_.filePath("Baricor/baricor.ini")));

        auto* file = OpenWindows::MainWindowIfOpen()->findChild<QMenu*>("mnuFile");
        emit file->aboutToShow();
        QStringList entries;
        for (QAction* entry : file->actions()) {
            if (entry->objectName().startsWith(WorkSession::kRecentEntry)) entries << entry->text();
        }
        QCOMPARE(entries, QStringList({"&1 r4.baricor", "&2 r7.baricor", "&3 r6.baricor", "&4 r5.baricor", "&5 r3.baricor"}));
        QVERIFY(Entry("mnulineaFile2")->isVisible());

        WriteAll(folder_.filePath("r6.baricor"), R"({"format":"baricor","version":1,"windows":[{"window":"Trave7"}]})");
        Entry("mnuRecente3")->trigger();
        QCOMPARE(OpenOrder(), QStringList({"Trave7"}));
        QCOMPARE(WorkSession::RecentFiles().first(), folder_.filePath("r6.baricor"));
    }

    // `baricor FILE`, with a name relative to the folder it starts in.
    void commandLineOpensTheFile() {
        const QString path = folder_.filePath("cli.baricor");
        WriteAll(path, R"({"format":"baricor","version":1,"digits":"0.00000E+00",
            "windows":[{"window":"Trave3","fields":{"Text1":"60"},"derived":true},{"window":"Trave1"}]})");
        const QString start = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        WorkSession::OpenFromArguments({"baricor", "cli.baricor"});
        QDir::setCurrent(start);
        QCOMPARE(OpenOrder(), QStringList({"Trave3", "Trave1"}));
        QCOMPARE(Field(OpenWindows::SectionWindowIfOpen(3), "Text1")->text(), QString("60"));
        QCOMPARE(NumberNotation::ResultFormat(), std::string("0.00000E+00"));
        QCOMPARE(WorkSession::CurrentFile(), path);
        QVERIFY(WorkSession::CurrentWork().windows[0].derived);

        WorkSession::Forget();
        Answers& answers = Fresh();
        WorkSession::OpenFromArguments({"baricor"});  // no file: nothing opens, nothing is said
        WorkSession::OpenFromArguments({"baricor", folder_.filePath("none.baricor")});
        QCOMPARE(answers.windows, QStringList({WorkSession::kProblemWindow}));
        QCOMPARE(OpenOrder(), QStringList({"Trave3", "Trave1"}));
    }

private:
    // What came up since `answers` was last cleared by Fresh().
    Answers& Fresh(const QString& button = QString()) {
        answers_->windows.clear();
        answers_->texts.clear();
        answers_->button = button;
        return *answers_;
    }

    std::unique_ptr<Answers> answers_;
    QTemporaryDir settings_;
    QTemporaryDir folder_;
};

QTEST_MAIN(WorkFileTest)
#include "WorkFileTest.moc"
