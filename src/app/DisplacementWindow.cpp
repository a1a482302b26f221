// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplacementWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/StatusLabel.h"
#include "app/WindowPlacement.h"
#include "core/image/RgbImage.h"

namespace gw {

namespace {

constexpr int kPictureSize = 513;

// Shows the map as large as the pane allows with its pixels square: a small map
// is enlarged by whole steps so each pixel stays sharp, the 513 map is shrunk
// to fit a small screen.
class PicturePane : public QWidget {
public:
    PicturePane(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
        setObjectName("picDisplaceMap");
        setMinimumSize(128, 128);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return QSize(kPictureSize, kPictureSize); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        if (picture_.isNull()) return;
        QSize shown = picture_.size().scaled(size(), Qt::KeepAspectRatio);
        const int step = shown.width() / picture_.width();
        if (step >= 1) shown = picture_.size() * step;
        const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, step < 1);
        painter.drawImage(target, picture_);
    }

private:
    const QImage& picture_;
};

}  // namespace

DisplacementWindow::DisplacementWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmDisplacement");
    setWindowTitle("Displacement Map");
    picDisplaceMap_ = new PicturePane(picture_, this);
    lblStatus_ = new StatusLabel(this);
    auto* page = new QVBoxLayout(this);
    page->addWidget(picDisplaceMap_, 1);
    page->addWidget(lblStatus_);
    // The whole map when the screen has room for it, less on a small screen.
    const QSize room = screen()->availableGeometry().size() - QSize(10, 40);
    resize(sizeHint().boundedTo(room));
}

void DisplacementWindow::Status(const std::string& text) {
    lblStatus_->setText(MessageToQ(text));
    lblStatus_->repaint();
}

void DisplacementWindow::ShowPreview() {
    show();
    WindowPlacement::KeepOnScreen(*this);
    raise();
    repaint();
}

void DisplacementWindow::DrawMap(const RgbImage& pixels) {
    // Each map replaces the last one whole: a small map is never shown in the
    // corner of an older, larger one.
    picture_ = QImage(pixels.width(), pixels.height(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) line[x] = 0xff000000u | pixels.Rgb(x, y);
    }
    picDisplaceMap_->update();
}

}  // namespace gw
