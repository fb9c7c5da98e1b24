// An icon drawn from SVG data at whatever size it is asked for.
//
// The program's icons are vector drawings so that they stay sharp at every scale factor: each
// request renders the drawing afresh at the exact pixel size, keeping the drawing's proportions
// (the move arrows are taller than wide) and centring it in the requested area.
#pragma once

#include <QByteArray>
#include <QIconEngine>
#include <QSvgRenderer>

namespace sheetwise {

class SvgIconEngine final : public QIconEngine {
  public:
    // `svg` must be a valid drawing (see IsValid).
    explicit SvgIconEngine(const QByteArray& svg);

    bool IsValid() const { return renderer_.isValid(); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

  private:
    QByteArray svg_;
    QSvgRenderer renderer_;
};

}  // namespace sheetwise
