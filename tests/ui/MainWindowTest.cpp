// The main window: buttons, the digit menu, closing, ending, about and help.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTest>
#include <QToolButton>

#include "AboutWindow.h"
#include "MainWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"

namespace {

QAction* Entry(const char* name) { return OpenWindows::MainWindowIfOpen()->findChild<QAction*>(name); }

QStringList CheckedDigits() {
    QStringList checked;
    for (const char* name : {"mnuDue", "mnuTre", "mnuQuattro", "mnuCinque", "mnuSei"})
        if (Entry(name)->isChecked()) checked << Entry(name)->text();
    return checked;
}

// Rows and columns of a button's face that hold dark (drawn) pixels, its frame
// left out.
struct Ink {
    int captionBottom = -1;        // the lowest row of the caption
    int pictureLeft = 1 << 20, pictureRight = -1;  // the picture's columns, above the caption
};

Ink InkOf(QWidget* button) {
    const QImage face = button->grab().toImage();
    const int inset = 4;
    auto dark = [&](int x, int y) { return qGray(face.pixel(x, y)) < 96; };
    auto rowHasInk = [&](int y) {
        for (int x = inset; x < face.width() - inset; ++x)
            if (dark(x, y)) return true;
        return false;
    };
    Ink ink;
    int y = face.height() - inset - 1;
    while (y > inset && !rowHasInk(y)) --y;
    ink.captionBottom = y;
    while (y > inset && rowHasInk(y)) --y;  // the caption's rows
    for (; y > inset; --y)
        for (int x = inset; x < face.width() - inset; ++x)
            if (dark(x, y)) {
                ink.pictureLeft = std::min(ink.pictureLeft, x);
                ink.pictureRight = std::max(ink.pictureRight, x);
            }
    return ink;
}

int VisibleWindowsNamed(const QString& name) {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) count += top->objectName() == name && top->isVisible();
    return count;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
    }
    void cleanup() { CloseEverything(); }

    void startsWithFourDigitsAndItsMenus() {
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        QCOMPARE(form->windowTitle(), QString("Baricor v1.0.0"));
        QCOMPARE(form->centralWidget()->size(), QSize(392, 207));
        QCOMPARE(CheckedDigits(), QStringList({"4"}));
        QCOMPARE(NumberNotation::ResultFormat(), std::string("0.000E+00"));
        QStringList titles;
        for (QAction* menu : form->menuBar()->actions()) titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "&Visualizza", "&Help", "&Profili…", "Sezione composta…"}));
        QCOMPARE(Entry("mnuEsci")->shortcut(), QKeySequence("Ctrl+E"));
        QCOMPARE(Entry("mnuChiudi")->text(), QString("Chiudi Tutto"));
        QVERIFY(Entry("mnulinea1")->isSeparator());
        QVERIFY(Entry("mnulinea2")->isSeparator());
    }

    void buttonsOpenTheirShapes() {
        for (int n = 1; n <= int(baricor::AllShapes().size()); ++n) {
            auto* button = OpenWindows::MainWindowIfOpen()->findChild<QToolButton*>(QString("Command%1").arg(n));
            QCOMPARE(button->text(), QString("Trave%1").arg(n));
            button->click();
            SectionWindow* w = OpenWindows::SectionWindowIfOpen(n);
            QVERIFY(w);
            QCOMPARE(w->windowTitle().toStdString(), baricor::LayoutByNumber(n)->caption);
            button->click();
            QCOMPARE(OpenWindows::SectionWindowIfOpen(n), w);
        }
    }

    // The pictures are 50 to 62 pixels high: the captions still share one line,
    // each picture centred above its caption.
    void buttonCaptionsStandOnOneLine() {
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QList<int> bottoms[2];
        for (int n = 1; n <= int(baricor::AllShapes().size()); ++n) {
            auto* button = form->findChild<QToolButton*>(QString("Command%1").arg(n));
            const Ink ink = InkOf(button);
            bottoms[n > 4] << ink.captionBottom;
            const int middle = button->width() / 2;
            QVERIFY2(std::abs((ink.pictureLeft + ink.pictureRight) / 2 - middle) <= 2, qPrintable(button->text()));
        }
        for (const QList<int>& row : bottoms) QCOMPARE(row, QList<int>(4, row.first()));
        QCOMPARE(bottoms[0], bottoms[1]);
    }

    // Enter and the keypad's Enter press a focused button, as Space does, on the
    // main window's picture buttons and on a section window's "Menu".
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
        auto* button = OpenWindows::MainWindowIfOpen()->findChild<QToolButton*>("Command3");
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        SectionWindow* w = OpenWindows::SectionWindowIfOpen(3);
        QVERIFY(w);

        OpenWindows::MainWindowIfOpen()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* menu = w->findChild<QPushButton*>("Command2");
        menu->setFocus();
        QTest::keyClick(menu, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(OpenWindows::MainWindowIfOpen());
    }

    // A minimised window comes back when it is brought to the front: a section
    // window through its button, the main window through "Menu".
    void bringingToFrontRestoresAMinimisedWindow() {
        MainWindow* form = OpenWindows::MainWindowIfOpen();
        SectionWindow* w = OpenWindows::OpenSectionWindow(2);
        w->showMinimized();
        QVERIFY(w->isMinimized());
        form->findChild<QToolButton*>("Command2")->click();
        QVERIFY(!w->isMinimized());
        QVERIFY(w->isVisible());

        form->showMinimized();
        QVERIFY(form->isMinimized());
        w->findChild<QPushButton*>("Command2")->click();
        QVERIFY(!form->isMinimized());
    }

    void digitsShowAtTheNextRecalculationOrLoad() {
        Entry("mnuSei")->trigger();
        QCOMPARE(CheckedDigits(), QStringList({"6"}));
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(Field(w, "Text5")->text(), QString("2.81250E+07"));
        Entry("mnuDue")->trigger();
        QCOMPARE(CheckedDigits(), QStringList({"2"}));
        QCOMPARE(Field(w, "Text5")->text(), QString("2.81250E+07"));
        Entry("mnuDue")->trigger();  // choosing the checked entry again changes nothing
        QCOMPARE(CheckedDigits(), QStringList({"2"}));
        TypeInto(Field(w, "Text2"), "150");
        QCOMPARE(Field(w, "Text5")->text(), QString("2.8E+07"));
    }

    // Each entry of the digit menu, chosen after another one: its check mark,
    // its pattern, and a section window's A (15 000) and Jx (28 125 000) at the
    // next recalculation.
    void eachDigitEntrySetsItsPattern_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("jx");
        QTest::newRow("2") << "mnuDue" << "2" << "0.0E+00" << "1.5E+04" << "2.8E+07";
        QTest::newRow("3") << "mnuTre" << "3" << "0.00E+00" << "1.50E+04" << "2.81E+07";
        QTest::newRow("4") << "mnuQuattro" << "4" << "0.000E+00" << "1.500E+04" << "2.813E+07";
        QTest::newRow("5") << "mnuCinque" << "5" << "0.0000E+00" << "1.5000E+04" << "2.8125E+07";
        QTest::newRow("6") << "mnuSei" << "6" << "0.00000E+00" << "1.50000E+04" << "2.81250E+07";
    }

    void eachDigitEntrySetsItsPattern() {
        QFETCH(QString, entry);
        QFETCH(QString, digits);
        QFETCH(QString, pattern);
        QFETCH(QString, area);
        QFETCH(QString, jx);
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        Entry(entry == "mnuSei" ? "mnuDue" : "mnuSei")->trigger();  // away from the entry first
        Entry(entry.toLatin1().constData())->trigger();
        QCOMPARE(CheckedDigits(), QStringList({digits}));
        QCOMPARE(QString::fromStdString(NumberNotation::ResultFormat()), pattern);
        TypeInto(Field(w, "Text2"), "150");
        QCOMPARE(Field(w, "Text8")->text(), area);
        QCOMPARE(Field(w, "Text5")->text(), jx);
    }

    void chiudiTuttoClosesOnlySectionWindows() {
        Entry("mnuChiudi")->trigger();  // nothing open: nothing happens
        QVERIFY(OpenWindows::MainWindowIfOpen()->isVisible());
        OpenWindows::OpenSectionWindow(1);
        AboutWindow* info = OpenWindows::ShowAboutWindow();
        Entry("mnuChiudi")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::SectionWindowIfOpen(1));
        QVERIFY(info->isVisible());
        QVERIFY(OpenWindows::MainWindowIfOpen()->isVisible());
    }

    void menuBringsBackAFreshMainWindow() {
        Entry("mnuSei")->trigger();
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        OpenWindows::MainWindowIfOpen()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::MainWindowIfOpen());
        QVERIFY(w->isVisible());  // the program goes on with its other window
        w->findChild<QPushButton*>("Command2")->click();  // "Menu"
        QVERIFY(OpenWindows::MainWindowIfOpen());
        QVERIFY(OpenWindows::MainWindowIfOpen()->isVisible());
        QCOMPARE(CheckedDigits(), QStringList({"4"}));
        QCOMPARE(NumberNotation::ResultFormat(), std::string("0.000E+00"));
    }

    void ctrlEEndsTheProgramWhileAFieldHasTheFocus() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));  // the shortcut goes to the active window's focus
        QLineEdit* field = Field(w, "Text1");
        field->setFocus();
        field->setCursorPosition(0);
        QSignalSpy esci(Entry("mnuEsci"), &QAction::triggered);
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(esci.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!OpenWindows::MainWindowIfOpen());
        QVERIFY(!OpenWindows::SectionWindowIfOpen(1));
    }

    void infoIsModelessAndOpenOnce() {
        Entry("mnuInfo")->trigger();
        Entry("mnuInfo")->trigger();
        QCOMPARE(VisibleWindowsNamed("Info"), 1);
        QVERIFY(!QApplication::activeModalWidget());
        AboutWindow* info = OpenWindows::ShowAboutWindow();
        QCOMPARE(info->windowTitle(), QString("Informazioni su \"Baricor\""));
    }

    void guidaIsModalAndBuiltFresh() {
        ModalAnswerer answerer;
        QStringList shown;
        answerer.onShow = [&](QWidget* guida) {
            auto* text = guida->findChild<QPlainTextEdit*>("Text1");
            shown << text->toPlainText();
            text->appendPlainText("appunti");  // typing changes only this showing
        };
        Entry("mnuGuida")->trigger();
        Entry("mnuGuida")->trigger();
        QCOMPARE(answerer.answered, QStringList({"Guida", "Guida"}));
        QCOMPARE(shown, QStringList(2, "Per la Guida in linea, \nconsultare il file Guida.htm \nche trovi nella "
                                       "cartella \nGuida."));
    }

    // Every line in sight at once: neither wrapped nor scrolled away.
    void guidaShowsItsFourLinesAtOnce() {
        ModalAnswerer answerer;
        QStringList lines;
        QStringList outOfSight;
        answerer.onShow = [&](QWidget* guida) {
            auto* text = guida->findChild<QPlainTextEdit*>("Text1");
            const QRect sight = text->viewport()->rect();
            for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
                lines << block.text();
                QTextCursor start(block);
                QTextCursor end(block);
                end.movePosition(QTextCursor::EndOfBlock);
                const QRect first = text->cursorRect(start);
                const QRect last = text->cursorRect(end);
                if (!sight.contains(first) || !sight.contains(last) || last.top() != first.top())
                    outOfSight << block.text();
            }
        };
        Entry("mnuGuida")->trigger();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(outOfSight, QStringList());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
