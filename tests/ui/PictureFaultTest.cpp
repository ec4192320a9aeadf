// Picture A of the rectangle window, Immagini/trave01A.jpg, as everything it
// should not be: missing, empty, damaged, a folder, a pipe, a device, not a
// picture, or a picture declaring more pixels than memory should give it. A
// click on a dimension field must keep the window whole and usable, and no
// single file may take more than a bounded amount of memory.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "NumberNotation.h"
#include "OpenWindows.h"
#include "PictureBox.h"
#include "SectionWindow.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kPicture = "Immagini/trave01A.jpg";
const QSize kBuiltInBox(139, 172);  // the rectangle's own diagram and its border

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// 40 x 30 pixels of noise, so that most of the file is scan data.
QByteArray SmallJpeg() {
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// A JPEG whose frame header declares width x height; the scan data stays that
// of a 40 x 30 picture, so the file is a few hundred bytes.
QByteArray JpegDeclaring(int width, int height) {
    QByteArray bytes = SmallJpeg();
    const int frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0) return QByteArray();
    // marker (2), length (2), precision (1), height (2), width (2)
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
}

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian(quint32 value) {
    return QByteArray(1, char(value >> 24)) + char(value >> 16) + char(value >> 8) + char(value);
}

QByteArray PngChunk(const QByteArray& type, const QByteArray& data) {
    return BigEndian(quint32(data.size())) + type + data + BigEndian(Crc32(type + data));
}

// A well-formed PNG header (signature, IHDR with its checksum, IEND) declaring
// width x height 8-bit RGB pixels, with no pixel data at all.
QByteArray PngDeclaring(quint32 width, quint32 height) {
    const QByteArray header = BigEndian(width) + BigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IEND", QByteArray());
}

long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// How Immagini/trave01A.jpg is set up, and whether the broken file may still
// come up in part (a JPEG cut in its scan data decodes as far as it goes).
struct PictureFault {
    const char* name;
    std::function<void(const QDir& folder)> prepare;
    bool mayShowPart = false;
};

// The folder with the file holding `bytes` (made when the case runs: encoding a
// JPEG needs the running application's plugins).
std::function<void(const QDir&)> FileOf(std::function<QByteArray()> bytes) {
    return [bytes](const QDir& folder) {
        folder.mkdir("Immagini");
        Write(folder.filePath(kPicture), bytes());
    };
}

std::function<void(const QDir&)> NodeOf(std::function<bool(const QByteArray& path)> make) {
    return [make](const QDir& folder) {
        folder.mkdir("Immagini");
        QVERIFY(make(QFile::encodeName(folder.filePath(kPicture))));
    };
}

const PictureFault kFaults[] = {
    {"missing folder", [](const QDir&) {}},
    {"missing file", [](const QDir& folder) { folder.mkdir("Immagini"); }},
    {"empty file", FileOf([] { return QByteArray(); })},
    {"JPEG cut inside its header", FileOf([] { return SmallJpeg().left(40); })},
    {"JPEG cut in its scan data", FileOf([] { return SmallJpeg().left(SmallJpeg().size() * 2 / 3); }), true},
    {"folder in place of the file", [](const QDir& folder) { folder.mkpath(kPicture); }},
    // Opening a pipe would wait for a writer for ever; the device never ends.
    {"named pipe in place of the file", NodeOf([](const QByteArray& path) { return mkfifo(path, 0600) == 0; })},
    {"link to an endless device", NodeOf([](const QByteArray& path) { return symlink("/dev/zero", path) == 0; })},
    {"text, not a picture", FileOf([] { return QByteArray("Sezione rettangolare 100 x 150\n"); })},
    {"JPEG declaring 30000 x 30000", FileOf([] { return JpegDeclaring(30000, 30000); })},
    {"PNG declaring 30000 x 30000", FileOf([] { return PngDeclaring(30000, 30000); })},
    {"PNG declaring the largest dimensions", FileOf([] { return PngDeclaring(0x7FFFFFFF, 0x7FFFFFFF); })},
    {"PNG one column over the limit", FileOf([] { return PngDeclaring(4097, 4096); })},
    {"PNG at the limit with no pixel data", FileOf([] { return PngDeclaring(4096, 4096); })},
};

}  // namespace

class PictureFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        NumberNotation::SetSeparators({".", ","});
        previous_ = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(previous_);
        CloseEverything();
    }

    void aBadPictureLeavesTheWindowUsable_data() {
        QTest::addColumn<int>("fault");
        for (size_t i = 0; i < std::size(kFaults); ++i) QTest::newRow(kFaults[i].name) << int(i);
    }

    void aBadPictureLeavesTheWindowUsable() {
        QFETCH(int, fault);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        kFaults[fault].prepare(QDir(folder.path()));
        QVERIFY(QDir::setCurrent(folder.path()));
        const long memoryBefore = PeakMemoryKb();

        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        auto* picture = w->findChild<PictureBox*>("Picture1");
        QTest::mouseClick(Field(w, "Text1"), Qt::LeftButton);
        if (!kFaults[fault].mayShowPart || picture->size() != QSize(44, 34))
            QCOMPARE(picture->size(), kBuiltInBox);  // the diagram stays

        // Still a working window: an edit recalculates, the other picture loads.
        ModalAnswerer answerer;
        TypeInto(Field(w, "Text1"), "200");
        QCOMPARE(Field(w, "Text8")->text(), QString("3.000E+04"));
        QVERIFY(answerer.answered.isEmpty());
        QTest::mouseClick(Field(w, "Text9"), Qt::LeftButton);
        QVERIFY(w->isVisible());

        // No decoder was let loose on the declared size: a 30000 x 30000 picture
        // alone would need 3.4 GiB.
        QVERIFY2(PeakMemoryKb() - memoryBefore < 512 * 1024,
                 qPrintable(QString("peak memory grew by %1 MiB").arg((PeakMemoryKb() - memoryBefore) / 1024)));
    }

    // The limit refuses only what is over it: a real picture of the largest
    // accepted size is shown.
    void aPictureAtTheLimitIsShown() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir(folder.path()).mkdir("Immagini");
        QImage largest(4096, 4096, QImage::Format_RGB32);
        largest.fill(Qt::white);
        QVERIFY(largest.save(folder.filePath(kPicture), "PNG"));
        largest = QImage();
        QVERIFY(QDir::setCurrent(folder.path()));

        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QTest::mouseClick(Field(w, "Text1"), Qt::LeftButton);
        QCOMPARE(w->findChild<PictureBox*>("Picture1")->size(), QSize(4100, 4100));
    }

private:
    QString previous_;
};

QTEST_MAIN(PictureFaultTest)
#include "PictureFaultTest.moc"
