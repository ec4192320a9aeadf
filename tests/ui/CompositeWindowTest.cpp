// The composite window as a user meets it: F4 and the section windows' context
// menu, the buttons, typing in the table (live results, a bad cell marked and
// named, never a modal), clicks on the drawing, closing and reopening.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <utility>

#include "CompositeDrawing.h"
#include "CompositeWindow.h"
#include "DerivedPropertiesMenu.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"

namespace {

QTableWidget* Table(QWidget* w) { return w->findChild<QTableWidget*>("Parts"); }

void Press(QWidget* w, const char* button) { w->findChild<QPushButton*>(button)->click(); }

}  // namespace

class CompositeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
        CompositeWindow::Parts().clear();
    }
    void cleanup() { CloseEverything(); }

    void f4OpensOneWindowAndAggiungiAddsTheRectangle() {
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        QAction* entry = form->findChild<QAction*>("mnuComposta");
        QVERIFY(entry);
        QCOMPARE(entry->text(), QString::fromUtf8("Sezione composta…"));
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F4));
        entry->trigger();
        entry->trigger();
        CompositeWindow* w = OpenWindows::CompositeWindowIfOpen();
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString("Composite"));
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) windows += top->objectName() == "Composite" && top->isVisible();
        QCOMPARE(windows, 1);
        QVERIFY(Field(w, "A")->text().isEmpty());  // no parts, no area

        Press(w, "Add");
        QTableWidget* t = Table(w);
        QCOMPARE(t->rowCount(), 1);
        QCOMPARE(t->item(0, CompositeWindow::FirstDimension)->text(), QString("100"));
        QCOMPARE(t->item(0, CompositeWindow::FirstDimension + 1)->text(), QString("150"));
        // The rectangle has two dimensions: the other three cells are empty and not editable.
        for (int c = CompositeWindow::FirstDimension + 2; c < CompositeWindow::DxColumn; ++c) {
            QVERIFY(t->item(0, c)->text().isEmpty());
            QVERIFY(!(t->item(0, c)->flags() & Qt::ItemIsEditable));
        }
        QCOMPARE(ResultTexts(w, {"A", "Jx", "Jy", "xG", "yG"}),
                 QStringList({"1.500E+04", "2.813E+07", "1.250E+07", "0.00", "0.00"}));
        QCOMPARE(ResultTexts(w, {"J1", "J2", "Wx", "Wy"}),
                 QStringList({"2.813E+07", "1.250E+07", "3.750E+05", "2.500E+05"}));

        // Duplicated, then the copy moved 150 down (Dy = -150: its G below the origin... above it):
        // the two rectangles stacked, 100 x 300.
        Press(w, "Duplicate");
        QCOMPARE(t->rowCount(), 2);
        TypeInCell(t, 1, CompositeWindow::DyColumn, "150");
        QCOMPARE(ResultTexts(w, {"A", "yG"}), QStringList({"3.000E+04", "-75.00"}));
        // About G: 100 x 300^3 / 12 = 2.25E+08.
        QCOMPARE(Field(w, "J1")->text(), QString("2.250E+08"));
        QVERIFY(w->findChild<QLabel*>("Warning")->text().isEmpty());
        Press(w, "Remove");
        QCOMPARE(t->rowCount(), 1);
        QCOMPARE(Field(w, "A")->text(), QString("1.500E+04"));
    }

    void aBadCellIsMarkedAndNamedWithoutAModal() {
        ModalAnswerer answerer;
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        Press(w, "Add");
        Press(w, "Add");
        QTableWidget* t = Table(w);
        TypeInCell(t, 1, CompositeWindow::FirstDimension + 1, "1x");
        QCOMPARE(t->item(1, CompositeWindow::FirstDimension + 1)->text(), QString("1x"));
        QVERIFY(t->item(1, CompositeWindow::FirstDimension + 1)->data(Qt::BackgroundRole).isValid());
        QVERIFY(!t->item(1, CompositeWindow::FirstDimension)->data(Qt::BackgroundRole).isValid());
        const QString line = w->findChild<QLabel*>("Problem")->text();
        QVERIFY2(line.contains("Parte 2") && line.contains("b"), qPrintable(line));
        for (const char* name : {"A", "Sx", "Jx", "xG", "J1", "Wx"}) QVERIFY(Field(w, name)->text().isEmpty());
        // Put right, key by key: the results follow each keystroke.
        TypeInCell(t, 1, CompositeWindow::FirstDimension + 1, "3");
        QVERIFY(!t->item(1, CompositeWindow::FirstDimension + 1)->data(Qt::BackgroundRole).isValid());
        QVERIFY(w->findChild<QLabel*>("Problem")->text().isEmpty());
        QCOMPARE(Field(w, "A")->text(), QString("1.530E+04"));
        QTest::keyClicks(CellEditor(t), "0");
        QCOMPARE(Field(w, "A")->text(), QString("1.800E+04"));
        // Both rectangles on the same place: the warning line says so.
        QVERIFY(w->findChild<QLabel*>("Warning")->text().contains("1 e 2"));
        QVERIFY(answerer.answered.isEmpty());
    }

    void holeColumnSubtracts() {
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        Press(w, "Add");
        Press(w, "Add");
        QTableWidget* t = Table(w);
        TypeInCell(t, 1, CompositeWindow::FirstDimension, "50");
        t->item(1, CompositeWindow::HoleColumn)->setCheckState(Qt::Checked);
        QVERIFY(CompositeWindow::Parts()[1].hole);
        QCOMPARE(Field(w, "A")->text(), QString("7.500E+03"));
        QVERIFY(w->findChild<QLabel*>("Warning")->text().isEmpty());
    }

    void sectionWindowContextEntryAppendsItsTexts() {
        SectionWindow* trave7 = OpenWindows::OpenSectionWindow(7);
        TypeInto(Field(trave7, "Text1"), "120");
        auto* entry = trave7->findChild<QAction*>(DerivedPropertiesMenu::kCompositeEntry);
        QVERIFY(entry);
        QCOMPARE(entry->text(), QString("Aggiungi alla sezione composta"));
        entry->trigger();
        entry->trigger();
        CompositeWindow* w = OpenWindows::CompositeWindowIfOpen();
        QVERIFY(w && w->isVisible());
        QCOMPARE(Table(w)->rowCount(), 2);
        QVERIFY(CompositeWindow::Parts()[0].shape == (baricor::PartShape{&baricor::DoubleTSection(), nullptr}));
        QCOMPARE(CompositeWindow::Parts()[0].texts.dimensions.at(0), std::string("120"));
        // One part alone: the section window's own figures.
        for (const char* name : {"Text5", "Text7", "Text8", "Text10"}) QVERIFY(!Field(trave7, name)->text().isEmpty());
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::CompositeWindowIfOpen());
        w = OpenWindows::OpenCompositeWindow();
        QCOMPARE(Table(w)->rowCount(), 2);  // the parts stayed
        QCOMPARE(Table(w)->item(0, CompositeWindow::FirstDimension)->text(), QString("120"));
        OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuChiudi")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::CompositeWindowIfOpen());
    }

    void aClickOnAPartSelectsItsRow() {
        CompositeWindow::Parts() = {CompositeWindow::NewPart({&baricor::DoubleTSection(), nullptr}),
                                    CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr})};
        CompositeWindow::Parts()[1].texts.dimensions = {"200", "20"};
        CompositeWindow::Parts()[1].texts.dy = "85";
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* drawing = w->findChild<CompositeDrawing*>("Drawing");
        const std::vector<QPainterPath> paths = drawing->PartPaths();
        QCOMPARE(paths.size(), size_t(2));
        // The plate lies above the I on screen (y downwards, the plate at y = -85).
        QVERIFY(paths[1].boundingRect().bottom() <= paths[0].boundingRect().top() + 1);
        QTest::mouseClick(drawing, Qt::LeftButton, {}, paths[1].boundingRect().center().toPoint());
        QCOMPARE(Table(w)->currentRow(), 1);
        QCOMPARE(drawing->SelectedPart(), 1);
        QTest::mouseClick(drawing, Qt::LeftButton, {}, paths[0].boundingRect().center().toPoint());
        QCOMPARE(Table(w)->currentRow(), 0);
        Table(w)->setCurrentCell(1, 0);
        QCOMPARE(drawing->SelectedPart(), 1);
    }

    // The filled outline lies exactly where the parts are outlined for
    // selection and where the common axes start, wherever the parts are put.
    void theDrawingFillsWhereThePartsAre_data() {
        QTest::addColumn<QString>("dx");
        QTest::addColumn<QString>("dy");
        QTest::addColumn<QString>("theta");
        QTest::addColumn<QString>("away");  // Dx of the beam and the hole in it
        QTest::newRow("beside") << "300" << "0" << "0" << "0";
        QTest::newRow("below") << "0" << "-250" << "0" << "0";
        QTest::newRow("turned and apart") << "-120" << "180" << "30" << "0";
        QTest::newRow("all far from the origin") << "900" << "0" << "0" << "700";
    }
    void theDrawingFillsWhereThePartsAre() {
        QFETCH(QString, dx);
        QFETCH(QString, dy);
        QFETCH(QString, theta);
        QFETCH(QString, away);
        CompositeWindow::Parts() = {CompositeWindow::NewPart({&baricor::DoubleTSection(), nullptr}),
                                    CompositeWindow::NewPart({&baricor::RectangleSection(), nullptr}),
                                    CompositeWindow::NewPart({&baricor::CircleSection(), nullptr})};
        CompositeWindow::Parts()[1].texts.dx = dx.toStdString();
        CompositeWindow::Parts()[1].texts.dy = dy.toStdString();
        CompositeWindow::Parts()[1].texts.theta = theta.toStdString();
        CompositeWindow::Parts()[2].texts.dimensions = {"20"};
        CompositeWindow::Parts()[2].hole = true;
        CompositeWindow::Parts()[0].texts.dx = CompositeWindow::Parts()[2].texts.dx = away.toStdString();
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* drawing = w->findChild<CompositeDrawing*>("Drawing");
        // (A rectangle of no size would be left out of a union: the origin as a tiny square.)
        QRectF parts(drawing->OriginOnScreen() - QPointF(0.01, 0.01), QSizeF(0.02, 0.02));
        for (const QPainterPath& path : drawing->PartPaths()) parts = parts.united(path.boundingRect());
        const QRectF filled = drawing->Layout().outline.boundingRect();
        for (const auto& [drawn, outlined] : {std::pair{filled.left(), parts.left()}, {filled.right(), parts.right()},
                                              {filled.top(), parts.top()}, {filled.bottom(), parts.bottom()}})
            QVERIFY2(std::abs(drawn - outlined) <= 1.0, qPrintable(QString("filled %1, parts %2").arg(drawn).arg(outlined)));
    }

    // A digit entry of the menu rewrites the open composite at once, from the
    // sums it keeps.
    void aDigitEntryRewritesTheResults() {
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        Press(w, "Add");
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        const struct {
            const char* entry;
            const char* A;
            const char* J1;
        } entries[] = {{"mnuSei", "1.50000E+04", "2.81250E+07"},
                       {"mnuDue", "1.5E+04", "2.8E+07"},
                       {"mnuQuattro", "1.500E+04", "2.813E+07"}};
        for (const auto& e : entries) {
            form->findChild<QAction*>(e.entry)->trigger();
            QCOMPARE(Field(w, "A")->text(), QString(e.A));
            QCOMPARE(Field(w, "J1")->text(), QString(e.J1));
            QCOMPARE(Field(w, "xG")->text(), QString("0.00"));  // the centroid keeps its pattern
        }
    }

    // A cell is marked by the separators of the moment: other separators
    // mark the table again, and the sums read the cell by them.
    void newSeparatorsMarkTheCellsAgain() {
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        Press(w, "Add");
        QTableWidget* t = Table(w);
        TypeInCell(t, 0, CompositeWindow::FirstDimension, "1,5");
        QVERIFY(t->item(0, CompositeWindow::FirstDimension)->data(Qt::BackgroundRole).isValid());
        QVERIFY(Field(w, "A")->text().isEmpty());
        NumberNotation::SetSeparators({",", "."});
        w->Recompute();
        QVERIFY(!t->item(0, CompositeWindow::FirstDimension)->data(Qt::BackgroundRole).isValid());
        QCOMPARE(Field(w, "A")->text(), QString("2,250E+02"));  // 1.5 x 150
        NumberNotation::SetSeparators({".", ","});
        w->Recompute();
        QVERIFY(t->item(0, CompositeWindow::FirstDimension)->data(Qt::BackgroundRole).isValid());
        QVERIFY(Field(w, "A")->text().isEmpty());
    }

    // A new shape from the list: its own cells, the catalogue's dimensions for
    // a profile, the placement and the hole flag kept.
    void aNewShapeKeepsThePlacement() {
        CompositeWindow* w = OpenWindows::OpenCompositeWindow();
        Press(w, "Add");
        QTableWidget* t = Table(w);
        TypeInCell(t, 0, CompositeWindow::DxColumn, "12");
        t->setCurrentCell(0, CompositeWindow::ShapeColumn);
        t->editItem(t->item(0, CompositeWindow::ShapeColumn));
        QComboBox* list = t->viewport()->findChild<QComboBox*>();
        QVERIFY(list);
        const int ipe = list->findText("IPE 200");
        QVERIFY(ipe > 0);
        list->setCurrentIndex(ipe);
        QTest::keyClick(list, Qt::Key_Return);  // the list commits once the key is through
        QTRY_COMPARE(t->item(0, CompositeWindow::ShapeColumn)->text(), QString("IPE 200"));
        QVERIFY(CompositeWindow::Parts()[0].shape.profile);
        QCOMPARE(CompositeWindow::Parts()[0].texts.dx, std::string("12"));
        QCOMPARE(t->item(0, CompositeWindow::FirstDimension)->text(), QString("200"));  // h
        QVERIFY(!(t->item(0, CompositeWindow::FirstDimension)->flags() & Qt::ItemIsEditable));
        QCOMPARE(Field(w, "A")->text(), QString("2.848E+03"));
        QCOMPARE(Field(w, "xG")->text(), QString("-12.00"));  // its G 12 to the right of the origin
    }
};

QTEST_MAIN(CompositeWindowTest)
#include "CompositeWindowTest.moc"
