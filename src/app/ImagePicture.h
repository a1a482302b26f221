// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture box showing an RgbImage scaled to the box's fixed size: the texture
// builder's preview picMap.
#include <QImage>
#include <QWidget>

namespace gw {

class RgbImage;

class ImagePicture : public QWidget {
    Q_OBJECT
public:
    ImagePicture(int width, int height, QWidget* parent = nullptr);

    // Scales the image to the box and repaints at once.
    void ShowImage(const RgbImage& image);
    // What the box shows now (null before the first image).
    const QImage& shown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage shown_;
};

}  // namespace gw
