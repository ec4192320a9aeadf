#include "check.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <cstdio>

#include "catalogue.h"
#include "sections.h"

namespace pictures {
namespace {

int faults = 0;

void fault(const QString &what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    ++faults;
}

void checkFile(const QString &root, const PictureFile &expected) {
    const QString path = QDir(root).filePath(expected.path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fault(expected.path + ": missing");
    const QByteArray bytes = file.readAll();

    QImageReader reader(path);
    const QByteArray format = expected.format == "jpg" ? QByteArray("jpeg") : expected.format;
    if (reader.format() != format) return fault(expected.path + ": not a " + format + " file");
    if (reader.size() != expected.image.size())
        fault(QStringLiteral("%1: %2x%3 pixels, drawn at %4x%5")
                  .arg(expected.path)
                  .arg(reader.size().width())
                  .arg(reader.size().height())
                  .arg(expected.image.width())
                  .arg(expected.image.height()));
    if (expected.format == "bmp") {
        // BITMAPINFOHEADER after the 14-byte file header: bit count at 28, compression at 30.
        const bool plain = bytes.size() > 34 && qFromLittleEndian<quint16>(bytes.constData() + 28) == 24 &&
                           qFromLittleEndian<quint32>(bytes.constData() + 30) == 0;
        if (!plain) fault(expected.path + ": not an uncompressed 24-bit bitmap");
    }
    if (expected.format == "png" && !reader.read().hasAlphaChannel())
        fault(expected.path + ": no transparent ground");
}

void checkQrc(const QString &root, const std::vector<PictureFile> &files) {
    QFile qrc(QDir(root).filePath("pictures.qrc"));
    if (!qrc.open(QIODevice::ReadOnly | QIODevice::Text)) return fault("pictures.qrc: missing");
    const QString text = QString::fromUtf8(qrc.readAll());
    QSet<QString> known;
    for (const PictureFile &f : files) known.insert(f.path);
    QSet<QString> listed;
    static const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const QString path = it.next().captured(1).trimmed();
        listed.insert(path);
        if (!known.contains(path)) fault("pictures.qrc: " + path + " is not a generated picture");
    }
    // What the windows load from the resources: each diagram and button at
    // both scales, the window icon and the warning sign at both scales.
    for (const PictureFile &f : files) {
        const bool needed = f.path.startsWith("diagrams/") || f.path.startsWith("buttons/") ||
                            f.path == "icons/wrench-16.png" || f.path == "icons/wrench-32.png" ||
                            f.path.startsWith("icons/warning-32");
        if (needed && !listed.contains(f.path)) fault("pictures.qrc: " + f.path + " is not listed");
    }
}

}  // namespace

int checkPictureTree(const QString &root) {
    faults = 0;
    const std::vector<PictureFile> files = catalogue();
    const std::vector<PictureFile> again = catalogue();
    for (std::size_t i = 0; i < files.size(); ++i) {
        checkFile(root, files[i]);
        if (encode(files[i]) != encode(again[i])) fault(files[i].path + ": drawing it twice gives different bytes");
    }
    checkQrc(root, files);

    // The menu buttons are 81x81 pixels with a caption under the picture.
    for (const Section &s : sections()) {
        const QSize b = s.buttonSize;
        if (b.width() < 41 || b.width() > 52 || b.height() < 47 || b.height() > 63)
            fault(QStringLiteral("button %1: %2x%3 pixels does not fit above the caption")
                      .arg(s.number)
                      .arg(b.width())
                      .arg(b.height()));
    }
    return faults;
}

}  // namespace pictures
