// The profiles window as a user meets it: opened from the main window, a
// family and a size picked or typed, the figures read, copied, rewritten by the
// digit menu, and closed with the program's other windows. The figures were
// worked out by hand from the printed dimensions with the fillets (IPE 200:
// A = 2·b·tf + (h − 2tf)·tw + (4 − π)·r², the second moments of flanges, web
// and the four fillets' spandrels) and agree with the printed tables.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "PrincipalAxesDrawing.h"
#include "ProfilesWindow.h"
#include "UiTestSupport.h"

namespace {

// Every field the window has, by object name.
const QStringList kAllFields = {"h",  "b",  "tw", "tf", "r",  "t",    "r1",   "r2",   "A",  "G",  "xG", "yG", "RhoX",
                                "RhoY", "Jx", "Jy", "J1", "J2", "Alpha", "Wx", "Wy", "Wplx", "Wply", "It", "Iw"};

int VisibleProfilesWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += qobject_cast<ProfilesWindow*>(top) && top->isVisible();
    return count;
}

QListWidget* List(QWidget* window, const char* name) { return window->findChild<QListWidget*>(name); }

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

QString Current(QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }

QStringList VisibleFields(QWidget* window) {
    QStringList shown;
    for (const QString& name : kAllFields)
        if (!Field(window, qPrintable(name))->isHidden()) shown << name;
    return shown;
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QAction* Entry(const char* name) { return OpenWindows::MainWindowIfOpen()->findChild<QAction*>(name); }

ProfilesWindow* OpenSelected(const char* name) {
    ProfilesWindow* window = OpenWindows::OpenProfilesWindow();
    if (!window->Select(name)) return nullptr;
    return window;
}

}  // namespace

class ProfilesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
    }
    void cleanup() { CloseEverything(); }

    void f5AndTheMenuEntryOpenOneWindow() {
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        QAction* entry = Entry("mnuProfili");
        QVERIFY(entry);
        // After the existing menus (the composite's entry may follow it).
        const QList<QAction*> bar = form->menuBar()->actions();
        QVERIFY(bar.indexOf(entry) > bar.indexOf(form->findChild<QMenu*>("mnuHelp")->menuAction()));
        QCOMPARE(entry->text().remove('&'), QString("Profili…"));
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F5);
        QPointer<ProfilesWindow> window = OpenWindows::ProfilesWindowIfOpen();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), QString("Profiles"));
        QCOMPARE(window->windowTitle(), QString("Profili"));

        window->setWindowState(Qt::WindowMinimized);
        entry->trigger();
        QCOMPARE(OpenWindows::ProfilesWindowIfOpen(), window.data());
        QVERIFY(!(window->windowState() & Qt::WindowMinimized));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F5);
        QCOMPARE(OpenWindows::ProfilesWindowIfOpen(), window.data());
        QCOMPARE(VisibleProfilesWindows(), 1);
    }

    void eachFamilyListsItsSizes_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("among");
        QTest::newRow("IPE") << "IPE" << 18 << "IPE 80" << "IPE 200";
        QTest::newRow("HEA") << "HEA" << 24 << "HEA 100" << "HEA 200";
        QTest::newRow("HEB") << "HEB" << 24 << "HEB 100" << "HEB 200";
        QTest::newRow("HEM") << "HEM" << 24 << "HEM 100" << "HEM 200";
        QTest::newRow("UPE") << "UPE" << 14 << "UPE 80" << "UPE 200";
        QTest::newRow("equal angles") << "L lati uguali" << 80 << "L 20x20x3" << "L 100x100x10";
        QTest::newRow("unequal angles") << "L lati disuguali" << 15 << "L 120x80x8" << "L 120x80x10";
    }

    void eachFamilyListsItsSizes() {
        QFETCH(QString, family);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, among);
        ProfilesWindow* window = OpenWindows::OpenProfilesWindow();
        QListWidget* families = List(window, "Family");
        QCOMPARE(Items(families), QStringList({"IPE", "HEA", "HEB", "HEM", "UPE", "L lati uguali", "L lati disuguali"}));
        families->setCurrentRow(int(Items(families).indexOf(family)));
        const QStringList sizes = Items(List(window, "Profile"));
        QCOMPARE(sizes.size(), count);
        QCOMPARE(sizes.first(), first);
        QVERIFY(sizes.contains(among));
        QVERIFY(window->Selected());  // a size is always shown
        QCOMPARE(QString(window->Selected()->name), Current(List(window, "Profile")));
    }

    // Changing the family keeps the size where the new family has it.
    void anotherFamilyKeepsTheSize() {
        ProfilesWindow* window = OpenSelected("IPE 200");
        QVERIFY(window);
        List(window, "Family")->setCurrentRow(1);
        QCOMPARE(Current(List(window, "Profile")), QString("HEA 200"));
        QCOMPARE(Field(window, "h")->text(), QString("190"));
        List(window, "Family")->setCurrentRow(5);  // no "L 200": the first angle
        QCOMPARE(Current(List(window, "Profile")), QString("L 20x20x3"));
    }

    void typingANamesStartSelectsIt_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("depth");
        QTest::newRow("IPE 2") << 0 << "IPE 2" << "IPE 200" << "200";
        QTest::newRow("IPE 45") << 0 << "IPE 45" << "IPE 450" << "450";
        QTest::newRow("HEM 10") << 3 << "HEM 10" << "HEM 100" << "120";
        QTest::newRow("L 100x100x1") << 5 << "L 100x100x1" << "L 100x100x10" << "100";
    }

    void typingANamesStartSelectsIt() {
        QFETCH(int, family);
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        QFETCH(QString, depth);
        ProfilesWindow* window = OpenWindows::OpenProfilesWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        List(window, "Family")->setCurrentRow(family);
        QListWidget* sizes = List(window, "Profile");
        QCOMPARE(QApplication::focusWidget(), sizes);  // ready to be typed into as it opens
        QTest::keyClicks(sizes, typed);
        QCOMPARE(Current(sizes), selected);
        QCOMPARE(QString(window->Selected()->name), selected);
        QCOMPARE(Field(window, "h")->text(), depth);
    }

    void typingAFamilysStartSelectsIt() {
        ProfilesWindow* window = OpenWindows::OpenProfilesWindow();
        QListWidget* families = List(window, "Family");
        families->setFocus();
        QTest::keyClicks(families, "U");
        QCOMPARE(Current(families), QString("UPE"));
        QCOMPARE(Current(List(window, "Profile")), QString("UPE 80"));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a new search
        QTest::keyClicks(families, "L");
        QCOMPARE(Current(families), QString("L lati uguali"));
        QTest::keyClicks(families, "L");  // the same letter again: the next name with it
        QCOMPARE(Current(families), QString("L lati disuguali"));
    }

    // Dimensions as printed, quantities in the digit menu's pattern, the
    // centroid and α in 0.00; each family shows only its own fields.
    void figuresOfTheSelectedProfile_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        const QStringList flanged = {"h",    "b",  "tw", "tf", "r",  "A",  "G",    "RhoX", "RhoY",
                                     "Jx",   "Jy", "Wx", "Wy", "Wplx", "Wply", "It", "Iw"};
        QStringList channel = flanged;
        channel.insert(7, "xG");
        const QStringList angle = {"h",  "b",  "t",  "r1", "r2",    "A",  "G",  "xG",   "yG",   "RhoX", "RhoY", "Jx",
                                   "Jy", "J1", "J2", "Alpha", "Wx", "Wy", "Wplx", "Wply", "It", "Iw"};
        QTest::newRow("IPE 200") << "IPE 200" << flanged
                                 << QStringList({"h", "b", "tw", "tf", "r", "A", "G", "Jx", "Jy", "Wplx", "Wply", "RhoX",
                                                 "RhoY", "Wx", "Wy", "It", "Iw"})
                                 << QStringList({"200", "100", "5.6", "8.5", "12", "2.848E+03", "2.236E+01", "1.943E+07",
                                                 "1.424E+06", "2.206E+05", "4.461E+04", "8.260E+01", "2.236E+01",
                                                 "1.943E+05", "2.847E+04", "6.980E+04", "1.305E+10"});
        QTest::newRow("HEA 200") << "HEA 200" << flanged << QStringList({"h", "b", "tw", "tf", "A", "Jx", "Wplx"})
                                 << QStringList({"190", "200", "6.5", "10", "5.383E+03", "3.692E+07", "4.295E+05"});
        QTest::newRow("L 100x100x10")
            << "L 100x100x10" << angle
            << QStringList({"h", "b", "t", "r1", "r2", "A", "Jx", "Jy", "xG", "yG", "J1", "J2", "Alpha", "Iw"})
            << QStringList({"100", "100", "10", "12", "6", "1.915E+03", "1.767E+06", "1.767E+06", "28.22", "28.22",
                            "2.803E+06", "7.301E+05", "45.00", "0.000E+00"});
        QTest::newRow("UPE 200") << "UPE 200" << channel << QStringList({"h", "b", "tw", "tf", "r"})
                                 << QStringList({"200", "80", "6", "11", "13"});
    }

    void figuresOfTheSelectedProfile() {
        QFETCH(QString, profile);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        ProfilesWindow* window = OpenSelected(qPrintable(profile));
        QVERIFY(window);
        QCOMPARE(Current(List(window, "Profile")), profile);
        QCOMPARE(VisibleFields(window), shown);
        QCOMPARE(ResultTexts(window, names), texts);
        for (const QString& name : kAllFields) {
            const bool hidden = Field(window, qPrintable(name))->isHidden();
            QCOMPARE(window->findChild<QLabel*>(name + "Label")->isHidden(), hidden);
            QCOMPARE(window->findChild<QLabel*>(name + "Unit")->isHidden(), hidden);
            QVERIFY(Field(window, qPrintable(name))->isReadOnly());
        }
    }

    void theDigitMenuRewritesAtOnce() {
        ProfilesWindow* window = OpenSelected("IPE 200");
        Entry("mnuSei")->trigger();
        QCOMPARE(ResultTexts(window, {"A", "Jx", "h", "tw"}), QStringList({"2.84841E+03", "1.94317E+07", "200", "5.6"}));
        Entry("mnuDue")->trigger();
        QCOMPARE(ResultTexts(window, {"A", "Jx", "Iw"}), QStringList({"2.8E+03", "1.9E+07", "1.3E+10"}));
        window->Select("L 100x100x10");
        QCOMPARE(ResultTexts(window, {"A", "xG", "Alpha"}), QStringList({"1.9E+03", "28.22", "45.00"}));
        Entry("mnuTre")->trigger();
        QCOMPARE(ResultTexts(window, {"A", "J1", "xG", "Alpha"}),
                 QStringList({"1.92E+03", "2.80E+06", "28.22", "45.00"}));
        // The main window loads anew with 4 digits: so does this window.
        OpenWindows::MainWindowIfOpen()->close();
        Settle();
        OpenWindows::ShowMainWindow();
        QCOMPARE(Field(window, "A")->text(), QString("1.915E+03"));
    }

    void theRegionalDecimalSeparator() {
        NumberNotation::SetSeparators({",", "."});
        ProfilesWindow* window = OpenSelected("UPE 200");
        QCOMPARE(ResultTexts(window, {"tw", "h"}), QStringList({"6", "200"}));
        window->Select("IPE 200");
        QCOMPARE(ResultTexts(window, {"tw", "tf", "A"}), QStringList({"5,6", "8,5", "2,848E+03"}));
        window->Select("L 100x100x10");
        QCOMPARE(ResultTexts(window, {"xG", "Alpha", "J2"}), QStringList({"28,22", "45,00", "7,301E+05"}));
    }

    void copiaCopiesTheNameThenEveryFieldShown() {
        ProfilesWindow* window = OpenSelected("IPE 200");
        QGuiApplication::clipboard()->clear();
        window->findChild<QPushButton*>("Copy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Profilo\tIPE 200\t\n"
                         "h\t200\t[mm]\nb\t100\t[mm]\ntw\t5.6\t[mm]\ntf\t8.5\t[mm]\nr\t12\t[mm]\n"
                         "A\t2.848E+03\t[mm^2]\nG\t2.236E+01\t[kg/m]\nρx\t8.260E+01\t[mm]\nρy\t2.236E+01\t[mm]\n"
                         "Jx\t1.943E+07\t[mm^4]\nJy\t1.424E+06\t[mm^4]\nWx\t1.943E+05\t[mm^3]\nWy\t2.847E+04\t[mm^3]\n"
                         "Wpl,x\t2.206E+05\t[mm^3]\nWpl,y\t4.461E+04\t[mm^3]\nIt\t6.980E+04\t[mm^4]\n"
                         "Iw\t1.305E+10\t[mm^6]\n"));
        // An angle's table has its own rows, the centroid and α as shown.
        window->Select("L 100x100x10");
        Entry("mnuTre")->trigger();
        window->findChild<QPushButton*>("Copy")->click();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 1 + 22 + 1);
        QCOMPARE(lines.first(), QString("Profilo\tL 100x100x10\t"));
        QVERIFY(lines.contains("t\t10\t[mm]"));
        QVERIFY(lines.contains("xG\t28.22\t[mm]"));
        QVERIFY(lines.contains("α\t45.00\t[deg]"));
        QVERIFY(lines.contains("J1\t2.80E+06\t[mm^4]"));
        QVERIFY(!lines.join('\n').contains("tw\t"));
    }

    void enterPressesTheButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void enterPressesTheButtons() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<ProfilesWindow> window = OpenSelected("HEB 300");
        QVERIFY(QTest::qWaitForWindowActive(window));
        QGuiApplication::clipboard()->clear();
        auto* copy = window->findChild<QPushButton*>("Copy");
        copy->setFocus();
        QTest::keyClick(copy, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Profilo\tHEB 300\t\nh\t300\t[mm]\n"));
        auto* close = window->findChild<QPushButton*>("Close");
        close->setFocus();
        QTest::keyClick(close, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        Settle();
        QVERIFY(!window);
    }

    void closesWithTheOtherWindows_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("its own Chiudi") << "own";
        QTest::newRow("Chiudi Tutto") << "mnuChiudi";
        QTest::newRow("Esci") << "mnuEsci";
    }

    void closesWithTheOtherWindows() {
        QFETCH(QString, how);
        QPointer<ProfilesWindow> window = OpenWindows::OpenProfilesWindow();
        OpenWindows::OpenSectionWindow(7);
        if (how == "own")
            window->findChild<QPushButton*>("Close")->click();
        else
            Entry(qPrintable(how))->trigger();
        Settle();
        QVERIFY(!window);
        QVERIFY(!OpenWindows::ProfilesWindowIfOpen());
        QCOMPARE(OpenWindows::SectionWindowIfOpen(7) != nullptr, how == "own");
        // Opened again, it starts afresh.
        if (!OpenWindows::MainWindowIfOpen()) StartProgram();
        QVERIFY(OpenWindows::OpenProfilesWindow() != window.data());
        QCOMPARE(VisibleProfilesWindows(), 1);
    }

    // A screen reader finds a window with its title, two named lists, and
    // each field named by its label; Tab runs from the lists through the
    // fields shown to the buttons.
    void keyboardAndScreenReader() {
        ProfilesWindow* window = OpenSelected("UPE 200");
        QVERIFY(QTest::qWaitForWindowActive(window));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(face->role(), QAccessible::Window);
        QCOMPARE(face->text(QAccessible::Name), QString("Profili"));
        QCOMPARE(List(window, "Family")->accessibleName(), QString("Famiglia"));
        QCOMPARE(List(window, "Profile")->accessibleName(), QString("Profilo"));
        const QStringList labels = {"h",  "b",  "tw", "tf", "r",  "t",  "r1", "r2",    "A",  "G",    "xG",   "yG", "ρx",
                                    "ρy", "Jx", "Jy", "J1", "J2", "α",  "Wx", "Wy", "Wpl,x", "Wpl,y", "It", "Iw"};
        for (int i = 0; i < kAllFields.size(); ++i) {
            QLineEdit* field = Field(window, qPrintable(kAllFields[i]));
            QCOMPARE(field->accessibleName(), labels[i]);
            QCOMPARE(window->findChild<QLabel*>(kAllFields[i] + "Label")->text(), labels[i]);
            QVERIFY(window->findChild<QLabel*>(kAllFields[i] + "Unit")->text().startsWith('['));
        }

        List(window, "Family")->setFocus();
        QStringList order;
        for (int i = 0; i < 21; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"Profile", "h",  "b",  "tw", "tf",   "r",    "A",  "G",  "xG",   "RhoX", "RhoY",
                                     "Jx",      "Jy", "Wx", "Wy", "Wplx", "Wply", "It", "Iw", "Copy", "Close"}));
    }

    // The drawing shows the profile with its fillets, fills the room it is
    // given, and grows with the window.
    void theDrawingShowsTheFilletsAndGrows() {
        ProfilesWindow* window = OpenSelected("IPE 200");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* drawing = window->findChild<PrincipalAxesDrawing*>("Drawing");
        QVERIFY(drawing);
        const DrawingLayout small = drawing->Layout();
        QVERIFY(small.valuesShown);
        QVERIFY(QRectF(drawing->contentsRect()).contains(small.outlineBox));
        QVERIFY(std::abs(small.outlineBox.height() / small.outlineBox.width() - 2.0) < 0.05);  // 200 x 100

        window->resize(window->width() + 400, window->height() + 500);
        QTest::qWait(50);
        const DrawingLayout large = drawing->Layout();
        QVERIFY(large.scale > 1.5 * small.scale);
        const QImage image = drawing->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double s = large.scale * image.width() / drawing->width();
        const QPointF g = large.g * image.width() / drawing->width();
        auto pixel = [&](double x, double y) { return image.pixelColor((g + QPointF(-x * s, y * s)).toPoint()); };
        auto grey = [](const QColor& c) { return c.red() < 232 && c.red() > 176 && std::abs(c.red() - c.blue()) < 12; };
        auto white = [](const QColor& c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; };
        // The fillet's circle is centred 14.8 mm beside and 79.5 mm above or
        // below G, radius 12: its material lies outside the circle, in the corner.
        for (double sx : {1.0, -1.0})
            for (double sy : {1.0, -1.0}) {
                QVERIFY2(grey(pixel(sx * 4.8, sy * 89.5)), qPrintable(pixel(sx * 4.8, sy * 89.5).name()));
                QVERIFY2(white(pixel(sx * 8.5, sy * 85.8)), qPrintable(pixel(sx * 8.5, sy * 85.8).name()));
                QVERIFY(white(pixel(sx * 35, sy * 60)));
                QVERIFY(grey(pixel(sx * 35, sy * 96)));
            }
        QVERIFY(drawing->accessibleDescription().contains("G"));
    }
};

QTEST_MAIN(ProfilesWindowTest)
#include "ProfilesWindowTest.moc"
