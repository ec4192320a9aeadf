#include "PictureBox.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus);
}

bool PictureBox::LoadPicture(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) return false;

    QImageReader reader(file);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels) return false;
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);  // megabytes

    QImage image;
    if (!reader.read(&image) || image.isNull() || image.size() != size) return false;
    Show(image);
    return true;
}

void PictureBox::Show(const QImage& image) {
    setPixmap(QPixmap::fromImage(image));
    resize(image.width() + 2 * kBorder, image.height() + 2 * kBorder);
}
