// "Guida" from the keyboard: its text is read, never typed into.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "HelpWindow.h"
#include "UiTestSupport.h"

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { StartProgram(); }
    void cleanupTestCase() { CloseEverything(); }

    // Tab leaves the text for "Esci", and Shift+Tab comes back, the text unchanged.
    void tabMovesBetweenTheTextAndEsci() {
        HelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* text = help.findChild<QPlainTextEdit*>("Text1");
        auto* esci = help.findChild<QPushButton*>("Command1");
        const QString before = text->toPlainText();
        text->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), esci);
        QTest::keyClick(esci, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::focusWidget(), text);
        QCOMPARE(text->toPlainText(), before);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
