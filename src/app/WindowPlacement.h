// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window's remembered place: top and left (the main window also its height
// and width) are stored in twips under keys derived from the window's caption;
// a window with no stored place is centred on the screen.
#include <QList>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace gw {

class AppSettings;

// The caption cut before its first "-" and then its first ":", blanks trimmed:
// "Gridwright - /tracks/bumpN.asc" gives "Gridwright".
QString PlacementKey(const QString& caption);

// Twips as stored: the number without blanks ("1200").
QString TwipsText(double twips);

// Left (or top) edge that centres a window of the given size on a screen of the
// given size, in twips; 0 when the window does not fit.
double CenteredEdgeTwips(double screenTwips, double windowTwips);

// Where a window's frame goes so that it lies wholly on a screen: unchanged when
// one screen's available area holds it; otherwise moved (and, if larger, cut to
// size) onto the screen that shows most of it, or the first screen when it is on
// none. Screens are their available areas, the first being the primary.
QRect PlaceOnScreens(const QRect& frame, const QList<QRect>& screens);

class WindowPlacement {
public:
    explicit WindowPlacement(AppSettings& settings) : settings_(settings) {}

    void RestoreFormPosition(QWidget& window);
    void RestoreFormSize(QWidget& window);
    void SaveFormPosition(QWidget& window);
    void SaveFormSize(QWidget& window);
    void CenterFormHorizontally(QWidget& window);
    void CenterFormVertically(QWidget& window);
    // Brings a window that lies off the screens (a stored place from another
    // screen layout, or a window taller than the screen) wholly onto one.
    static void KeepOnScreen(QWidget& window);

private:
    AppSettings& settings_;
};

}  // namespace gw
