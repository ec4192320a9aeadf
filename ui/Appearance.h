#pragma once
// The look every window shares: style, default font, the built-in pictures,
// the wrench icon and the warning sign.

#include <QIcon>
#include <QPixmap>

namespace Appearance {

// Built-in pictures compiled into the program.
void InitResources();
// Called once, after the QApplication exists.
void PrepareApplication();
// The grey wrench every window carries, and the warning sign of the messages,
// drawn for a screen of `devicePixelRatio`.
QIcon WrenchIcon();
QPixmap WarningPicture(qreal devicePixelRatio = 1.0);

// Pictures come in two sets: as drawn, and at twice the pixels beside them
// ("trave05A.jpg", "trave05A@2x.jpg"). The name of the second for a file of the first.
QString DoubleDensityName(const QString& file);
// Whether a screen of that ratio shows the second set: any ratio above 1, as a
// picture drawn finer and shrunk a little looks sharper than one enlarged.
bool WantsDoubleDensity(qreal devicePixelRatio);
// A built-in picture (a resource path) for a screen of that ratio: the second
// set's picture, marked as twice as dense, where the screen wants it and it is
// there; otherwise the picture as drawn. At ratio 1 the second set is never read.
QPixmap BuiltInPicture(const QString& resource, qreal devicePixelRatio);

}  // namespace Appearance
