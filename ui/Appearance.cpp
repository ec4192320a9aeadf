#include "Appearance.h"

#include <QApplication>
#include <QFileInfo>

#include "Fonts.h"

static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace Appearance {

void InitResources() { InitPictureResources(); }

void PrepareApplication() {
    QApplication::setStyle("Fusion");
    InitResources();
    QApplication::setWindowIcon(WrenchIcon());
    QApplication::setFont(DefaultFont());
}

QIcon WrenchIcon() {
    QIcon icon;
    icon.addFile(":/icons/wrench-16.png", QSize(16, 16));
    icon.addFile(":/icons/wrench-32.png", QSize(32, 32));
    return icon;
}

QPixmap WarningPicture(qreal devicePixelRatio) {
    return BuiltInPicture(":/icons/warning-32.png", devicePixelRatio);
}

QString DoubleDensityName(const QString& file) {
    const QFileInfo info(file);
    const QString suffix = info.suffix();
    const QString name = suffix.isEmpty() ? file : file.left(file.size() - suffix.size() - 1);
    return suffix.isEmpty() ? name + "@2x" : name + "@2x." + suffix;
}

bool WantsDoubleDensity(qreal devicePixelRatio) { return devicePixelRatio > 1.0; }

QPixmap BuiltInPicture(const QString& resource, qreal devicePixelRatio) {
    if (WantsDoubleDensity(devicePixelRatio)) {
        QPixmap sharp(DoubleDensityName(resource));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(resource);
}

}  // namespace Appearance
