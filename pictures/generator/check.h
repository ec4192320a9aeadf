#pragma once
#include <QString>

namespace pictures {

// Checks the pictures kept under `root` against what the generator draws:
// each file present in its format and pixel size, the bitmaps uncompressed
// 24-bit, drawing repeatable to the byte, and pictures.qrc naming only files
// that are there. Prints each fault and returns how many there were.
int checkPictureTree(const QString &root);

}  // namespace pictures
