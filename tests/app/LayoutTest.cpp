// SPDX-License-Identifier: GPL-3.0-or-later
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
        if (sizes) {
            EXPECT_GE(Grid()->verticalHeader()->width(), Grid()->verticalHeader()->sizeHint().width());
        }
        const std::vector<QWidget*> controls = Controls();
        const QRect page = InWindow(window->centralWidget());
        for (QWidget* a : controls) {
            const std::string name =
                (a->objectName().isEmpty() ? a->metaObject()->className() : a->objectName()).toStdString();
            const auto* label = qobject_cast<QLabel*>(a);
            if (sizes) {
                EXPECT_TRUE(page.contains(InWindow(a))) << name << " is cut off";
            }
            if (sizes && !qobject_cast<StatusLabel*>(a) && !(label && label->wordWrap())) {
                EXPECT_GE(a->width(), a->minimumSizeHint().width()) << name;
                EXPECT_GE(a->height(), a->minimumSizeHint().height()) << name;
            }
            for (QWidget* b : controls) {
                if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a)) {
                    EXPECT_FALSE(InWindow(a).intersects(InWindow(b)))
                        << name << " overlaps " << b->objectName().toStdString();
                }
            }
        }
    }

    QFont font_ = QApplication::font();
};

TEST_F(LayoutTest, EveryRowColumnAndControlShowsAtEveryFontSizeOnEveryScreenAndPlacementRules) {
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
    // On a small screen the window stays on it and the grid scrolls.
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
    // Each row of placement.tsv: a rule (caption key, centring in twips, stored twips, a frame x y w h brought onto the
    // screen holding most of it), its input and its exact answer.
    const QList<QRect> desks = {QRect(0, 0, 1920, 1200), QRect(1920, 0, 640, 500)};
    for (const Texts& row : Rows("placement.tsv")) {
        std::istringstream in(row[1]);
        double a = 0, b = 0, c = 0, d = 0;
        in >> a >> b >> c >> d;
        const QRect placed = PlaceOnScreens(QRectF(a, b, c, d).toRect(), desks);
        const std::string answer = row[0] == "key"      ? PlacementKey(ToQ(row[1])).toStdString()
                                   : row[0] == "centre" ? Number(CenteredEdgeTwips(a, b))
                                   : row[0] == "twips"  ? TwipsText(a).toStdString()
                                                        : QString("%1 %2 %3 %4")
                                                             .arg(placed.x())
                                                             .arg(placed.y())
                                                             .arg(placed.width())
                                                             .arg(placed.height())
                                                             .toStdString();
        EXPECT_EQ(answer, row[2]) << row[0] << " " << row[1];
    }
}

}  // namespace
}  // namespace gw::test
