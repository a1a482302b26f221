// SPDX-License-Identifier: GPL-3.0-or-later
// The main window fits its font: every row, column and header text of the grid shows whole and no two controls overlap,
// at the window's own size and at its least size, whatever the desktop's font; on a screen too small for all that, the
// window stays on the screen and the grid scrolls.
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>

#include "app/AppFixture.h"
#include "app/ArrowPicture.h"
#include "app/StatusLabel.h"
#include "app/WindowPlacement.h"

namespace gw::test {
namespace {

class LayoutTest : public AppFixture {
protected:
    void TearDown() override {
        qApp->setStyleSheet("");
        QApplication::setFont(font_);
        AppFixture::TearDown();
    }

    // The controls a person reads or clicks, as laid out in the window.
    std::vector<QWidget*> Controls() const {
        std::vector<QWidget*> controls{Grid()};
        for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<ArrowPicture*>(w);
            if (control && w->isVisibleTo(window.get()) && !Grid()->isAncestorOf(w)) controls.push_back(w);
        }
        return controls;
    }
    QRect InWindow(const QWidget* w) const { return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()); }

    // Every row, column and header of the grid shows whole; each control is in the page, at least as large as its text
    // (the status line leaves out its middle by design) and apart from every other.
    void ExpectEverythingShows(const std::string& where, bool sizes = true) {
        SCOPED_TRACE(where);
        const QRect viewport = Grid()->viewport()->rect();
        for (int i = 1; sizes && i <= 17; ++i) {
            EXPECT_TRUE(viewport.contains(Grid()->CellRect(1, i))) << "row " << i;
            EXPECT_TRUE(viewport.contains(Grid()->CellRect(i, 1))) << "column " << i;
            EXPECT_GE(Grid()->horizontalHeader()->sectionSize(i - 1),
                      Grid()->horizontalHeader()->sectionSizeHint(i - 1));
        }
        if (sizes) EXPECT_GE(Grid()->verticalHeader()->width(), Grid()->verticalHeader()->sizeHint().width());
        const std::vector<QWidget*> controls = Controls();
        const QRect page = InWindow(window->centralWidget());
        for (QWidget* a : controls) {
            const std::string name =
                (a->objectName().isEmpty() ? a->metaObject()->className() : a->objectName()).toStdString();
            const auto* label = qobject_cast<QLabel*>(a);
            if (sizes) EXPECT_TRUE(page.contains(InWindow(a))) << name << " is cut off";
            if (sizes && !qobject_cast<StatusLabel*>(a) && !(label && label->wordWrap())) {
                EXPECT_GE(a->width(), a->minimumSizeHint().width()) << name;
                EXPECT_GE(a->height(), a->minimumSizeHint().height()) << name;
            }
            for (QWidget* b : controls) {
                if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                    EXPECT_FALSE(InWindow(a).intersects(InWindow(b)))
                        << name << " overlaps " << b->objectName().toStdString();
            }
        }
    }

    QFont font_ = QApplication::font();
};

TEST_F(LayoutTest, EveryRowColumnAndControlShowsAtEveryFontSize) {
    // The application's font, or a style sheet as `gridwright -stylesheet` sets it.
    const std::pair<const char*, int> cases[] = {{"font", 8}, {"font", 14}, {"style", 11}, {"style", 18}};
    for (const auto& [how, points] : cases) {
        const std::string where = std::string(how) + " " + std::to_string(points) + " pt";
        if (std::string(how) == "font") {
            QFont font = font_;
            font.setPointSize(points);
            QApplication::setFont(font);
        } else {
            qApp->setStyleSheet(QString("* { font-size: %1pt; }").arg(points));
        }
        StartWindow();
        QApplication::processEvents();
        ExpectEverythingShows(where);
        window->resize(window->minimumSize());
        QApplication::processEvents();
        ExpectEverythingShows(where + ", least size");
        TearDown();
    }
}

TEST_F(LayoutTest, OnASmallScreenTheWindowStaysOnItAndTheGridScrolls) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    const QRect small = screens[1]->availableGeometry();
    StartWindow();
    window->move(small.topLeft());
    window->FitWindowToGrid();
    QApplication::processEvents();
    EXPECT_TRUE(small.contains(window->frameGeometry()));
    EXPECT_TRUE(Grid()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(Grid()->horizontalScrollBar()->isVisible());
    ExpectEverythingShows("small screen", false);
    // A place stored for a screen that is gone is brought back onto one.
    window->close();
    settings->Set("TopGridwright", "60000");
    settings->Set("LeftGridwright", "-90000");
    StartWindow();
    EXPECT_TRUE(screens[0]->availableGeometry().contains(window->frameGeometry()));
}

TEST(WindowPlacement, KeyIsTheCaptionBeforeItsFirstDashOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"Gridwright", "Gridwright"},
        {"Gridwright - /tracks/bumpN.asc", "Gridwright"},
        {"Gridwright - C:\\tracks\\bumpN.asc", "Gridwright"},
        {"About Gridwright", "About Gridwright"},
        {"Display 3D", "Display 3D"},
        {"Current Range: (0:24)", "Current Range"},
        {"  Set Curve  ", "Set Curve"},
    };
    for (const auto& [caption, key] : cases) EXPECT_EQ(PlacementKey(caption), key) << caption;
}

TEST(WindowPlacement, CentringAndStoredTexts) {
    // 3000 twips narrower: left edge 1500; as wide or wider: 0.
    const std::tuple<double, double, double> centred[] = {
        {19200, 16200, 1500}, {19200, 19200, 0}, {19200, 25000, 0}, {19201, 19200, 0.5}};
    for (const auto& [screen, form, edge] : centred) EXPECT_EQ(CenteredEdgeTwips(screen, form), edge) << form;
    const std::pair<double, const char*> texts[] = {{1200, "1200"}, {7.5, "7.5"}, {-15, "-15"}};
    for (const auto& [twips, text] : texts) EXPECT_EQ(TwipsText(twips), text);
}

TEST(WindowPlacement, AWindowOffTheScreensIsBroughtBackOntoOne) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1200), QRect(1920, 0, 640, 500)};
    const std::pair<QRect, QRect> cases[] = {
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},    // on a screen: left alone
        {QRect(2000, 50, 500, 400), QRect(2000, 50, 500, 400)},    // on the second screen
        {QRect(-4000, 3000, 800, 600), QRect(0, 600, 800, 600)},   // on none: onto the first
        {QRect(1800, 100, 400, 300), QRect(1920, 100, 400, 300)},  // across the seam: where most of it is
        {QRect(2100, 200, 700, 900), QRect(1920, 0, 640, 500)},    // larger than its screen: cut to it
    };
    for (const auto& [frame, placed] : cases) EXPECT_EQ(PlaceOnScreens(frame, screens), placed) << frame.x();
}

}  // namespace
}  // namespace gw::test
