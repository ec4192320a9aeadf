// "Esporta PDF…": the report of a section window as a user gets it, read back
// with the PDF tools a user has (poppler-utils): every field's label, text as
// shown and unit in the extracted text, one page, fonts embedded, the drawing
// drawn as lines (no picture) with its axes and ellipse, and a message naming
// the file and the reason when it cannot be written. The composite's pages:
// its figures and message lines as its window shows them, a line per part,
// as many pages as its parts need, and its own "Esporta PDF…".
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "CompositeWindow.h"
#include "DerivedProperties.h"
#include "DerivedPropertiesMenu.h"
#include "DerivedPropertiesWindow.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "PrincipalAxesDrawing.h"
#include "Report.h"
#include "ReportMenu.h"
#include "ResultsTable.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"

namespace {

// Runs a poppler tool; its standard output, or a failure naming what is missing.
QString Tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "FAILED: " + program + " " + arguments.join(' ') + " (poppler-utils installed?) " +
               QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The extracted text with every run of blanks made one blank, line by line.
QString ExtractedText(const QString& pdf) {
    QString text = Tool("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    return text.replace(QRegularExpression("[ \\t]+"), " ");
}

// A row as the page shows it: label, text and unit next to each other on one
// line (a blank field leaves the label next to the unit).
bool HasRow(const QString& text, const TableRow& row) {
    QString pattern = QRegularExpression::escape(row.label);
    for (const QString& piece : {row.text, row.unit})
        if (!piece.isEmpty()) pattern += " " + QRegularExpression::escape(piece);
    return QRegularExpression("(^|\\s)" + pattern + "(\\s|$)", QRegularExpression::MultilineOption)
        .match(text)
        .hasMatch();
}

DerivedPropertiesWindow* OpenDerived(SectionWindow* section) {
    section->findChild<QAction*>(DerivedPropertiesMenu::kDerivedEntry)->trigger();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == "DerivedProperties-" + section->objectName())
            return qobject_cast<DerivedPropertiesWindow*>(top);
    return nullptr;
}

// Every row the user sees: the section window's inputs and results, and the
// derived window's fields, read from the windows themselves.
std::vector<TableRow> RowsOnScreen(SectionWindow* section, DerivedPropertiesWindow* derived) {
    std::vector<TableRow> rows = InputsTable(*section);
    for (TableRow& row : ResultsTable(*section)) rows.push_back(row);
    for (const baricor::DerivedField& f : baricor::kDerivedFields)
        rows.push_back({QString::fromUtf8(f.label),
                        Field(derived, qPrintable(DerivedPropertiesWindow::FieldName(f.quantity)))->text(),
                        QString::fromUtf8(f.unit)});
    return rows;
}

// The input field of a section window whose label is `label` ("a", "Dx", "θ").
QLineEdit* InputLabelled(SectionWindow* section, const QString& label) {
    for (const baricor::InputField& input : section->Layout().inputs)
        if (QString::fromStdString(input.row.label) == label) return Field(section, input.row.control.c_str());
    return nullptr;
}

// The entries of the context menu a right click on `target` brings up,
// without the ones a text field has of its own; the menu is left open.
QMenu* RightClick(QWidget* target) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &click);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Answers the next file dialog with `path`, as a user typing it and pressing Salva.
class FileDialogAnswerer : public QObject {
public:
    explicit FileDialogAnswerer(const QString& path) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = dialog->objectName();
            suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as Salva
        });
        timer_.start();
    }
    QString seen;
    QString suggested;  // the file name the dialog offered

private:
    QTimer timer_;
};

int Pages(const QString& pdf) {
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(Tool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// pdffonts' table: one line per font after two heading lines; "emb" is the
// third column from the right.
QStringList NotEmbeddedFonts(const QString& pdf, int* fonts) {
    QStringList lines = Tool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts);
    QStringList missing;
    *fonts = 0;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(' ', Qt::SkipEmptyParts);
        ++*fonts;
        if (cells.size() < 5 || cells[cells.size() - 5] != "yes") missing << lines[i];
    }
    return missing;
}

