#include "ReportPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "Fonts.h"

namespace Report::Page {

const QColor kRule(160, 160, 160);

QString OneLine(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QChar(' ');
    return text;
}

QFont TitleFont() { return SansFont(15, true); }
QFont CaptionFont() { return SansFont(11, true); }
QFont BodyFont() { return SansFont(9); }
QFont LabelFont() { return SansFont(9, true); }

Metrics MetricsOn(const QPainter& painter) {
    Metrics m;
    m.rowHeight = QFontMetricsF(BodyFont(), painter.device()).height() + 5;
    m.captionHeight = QFontMetricsF(CaptionFont(), painter.device()).height() + 8;
    return m;
}

double PaintHeader(QPainter& painter, const QRectF& content, const QString& title, const QString& caption,
                   const QDateTime& when) {
    double y = content.top();
    painter.setPen(Qt::black);
    painter.setFont(TitleFont());
    const double titleHeight = QFontMetricsF(TitleFont(), painter.device()).height();
    painter.drawText(QRectF(content.left(), y, content.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    y += titleHeight + 4;
    painter.setFont(CaptionFont());
    const double captionHeight = QFontMetricsF(CaptionFont(), painter.device()).height();
    painter.drawText(QRectF(content.left(), y, content.width(), captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     caption);
    painter.setFont(BodyFont());
    painter.drawText(QRectF(content.left(), y, content.width(), captionHeight), Qt::AlignRight | Qt::AlignVCenter,
                     "Data: " + when.toString("dd/MM/yyyy HH:mm"));
    y += captionHeight + 6;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(content.left(), y), QPointF(content.right(), y));
    return y + 10;
}

void PaintCaption(QPainter& painter, const QString& caption, double left, double top, double width, double height) {
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    painter.drawText(QRectF(left, top, width, height - 4), Qt::AlignLeft | Qt::AlignBottom, caption);
    painter.setPen(QPen(kRule, 0.75));
    painter.drawLine(QPointF(left, top + height - 2), QPointF(left + width, top + height - 2));
}

std::pair<Column, Column> Columns(const std::vector<Group>& groups, const Metrics& m) {
    double total = 0;
    for (const Group& g : groups) total += m.GroupHeight(g) + kGroupGap;
    std::pair<Column, Column> columns;
    double first = 0;
    for (const Group& g : groups) {
        if (first < total / 2) {
            columns.first.push_back(&g);
            first += m.GroupHeight(g) + kGroupGap;
        } else {
            columns.second.push_back(&g);
        }
    }
    return columns;
}

double ColumnHeight(const Column& column, const Metrics& m) {
    double height = 0;
    for (const Group* g : column) height += m.GroupHeight(*g) + kGroupGap;
    return height;
}

void PaintColumns(QPainter& painter, const std::pair<Column, Column>& columns, double left, double top,
                  double width, double bottom, const Metrics& m) {
    const double columnWidth = (width - kColumnGap) / 2;
    for (const auto& [column, x] :
         {std::pair{&columns.first, left}, std::pair{&columns.second, left + columnWidth + kColumnGap}}) {
        double y = top;
        for (const Group* g : *column)
            y += PaintGroup(painter, *g, QRectF(x, y, columnWidth, bottom - y), m) + kGroupGap;
    }
}

double PaintGroup(QPainter& painter, const Group& group, const QRectF& column, const Metrics& m) {
    double y = column.top();
    PaintCaption(painter, group.caption, column.left(), y, column.width(), m.captionHeight);
    y += m.captionHeight;
    const double labelWidth = column.width() * 0.2;
    const double unitWidth = column.width() * 0.2;
    const double textWidth = column.width() - labelWidth - unitWidth;
    const QFontMetricsF bodyMetrics(BodyFont(), painter.device());
    painter.setPen(Qt::black);
    for (const TableRow& row : group.rows) {
        painter.setFont(LabelFont());
        painter.drawText(QRectF(column.left() + 4, y, labelWidth - 4, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         OneLine(row.label));
        painter.setFont(BodyFont());
        // A text longer than its column (a paste can be any length) ends in an ellipsis.
        const QString text = bodyMetrics.elidedText(OneLine(row.text), Qt::ElideRight, textWidth - 8);
        painter.drawText(QRectF(column.left() + labelWidth, y, textWidth - 8, m.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.drawText(QRectF(column.left() + labelWidth + textWidth, y, unitWidth, m.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, OneLine(row.unit));
        y += m.rowHeight;
    }
    return y - column.top();
}

}  // namespace Report::Page
