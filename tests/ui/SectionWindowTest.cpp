// The section window as a user meets it, on the rectangle and on every shape.
#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "CaptionFrame.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "PictureBox.h"
#include "Recalculate.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "Twips.h"
#include "UiTestSupport.h"

namespace {
const QStringList kRectangleResults = {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
}

class SectionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
    }
    void cleanup() { CloseEverything(); }

    void opensWithTheLoadResults() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(w->windowTitle(), QString("Trave1 - Rettangolare"));
        QCOMPARE(ResultTexts(w, kRectangleResults),
                 QStringList({"0.000E+00", "0.000E+00", "2.813E+07", "1.250E+07", "0.000E+00", "1.500E+04"}));
        QCOMPARE(Field(w, "Text1")->text(), QString("100"));
        QCOMPARE(Field(w, "Text11")->accessibleName(), QString("θ"));
    }

    // Every section window opens on the screen, and where the screen has room,
    // clear of the main window, whose buttons open the next shape.
    void opensBesideTheMainWindow() {
        QWidget* main = OpenWindows::MainWindowIfOpen();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const QRect screen = main->screen()->availableGeometry();
        for (int n = 1; n <= int(baricor::AllShapes().size()); ++n) {
            SectionWindow* w = OpenWindows::OpenSectionWindow(n);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QVERIFY(screen.contains(w->frameGeometry()));
            if (screen.width() >= 1024 && screen.height() >= 768)
                QVERIFY(!w->frameGeometry().intersects(main->frameGeometry()));
        }
    }

    // A screen reader meets a window, not a filler, and is told what its diagram shows.
    void screenReadersMeetAWindowAndItsDiagram() {
        for (const baricor::SectionLayout* shape : baricor::AllLayouts()) {
            SectionWindow* w = OpenWindows::OpenSectionWindow(shape->number);
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
            QCOMPARE(window->role(), QAccessible::Window);
            QCOMPARE(window->text(QAccessible::Name).toStdString(), shape->caption);
            QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(w->findChild<PictureBox*>("Picture1"));
            QCOMPARE(diagram->text(QAccessible::Name), QString("Disegno della sezione"));
            QVERIFY(diagram->text(QAccessible::Description).startsWith("Sezione "));
        }
    }

    // From the first input, Tab runs through every input as the window lists
    // them, then "Chiudi", then "Menu"; Shift+Tab walks the same way back.
    void tabRunsThroughTheInputsThenChiudiThenMenu_data() {
        QTest::addColumn<int>("shape");
        for (const baricor::SectionLayout* layout : baricor::AllLayouts())
            QTest::addRow("Trave%d", layout->number) << layout->number;
    }

    void tabRunsThroughTheInputsThenChiudiThenMenu() {
        QFETCH(int, shape);
        auto focused = [] {
            QWidget* widget = QApplication::focusWidget();
            if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
            return widget ? widget->accessibleName() : QString("nothing");
        };
        SectionWindow* w = OpenWindows::OpenSectionWindow(shape);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QStringList expected;
        for (const baricor::InputField& input : w->Layout().inputs) expected << QString::fromStdString(input.row.label);
        expected << "Chiudi" << "Menu";
        QTest::mouseClick(Field(w, w->Layout().inputs.front().row.control.c_str()), Qt::LeftButton);

        QStringList forward = {focused()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << focused();
        }
        QCOMPARE(forward, expected);
        QStringList back = {focused()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            back.prepend(focused());
        }
        QCOMPARE(back, expected);
    }

    // Every window table must give the generic window what it needs to lay
    // itself out, one per shape, and start from its shape's own dimensions.
    void everyWindowTableIsCompleteAndConsistent() {
        const std::vector<const baricor::SectionShape*>& shapes = baricor::AllShapes();
        for (size_t n = 1; n <= shapes.size(); ++n) {
            const baricor::SectionLayout* shape = baricor::LayoutByNumber(int(n));
            QVERIFY(shape);
            QCOMPARE(shape->shape, shapes[n - 1]);
            QCOMPARE(shape->number, int(n));
            QCOMPARE(shape->window, "Trave" + std::to_string(shape->number));
            QCOMPARE(shape->caption.rfind(shape->window + " - ", 0), 0u);
            std::vector<std::string> dimensionTexts;
            for (const baricor::InputField& f : shape->inputs)
                if (f.role == baricor::InputRole::Dimension) dimensionTexts.push_back(f.defaultText);
            QCOMPARE(dimensionTexts.size(), shape->shape->loadDimensions.size());
            QCOMPARE(shape->inputs.size(), dimensionTexts.size() + 3);
            // The default texts are the built-in dimensions the window loads with.
            const baricor::SectionTexts defaults = baricor::SectionTextsOf(*shape, dimensionTexts);
            QCOMPARE(baricor::ReadSectionInputs(*shape->shape, defaults, ".").dimensions, shape->shape->loadDimensions);
            QVERIFY(shape->results.size() >= 6u);
            const baricor::Quantity order[] = {baricor::Quantity::Sx, baricor::Quantity::Sy,  baricor::Quantity::Jx,
                                               baricor::Quantity::Jy, baricor::Quantity::Jxy, baricor::Quantity::A};
            for (size_t i = 0; i < 6; ++i) QCOMPARE(shape->results[i].quantity, order[i]);
            // A result field for every quantity the shape gives, and no other.
            std::vector<baricor::Quantity> shown;
            for (const baricor::ResultField& r : shape->results) shown.push_back(r.quantity);
            QCOMPARE(shown, baricor::ResultQuantities(*shape->shape));
            std::vector<std::string> names;
            for (const baricor::InputField& f : shape->inputs) names.push_back(f.row.control);
            for (const baricor::ResultField& r : shape->results) names.push_back(r.row.control);
            std::sort(names.begin(), names.end());
            QVERIFY2(std::adjacent_find(names.begin(), names.end()) == names.end(), "a control name twice");
        }
        QVERIFY(!baricor::LayoutByNumber(0));
        QVERIFY(!baricor::LayoutByNumber(int(shapes.size()) + 1));
    }

    void everyShapeLoadsWhatItsDefaultsRecalculateTo() {
        for (const baricor::SectionLayout* shape : baricor::AllLayouts()) {
            SectionWindow* w = OpenWindows::OpenSectionWindow(shape->number);
            QVERIFY(w);
            const baricor::RecalcOutcome loaded = baricor::LoadResults(*shape->shape, ".", "0.000E+00");
            for (size_t i = 0; i < shape->results.size(); ++i) {
                QCOMPARE(Field(w, shape->results[i].row.control.c_str())->text(),
                         QString::fromStdString(loaded.TextOf(shape->results[i].quantity)));
            }
            // Dx "0" edited to "00" recalculates the defaults: the same texts, no message.
            ModalAnswerer answerer;
            QLineEdit* dx = nullptr;
            for (const baricor::InputField& input : shape->inputs)
                if (input.role == baricor::InputRole::Dx) dx = Field(w, input.row.control.c_str());
            dx->setFocus();
            dx->end(false);
            QTest::keyClick(dx, '0');
            for (size_t i = 0; i < shape->results.size(); ++i) {
                QCOMPARE(Field(w, shape->results[i].row.control.c_str())->text(),
                         QString::fromStdString(loaded.TextOf(shape->results[i].quantity)));
            }
            QVERIFY(answerer.answered.isEmpty());
        }
    }

    // Per shape: data the validity test refuses, and data with no defined result.
    void everyShapeWritesItsResultsBeforeErrore2AndBlanksWithoutResult_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("refused");    // label, text, label, text ...
        QTest::addColumn<QStringList>("undefined");
        QTest::newRow("rectangle") << 1 << QStringList() << QStringList({"a", "0"});
        QTest::newRow("circle") << 2 << QStringList() << QStringList({"d", "0"});
        QTest::newRow("tube") << 3 << QStringList({"a", "-100"}) << QStringList({"t1", "0", "t2", "0"});
        QTest::newRow("ring") << 4 << QStringList({"d2", "120"}) << QStringList({"d2", "100"});
        QTest::newRow("L") << 5 << QStringList({"a", "-100"}) << QStringList({"t1", "0", "t2", "0"});
        QTest::newRow("T") << 6 << QStringList({"t1", "-25"}) << QStringList({"t1", "0", "t2", "0"});
        QTest::newRow("double T") << 7 << QStringList({"t1", "-20"}) << QStringList({"a", "0", "t2", "0"});
        QTest::newRow("C") << 8 << QStringList({"t1", "-20"}) << QStringList({"t1", "0", "t2", "0"});
    }

    void everyShapeWritesItsResultsBeforeErrore2AndBlanksWithoutResult() {
        QFETCH(int, shape);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, undefined);
        const baricor::SectionLayout& unit = *baricor::LayoutByNumber(shape);
        QStringList resultNames;
        for (const baricor::ResultField& r : unit.results) resultNames << QString::fromStdString(r.row.control);
        auto fieldLabelled = [&](SectionWindow* w, const QString& label) {
            for (const baricor::InputField& input : unit.inputs)
                if (QString::fromStdString(input.row.label) == label) return Field(w, input.row.control.c_str());
            return static_cast<QLineEdit*>(nullptr);
        };

        SectionWindow* w = OpenWindows::OpenSectionWindow(shape);
        ModalAnswerer answerer;
        QList<QStringList> shownWithMessage;
        answerer.onShow = [&](QWidget*) { shownWithMessage << ResultTexts(w, resultNames); };
        if (!refused.isEmpty()) {
            PasteInto(fieldLabelled(w, refused[0]), refused[1]);
            QCOMPARE(answerer.answered, QStringList({"Errore2"}));
            const QStringList written = ResultTexts(w, resultNames);
            QVERIFY(!written.contains(""));
            QCOMPARE(shownWithMessage.value(0), written);  // the new results were already there
            answerer.answered.clear();
            CloseEverything();
            StartProgram();
            w = OpenWindows::OpenSectionWindow(shape);
        }
        for (int i = 0; i < undefined.size(); i += 2) PasteInto(fieldLabelled(w, undefined[i]), undefined[i + 1]);
        QCOMPARE(ResultTexts(w, resultNames), QStringList(QVector<QString>(resultNames.size())));
        QVERIFY(answerer.answered.isEmpty());
    }

    // "Dati" and "Traslazione e Rotazione" sit on their frame's top line, which
    // runs at the frame's twip rectangle, and every row stays clear of the border.
    void framesDrawTheirCaptionOnTheLineAboveEveryRow() {
        for (const baricor::SectionLayout* shape : baricor::AllLayouts()) {
            SectionWindow* w = OpenWindows::OpenSectionWindow(shape->number);
            const QList<CaptionFrame*> frames = w->findChildren<CaptionFrame*>();
            QCOMPARE(frames.size(), 2);
            for (CaptionFrame* frame : frames) {
                const QString where = w->objectName() + " " + frame->title();
                const baricor::TwipRect& twips =
                    frame->objectName() == "Frame1" ? shape->dataFrame.rect : shape->transformFrame.rect;
                QCOMPARE(frame->geometry(), FromTwips(twips));
                QVERIFY2(std::abs(frame->CaptionRect().center().y() - frame->BorderTop()) <= 1, qPrintable(where));
                // The line as drawn: the first row off the background, right of the caption.
                const QImage drawn = frame->grab().toImage();
                const QRgb background = frame->palette().color(QPalette::Window).rgb();
                int line = 0;
                while (line < drawn.height() && drawn.pixel(drawn.width() - 6, line) == background) ++line;
                QVERIFY2(std::abs(line - frame->BorderTop()) <= 1, qPrintable(where));
                for (QWidget* row : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                    const QRect r = row->geometry();
                    QVERIFY2(r.top() > frame->BorderTop() + 1 && r.bottom() < frame->height() - 2 && r.left() > 1 &&
                                 r.right() < frame->width() - 2,
                             qPrintable(where + " " + row->objectName()));
                }
            }
        }
    }

    void typingRecalculatesAtEveryKeystroke() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        QLineEdit* a = Field(w, "Text1");
        a->setFocus();
        a->selectAll();
        QTest::keyClick(a, Qt::Key_Delete);  // an empty text is not a number
        QCOMPARE(answerer.answered, QStringList({"Errore"}));
        QCOMPARE(Field(w, "Text8")->text(), QString("1.500E+04"));  // results of the text before

        const char* areas[] = {"1.500E+02", "1.800E+03", "1.875E+04"};  // after 1, 12, 125
        const QString digits = "125";
        for (int i = 0; i < digits.size(); ++i) {
            QTest::keyClick(a, digits[i].toLatin1());
            QCOMPARE(Field(w, "Text8")->text(), QString(areas[i]));
        }
        QCOMPARE(ResultTexts(w, kRectangleResults),
                 QStringList({"0.000E+00", "0.000E+00", "3.516E+07", "2.441E+07", "0.000E+00", "1.875E+04"}));
        QCOMPARE(answerer.answered.size(), 1);
    }

    void eachBadEditShowsErroreAndKeepsResults() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        QLineEdit* b = Field(w, "Text2");
        b->setFocus();
        b->end(false);
        const QStringList before = ResultTexts(w, kRectangleResults);
        QTest::keyClick(b, 'x');
        QTest::keyClick(b, 'y');
        QCOMPARE(answerer.answered, QStringList({"Errore", "Errore"}));
        QCOMPARE(b->text(), QString("150xy"));  // the typed text stays
        QCOMPARE(ResultTexts(w, kRectangleResults), before);
    }

    void anEmptiedOtherFieldReadsAsZero() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text9"), "");  // Dx emptied: Errore, nothing recalculated
        QTest::keyClick(Field(w, "Text9"), Qt::Key_Backspace);
        TypeInto(Field(w, "Text10"), "20");
        QCOMPARE(Field(w, "Text3")->text(), QString("-3.000E+05"));
        QCOMPARE(Field(w, "Text4")->text(), QString("0.000E+00"));
    }

    void noResultBlanksEveryResultWithoutMessage() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text1"), "0");
        QCOMPARE(ResultTexts(w, kRectangleResults), QStringList({"", "", "", "", "", ""}));
        QVERIFY(answerer.answered.isEmpty());
        TypeInto(Field(w, "Text1"), "200");
        QCOMPARE(Field(w, "Text8")->text(), QString("3.000E+04"));
    }

    void resultFieldsAreLockedButSelectable() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QLineEdit* jx = Field(w, "Text5");
        QVERIFY(jx->isReadOnly());
        jx->setFocus();
        QTest::keyClicks(jx, "99");
        QCOMPARE(jx->text(), QString("2.813E+07"));
        jx->selectAll();
        QCOMPARE(jx->selectedText(), QString("2.813E+07"));
    }

    void italianUsersTypeADecimalComma() {
        NumberNotation::SetSeparators({",", "."});
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(Field(w, "Text8")->text(), QString("1,500E+04"));
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text1"), "1,5");
        TypeInto(Field(w, "Text2"), "2");
        QCOMPARE(Field(w, "Text8")->text(), QString("3,000E+00"));
        QVERIFY(answerer.answered.isEmpty());
    }

    // With the point as decimal separator "1,500" would read as 1 and "1,5" as 1.
    void groupedDigitsAreRefusedNotMisread() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        const QStringList before = ResultTexts(w, kRectangleResults);
        PasteInto(Field(w, "Text1"), "1,500");
        PasteInto(Field(w, "Text2"), "1,5");
        QCOMPARE(answerer.answered, QStringList({"Errore", "Errore"}));
        QCOMPARE(Field(w, "Text1")->text(), QString("1,500"));
        QCOMPARE(ResultTexts(w, kRectangleResults), before);
    }

    void clicksSwitchBetweenPicturesAAndB() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir(folder.path()).mkdir("Immagini");
        QImage(50, 60, QImage::Format_RGB32).save(folder.filePath("Immagini/trave01A.jpg"));
        QImage(70, 40, QImage::Format_RGB32).save(folder.filePath("Immagini/trave01B.jpg"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());

        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        auto* picture = w->findChild<PictureBox*>("Picture1");
        QCOMPARE(picture->size(), QSize(139, 172));  // the built-in diagram and its border
        Field(w, "Text9")->setFocus();  // keyboard focus alone changes nothing
        QCOMPARE(picture->size(), QSize(139, 172));
        QTest::mouseClick(Field(w, "Text9"), Qt::LeftButton);
        QCOMPARE(picture->size(), QSize(74, 44));
        QCOMPARE(picture->accessibleName(), QString("Disegno degli assi"));
        QVERIFY(picture->accessibleDescription().contains("Dx e Dy"));
        QTest::mouseClick(Field(w, "Text2"), Qt::LeftButton);
        QCOMPARE(picture->size(), QSize(54, 64));
        QCOMPARE(picture->accessibleName(), QString("Disegno della sezione"));
        QTest::mouseClick(Field(w, "Text5"), Qt::LeftButton);  // a result field: nothing
        QCOMPARE(picture->size(), QSize(54, 64));

        QFile::remove(folder.filePath("Immagini/trave01B.jpg"));
        QTest::mouseClick(Field(w, "Text11"), Qt::LeftButton);  // missing: the current one stays
        QCOMPARE(picture->size(), QSize(54, 64));
        QCOMPARE(picture->accessibleName(), QString("Disegno della sezione"));
        QDir::setCurrent(previous);
    }

    void reopeningKeepsTheWindowAndItsTexts() {
        SectionWindow* first = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        TypeInto(Field(first, "Text1"), "80");
        SectionWindow* second = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(second, first);
        QCOMPARE(Field(second, "Text1")->text(), QString("80"));
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) count += top->objectName() == "Trave1" && top->isVisible();
        QCOMPARE(count, 1);

        QPointer<SectionWindow> closing = first;
        first->findChild<QPushButton*>("Command1")->click();  // "Chiudi"
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closing);  // unloaded, not only hidden
        QVERIFY(!OpenWindows::SectionWindowIfOpen(1));
        SectionWindow* fresh = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(Field(fresh, "Text1")->text(), QString("100"));
    }
};

QTEST_MAIN(SectionWindowTest)
#include "SectionWindowTest.moc"
