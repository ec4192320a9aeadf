// "Esporta PDF…": the report of a section window as a user gets it, read back
// with the PDF tools a user has (poppler-utils): every field's label, text as
// shown and unit in the extracted text, one page, fonts embedded, the drawing
// drawn as lines (no picture) with its axes and ellipse, and a message naming
// the file and the reason when it cannot be written.
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

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

// A row as the page shows it: label, text and unit next to each other on one line.
bool HasRow(const QString& text, const TableRow& row) {
    QString pattern = QRegularExpression::escape(row.label) + " " + QRegularExpression::escape(row.text);
    if (!row.unit.isEmpty()) pattern += " " + QRegularExpression::escape(row.unit);
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
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as Salva
        });
        timer_.start();
    }
    QString seen;

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

}  // namespace

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
