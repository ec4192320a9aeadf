// The derived-properties window and "Copia risultati", as a user meets them
// from a section window.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "DerivedPropertiesMenu.h"
#include "DerivedPropertiesWindow.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "DrawingLayout.h"
#include "PrincipalAxesDrawing.h"
#include "SectionWindow.h"
#include "UiTestSupport.h"

namespace {

const QStringList kDerivedFields = {"J1", "J2", "Alpha", "RhoX", "RhoY", "Wx", "Wy", "Jp",
                                    "Wplx", "Wply", "It", "Iw", "xC", "yC"};
// The fields below the polar moment: plastic moduli, torsion, shear centre.
const QStringList kDesignFields = kDerivedFields.mid(8);

DerivedPropertiesWindow* DerivedWindowOf(SectionWindow* section) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* derived = qobject_cast<DerivedPropertiesWindow*>(top);
        if (derived && derived->isVisible() && derived->objectName() == "DerivedProperties-" + section->objectName())
            return derived;
    }
    return nullptr;
}

int VisibleDerivedWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += qobject_cast<DerivedPropertiesWindow*>(top) && top->isVisible();
    return count;
}

QAction* Entry(SectionWindow* section, const char* name) { return section->findChild<QAction*>(name); }

DerivedPropertiesWindow* OpenDerived(SectionWindow* section) {
    Entry(section, DerivedPropertiesMenu::kDerivedEntry)->trigger();
    return DerivedWindowOf(section);
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Pixels of the drawing close to one of its pens.
int PixelsLike(const QImage& image, const QColor& pen) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - pen.red()) + std::abs(c.green() - pen.green()) +
                         std::abs(c.blue() - pen.blue()) < 60;
        }
    return count;
}

QImage DrawingImage(DerivedPropertiesWindow* derived) {
    auto* drawing = derived->findChild<PrincipalAxesDrawing*>("Drawing");
    return drawing->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Near(const QColor& c, const QColor& pen, int tolerance) {
    return std::abs(c.red() - pen.red()) + std::abs(c.green() - pen.green()) + std::abs(c.blue() - pen.blue()) <
           tolerance;
}

// Pixels of the axes' red, full or blended with the white behind it.
bool Reddish(const QColor& c) { return c.red() - c.green() > 40 && c.red() - c.blue() > 40; }

// The direction, degrees clockwise from the right folded into [0, 180), from
// the middle of the ellipse's pixels to the farthest of them: its long axis.
double EllipseLongAxis(const QImage& image) {
    QList<QPoint> points;
    double sumX = 0, sumY = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixelColor(x, y), PrincipalAxesDrawing::kEllipseColour, 60)) {
                points << QPoint(x, y);
                sumX += x;
                sumY += y;
            }
    if (points.size() < 50) return NAN;
    const QPointF middle(sumX / points.size(), sumY / points.size());
    QPointF farthest = middle;
    for (const QPoint& p : points)
        if (QLineF(middle, p).length() > QLineF(middle, farthest).length()) farthest = p;
    const double angle = std::atan2(farthest.y() - middle.y(), farthest.x() - middle.x()) * 180 / M_PI;
    return std::fmod(angle + 360, 180);
}

QStringList MenuTexts(QWidget* target) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &click);
    QStringList texts;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text().remove('&').section('\t', 0, 0);
        menu->close();
    }
    return texts;
}

}  // namespace

class DerivedPropertiesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
    }
    void cleanup() { CloseEverything(); }

    void f3OpensOneWindowWithTheFiguresOfTheSection() {
        SectionWindow* l = OpenWindows::OpenSectionWindow(5);
        QVERIFY(QTest::qWaitForWindowActive(l));
        QTest::keyClick(Field(l, "Text1"), Qt::Key_F3);
        DerivedPropertiesWindow* derived = DerivedWindowOf(l);
        QVERIFY(derived);
        QCOMPARE(derived->windowTitle(), QString("Proprietà derivate - Trave5 - ad L"));
        const QStringList labels = {"J1", "J2", "α", "ρx", "ρy", "Wx", "Wy", "Jp",
                                    "Wpl,x", "Wpl,y", "It", "Iw", "xC", "yC"};
        for (int i = 0; i < kDerivedFields.size(); ++i)
            QCOMPARE(Field(derived, qPrintable(kDerivedFields[i]))->accessibleName(), labels[i]);
        // Worked out by hand from the two legs; the section window shows J1 and
        // J2 as Jx and Jy at theta = 22.5.
        QCOMPARE(ResultTexts(derived, kDerivedFields),
                 QStringList({"1.363E+07", "2.581E+06", "22.50", "4.621E+01", "2.732E+01", "1.253E+05", "5.928E+04",
                              "1.621E+07", "2.227E+05", "1.113E+05", "1.008E+06", "0.000E+00", "16.67", "41.67"}));

        derived->setWindowState(Qt::WindowMinimized);
        l->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l));
        QTest::keyClick(Field(l, "Text11"), Qt::Key_F3);
        QCOMPARE(DerivedWindowOf(l), derived);
        QVERIFY(!(derived->windowState() & Qt::WindowMinimized));
        QCOMPARE(VisibleDerivedWindows(), 1);
    }

    void contextMenusOfferTheTwoEntries() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        // "Aggiungi alla sezione composta" and "Esporta PDF…" follow the two.
        const QStringList entries = {"Proprietà derivate…", "Copia risultati", "Aggiungi alla sezione composta",
                                     "Esporta PDF…"};
        // The diagram, the background and a result field.
        QWidget* targets[] = {w->findChild<QWidget*>("Picture1"), w, Field(w, "Text5")};
        for (QWidget* target : targets) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &click);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu, qPrintable(target->objectName()));
            QStringList texts;
            for (QAction* action : menu->actions()) texts << action->text();
            QCOMPARE(texts.mid(texts.size() - 4), entries);
            QCOMPARE(menu->actions().size() > 4, target == Field(w, "Text5"));  // the field keeps its own entries
            menu->actions().at(menu->actions().size() - 3)->trigger();  // "Copia risultati"
            QVERIFY(QGuiApplication::clipboard()->text().startsWith("a\t100\t[mm]\n"));
            menu->close();
            Settle();
        }
    }

    void rewrittenAtEachRecalculationInThePatternOfThatMoment() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        DerivedPropertiesWindow* derived = OpenDerived(w);
        ModalAnswerer answerer;
        // 200 x 150: Jx0 = 5.625E+07, Jy0 = 1E+08, so J1 is Jy0 and the axes turn a right angle.
        TypeInto(Field(w, "Text1"), "200");
        QCOMPARE(ResultTexts(derived, {"J1", "J2", "Alpha", "Wy"}),
                 QStringList({"1.000E+08", "5.625E+07", "90.00", "1.000E+06"}));
        const QStringList before = ResultTexts(derived, kDerivedFields);
        QTest::keyClick(Field(w, "Text1"), 'x');  // refused with Errore: nothing recalculated
        QCOMPARE(answerer.answered, QStringList({"Errore"}));
        QCOMPARE(ResultTexts(derived, kDerivedFields), before);

        OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuSei")->trigger();
        QCOMPARE(ResultTexts(derived, kDerivedFields), before);  // shows at the next recalculation
        // Moving the axes changes no figure here, but the pattern and the
        // decimal mark are those of the moment.
        TypeInto(Field(w, "Text9"), "5");
        QCOMPARE(ResultTexts(derived, {"J1", "Alpha"}), QStringList({"1.00000E+08", "90.00"}));
        NumberNotation::SetSeparators({",", "."});
        TypeInto(Field(w, "Text9"), "6");
        QCOMPARE(ResultTexts(derived, {"J1", "Alpha"}), QStringList({"1,00000E+08", "90,00"}));
    }

    void dependsOnlyOnTheDimensions() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        DerivedPropertiesWindow* derived = OpenDerived(w);
        const QStringList defaults = ResultTexts(derived, kDerivedFields);
        ModalAnswerer answerer;
        PasteInto(Field(w, "Text10"), "1e300");  // Dy: the section window has no result
        QCOMPARE(Field(w, "Text5")->text(), QString());
        QCOMPARE(ResultTexts(derived, kDerivedFields), defaults);
        TypeInto(Field(w, "Text1"), "0");  // no section: every field blank, no message
        QCOMPARE(ResultTexts(derived, kDerivedFields), QStringList(QVector<QString>(kDerivedFields.size())));
        QVERIFY(answerer.answered.isEmpty());
    }

    // Below the groups that were there: plastic moduli, torsion, shear
    // centre; read-only fields named by their labels, in the digit menu's
    // pattern but for the shear centre, which is in 0.00 like the centroid.
    void designFiguresBelowTheOthers() {
        SectionWindow* c = OpenWindows::OpenSectionWindow(8);
        DerivedPropertiesWindow* derived = OpenDerived(c);
        const QStringList groups = {"PrincipalAxes", "RadiiOfGyration", "SectionModuli", "PolarMoment",
                                    "PlasticModuli", "Torsion", "ShearCentre"};
        int below = -1;
        for (const QString& name : groups) {
            auto* group = derived->findChild<QGroupBox*>(name);
            QVERIFY2(group && group->isVisible(), qPrintable(name));
            QVERIFY2(group->y() > below, qPrintable(name));
            below = group->geometry().bottom();
        }
        QCOMPARE(derived->findChild<QGroupBox*>("PlasticModuli")->title(), QString("Moduli plastici"));
        QCOMPARE(derived->findChild<QGroupBox*>("Torsion")->title(), QString("Torsione"));
        QCOMPARE(derived->findChild<QGroupBox*>("ShearCentre")->title(), QString("Centro di taglio"));
        const QStringList labels = {"Wpl,x", "Wpl,y", "It", "Iw", "xC", "yC"};
        const QStringList units = {"[mm^3]", "[mm^3]", "[mm^4]", "[mm^6]", "[mm]", "[mm]"};
        for (int i = 0; i < kDesignFields.size(); ++i) {
            QLineEdit* field = Field(derived, qPrintable(kDesignFields[i]));
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->accessibleName(), labels[i]);
            QCOMPARE(derived->findChild<QLabel*>(kDesignFields[i] + "Label")->text(), labels[i]);
            QCOMPARE(derived->findChild<QLabel*>(kDesignFields[i] + "Unit")->text(), units[i]);
        }
        // The C 100 x 150 x 20 x 25: the equal-area line about y 22.5 from the
        // web's face; Iw and e = 33.41 on the mid-lines (am = 87.5, hm = 130).
        QCOMPARE(ResultTexts(derived, kDesignFields),
                 QStringList({"3.356E+05", "1.584E+05", "1.032E+06", "1.612E+10", "55.63", "0.00"}));
        OpenWindows::MainWindowIfOpen()->findChild<QAction*>("mnuSei")->trigger();
        TypeInto(Field(c, "Text1"), "100");
        QCOMPARE(ResultTexts(derived, {"Wplx", "Wply", "Iw", "xC", "yC"}),
                 QStringList({"3.35625E+05", "1.58438E+05", "1.61248E+10", "55.63", "0.00"}));
        TypeInto(Field(c, "Text3"), "76");  // flanges thicker than half the height: no section
        QCOMPARE(ResultTexts(derived, kDesignFields), QStringList(QVector<QString>(kDesignFields.size())));
    }

    // C is marked where it lies apart from G: the L's 16.67 mm along x (to
    // the left) and 41.67 mm along y (down) from G; not the rectangle's,
    // which is G; not where nothing is defined.
    void theShearCentreIsMarkedApartFromG() {
        SectionWindow* l = OpenWindows::OpenSectionWindow(5);
        DerivedPropertiesWindow* derived = OpenDerived(l);
        auto* drawing = derived->findChild<PrincipalAxesDrawing*>("Drawing");
        const DrawingLayout layout = drawing->Layout();
        QVERIFY(layout.shearCentre);
        QVERIFY(std::abs(layout.shearCentre->x() - (layout.g.x() - 16.667 * layout.scale)) <= 1);
        QVERIFY(std::abs(layout.shearCentre->y() - (layout.g.y() + 41.667 * layout.scale)) <= 1);
        QVERIFY(PixelsLike(DrawingImage(derived), PrincipalAxesDrawing::kShearCentreColour) > 10);
        QVERIFY(drawing->accessibleDescription().contains("centro di taglio C"));
        ModalAnswerer answerer;
        TypeInto(Field(l, "Text1"), "0");
        QVERIFY(!drawing->Layout().shearCentre);

        DerivedPropertiesWindow* rectangle = OpenDerived(OpenWindows::OpenSectionWindow(1));
        auto* plain = rectangle->findChild<PrincipalAxesDrawing*>("Drawing");
        QVERIFY(plain->Layout().valuesShown);
        QVERIFY(!plain->Layout().shearCentre);
        QCOMPARE(PixelsLike(DrawingImage(rectangle), PrincipalAxesDrawing::kShearCentreColour), 0);
    }

    void closesWithItsSectionWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("its own Chiudi") << "own";
        QTest::newRow("the section window's Chiudi") << "section";
        QTest::newRow("Chiudi Tutto") << "mnuChiudi";
        QTest::newRow("Esci") << "mnuEsci";
    }

    void closesWithItsSectionWindow() {
        QFETCH(QString, how);
        SectionWindow* w = OpenWindows::OpenSectionWindow(6);
        QPointer<DerivedPropertiesWindow> derived = OpenDerived(w);
        QVERIFY(derived);
        if (how == "own")
            derived->findChild<QPushButton*>("Close")->click();
        else if (how == "section")
            w->findChild<QPushButton*>("Command1")->click();
        else
            OpenWindows::MainWindowIfOpen()->findChild<QAction*>(how)->trigger();
        Settle();
        QVERIFY(!derived);
        QCOMPARE(OpenWindows::SectionWindowIfOpen(6) != nullptr, how == "own");
    }

    void copiaRisultatiCopiesEveryFieldAsShown() {
        SectionWindow* l = OpenWindows::OpenSectionWindow(5);
        Entry(l, DerivedPropertiesMenu::kCopyEntry)->trigger();
        const QString inputs = "a\t100\t[mm]\nb\t150\t[mm]\nt1\t25\t[mm]\nt2\t25\t[mm]\n"
                               "Dx\t0\t[mm]\nDy\t0\t[mm]\nθ\t0\t[deg]\n";
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 inputs +
                     "Sx\t0.000E+00\t[mm^3]\nSy\t0.000E+00\t[mm^3]\nJx\t1.201E+07\t[mm^4]\nJy\t4.199E+06\t[mm^4]\n"
                     "Jxy\t-3.906E+06\t[mm^4]\nA\t5.625E+03\t[mm^2]\nxG\t29.17\t\nyG\t54.17\t\n");

        OpenDerived(l)->findChild<QPushButton*>("Copy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 inputs +
                     "J1\t1.363E+07\t[mm^4]\nJ2\t2.581E+06\t[mm^4]\nα\t22.50\t[deg]\nρx\t4.621E+01\t[mm]\n"
                     "ρy\t2.732E+01\t[mm]\nWx\t1.253E+05\t[mm^3]\nWy\t5.928E+04\t[mm^3]\nJp\t1.621E+07\t[mm^4]\n"
                     "Wpl,x\t2.227E+05\t[mm^3]\nWpl,y\t1.113E+05\t[mm^3]\nIt\t1.008E+06\t[mm^4]\n"
                     "Iw\t0.000E+00\t[mm^6]\nxC\t16.67\t[mm]\nyC\t41.67\t[mm]\n");
    }

    void copiaRisultatiKeepsOneLinePerFieldAndBlanksEmpty() {
        NumberNotation::SetSeparators({",", "."});
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        PasteInto(Field(w, "Text10"), "1\t2\n");  // Dy: refused, but the text stays
        PasteInto(Field(w, "Text9"), "1e300");    // Dx: no result
        Entry(w, DerivedPropertiesMenu::kCopyEntry)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("a\t100\t[mm]\nb\t150\t[mm]\nDx\t1e300\t[mm]\nDy\t1 2 \t[mm]\nθ\t0\t[deg]\n"
                         "Sx\t\t[mm^3]\nSy\t\t[mm^3]\nJx\t\t[mm^4]\nJy\t\t[mm^4]\nJxy\t\t[mm^4]\nA\t\t[mm^2]\n"));
        OpenDerived(w)->findChild<QPushButton*>("Copy")->click();
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("α\t0,00\t[deg]\nρx\t4,330E+01\t[mm]\n"
                                                              "ρy\t2,887E+01\t[mm]\nWx\t3,750E+05\t[mm^3]\n"
                                                              "Wy\t2,500E+05\t[mm^3]\nJp\t4,063E+07\t[mm^4]\n"
                                                              "Wpl,x\t5,625E+05\t[mm^3]\nWpl,y\t3,750E+05\t[mm^3]\n"
                                                              "It\t2,936E+07\t[mm^4]\nIw\t0,000E+00\t[mm^6]\n"
                                                              "xC\t0,00\t[mm]\nyC\t0,00\t[mm]\n"));
    }

    // Every control character (C0, DEL, C1) and the line and paragraph
    // separators could end a cell or a row in a spreadsheet: typed into a
    // field, each is copied as a blank, and the table keeps its rows.
    void copiaRisultatiBlanksEveryControlCharacter_data() {
        QTest::addColumn<QChar>("character");
        QList<char16_t> codes;
        for (char16_t c = 0x00; c <= 0x1F; ++c) codes << c;
        for (char16_t c = 0x7F; c <= 0x9F; ++c) codes << c;
        codes << 0x2028 << 0x2029;
        for (const char16_t c : codes) QTest::addRow("U+%04X", unsigned(c)) << QChar(c);
    }

    void copiaRisultatiBlanksEveryControlCharacter() {
        QFETCH(QChar, character);
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        PasteInto(Field(w, "Text10"), QString("1") + character + "2");  // Dy: refused, but the text stays
        QCOMPARE(Field(w, "Text10")->text().size(), 3);
        Entry(w, DerivedPropertiesMenu::kCopyEntry)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("a\t100\t[mm]\nb\t150\t[mm]\nDx\t0\t[mm]\nDy\t1 2\t[mm]\nθ\t0\t[deg]\n"
                         "Sx\t0.000E+00\t[mm^3]\nSy\t0.000E+00\t[mm^3]\nJx\t2.813E+07\t[mm^4]\n"
                         "Jy\t1.250E+07\t[mm^4]\nJxy\t0.000E+00\t[mm^4]\nA\t1.500E+04\t[mm^2]\n"));
    }

    // The outline wherever it can be drawn; the axes and the ellipse only where
    // the values are defined.
    void drawingShowsOnlyWhatIsDefined_data() {
        QTest::addColumn<QString>("d2");
        QTest::addColumn<bool>("outline");
        QTest::addColumn<bool>("values");
        QTest::newRow("ring") << "80" << true << true;
        QTest::newRow("hole as large as the ring: no area") << "100" << true << false;
        QTest::newRow("hole larger than the ring: no section") << "120" << false << false;
    }

    void drawingShowsOnlyWhatIsDefined() {
        QFETCH(QString, d2);
        QFETCH(bool, outline);
        QFETCH(bool, values);
        SectionWindow* w = OpenWindows::OpenSectionWindow(4);
        ModalAnswerer answerer;  // d2 > d1 brings up Errore2
        TypeInto(Field(w, "Text2"), d2);
        auto* drawing = OpenDerived(w)->findChild<PrincipalAxesDrawing*>("Drawing");
        const QImage image = drawing->grab(drawing->contentsRect()).toImage();
        QCOMPARE(PixelsLike(image, PrincipalAxesDrawing::kOutlineColour) > 50, outline);
        QCOMPARE(PixelsLike(image, PrincipalAxesDrawing::kEllipseColour) > 50, values);
        QCOMPARE(PixelsLike(image, PrincipalAxesDrawing::kAxesColour) > 50, values);
    }

    // The painted ellipse lies as the section does: for the L standing as its
    // letter, along the line from the top of its vertical leg to the tip of
    // its horizontal leg, down to the right at α off the vertical; for the wide
    // L at α off the horizontal's normal, flatter.
    void paintedEllipseRunsAlongTheSection_data() {
        QTest::addColumn<QStringList>("dimensions");
        QTest::addColumn<double>("longAxis");  // degrees clockwise from the right
        QTest::newRow("L, α 22.50") << QStringList({"100", "150", "25", "25"}) << 90 - 22.5;
        QTest::newRow("wide L, α 63.19") << QStringList({"150", "100", "20", "30"}) << 90 - 63.19;
    }

    void paintedEllipseRunsAlongTheSection() {
        QFETCH(QStringList, dimensions);
        QFETCH(double, longAxis);
        SectionWindow* l = OpenWindows::OpenSectionWindow(5);
        const char* fields[] = {"Text1", "Text2", "Text3", "Text4"};
        for (int i = 0; i < 4; ++i) PasteInto(Field(l, fields[i]), dimensions[i]);
        const double measured = EllipseLongAxis(DrawingImage(OpenDerived(l)));
        QVERIFY2(std::abs(measured - longAxis) < 4, qPrintable(QString::number(measured)));
    }

    // At α = 0 both axes are one pixel wide in the axes' red, neither a pale
    // line over two pixels.
    void bothAxesAreCrisp() {
        DerivedPropertiesWindow* derived = OpenDerived(OpenWindows::OpenSectionWindow(1));
        auto* drawing = derived->findChild<PrincipalAxesDrawing*>("Drawing");
        const DrawingLayout layout = drawing->Layout();
        const QImage image = DrawingImage(derived);
        const int gx = int(std::floor(layout.g.x()));
        const int gy = int(std::floor(layout.g.y()));
        const QRect inside = drawing->contentsRect();
        auto count = [&](bool column, int at, auto&& like) {
            int n = 0;
            for (int i = column ? inside.top() : inside.left(); i <= (column ? inside.bottom() : inside.right()); ++i)
                n += like(image.pixelColor(column ? at : i, column ? i : at));
            return n;
        };
        auto full = [](const QColor& c) { return Near(c, PrincipalAxesDrawing::kAxesColour, 40); };
        for (bool column : {true, false}) {
            const int at = column ? gx : gy;
            QVERIFY(count(column, at, full) > 40);
            QVERIFY(count(column, at - 1, Reddish) <= 2);
            QVERIFY(count(column, at + 1, Reddish) <= 2);
        }
    }

    // The window can be enlarged, and the drawing takes the room.
    void theDrawingGrowsWithTheWindow() {
        DerivedPropertiesWindow* derived = OpenDerived(OpenWindows::OpenSectionWindow(6));
        auto* drawing = derived->findChild<PrincipalAxesDrawing*>("Drawing");
        QCOMPARE(derived->minimumSize(), derived->size());
        QVERIFY(derived->maximumWidth() > derived->width() && derived->maximumHeight() > derived->height());
        const QSize before = drawing->size();
        const double scale = drawing->Layout().scale;
        derived->resize(derived->size() + QSize(300, 200));
        QTRY_COMPARE(drawing->size(), before + QSize(300, 200));
        QVERIFY(drawing->Layout().scale > scale * 1.3);
    }

    // Enter and the keypad's Enter press "Copia" and "Chiudi", as Space does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }

    void enterPressesTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<DerivedPropertiesWindow> derived = OpenDerived(OpenWindows::OpenSectionWindow(1));
        QVERIFY(QTest::qWaitForWindowActive(derived));
        QGuiApplication::clipboard()->clear();
        auto* copy = derived->findChild<QPushButton*>("Copy");
        copy->setFocus();
        QTest::keyClick(copy, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (key == Qt::Key_Space) QTest::keyRelease(copy, Qt::Key_Space);
        QTRY_VERIFY(QGuiApplication::clipboard()->text().startsWith("a\t100\t[mm]\n"));
        auto* close = derived->findChild<QPushButton*>("Close");
        close->setFocus();
        QTest::keyClick(close, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        Settle();
        QTRY_VERIFY(!derived);
    }

    // A screen reader meets a window, and a drawing that says what it shows.
    void assistiveTechnologiesSeeAWindowAndAnAnnouncedDrawing() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(4);
        DerivedPropertiesWindow* derived = OpenDerived(w);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(derived);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Proprietà derivate - Trave4 - ad Anello"));
        QAccessibleInterface* drawing =
            QAccessible::queryAccessibleInterface(derived->findChild<PrincipalAxesDrawing*>("Drawing"));
        QCOMPARE(drawing->text(QAccessible::Name), QString("Disegno degli assi principali"));
        const QString full = drawing->text(QAccessible::Description);
        QVERIFY2(full.contains("baricentro G") && full.contains("α = 0.00") && full.contains("ellisse"), qPrintable(full));
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text2"), "100");  // no area: the outline only
        const QString outline = drawing->text(QAccessible::Description);
        QVERIFY(outline.startsWith("Contorno della sezione") && !outline.contains("ellisse"));
        TypeInto(Field(w, "Text2"), "120");  // no section: nothing drawn
        QCOMPARE(drawing->text(QAccessible::Description), QString("Nessuna sezione da disegnare"));
    }

    // The toolkit's own entries of a field's context menu in Italian, like the rest.
    void contextMenusSpeakOneLanguage() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        DerivedPropertiesWindow* derived = OpenDerived(w);
        for (QLineEdit* field : {Field(w, "Text5"), Field(w, "Text1"), Field(derived, "J1")}) {
            const QStringList texts = MenuTexts(field);
            QVERIFY2(texts.contains("Copia") && texts.contains("Seleziona tutto"), qPrintable(texts.join('|')));
            for (const char* english : {"Copy", "Select All", "Paste", "Cut", "Undo", "Redo", "Delete"})
                QVERIFY2(!texts.contains(english), qPrintable(texts.join('|')));
            Settle();
        }
    }
};

QTEST_MAIN(DerivedPropertiesWindowTest)
#include "DerivedPropertiesWindowTest.moc"
