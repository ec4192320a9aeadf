#include "Fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QStringList>
#include <algorithm>
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

void FitPlainText(QPlainTextEdit* field, const QString& text) {
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setPlainText(text);

    // The room the text has: the field less its frame and the document's margins,
    // and one pixel for the text cursor at the end of the longest line.
    const qreal margin = field->document()->documentMargin();
    const qreal width = field->contentsRect().width() - 2 * margin - 1;
    const qreal height = field->contentsRect().height() - 2 * margin;
    QFont font = field->font();
    while (font.pixelSize() > 6) {
        qreal widest = 0;
        qreal total = 0;
        for (const QString& line : text.split('\n')) {
            QTextLayout layout(line, font);
            layout.beginLayout();
            const QTextLine laid = layout.createLine();
            layout.endLayout();
            widest = std::max(widest, laid.naturalTextWidth());
            total += laid.height();
        }
        if (widest <= width && total <= height) break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    field->setFont(font);
}

QFont FiguresFont(QFont font) {
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
