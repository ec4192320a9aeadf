// The main window: buttons, the digit menu, closing, ending, about and help.
#include <QAction>
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
        QCOMPARE(titles, QStringList({"&File", "&Visualizza", "&Help"}));
        QCOMPARE(Entry("mnuEsci")->shortcut(), QKeySequence("Ctrl+E"));
        QCOMPARE(Entry("mnuChiudi")->text(), QString("Chiudi Tutto"));
        QVERIFY(Entry("mnulinea1")->isSeparator());
        QVERIFY(Entry("mnulinea2")->isSeparator());
    }

    void buttonsOpenTheirShapes() {
        for (int n = 1; n <= 8; ++n) {
            auto* button = OpenWindows::MainWindowIfOpen()->findChild<QToolButton*>(QString("Command%1").arg(n));
            QCOMPARE(button->text(), QString("Trave%1").arg(n));
            const baricor::ShapeUnit* shape = baricor::ShapeByNumber(n);
            QCOMPARE(button->isEnabled(), shape != nullptr);
            if (!shape) continue;
            button->click();
            SectionWindow* w = OpenWindows::SectionWindowIfOpen(n);
            QVERIFY(w);
            QCOMPARE(w->windowTitle().toStdString(), shape->caption);
            button->click();
            QCOMPARE(OpenWindows::SectionWindowIfOpen(n), w);
        }
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
