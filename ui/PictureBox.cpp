#include "PictureBox.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "Appearance.h"

namespace {

// The size `file` declares, or an invalid size where it is missing, not a
// regular file, not an image, or too large to decode safely.
QSize DeclaredSize(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) return {};
    const QSize size = QImageReader(file).size();
    if (!size.isValid() || qint64(size.width()) * size.height() > PictureBox::kMaxPixels) return {};
    return size;
}

// Decodes `file`, which must give exactly `size` pixels.
bool Decode(const QString& file, QSize size, QImage& image) {
    QImageReader reader(file);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(int(PictureBox::kMaxPixels * 4 / (1024 * 1024)) + 1);  // megabytes
    return reader.read(&image) && !image.isNull() && image.size() == size;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus);
}

bool PictureBox::LoadPicture(const QString& file) {
    const QSize size = DeclaredSize(file);
    if (!size.isValid()) return false;

    // On a dense screen, the companion at twice the pixels shows in its place;
    // one of any other size belongs to an older picture and is passed over, as
    // is one that cannot be read. At ratio 1 it is not even looked for.
    if (Appearance::WantsDoubleDensity(devicePixelRatioF())) {
        const QString sharpFile = Appearance::DoubleDensityName(file);
        QImage sharp;
        if (DeclaredSize(sharpFile) == size * 2 && Decode(sharpFile, size * 2, sharp)) {
            sharp.setDevicePixelRatio(2.0);
            Show(sharp);
            return true;
        }
    }

    QImage image;
    if (!Decode(file, size, image)) return false;
    Show(image);
    return true;
}

void PictureBox::Show(const QImage& image) {
    setPixmap(QPixmap::fromImage(image));
    // The box takes the picture's size on screen, whichever set it came from.
    const QSize shown = image.deviceIndependentSize().toSize();
    resize(shown.width() + 2 * kBorder, shown.height() + 2 * kBorder);
}
