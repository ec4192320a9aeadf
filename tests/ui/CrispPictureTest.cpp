// The pictures on a screen of device pixel ratio 2 (this test runs with
// QT_SCALE_FACTOR=2): the diagrams, the button pictures, the warning sign and
// the Immagini pictures a click loads are drawn at the screen's resolution,
// not enlarged. A third run at ratio 1 checks that nothing changes there.
//
// Sharpness is measured on the edges of the lines: along each row, from the
// right border inwards, the pixels between the last light one and the first
// dark one are the width of that edge. A picture drawn at twice the pixels has
// edges about as many pixels wide as the picture at scale 1 has in its own
// pixels; the same picture merely enlarged has them twice as wide (each pixel
// of a soft edge becomes two, or more when enlarged smoothly).
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "Appearance.h"
#include "MainWindow.h"
#include "MessageWindow.h"
#include "OpenWindows.h"
#include "PictureBox.h"
#include "SectionLayout.h"
#include "SectionWindow.h"
#include "Shapes.h"
#include "UiTestSupport.h"

namespace {

constexpr int kLight = 192;  // grey levels: the ground is lighter (white 255, a window 239)
constexpr int kDark = 64;    // and ink darker
// The edges at ratio 2, in the screen's pixels, may be at most this many
// times as wide as the picture's own at scale 1 in its pixels. Enlarging gives
// exactly 2, or more when smooth; drawn at twice the pixels they measure 0.8
// to 1.4 (a button's one-pixel outline at scale 1 is often too pale to count
// as ink, and two pixels wide it is not).
constexpr double kSharpEnough = 1.6;

bool Dense() { return qApp->devicePixelRatio() > 1.0; }

// The picture as grey levels on white, its transparent parts white.
QImage OnWhite(QImage picture) {
    picture.setDevicePixelRatio(1.0);  // pixel for pixel, whatever ratio it is marked with
    QImage grey(picture.size(), QImage::Format_RGB32);
    grey.fill(Qt::white);
    QPainter p(&grey);
    p.drawImage(0, 0, picture);
    p.end();
    return grey.convertToFormat(QImage::Format_Grayscale8);
}

struct EdgeWidth {
    double mean = 0.0;  // grey pixels between light and dark, over every edge met along the rows
    int edges = 0;
};

// Along one line of pixels from the picture's border inwards: the grey
// pixels between the ground and the first dark ink met, or -1 where there is
// none. A stroke that stays light (a faint outline) is passed over.
int FirstEdge(const QImage& grey, QPoint from, QPoint step) {
    int between = -1;  // -1 until the ground is seen
    for (QPoint at = from; grey.rect().contains(at); at += step) {
        const int level = grey.constScanLine(at.y())[at.x()];
        if (level >= kLight)
            between = 0;
        else if (level <= kDark)
            return between;
        else if (between >= 0)
            ++between;
    }
    return -1;
}

// The first edge met from every border pixel, looking straight inwards: the
// outer edges of the drawing, where its ink meets the white ground (the
// hatching inside a section, grey by design, is never reached).
EdgeWidth MeasureEdges(const QImage& picture) {
    const QImage grey = OnWhite(picture);
    const int w = grey.width();
    const int h = grey.height();
    std::vector<int> widths;
    for (int y = 0; y < h; ++y) {
        widths.push_back(FirstEdge(grey, {0, y}, {1, 0}));
        widths.push_back(FirstEdge(grey, {w - 1, y}, {-1, 0}));
    }
    for (int x = 0; x < w; ++x) {
        widths.push_back(FirstEdge(grey, {x, 0}, {0, 1}));
        widths.push_back(FirstEdge(grey, {x, h - 1}, {0, -1}));
    }
    EdgeWidth width;
    int total = 0;
    for (int found : widths) {
        if (found < 0) continue;
        total += found;
        ++width.edges;
    }
    width.mean = width.edges > 0 ? double(total) / width.edges : 0.0;
    return width;
}

// The control name of the first input of `role` in a window (a dimension: its first).
const char* FieldOfRole(const baricor::SectionLayout& layout, baricor::InputRole role) {
    for (const baricor::InputField& input : layout.inputs)
        if (input.role == role) return input.row.control.c_str();
    return "";
}

QImage Enlarged(const QImage& picture, Qt::TransformationMode mode) {
    return picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, mode);
}

// What a widget shows, in the screen's pixels.
QImage Shown(QWidget* widget, const QRect& part) { return widget->grab(part).toImage(); }

