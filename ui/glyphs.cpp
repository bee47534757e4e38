// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyphs.h"
#include "ui/pngresource.h"

#include "ui/glyphstyle.h"
#include "ui/glyphsymbols.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <functional>
#include <memory>

namespace tangram {

namespace {

using Painting = std::function<void(QPainter&, const QRectF&, bool on)>;

// Greys `image` out for the Disabled mode: grey tones, lighter, and half transparent.
void greyOut(QImage& image) {
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(line[x]) * 5 / 8;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 11 / 20);
        }
    }
}

// An icon engine that paints its picture afresh for every size asked, so that the icon is as sharp
// at 42 device pixels as at 21. QIcon asks for device pixels and sets the device pixel ratio
// itself.
class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(Painting painting) : m_painting(std::move(painting)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        if (mode != QIcon::Disabled) {
            m_painting(*painter, rect, state == QIcon::On);
            return;
        }
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (size.isEmpty())
            return QPixmap();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            m_painting(painter, QRectF(QPointF(0, 0), size), state == QIcon::On);
        }
        if (mode == QIcon::Disabled)
            greyOut(image);
        return QPixmap::fromImage(std::move(image));
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_painting); }
    QString key() const override { return QStringLiteral("tangram-painted"); }

private:
    Painting m_painting;
};

void paintGlyphUnits(QPainter& painter, ToolGlyph glyph, bool on) {
    using namespace glyphs;
    switch (glyph) {
    case ToolGlyph::Newgame:
        return paintNewgame(painter);
    case ToolGlyph::Load:
        return paintLoad(painter);
    case ToolGlyph::Save:
        return paintSave(painter);
    case ToolGlyph::Stat:
        return paintStat(painter);
    case ToolGlyph::Exit:
        return paintExit(painter);
    case ToolGlyph::Humans:
    case ToolGlyph::Animals:
    case ToolGlyph::Tools:
    case ToolGlyph::Buildings:
    case ToolGlyph::Figures:
    case ToolGlyph::Twins:
    case ToolGlyph::Convex:
    case ToolGlyph::Letters:
        return paintCategory(painter,
                             static_cast<int>(glyph) - static_cast<int>(ToolGlyph::Humans));
    case ToolGlyph::Select:
        return paintSelect(painter);
    case ToolGlyph::Up:
        return paintUp(painter);
    case ToolGlyph::Down:
        return paintDown(painter);
    case ToolGlyph::Tip:
        return paintTip(painter);
    case ToolGlyph::Sound:
        return paintSound(painter, on);
    case ToolGlyph::Tongue:
        return paintTongue(painter);
    case ToolGlyph::Rules:
        return paintRules(painter);
    case ToolGlyph::Info:
        return paintInfo(painter);
    case ToolGlyph::Web:
        return paintWeb(painter);
    }
}

} // namespace

void paintToolGlyph(QPainter& painter, const QRectF& target, ToolGlyph glyph, bool on) {
    const qreal side = std::min(target.width(), target.height());
    if (side <= 0)
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.center() - QPointF(side, side) / 2);
    painter.scale(side / glyphstyle::kGlyphUnits, side / glyphstyle::kGlyphUnits);
    paintGlyphUnits(painter, glyph, on);
    painter.restore();
}

QIcon toolGlyph(ToolGlyph glyph) {
    auto painting = [glyph](QPainter& painter, const QRectF& target, bool on) {
        paintToolGlyph(painter, target, glyph, on);
    };
    return QIcon(new PaintedIconEngine(painting));
}

// The sizes the window manager and the dialogs ask for, up to 64 pixels at twice the density. Every
// size is sent to the X server with each window, so there is no larger one.
QIcon programIcon() {
    QStringList sizes;
    for (int side : {16, 24, 32, 48, 64, 128})
        sizes << QStringLiteral(":/icons/icon-%1.png").arg(side);
    return iconFromPngResources(sizes);
}

} // namespace tangram
