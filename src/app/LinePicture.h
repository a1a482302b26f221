// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture box that paints line segments given in its own drawing units: the
// area (left, top, width, height) is shown as large as the widget allows, y
// downward; with one scale for x and y, centred (a square stays a square), or
// stretched over the whole widget where x and y are different quantities.
#include <QColor>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "core/piece/LineSegment.h"

class QPainter;

namespace gw {

class LinePicture : public QWidget {
    Q_OBJECT
public:
    explicit LinePicture(const QString& objectName, QWidget* parent = nullptr);

    void SetLines(const QRectF& area, std::vector<LineSegment> lines);
    void SetColors(const QColor& foreground, const QColor& background);
    void SetKeepAspect(bool keep) { keepAspect_ = keep; }
    QColor foreground() const { return foreground_; }
    QColor background() const { return background_; }
    const std::vector<LineSegment>& lines() const { return lines_; }

    // Between the widget's pixels and the drawing units.
    QPointF ToArea(const QPointF& pixel) const;
    QPointF FromArea(const QPointF& point) const;

    // Paints the lines into any painter over the given rectangle.
    static void PaintLines(QPainter& painter, const QRect& target, const QRectF& area,
                           const std::vector<LineSegment>& lines, const QColor& foreground, const QColor& background,
                           bool keepAspect = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF area_{0, 0, 1, 1};
    std::vector<LineSegment> lines_;
    QColor foreground_;
    QColor background_;
    bool keepAspect_ = true;
};

}  // namespace gw
