#pragma once
// Every picture file the program ships, by its path under pictures/.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace pictures {

struct PictureFile {
    QString path;       // "diagrams/rectangle.jpg"
    QByteArray format;  // "jpg", "bmp" or "png"
    QImage image;
};

std::vector<PictureFile> catalogue();

// The file's bytes. JPEG quality and every header field are fixed, so drawing
// the same picture again gives the same bytes.
QByteArray encode(const PictureFile &file);

}  // namespace pictures
