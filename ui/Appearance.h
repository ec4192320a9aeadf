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
// The grey wrench every window carries, and the warning sign of the messages.
QIcon WrenchIcon();
QPixmap WarningPicture();

}  // namespace Appearance
