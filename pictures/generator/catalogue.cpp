#include "catalogue.h"

#include <QBuffer>
#include <QImageWriter>

#include "drawings.h"
#include "sections.h"

namespace pictures {

std::vector<PictureFile> catalogue() {
    std::vector<PictureFile> files;
    for (const Section &s : sections()) {
        const QString nn = QStringLiteral("%1").arg(s.number, 2, 10, QLatin1Char('0'));
        const QImage diagram = sectionDiagram(s);
        files.push_back({"diagrams/" + s.name + "." + s.diagramFormat, s.diagramFormat, diagram});
        files.push_back({"Immagini/trave" + nn + "A.jpg", "jpg", diagram});
        files.push_back({"Immagini/trave" + nn + "B.jpg", "jpg", axesPicture(s)});
        files.push_back({"buttons/" + s.name + ".bmp", "bmp", buttonPicture(s)});
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        files.push_back({QStringLiteral("icons/wrench-%1.png").arg(size), "png", wrenchIcon(size)});
    files.push_back({"icons/warning-32.png", "png", warningSign()});
    return files;
}

QByteArray encode(const PictureFile &file) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, file.format);
    if (file.format == "jpg") {
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
    }
    // BMP: the writer stores a 32-bit image as uncompressed 24-bit rows.
    const QImage image = file.format == "png" ? file.image : file.image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(image)) return {};
    return bytes;
}

}  // namespace pictures
