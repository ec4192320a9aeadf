// Draws the section diagrams, the pictures A and B of every section, the menu
// button pictures and the icons, and writes them under the given folder
// (normally pictures/ in the source tree, where they are kept).
//
//   baricor-picture-generator DIR          write the pictures into DIR
//   baricor-picture-generator --check DIR  compare DIR with what would be drawn
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "catalogue.h"
#include "check.h"

namespace {

// Leaves files that would not change untouched, so their dates stay as they are.
bool writeIfChanged(const QString &path, const QByteArray &bytes, bool &changed) {
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes) return true;
    current.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return false;
    changed = true;
    return true;
}

int writeAll(const QString &root) {
    int written = 0;
    for (const pictures::PictureFile &file : pictures::catalogue()) {
        const QByteArray bytes = pictures::encode(file);
        const QString path = QDir(root).filePath(file.path);
        bool changed = false;
        if (bytes.isEmpty() || !writeIfChanged(path, bytes, changed)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        written += changed ? 1 : 0;
    }
    std::printf("%d picture files written to %s\n", written, qPrintable(QDir(root).absolutePath()));
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    // Fonts need the application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 2 && args[0] == "--check") {
        const int faults = pictures::checkPictureTree(args[1]);
        if (faults == 0)
            std::printf("all picture files present, in their formats and sizes\n");
        else
            std::printf("%d faults: run the regenerate-pictures target\n", faults);
        return faults == 0 ? 0 : 1;
    }
    if (args.size() == 1 && !args[0].startsWith("--")) return writeAll(args[0]);
    std::fprintf(stderr, "usage: baricor-picture-generator DIR | --check DIR\n");
    return 2;
}
