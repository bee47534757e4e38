// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/contactsheet.h"

#include "model/boardcanvas.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace tangram::patterns {

namespace {

constexpr int kCellWidth = 120;
constexpr int kCellHeight = 95;
constexpr int kZoom = 2;
constexpr int kPerRow = 5;
constexpr int kGap = 16;
constexpr int kNameHeight = 40;
constexpr int kTitleHeight = 44;

QColor colour(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// One thumbnail exactly as the selection dialog lays it out, at one pixel per grid unit.
QImage thumbnail(const CompiledFigure& figure, int number) {
    QImage image(kCellWidth + 1, kCellHeight + 1, QImage::Format_RGB32);
    image.fill(colour(kSilver));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(colour(kBlack));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kCellWidth, kCellHeight);
    QFont small("DejaVu Sans");
    small.setPixelSize(10);
    p.setFont(small);
    p.drawText(QRect(3, 1, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, QString::number(number));
    p.setBrush(colour(figure.valid ? kBlack : kRed));
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const PieceCorners corners = PieceOutline(piece, figure.record[piece - 1]);
        QPolygon polygon;
        for (int k = 0; k < corners.count; ++k) {
            const GridOffset v = corners.points[static_cast<std::size_t>(k)];
            polygon << QPoint(v.x, 15 + v.y);
        }
        p.drawPolygon(polygon);
    }
    return image;
}

} // namespace

QImage renderSheet(const std::vector<const CompiledFigure*>& figures, const QString& title,
                   bool captions) {
    const int count = static_cast<int>(figures.size());
    const int rows = (count + kPerRow - 1) / kPerRow;
    const int tileW = kCellWidth * kZoom;
    const int tileH = kCellHeight * kZoom + (captions ? kNameHeight : 0);
    QImage sheet(kGap + kPerRow * (tileW + kGap), kTitleHeight + rows * (tileH + kGap) + kGap,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont big("DejaVu Sans");
    big.setPixelSize(22);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::black);
    p.drawText(QRect(kGap, 8, sheet.width() - 2 * kGap, kTitleHeight - 8), Qt::AlignLeft, title);
    QFont names("DejaVu Sans");
    names.setPixelSize(13);
    p.setFont(names);
    for (int i = 0; i < count; ++i) {
        const CompiledFigure& f = *figures[i];
        const int x = kGap + (i % kPerRow) * (tileW + kGap);
        const int y = kTitleHeight + (i / kPerRow) * (tileH + kGap);
        const QImage thumb =
            thumbnail(f, i + 1).scaled((kCellWidth + 1) * kZoom, (kCellHeight + 1) * kZoom,
                                       Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawImage(x, y, thumb);
        if (!captions)
            continue;
        p.setPen(f.valid ? Qt::black : Qt::red);
        p.drawText(QRect(x, y + kCellHeight * kZoom + 4, tileW, 18), Qt::AlignLeft,
                   QString::fromStdString(f.source.english));
        p.setPen(Qt::darkGray);
        p.drawText(QRect(x, y + kCellHeight * kZoom + 21, tileW, 18), Qt::AlignLeft,
                   QString::fromStdString(f.source.german));
    }
    return sheet;
}

QImage renderContactSheet(const Library& library, int category) {
    const std::vector<const CompiledFigure*> figures = library.inCategory(category);
    QString title = QString::number(category) + "  ";
    for (const CategorySource& c : library.categories)
        if (c.category == category)
            title += QString::fromStdString(c.english + " / " + c.german);
    title += QStringLiteral("  (%1 figures)").arg(figures.size());
    return renderSheet(figures, title, true);
}

} // namespace tangram::patterns
