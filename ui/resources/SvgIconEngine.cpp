#include "ui/resources/SvgIconEngine.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

namespace sheetwise {

namespace {

// A disabled icon is drawn faded as a whole, the way disabled buttons show their text.
constexpr qreal kDisabledOpacity = 0.35;

// The largest rectangle of the drawing's proportions that fits in `area`, centred in it.
QRectF FitCentred(const QSizeF& drawing, const QRect& area) {
    QSizeF size = drawing.isEmpty() ? QSizeF(area.size()) : drawing;
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRectF fitted(QPointF(), size);
    fitted.moveCenter(QRectF(area).center());
    return fitted;
}

QImage TransparentImage(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Fading the finished image, not each shape, keeps overlapping shapes from adding up again.
QImage Faded(const QImage& image) {
    QImage faded = TransparentImage(image.size());
    QPainter painter(&faded);
    painter.setOpacity(kDisabledOpacity);
    painter.drawImage(0, 0, image);
    return faded;
}

}  // namespace

SvgIconEngine::SvgIconEngine(const QByteArray& svg) : svg_(svg), renderer_(svg) {}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state));
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) {
    if (size.isEmpty()) {
        return QPixmap();
    }
    QImage image = TransparentImage(size);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, FitCentred(renderer_.viewBoxF().size(), image.rect()));
    }
    return QPixmap::fromImage(mode == QIcon::Disabled ? Faded(image) : image);
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(svg_);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("sheetwise-svg");
}

}  // namespace sheetwise
