#include "Fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <cmath>

namespace {

QFont FontOf(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    // Pixel sizes keep text in step with the twip layout, whatever dpi the
    // display reports; Qt still scales them on high-density screens.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont SansFont(double points, bool bold) {
    QFont font = FontOf({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial",
                         "DejaVu Sans Condensed", "DejaVu Sans"},
                        points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

QFont SerifFont(double points, bool italic) {
    QFont font = FontOf({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"}, points);
    font.setStyleHint(QFont::Serif);
    font.setItalic(italic);
    return font;
}

QFont DefaultFont() { return SansFont(8.25); }

void FitLabelText(QLabel* label) {
    QFont font = label->font();
    const QRect box(QPoint(0, 0), label->size());
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | static_cast<int>(label->alignment());
    while (font.pixelSize() > 6) {
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, label->text());
        if (needed.width() <= box.width() && needed.height() <= box.height()) break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}
