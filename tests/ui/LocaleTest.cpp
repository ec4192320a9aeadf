// The program in an Italian locale: this test runs with LC_ALL=it_IT.UTF-8 and
// never sets the separators itself, so what it sees is what the program took
// from the user's regional settings.
#include <QLocale>
#include <QTest>

#include "NumberNotation.h"
#include "OpenWindows.h"
#include "SectionWindow.h"
#include "UiTestSupport.h"

namespace {
const QStringList kRectangleResults = {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
}

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { CloseEverything(); }

    void separatorsComeFromTheEnvironment() {
        // The test set-up makes the locale, as a desktop in Italian has it; the
        // toolkit would take the settings from the environment even without it.
        QCOMPARE(QLocale::system().name(), QString("it_IT"));
        QCOMPARE(QString::fromStdString(NumberNotation::Separators().decimal), QString(","));
        QCOMPARE(QString::fromStdString(NumberNotation::Separators().group), QString("."));
    }

    void loadResultsUseTheDecimalComma() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(ResultTexts(w, kRectangleResults),
                 QStringList({"0,000E+00", "0,000E+00", "2,813E+07", "1,250E+07", "0,000E+00", "1,500E+04"}));
    }

    void typedDimensionReadsTheDecimalComma_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("jx");
        QTest::newRow("comma") << "1,5" << "2,250E+02" << "4,219E+05";
        QTest::newRow("point still a decimal point") << "1.5" << "2,250E+02" << "4,219E+05";
        QTest::newRow("below one") << "0,5" << "7,500E+01" << "1,406E+05";
        QTest::newRow("two decimals") << "12,25" << "1,838E+03" << "3,445E+06";
    }

    void typedDimensionReadsTheDecimalComma() {
        QFETCH(QString, typed);
        QFETCH(QString, area);
        QFETCH(QString, jx);
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text1"), typed);
        QCOMPARE(Field(w, "Text1")->text(), typed);
        QCOMPARE(Field(w, "Text8")->text(), area);
        QCOMPARE(Field(w, "Text5")->text(), jx);
        QCOMPARE(answerer.answered, QStringList());  // every prefix typed was a number
    }

    // "1.500,5" would read as 1.5 and "1.500.000" as 1.5: both are refused.
    void groupedDigitsAreRefusedNotMisread() {
        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        ModalAnswerer answerer;
        const QStringList before = ResultTexts(w, kRectangleResults);
        for (const QString& grouped : {QString("1.500,5"), QString("1.500.000")}) {
            PasteInto(Field(w, "Text1"), grouped);
            QCOMPARE(Field(w, "Text1")->text(), grouped);
            QCOMPARE(ResultTexts(w, kRectangleResults), before);
        }
        QCOMPARE(answerer.answered, QStringList({"Errore", "Errore"}));
    }
};

QTEST_MAIN(LocaleTest)
#include "LocaleTest.moc"
