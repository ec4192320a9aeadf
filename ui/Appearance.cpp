#include "Appearance.h"

#include <QApplication>

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

QPixmap WarningPicture() { return QPixmap(":/icons/warning-32.png"); }

}  // namespace Appearance
