#pragma once
// A frame with a caption ("Dati", "Traslazione e Rotazione") drawn the way the
// window's layout places it: the caption sits on the frame's top line, and the
// line runs half the caption's height below the frame's top. The toolkit's own
// group box puts the line below the caption instead, where the first row of
// fields would cover it.

#include <QGroupBox>

class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    CaptionFrame(const QString& caption, QWidget* parent);

    // The frame's top line, in the frame's own coordinates.
    int BorderTop() const;
    // Where the caption is drawn, over the top line.
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
