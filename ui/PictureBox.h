#pragma once
// Picture1, the diagram box: a picture in a 2-pixel sunken border, the box
// sized to its picture.

#include <QLabel>

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the picture in `file` (a path or a resource). A file that is
    // missing, not a regular file, not an image, damaged or too large to decode
    // safely leaves the current picture as it is; the result says which. On a
    // screen of device pixel ratio above 1, the companion drawn at twice the
    // pixels ("trave05A@2x.jpg" beside "trave05A.jpg") shows instead, at the
    // same size on screen, where it is there and exactly twice as large.
    bool LoadPicture(const QString& file);

    // The largest picture accepted, in pixels, so that no file can exhaust memory.
    static constexpr qint64 kMaxPixels = 4096LL * 4096LL;
    static constexpr int kBorder = 2;

private:
    void Show(const QImage& image);
};
