// `baricor --report OUT.pdf FILE.baricor` as a script runs it: the program
// itself, started with no display of its own, writing the pages of the
// windows the file opens, or saying on standard error what is wrong.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString errors;
};

Run Program(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");  // a batch job has no screen
    environment.insert("QT_QPA_PLATFORM", "xcb");  // which the report must not need
    process.setProcessEnvironment(environment);
    process.start(BARICOR_PROGRAM, arguments);
    if (!process.waitForFinished(60000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Pages(const QString& pdf) {
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class ReportCommandTest : public QObject {
    Q_OBJECT

private slots:
    // One page per open section window in their order, then the composite's
    // when the file has parts (its window open or not); each figure after its
    // own caption.
    void writesThePagesOfTheFileInOrder_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("pages");
        // Captions in page order, each followed by a text its page shows after it.
        QTest::addColumn<QStringList>("captionsThenFigures");
        // The L with its legs 20 thick (A = 100 x 20 + 130 x 20 = 4600) and the
        // rectangle 200 wide (A = 200 x 150 = 30000), at three digits.
        QTest::newRow("two windows") << QByteArray(R"({"format": "baricor", "version": 1, "digits": "0.00E+00", "windows": [
            {"window": "Trave5", "fields": {"Text3": "20", "Text4": "20"}, "derived": true},
            {"window": "Trave1", "fields": {"Text1": "200"}}]})")
                                     << 2 << QStringList({"Trave5 - ad L", "4.60E+03", "Trave1 - Rettangolare", "3.00E+04"});
        // Two rectangles 100 x 150 stacked: A = 30000, about G 100 x 300^3 / 12 = 2.25E+08.
        QTest::newRow("a window and the composite") << QByteArray(R"({"format": "baricor", "version": 1, "digits": "0.00E+00",
            "windows": [{"window": "Trave2"}],
            "composite": {"open": false, "parts": [
                {"window": "Trave1"}, {"window": "Trave1", "fields": {"Text10": "150"}}]}})")
                                                    << 2 << QStringList({"Trave2 - ", QString::fromUtf8("Proprietà derivate"), "Sezione composta", "3.00E+04",
                                                                         "Sezione composta", "2.25E+08"});
    }
    void writesThePagesOfTheFileInOrder() {
        QFETCH(QByteArray, file);
        QFETCH(int, pages);
        QFETCH(QStringList, captionsThenFigures);
        QTemporaryDir dir;
        const QString work = dir.filePath("lavoro.baricor");
        WriteFile(work, file);
        const QString pdf = dir.filePath("resoconto.pdf");
        const Run run = Program({"--report", pdf, work});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(Pages(pdf), pages);
        const QString text = PdfText(pdf);
        qsizetype previous = -1;
        for (int i = 0; i + 1 < captionsThenFigures.size(); i += 2) {
            const qsizetype caption = text.indexOf(captionsThenFigures[i]);
            QVERIFY2(caption >= 0 && caption >= previous, qPrintable(captionsThenFigures[i] + "\n" + text.left(600)));
            QVERIFY2(text.indexOf(captionsThenFigures[i + 1], caption) > caption,
                     qPrintable(captionsThenFigures[i + 1] + "\n" + text.mid(caption, 1500)));
            previous = caption;
        }
    }

    // A file with neither windows nor parts has nothing to report.
    void nothingToReport() {
        QTemporaryDir dir;
        const QString work = dir.filePath("vuoto.baricor");
        const QString pdf = dir.filePath("resoconto.pdf");
        WriteFile(work, R"({"format": "baricor", "version": 1, "composite": {"open": true, "parts": []}})");
        const Run empty = Program({"--report", pdf, work});
        QCOMPARE(empty.status, 1);
        QVERIFY2(empty.errors.contains("nessun resoconto scritto"), qPrintable(empty.errors));
        QVERIFY(!QFile::exists(pdf));
    }

    void aDamagedFileIsNamedOnStandardErrorAndWritesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("what");
        QTest::newRow("not JSON") << QByteArray("{windows") << "JSON";
        QTest::newRow("another format") << QByteArray(R"({"format": "altro", "version": 1})") << "altro";
        QTest::newRow("unknown window") << QByteArray(R"({"format": "baricor", "version": 1, "windows": [{"window": "Trave99"}]})")
                                        << "Trave99";
        QTest::newRow("unknown profile")
            << QByteArray(R"({"format": "baricor", "version": 1, "composite": {"parts": [{"profile": "IPE 999"}]}})")
            << "IPE 999";
    }

    void aDamagedFileIsNamedOnStandardErrorAndWritesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, what);
        QTemporaryDir dir;
        const QString work = dir.filePath("rotto.baricor");
        WriteFile(work, content);
        const QString pdf = dir.filePath("resoconto.pdf");
        const Run run = Program({"--report", pdf, work});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains("rotto.baricor"), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(what, Qt::CaseInsensitive), qPrintable(run.errors));
        QVERIFY(!QFile::exists(pdf));
    }

    void argumentsOfTheWrongFormAreRefused() {
        const Run run = Program({"--report", "solo-uno.pdf"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.errors.contains("--report"));
    }

    void aReportThatCannotBeWrittenSaysWhere() {
        QTemporaryDir dir;
        const QString work = dir.filePath("lavoro.baricor");
        WriteFile(work, R"({"format": "baricor", "version": 1, "windows": [{"window": "Trave2"}]})");
        WriteFile(dir.filePath("file"), "not a folder");
        const Run run = Program({"--report", dir.filePath("file/resoconto.pdf"), work});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains("resoconto.pdf"), qPrintable(run.errors));
    }
};

QTEST_GUILESS_MAIN(ReportCommandTest)
#include "ReportCommandTest.moc"
