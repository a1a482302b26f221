#include "app/DisplacementWindow.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "core/image/RgbImage.h"

namespace gw {

namespace {

constexpr int kPictureSize = 513;

// Paints the window's picture one to one.
class PicturePane : public QWidget {
public:
    PicturePane(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
        setObjectName("picDisplaceMap");
        setFixedSize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    const QImage& picture_;
};

}  // namespace

DisplacementWindow::DisplacementWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), picture_(kPictureSize, kPictureSize, QImage::Format_RGB32) {
    setObjectName("frmDisplacement");
    setWindowTitle("Displacement Map");
    picture_.fill(palette().color(QPalette::Window));
    picDisplaceMap_ = new PicturePane(picture_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(picDisplaceMap_);
    scroll->setAlignment(Qt::AlignCenter);
    lblStatus_ = new QLabel(" ", this);
    lblStatus_->setObjectName("lblStatus");
    lblStatus_->setFrameShape(QFrame::StyledPanel);
    lblStatus_->setFrameShadow(QFrame::Sunken);
    auto* page = new QVBoxLayout(this);
    page->addWidget(scroll, 1);
    page->addWidget(lblStatus_);
    resize(kPictureSize + 40, kPictureSize + 70);
}

void DisplacementWindow::Status(const std::string& text) {
    lblStatus_->setText(MessageToQ(text));
    lblStatus_->repaint();
}

void DisplacementWindow::ShowPreview() {
    show();
    raise();
    repaint();
}

void DisplacementWindow::DrawMap(const RgbImage& pixels) {
    const int width = std::min(pixels.width(), kPictureSize);
    const int height = std::min(pixels.height(), kPictureSize);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = 0xff000000u | pixels.Rgb(x, y);
    }
    picDisplaceMap_->update();
}

}  // namespace gw
