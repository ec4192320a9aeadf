#pragma once
// The three pictures of every section and the program's icons. The diagram,
// the two pictures and the button are also drawn at `scale` 2, the same
// drawing at twice the pixels, for screens with a device pixel ratio of 2.

#include <QImage>

#include "sections.h"

namespace pictures {

// The section with its dimension letters, its centroid G and the axes x, y:
// the diagram a window opens with, and picture A.
QImage sectionDiagram(const Section &s, int scale = 1);
// The reference axes x', y' through O, moved by Dx, Dy from G and turned by theta.
QImage axesPicture(const Section &s, int scale = 1);
// The small hatched section above the caption of a menu push button.
QImage buttonPicture(const Section &s, int scale = 1);

QImage wrenchIcon(int size);
QImage warningSign(int scale = 1);

}  // namespace pictures