// A button's picture as the button paints it on this screen.
QImage ButtonPicture(QToolButton* button) {
    const qreal ratio = button->devicePixelRatioF();
    QImage canvas(button->iconSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    button->icon().paint(&p, QRect(QPoint(0, 0), button->iconSize()));
    p.end();
    return canvas;
}

// The edges of what is shown against those of the picture as drawn at scale
// 1, and the criterion against the same picture enlarged: it must tell them apart.
void CompareEdges(const QImage& shown, const QString& plainResource) {
    const QImage plain(plainResource);
    QVERIFY2(!plain.isNull(), qPrintable(plainResource));
    QCOMPARE(shown.size(), plain.size() * 2);
    const EdgeWidth atOne = MeasureEdges(plain);
    const EdgeWidth atTwo = MeasureEdges(shown);
    QVERIFY2(atOne.edges >= 50 && atOne.mean > 0.05, qPrintable(QString("%1: too few soft edges to measure (%2 edges, %3)")
                                                                  .arg(plainResource)
                                                                  .arg(atOne.edges)
                                                                  .arg(atOne.mean)));
    const double limit = kSharpEnough * atOne.mean;
    QVERIFY2(atTwo.mean <= limit, qPrintable(QString("%1 at ratio 2: edges %2 pixels wide, at most %3 allowed (%4 at scale 1)")
                                                 .arg(plainResource)
                                                 .arg(atTwo.mean)
                                                 .arg(limit)
                                                 .arg(atOne.mean)));
    for (auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const double enlarged = MeasureEdges(Enlarged(plain, mode)).mean;
        QVERIFY2(enlarged > limit, qPrintable(QString("%1 enlarged: edges %2 pixels wide pass the limit %3")
                                                  .arg(plainResource)
                                                  .arg(enlarged)
                                                  .arg(limit)));
    }
}

// The four ways a companion can stand beside Immagini/trave01A.jpg.
enum class Companion { None, Twice, OtherSize, NotAPicture };

struct CompanionCase {
    const char* name;
    bool plainThere;
    Companion companion;
    const char* atRatio2;  // "sharp", "plain" or "unchanged" (the built-in diagram stays)
};

const CompanionCase kCompanionCases[] = {
    {"no companion", true, Companion::None, "plain"},
    {"companion of twice the size", true, Companion::Twice, "sharp"},
    {"companion of an older picture's size", true, Companion::OtherSize, "plain"},
    {"companion that is not a picture", true, Companion::NotAPicture, "plain"},
    {"companion without the picture itself", false, Companion::Twice, "unchanged"},
};

}  // namespace

class CrispPictureTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        StartProgram();
        previous_ = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(previous_);
        CloseEverything();
    }

    void diagramsAreDrawnAtTheScreensResolution_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("plain");
        for (const baricor::SectionLayout* layout : baricor::AllLayouts())
            QTest::newRow(layout->diagram.c_str()) << layout->number << ":/" + QString::fromStdString(layout->diagram);
    }
    void diagramsAreDrawnAtTheScreensResolution() {
        if (!Dense()) QSKIP("measured at ratio 2");
        QFETCH(int, window);
        QFETCH(QString, plain);
        auto* picture = OpenWindows::OpenSectionWindow(window)->findChild<PictureBox*>("Picture1");
        CompareEdges(Shown(picture, picture->contentsRect()), plain);
    }

    // Every shape's button. The outlines of the round ones (circle, ring) are
    // soft and measured; the straight ones have hard edges at both sizes, so
    // for every button the picture painted must be the drawing at twice the
    // pixels itself, pixel for pixel.
    void buttonPicturesAreDrawnAtTheScreensResolution_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("softEdges");
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) {
            const bool round = layout->shape == &baricor::CircleSection() || layout->shape == &baricor::RingSection();
            QTest::newRow(layout->button.c_str()) << QString("Command%1").arg(layout->number)
                                                  << ":/" + QString::fromStdString(layout->button) << round;
        }
    }
    void buttonPicturesAreDrawnAtTheScreensResolution() {
        if (!Dense()) QSKIP("measured at ratio 2");
        QFETCH(QString, button);
        QFETCH(QString, plain);
        QFETCH(bool, softEdges);
        auto* shapeButton = OpenWindows::ShowMainWindow()->findChild<QToolButton*>(button);
        QVERIFY(shapeButton);
        // The button's picture is the drawing centred on a wider canvas: the drawing's part.
        const QImage painted = ButtonPicture(shapeButton);
        const QSize drawing = QImage(plain).size() * 2;
        const QPoint corner((painted.width() - drawing.width()) / 4 * 2, (painted.height() - drawing.height()) / 4 * 2);
        const QImage part = painted.copy(QRect(corner, drawing));
        const QImage sharp(Appearance::DoubleDensityName(plain));
        QCOMPARE(sharp.size(), drawing);
        QVERIFY2(part.convertToFormat(QImage::Format_RGB32) == sharp.convertToFormat(QImage::Format_RGB32),
                 qPrintable(plain + ": the button does not show its drawing at twice the pixels"));
        if (softEdges) CompareEdges(part, plain);
    }

    void theWarningSignIsDrawnAtTheScreensResolution() {
        if (!Dense()) QSKIP("measured at ratio 2");
        MessageWindow errore(kNotNumericMessage, nullptr);
        auto* sign = errore.findChild<QLabel*>("Image1");
        CompareEdges(Shown(sign, sign->contentsRect()).copy(0, 0, 64, 64), ":/icons/warning-32.png");
    }

    // The real Immagini pictures of every window: at ratio 2 the @2x files, at
    // the same size on screen. Picture A is measured; B, mostly faint grey, is
    // compared with its companion pixel for pixel.
    void clicksShowTheSharpImmaginiPictures_data() {
        QTest::addColumn<int>("window");
        for (const baricor::SectionLayout* layout : baricor::AllLayouts())
            QTest::newRow(layout->window.c_str()) << layout->number;
    }
    void clicksShowTheSharpImmaginiPictures() {
        if (!Dense()) QSKIP("measured at ratio 2");
        QFETCH(int, window);
        QVERIFY(QDir::setCurrent(BARICOR_PICTURES_DIR));
        SectionWindow* w = OpenWindows::OpenSectionWindow(window);
        const baricor::SectionLayout& layout = w->Layout();
        const QString pictureA = QString::fromStdString(baricor::SectionPicturePath(layout));
        const QString pictureB = QString::fromStdString(baricor::TransformPicturePath(layout));
        auto* picture = w->findChild<PictureBox*>("Picture1");
        const QSize diagramBox = picture->size();
        QTest::mouseClick(Field(w, FieldOfRole(layout, baricor::InputRole::Dx)), Qt::LeftButton);  // picture B
        QCOMPARE(picture->size(), QImage(pictureB).size() + QSize(4, 4));
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(Appearance::DoubleDensityName(pictureB)).convertToFormat(QImage::Format_RGB32));
        // A dimension: picture A, the diagram's drawing.
        QTest::mouseClick(Field(w, FieldOfRole(layout, baricor::InputRole::Dimension)), Qt::LeftButton);
        QCOMPARE(picture->size(), diagramBox);
        CompareEdges(Shown(picture, picture->contentsRect()), pictureA);
    }

    // Which picture a click shows, with each kind of companion; at ratio 1 a
    // companion is never shown.
    void aCompanionIsShownOnlyWhereItFits_data() {
        QTest::addColumn<int>("which");
        for (size_t i = 0; i < std::size(kCompanionCases); ++i) QTest::newRow(kCompanionCases[i].name) << int(i);
    }
    void aCompanionIsShownOnlyWhereItFits() {
        QFETCH(int, which);
        const CompanionCase& c = kCompanionCases[which];
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir(folder.path()).mkdir("Immagini");
        // Black as drawn, white at twice the pixels: the colour says which one is shown.
        QImage plain(50, 60, QImage::Format_RGB32);
        plain.fill(Qt::black);
        if (c.plainThere) QVERIFY(plain.save(folder.filePath("Immagini/trave01A.jpg")));
        const QString companion = folder.filePath("Immagini/trave01A@2x.jpg");
        QImage sharp(c.companion == Companion::OtherSize ? QSize(90, 120) : QSize(100, 120), QImage::Format_RGB32);
        sharp.fill(Qt::white);
        if (c.companion == Companion::Twice || c.companion == Companion::OtherSize) QVERIFY(sharp.save(companion));
        if (c.companion == Companion::NotAPicture) {
            QFile text(companion);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("Sezione rettangolare 100 x 150\n");
        }
        QVERIFY(QDir::setCurrent(folder.path()));

        SectionWindow* w = OpenWindows::OpenSectionWindow(1);
        QCOMPARE(QString::fromStdString(baricor::SectionPicturePath(w->Layout())), QString("Immagini/trave01A.jpg"));
        auto* picture = w->findChild<PictureBox*>("Picture1");
        const QSize diagramBox = picture->size();
        QTest::mouseClick(Field(w, FieldOfRole(w->Layout(), baricor::InputRole::Dimension)), Qt::LeftButton);

        const QString expected = !c.plainThere ? "unchanged" : Dense() ? c.atRatio2 : "plain";
        const QPixmap shown = picture->pixmap();
        if (expected == "unchanged") {
            QCOMPARE(picture->size(), diagramBox);
            return;
        }
        QCOMPARE(picture->size(), QSize(54, 64));  // the same on screen, whichever file
        const bool isSharp = expected == "sharp";
        QCOMPARE(shown.devicePixelRatio(), isSharp ? 2.0 : 1.0);
        QCOMPARE(shown.size(), isSharp ? QSize(100, 120) : QSize(50, 60));
        QCOMPARE(qGray(shown.toImage().pixel(10, 10)) > 128, isSharp);
    }

    // At ratio 1 the windows show what they always showed, in the same pixels.
    void atRatioOneThePicturesAreAsDrawn() {
        if (Dense()) QSKIP("checked at ratio 1");
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) {
            auto* picture = OpenWindows::OpenSectionWindow(layout->number)->findChild<PictureBox*>("Picture1");
            QVERIFY2(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
                         QImage(":/" + QString::fromStdString(layout->diagram)).convertToFormat(QImage::Format_RGB32),
                     layout->diagram.c_str());
        }
        MessageWindow errore(kNotNumericMessage, nullptr);
        QCOMPARE(errore.findChild<QLabel*>("Image1")->pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(errore.findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 32));
    }

private:
    QString previous_;
};

QTEST_MAIN(CrispPictureTest)
#include "CrispPictureTest.moc"
