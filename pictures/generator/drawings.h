#pragma once
// The three pictures of every section and the program's icons.

#include <QImage>

#include "sections.h"

namespace pictures {

// The section with its dimension letters, its centroid G and the axes x, y:
// the diagram a window opens with, and picture A.
QImage sectionDiagram(const Section &s);
// The reference axes x', y' through O, moved by Dx, Dy from G and turned by theta.
QImage axesPicture(const Section &s);
// The small hatched section above the caption of a menu push button.
QImage buttonPicture(const Section &s);

QImage wrenchIcon(int size);
QImage warningSign();

}  // namespace pictures