int Images(const QString& pdf) { return Tool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size() - 2; }

// Pixels of one pen's hue, full or blended with the white or grey behind it:
// the channel of `dominant` (0 red, 2 blue) well above the other two.
int PixelsOfHue(const QImage& image, int dominant) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int channels[] = {c.red(), c.green(), c.blue()};
            count += channels[dominant] - channels[1] > 60 && channels[dominant] - channels[2 - dominant] > 60;
        }
    return count;
}

int PixelsNear(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) < 12;
        }
    return count;
}

// A part of the composite: its shape (a section shape's number in
// AllShapes(), or a profile's name), its dimension texts (none: the
// defaults), Dx, Dy, θ and whether it is a hole.
struct TypedPart {
    QString shape;
    QStringList dimensions;
    QString dx, dy, theta;
    bool hole = false;
};

baricor::CompositePart PartOf(const TypedPart& typed) {
    bool number = false;
    const int index = typed.shape.toInt(&number);
    baricor::CompositePart part = CompositeWindow::NewPart(
        number ? baricor::PartShape{baricor::AllShapes().at(size_t(index - 1)), nullptr}
               : baricor::PartShape{nullptr, baricor::FindProfile(typed.shape.toStdString())});
    for (int i = 0; i < typed.dimensions.size(); ++i) part.texts.dimensions.at(size_t(i)) = typed.dimensions[i].toStdString();
    part.texts.dx = typed.dx.toStdString();
    part.texts.dy = typed.dy.toStdString();
    part.texts.theta = typed.theta.toStdString();
    part.hole = typed.hole;
    return part;
}

// `count` rectangles side by side, 100 apart: none overlaps.
std::vector<baricor::CompositePart> RectanglesInARow(int count) {
    std::vector<baricor::CompositePart> parts;
    for (int i = 0; i < count; ++i) parts.push_back(PartOf({"1", {}, QString::number(100 * i), "0", "0"}));
    return parts;
}

// The composite window's figures as it shows them: each field of "Assi
// comuni" and "Proprietà derivate" with the label and unit beside it.
std::vector<TableRow> CompositeRowsOnScreen(CompositeWindow* w) {
    std::vector<TableRow> rows;
    for (const char* frame : {"CommonAxes", "Derived"})
        for (QLineEdit* field : w->findChild<QWidget*>(frame)->findChildren<QLineEdit*>()) {
            auto* label = w->findChild<QLabel*>(field->objectName() + "Label");
            auto* unit = w->findChild<QLabel*>(field->objectName() + "Unit");
            rows.push_back({label->text(), field->text(), unit->text()});
        }
    return rows;
}

// The line of the parts table for each row of the window's table: number,
// shape, dimensions, Dx, Dy, θ and "sì" or "no" for "Foro".
QStringList PartLinesOnScreen(CompositeWindow* w) {
    auto* table = w->findChild<QTableWidget*>("Parts");
    QStringList patterns;
    for (int row = 0; row < table->rowCount(); ++row) {
        QString pattern = QString("(^|\\n) ?%1 ").arg(row + 1) +
                          QRegularExpression::escape(table->item(row, CompositeWindow::ShapeColumn)->text()) + " .*";
        for (int c : {CompositeWindow::DxColumn, CompositeWindow::DyColumn, CompositeWindow::ThetaColumn})
            pattern += QRegularExpression::escape(table->item(row, c)->text()) + " ";
        pattern += table->item(row, CompositeWindow::HoleColumn)->checkState() == Qt::Checked ? QString::fromUtf8("sì")
                                                                                               : QString("no");
        patterns << pattern + "\\s*(\\n|$)";
    }
    return patterns;
}

}  // namespace

