// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <algorithm>
#include <QScreen>
#include <QWidget>

#include "app/AppSettings.h"
#include "app/QtText.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

constexpr double kTwipsPerPixel = 15.0;
const QString kNotFound = QStringLiteral("Not found");

QSize ScreenPixels(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

int ToPixels(double twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }
double ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace

QString PlacementKey(const QString& caption) {
    // The unsaved-changes mark is not part of the window's name.
    QString name = caption;
    if (name.endsWith(" *")) name.chop(2);
    const std::string text = FromQ(name);
    return ToQ(TrimBlanks(GetElement(GetElement(text, "-", 0), ":", 0)));
}

QString TwipsText(double twips) { return ToQ(TrimBlanks(PaddedNumberText(twips))); }

double CenteredEdgeTwips(double screenTwips, double windowTwips) {
    const double d = RoundHalfEven(screenTwips) - RoundHalfEven(windowTwips);
    return d < 1 ? 0.0 : d / 2;
}

QRect PlaceOnScreens(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty()) return frame;
    const QRect* best = &screens.front();
    long long bestArea = -1;
    for (const QRect& screen : screens) {
        if (screen.contains(frame)) return frame;
        const QRect shared = screen.intersected(frame);
        const long long area = shared.isEmpty() ? 0 : static_cast<long long>(shared.width()) * shared.height();
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    QRect placed(frame.topLeft(), frame.size().boundedTo(best->size()));
    placed.moveLeft(std::clamp(placed.left(), best->left(), best->right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), best->top(), best->bottom() - placed.height() + 1));
    return placed;
}

void WindowPlacement::KeepOnScreen(QWidget& window) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    if (const QScreen* primary = QGuiApplication::primaryScreen()) screens.prepend(primary->availableGeometry());
    const QRect frame = window.frameGeometry();
    const QRect placed = PlaceOnScreens(frame, screens);
    if (placed == frame) return;
    window.resize(window.size() - (frame.size() - placed.size()));
    window.move(window.pos() + (placed.topLeft() - frame.topLeft()));
}

void WindowPlacement::RestoreFormPosition(QWidget& window) {
    if (window.isMinimized()) return;
    const QString key = PlacementKey(window.windowTitle());
    const QString top = settings_.Get("Top" + key, kNotFound);
    if (top != kNotFound)
        window.move(window.x(), ToPixels(ValueOfText(FromQ(top))));
    else
        CenterFormVertically(window);
    const QString left = settings_.Get("Left" + key, kNotFound);
    if (left != kNotFound)
        window.move(ToPixels(ValueOfText(FromQ(left))), window.y());
    else
        CenterFormHorizontally(window);
    // A place stored under another arrangement of screens may be on none now.
    if (top != kNotFound || left != kNotFound) KeepOnScreen(window);
}

void WindowPlacement::RestoreFormSize(QWidget& window) {
    if (window.isMinimized()) return;
    const QString key = PlacementKey(window.windowTitle());
    const QString height = settings_.Get("Height" + key, kNotFound);
    if (height != kNotFound)
        window.resize(window.width(), ToPixels(ValueOfText(FromQ(height))));
    else
        window.resize(window.width(), ScreenPixels(window).height() - window.y() - ToPixels(100));
    const QString width = settings_.Get("Width" + key, kNotFound);
    if (width != kNotFound) window.resize(ToPixels(ValueOfText(FromQ(width))), window.height());
}

void WindowPlacement::SaveFormPosition(QWidget& window) {
    if (window.isMinimized()) return;
    const QString key = PlacementKey(window.windowTitle());
    settings_.Set("Top" + key, TwipsText(ToTwips(window.y())));
    settings_.Set("Left" + key, TwipsText(ToTwips(window.x())));
}

void WindowPlacement::SaveFormSize(QWidget& window) {
    if (window.isMinimized()) return;
    const QString key = PlacementKey(window.windowTitle());
    settings_.Set("Height" + key, TwipsText(ToTwips(window.height())));
    settings_.Set("Width" + key, TwipsText(ToTwips(window.width())));
}

void WindowPlacement::CenterFormHorizontally(QWidget& window) {
    const double left =
        CenteredEdgeTwips(ToTwips(ScreenPixels(window).width()), ToTwips(window.frameGeometry().width()));
    window.move(ToPixels(left), window.y());
}

void WindowPlacement::CenterFormVertically(QWidget& window) {
    const double top =
        CenteredEdgeTwips(ToTwips(ScreenPixels(window).height()), ToTwips(window.frameGeometry().height()));
    window.move(window.x(), ToPixels(top));
}

}  // namespace gw
