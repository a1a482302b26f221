// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImagePicture.h"

#include <QPainter>

#include "core/image/RgbImage.h"

namespace gw {

ImagePicture::ImagePicture(int width, int height, QWidget* parent) : QWidget(parent) {
    setFixedSize(width, height);
    setAutoFillBackground(true);
}

void ImagePicture::ShowImage(const RgbImage& image) {
    if (image.empty()) return;
    // The pixels are borrowed for the one scaling call only.
    const QImage pixels(image.data(), image.width(), image.height(), static_cast<qsizetype>(image.rowBytes()),
                        QImage::Format_RGB888);
    shown_ = pixels.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    repaint();
}

void ImagePicture::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

}  // namespace gw
