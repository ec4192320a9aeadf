#include "catalogue.h"

#include <QBuffer>
#include <QImageWriter>

#include "drawings.h"
#include "sections.h"

namespace pictures {

namespace {
QString atScale(const QString &name, int scale) { return scale == 1 ? name : name + "@2x"; }
}  // namespace

std::vector<PictureFile> catalogue() {
    std::vector<PictureFile> files;
    // Scale 2: the companions a screen of twice the density shows in their
    // place, named as Qt names them ("l-section@2x.jpg").
    for (int scale : {1, 2}) {
        for (const Section &s : sections()) {
            const QString nn = QStringLiteral("%1").arg(s.number, 2, 10, QLatin1Char('0'));
            const QImage diagram = sectionDiagram(s, scale);
            files.push_back({atScale("diagrams/" + s.name, scale) + "." + s.diagramFormat, s.diagramFormat, diagram});
            files.push_back({atScale("Immagini/trave" + nn + "A", scale) + ".jpg", "jpg", diagram});
            files.push_back({atScale("Immagini/trave" + nn + "B", scale) + ".jpg", "jpg", axesPicture(s, scale)});
            files.push_back({atScale("buttons/" + s.name, scale) + ".bmp", "bmp", buttonPicture(s, scale)});
        }
        if (scale == 1) {
            for (int size : {16, 32, 48, 64, 128, 256})
                files.push_back({QStringLiteral("icons/wrench-%1.png").arg(size), "png", wrenchIcon(size)});
        }
        files.push_back({atScale("icons/warning-32", scale) + ".png", "png", warningSign(scale)});
    }
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