Q_DECLARE_METATYPE(TypedPart)

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
        QVERIFY(folder_.isValid());
        // To look at the reports: BARICOR_REPORT_KEEP=1 keeps them and says where.
        if (qEnvironmentVariableIsSet("BARICOR_REPORT_KEEP")) {
            folder_.setAutoRemove(false);
            qInfo("reports in %s", qPrintable(folder_.path()));
        }
    }
    void cleanup() {
        CloseEverything();
        NumberNotation::SetSeparators({".", ","});
        CompositeWindow::Parts().clear();
    }

    void everyRowAsShownOnOnePage_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QStringList>("typed");  // input label, text, label, text...
        QTest::addColumn<QString>("digits");     // the digit menu's entry, or empty
        // The digits chosen after the last recalculation: the windows still
        // show the earlier pattern, and so must the report.
        QTest::addColumn<bool>("digitsLast");
        QTest::newRow("L defaults") << 5 << "." << QStringList() << QString() << false;
        QTest::newRow("L rotated, decimal comma, six digits")
            << 5 << "," << QStringList({"a", "120,5", "t2", "12,25", "θ", "22,5", "Dy", "-3,5"})
            << "mnuSei" << false;
        QTest::newRow("ring") << 4 << "." << QStringList({"d2", "62.5"}) << QString() << false;
        QTest::newRow("double T, two digits") << 7 << "." << QStringList({"θ", "-30"}) << "mnuDue" << false;
        QTest::newRow("C") << 8 << "." << QStringList() << QString() << false;
        QTest::newRow("L, digits changed since") << 5 << "." << QStringList() << "mnuSei" << true;
    }
    void everyRowAsShownOnOnePage() {
        QFETCH(int, window);
        QFETCH(QString, decimal);
        QFETCH(QStringList, typed);
        QFETCH(QString, digits);
        QFETCH(bool, digitsLast);
        NumberNotation::SetSeparators({decimal.toStdString(), decimal == "," ? "." : ","});
        if (!digits.isEmpty() && !digitsLast) OpenWindows::MainWindowIfOpen()->findChild<QAction*>(digits)->trigger();
        SectionWindow* section = OpenWindows::OpenSectionWindow(window);
        for (int i = 0; i + 1 < typed.size(); i += 2) {
            QLineEdit* input = InputLabelled(section, typed[i]);
            QVERIFY2(input, qPrintable(typed[i]));
            PasteInto(input, typed[i + 1]);
        }
        DerivedPropertiesWindow* derived = OpenDerived(section);
        QVERIFY(derived);
        if (digitsLast) {
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>(digits)->trigger();
            QCOMPARE(Field(derived, "J1")->text(), QString("1.363E+07"));
        }
        const std::vector<TableRow> rows = RowsOnScreen(section, derived);
        if (!typed.isEmpty()) QVERIFY(rows.back().text != "");  // the typed section has derived values

        const QString pdf = folder_.filePath(QString("report-%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(ReportMenu::ExportTo(*section, pdf, section));
        const QString text = ExtractedText(pdf);
        QVERIFY2(!text.startsWith("FAILED"), qPrintable(text));
        QVERIFY2(text.contains(section->windowTitle()), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("Proprietà geometriche della sezione")));
        QVERIFY(text.contains("Data: " + QDate::currentDate().toString("dd/MM/yyyy")));
        for (const TableRow& row : rows)
            QVERIFY2(HasRow(text, row), qPrintable(QString("%1 %2 %3 missing from:\n%4")
                                                       .arg(row.label, row.text, row.unit, text)));
        QCOMPARE(Pages(pdf), 1);
        int fonts = 0;
        QCOMPARE(NotEmbeddedFonts(pdf, &fonts), QStringList());
        QVERIFY(fonts > 0);
    }

    // The composite's page holds what its window shows: every figure, the
    // message lines, and a line per part with its shape, Dx, Dy, θ and "Foro".
    void compositeAsItsWindowShowsIt_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("digits");  // the digit menu's entry, or empty
        QTest::addColumn<QList<TypedPart>>("parts");
        QTest::addColumn<QString>("message");  // what the window's message lines must say, or empty
        QTest::newRow("two rectangles stacked")
            << "." << QString() << QList<TypedPart>{{"1", {}, "0", "0", "0"}, {"1", {}, "0", "150", "0"}} << QString();
        QTest::newRow("overlap, decimal comma, six digits")
            << "," << "mnuSei"
            << QList<TypedPart>{{"1", {"120,5", "80"}, "0", "0", "0"}, {"1", {}, "10,25", "-5", "22,5"}}
            << "le parti 1 e 2 si sovrappongono";
        QTest::newRow("profile with a hole in its web")
            << "." << "mnuDue" << QList<TypedPart>{{"HEA 200", {}, "0", "0", "90"}, {"2", {"4"}, "0", "0", "0", true}}
            << QString();
        QTest::newRow("hole outside the solid")
            << "." << QString() << QList<TypedPart>{{"1", {}, "0", "0", "0"}, {"2", {"30"}, "200", "0", "0", true}}
            << "il foro della parte 2";
        QList<TypedPart> everyShape;
        for (int shape = 1; shape <= int(baricor::AllShapes().size()); ++shape)
            everyShape.push_back({QString::number(shape), {}, QString::number(-500 * shape), "0", "0"});
        everyShape.push_back({"HEM 1000", {}, "0", "-1000", "0"});
        everyShape.push_back({"L 200x100x14", {}, "500", "-1000", "0"});
        QTest::newRow("every shape and two profiles, named in full") << "." << QString() << everyShape << QString();
        QTest::newRow("a cell that is not a number")
            << "." << QString() << QList<TypedPart>{{"1", {"1x"}, "0", "0", "0"}} << "il testo non è un numero";
    }
    void compositeAsItsWindowShowsIt() {
        QFETCH(QString, decimal);
        QFETCH(QString, digits);
        QFETCH(QList<TypedPart>, parts);
        QFETCH(QString, message);
        NumberNotation::SetSeparators({decimal.toStdString(), decimal == "," ? "." : ","});
        if (!digits.isEmpty()) OpenWindows::MainWindowIfOpen()->findChild<QAction*>(digits)->trigger();
        for (const TypedPart& typed : parts) CompositeWindow::Parts().push_back(PartOf(typed));
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        const QString lines = w->findChild<QLabel*>("Problem")->text() + w->findChild<QLabel*>("Warning")->text();
        QVERIFY2(message.isEmpty() ? lines.isEmpty() : lines.contains(message), qPrintable(lines));

        const QString pdf = folder_.filePath(QString("composite-%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(ReportMenu::ExportCompositeTo(pdf, w));
        const QString text = ExtractedText(pdf);
        QVERIFY2(!text.startsWith("FAILED"), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("Proprietà geometriche della sezione composta")));
        QVERIFY(text.contains("Data: " + QDate::currentDate().toString("dd/MM/yyyy")));
        const std::vector<TableRow> rows = CompositeRowsOnScreen(w);
        QCOMPARE(int(rows.size()), 8 + int(baricor::kElasticDerivedFieldCount));
        for (const TableRow& row : rows)
            QVERIFY2(HasRow(text, row), qPrintable(QString("%1 %2 %3 missing from:\n%4")
                                                       .arg(row.label, row.text, row.unit, text)));
        for (QLabel* line : {w->findChild<QLabel*>("Problem"), w->findChild<QLabel*>("Warning")})
            QVERIFY2(text.contains(line->text()), qPrintable(line->text()));
        for (const QString& line : PartLinesOnScreen(w))
            QVERIFY2(text.contains(QRegularExpression(line)), qPrintable(line + " missing from:\n" + text));
        QCOMPARE(Pages(pdf), 1);
        int fonts = 0;
        QCOMPARE(NotEmbeddedFonts(pdf, &fonts), QStringList());
        QVERIFY(fonts > 0);
        QCOMPARE(Images(pdf), 0);
    }

    // Parts beyond the first page go on to further pages, each with the
    // column headings; every part is there once, whole.
    void longCompositeGoesOnToFurtherPages_data() {
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("minPages");
        QTest::addColumn<int>("maxPages");
        QTest::newRow("12 parts") << 12 << 1 << 1;
        QTest::newRow("150 parts") << 150 << 3 << 4;
        QTest::newRow("the largest composite") << CompositeWindow::kMaximumParts << 17 << 22;
    }
    void longCompositeGoesOnToFurtherPages() {
        QFETCH(int, parts);
        QFETCH(int, minPages);
        QFETCH(int, maxPages);
        const QString pdf = folder_.filePath(QString("long-%1.pdf").arg(parts));
        QCOMPARE(Report::Write(pdf, {}, RectanglesInARow(parts)), QString());
        const int pages = Pages(pdf);
        QVERIFY2(pages >= minPages && pages <= maxPages, qPrintable(QString::number(pages)));
        const QStringList pageTexts = ExtractedText(pdf).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pageTexts.size(), pages);
        QVector<int> seen(parts + 1);
        const QRegularExpression line(QString::fromUtf8("(?:^|\\n) ?(\\d+) Trave1 - Rettangolare a = 100; b = 150 "
                                                        "(\\d+) 0 0 no(?=\\s*\\n|$)"));
        for (const QString& page : pageTexts) {
            QVERIFY2(page.contains(QString::fromUtf8("N. Forma Misure Dx Dy θ Foro")), qPrintable(page));
            for (auto m = line.globalMatch(page); m.hasNext();) {
                const QRegularExpressionMatch part = m.next();
                const int n = part.captured(1).toInt();
                QVERIFY(n >= 1 && n <= parts);
                QCOMPARE(part.captured(2), QString::number(100 * (n - 1)));  // its own Dx, on its own line
                ++seen[n];
            }
        }
        for (int n = 1; n <= parts; ++n) QVERIFY2(seen[n] == 1, qPrintable(QString("part %1: %2").arg(n).arg(seen[n])));
    }

    // The composite window's own entry: on its background, its drawing and
    // under a figure's own entries; it offers SezioneComposta.pdf.
    void compositeWindowMenuExports() {
        CompositeWindow::Parts() = RectanglesInARow(2);
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        for (QWidget* target : {static_cast<QWidget*>(w), w->findChild<QWidget*>("Drawing"),
                                static_cast<QWidget*>(Field(w, "Jx")), static_cast<QWidget*>(Field(w, "J1"))}) {
            QMenu* menu = RightClick(target);
            QVERIFY2(menu, qPrintable(target->objectName()));
            QAction* entry = menu->actions().constLast();
            QCOMPARE(entry->text(), QString::fromUtf8("Esporta PDF…"));
            QCOMPARE(entry->objectName(), QString(ReportMenu::kExportEntry));
            QVERIFY(entry->isEnabled());
            QCOMPARE(menu->actions().size() > 1, qobject_cast<QLineEdit*>(target) != nullptr);
            menu->close();
        }
        QMenu* menu = RightClick(w->findChild<QWidget*>("Drawing"));
        const QString pdf = folder_.filePath("from-the-window.pdf");
        FileDialogAnswerer answer(pdf);
        menu->actions().constLast()->trigger();
        menu->close();
        QCOMPARE(answer.seen, QString(ReportMenu::kDialog));
        QCOMPARE(answer.suggested, QString("SezioneComposta.pdf"));
        const QString text = ExtractedText(pdf);
        QVERIFY2(text.contains("Sezione composta") && HasRow(text, CompositeRowsOnScreen(w).front()), qPrintable(text));

        // No parts, nothing to report: the entry is there but cannot be chosen.
        CompositeWindow::Parts().clear();
        w->close();
        w = OpenWindows::OpenCompositeWindow();
        menu = RightClick(w);
        QVERIFY(menu);
        QVERIFY(!menu->actions().constLast()->isEnabled());
        menu->close();
    }

    // A pasted Dx far longer than its column ends in an ellipsis before Dy; a
    // tab typed into θ is a blank, not a break in the part's line.
    void partTextsStayOnTheirLine() {
        std::vector<baricor::CompositePart> parts = RectanglesInARow(1);
        parts[0].texts.dx = "0." + std::string(20000, '0');
        parts[0].texts.theta = "1\t2";
        const QString pdf = folder_.filePath("long-texts.pdf");
        QCOMPARE(Report::Write(pdf, {}, parts), QString());
        const QString text = ExtractedText(pdf);
        QVERIFY2(text.contains(QRegularExpression(QString::fromUtf8("\\n ?1 Trave1 - Rettangolare a = 100; b = 150 "
                                                                    "0\\.0{3,}… 0 1 ?2 no\\s*\\n"))),
                 qPrintable(text));
    }

    // Sections and the composite in one report: the sections' pages first.
    void sectionPagesComeFirst() {
        SectionWindow* section = OpenWindows::OpenSectionWindow(4);
        const QString pdf = folder_.filePath("both.pdf");
        QCOMPARE(Report::Write(pdf, {section}, RectanglesInARow(3)), QString());
        QCOMPARE(Pages(pdf), 2);
        const QStringList pages = ExtractedText(pdf).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[0].contains(section->windowTitle()) && !pages[0].contains("Sezione composta"),
                 qPrintable(pages[0]));
        QVERIFY2(pages[1].contains(QString::fromUtf8("Proprietà geometriche della sezione composta")) &&
                     !pages[1].contains(section->windowTitle()),
                 qPrintable(pages[1]));
    }

    // Lines and text only: no picture anywhere, a small file, and on the
    // rendered page the red principal axes and the blue ellipse.
    void drawingIsVectorWithItsAxesAndEllipse() {
        SectionWindow* section = OpenWindows::OpenSectionWindow(5);
        const QString pdf = folder_.filePath("drawing.pdf");
        QVERIFY(ReportMenu::ExportTo(*section, pdf, section));
        QCOMPARE(Images(pdf), 0);
        QVERIFY2(QFile(pdf).size() < 120 * 1024, qPrintable(QString::number(QFile(pdf).size())));
        QVERIFY(Tool("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, folder_.filePath("page")}).isEmpty());
        const QImage page = QImage(folder_.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!page.isNull());
        // Above the tables: the red axes, the blue ellipse and the grey section.
        const QImage drawing = page.copy(0, 0, page.width(), page.height() / 2);
        QVERIFY2(PixelsOfHue(drawing, 0) > 300, qPrintable(QString::number(PixelsOfHue(drawing, 0))));
        QVERIFY2(PixelsOfHue(drawing, 2) > 300, qPrintable(QString::number(PixelsOfHue(drawing, 2))));
        QVERIFY2(PixelsNear(drawing, QColor(208, 208, 208)) > 20000,
                 qPrintable(QString::number(PixelsNear(drawing, QColor(208, 208, 208)))));
    }

    // The entry follows the section window's two, and asks for the file's name.
    void sectionWindowMenuAsksForTheFile() {
        SectionWindow* section = OpenWindows::OpenSectionWindow(1);
        for (QWidget* target : {static_cast<QWidget*>(section), section->findChild<QWidget*>("Picture1"),
                                static_cast<QWidget*>(Field(section, "Text5"))}) {
            QMenu* menu = RightClick(target);
            QVERIFY(menu);
            QStringList texts;
            for (QAction* action : menu->actions())
                if (!action->isSeparator()) texts << action->text();
            menu->close();
            QCOMPARE(texts.mid(texts.size() - 4), QStringList({"Proprietà derivate…", "Copia risultati",
                                                               "Aggiungi alla sezione composta", "Esporta PDF…"}));
        }
        const QString pdf = folder_.filePath("rectangle.pdf");
        FileDialogAnswerer answer(pdf);
        section->findChild<QAction*>(ReportMenu::kExportEntry)->trigger();
        QCOMPARE(answer.seen, QString(ReportMenu::kDialog));
        QVERIFY(ExtractedText(pdf).contains("Trave1 - Rettangolare"));
    }

    // From the derived window: a right click on its background, its drawing or
    // one of its fields, and the report is its section's.
    void derivedWindowExportsItsSection() {
        SectionWindow* section = OpenWindows::OpenSectionWindow(3);
        PasteInto(InputLabelled(section, "b"), "180");
        DerivedPropertiesWindow* derived = OpenDerived(section);
        QVERIFY(derived);
        for (QWidget* target : {static_cast<QWidget*>(derived), derived->findChild<QWidget*>("Drawing"),
                                static_cast<QWidget*>(Field(derived, "Wx"))}) {
            QMenu* menu = RightClick(target);
            QVERIFY2(menu, qPrintable(target->objectName()));
            QCOMPARE(menu->actions().constLast()->text(), QString("Esporta PDF…"));
            QCOMPARE(menu->actions().size() > 1, target == Field(derived, "Wx"));  // the field keeps its entries
            if (target != Field(derived, "Drawing")) menu->close();
        }
        QMenu* menu = RightClick(derived->findChild<QWidget*>("Drawing"));
        const QString pdf = folder_.filePath("derived.pdf");
        FileDialogAnswerer answer(pdf);
        menu->actions().constLast()->trigger();
        menu->close();
        QCOMPARE(answer.seen, QString(ReportMenu::kDialog));
        const QString text = ExtractedText(pdf);
        QVERIFY2(text.contains("Trave3 - Tubo Rettangolare") || text.contains(section->windowTitle()), qPrintable(text));
        for (const TableRow& row : RowsOnScreen(section, derived)) QVERIFY2(HasRow(text, row), qPrintable(row.label));
    }

    // What a caller asking for several windows gets: a page each, in order;
    // a pasted text far longer than its column ends in an ellipsis on its line.
    void severalWindowsOnePageEach() {
        SectionWindow* first = OpenWindows::OpenSectionWindow(2);
        SectionWindow* second = OpenWindows::OpenSectionWindow(6);
        ModalAnswerer answerer;
        QLineEdit* dx = InputLabelled(second, "Dx");
        PasteInto(dx, "0." + QString(20000, '0'));
        QCOMPARE(dx->text().size(), 20002);
        const QString pdf = folder_.filePath("two.pdf");
        QCOMPARE(Report::Write(pdf, {first, second}), QString());
        QCOMPARE(Pages(pdf), 2);
        const QString text = ExtractedText(pdf);
        const int circle = text.indexOf(first->windowTitle()), t = text.indexOf(second->windowTitle());
        QVERIFY(circle >= 0 && t > circle);
        QVERIFY(text.contains(QRegularExpression(QString::fromUtf8("Dx 0\\.0{10,}… \\[mm\\]"))));
    }

    void failedWriteNamesTheFileAndTheReason_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("error");
        QTest::newRow("folder vanished") << "gone/report.pdf" << ENOENT;
        QTest::newRow("parent is a file") << "file/report.pdf" << ENOTDIR;
    }
    void failedWriteNamesTheFileAndTheReason() {
        QFETCH(QString, where);
        QFETCH(int, error);
        QVERIFY(QDir(folder_.path()).mkdir("gone"));
        QVERIFY(QDir(folder_.filePath("gone")).removeRecursively());
        QFile file(folder_.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SectionWindow* section = OpenWindows::OpenSectionWindow(5);
        const QString path = folder_.filePath(where);
        ModalAnswerer answerer;
        QString message;
        answerer.onShow = [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) message = box->text();
        };
        QVERIFY(!ReportMenu::ExportTo(*section, path, section));
        QCOMPARE(answerer.answered, QStringList({ReportMenu::kErrorMessage}));
        QVERIFY2(message.contains(QString::fromUtf8("«%1»").arg(path)), qPrintable(message));
        // The system's reason, in the toolkit's Italian where it has one.
        const QString reason = QString::fromLocal8Bit(std::strerror(error));
        QVERIFY2(message.contains(reason) || message.contains(QCoreApplication::translate("QIODevice", qPrintable(reason))),
                 qPrintable(message + " / " + reason));
        QVERIFY(!QFile::exists(path));
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(ReportTest)
#include "ReportTest.moc"
