#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/AppFixture.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"

namespace gw::test {
namespace {

class ComfortsTest : public AppFixture {
protected:
    QMenu* RecentMenu() { return Find<QMenu>("mnuFileRecent"); }
};

TEST_F(ComfortsTest, RecentFilesKeepTheLastEightNewestFirst) {
    StartWindow();
    EXPECT_FALSE(RecentMenu()->isEnabled());
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i) {
        paths.push_back(WriteDistinctPiece("piece" + std::to_string(i) + "N.asc"));
        ASSERT_TRUE(window->OpenPieceFile(paths.back()));
    }
    ASSERT_TRUE(window->OpenPieceFile(paths[5]));  // opened again: moves to the front
    const QList<QAction*> items = RecentMenu()->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), "&1 " + PathToQ(paths[5]));
    EXPECT_EQ(items[1]->text(), "&2 " + PathToQ(paths[9]));
    EXPECT_EQ(items[7]->text(), "&8 " + PathToQ(paths[2]));

    // Kept in the settings for the next start; a vanished file is dropped with a word.
    window.reset();
    StartWindow();
    ASSERT_EQ(RecentMenu()->actions().size(), 8);
    std::filesystem::remove(paths[9]);
    RecentMenu()->actions()[1]->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_NE(prompter.Messages()[0].find("no longer exists"), std::string::npos);
    EXPECT_EQ(RecentMenu()->actions().size(), 7);
    RecentMenu()->actions()[1]->trigger();  // now piece8
    EXPECT_EQ(state.pieceFilePath, paths[8]);
}

TEST_F(ComfortsTest, DroppingAFileOpensIt) {
    StartWindow();
    const std::string path = WriteDistinctPiece("dropN.asc");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PathToQ(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(state.pieceFilePath, path);
    EXPECT_EQ(Grid()->CellText(1, 1), " 1.01");
}

TEST_F(ComfortsTest, HeightColorsAreOffByDefaultAndFollowTheOption) {
    StartWindow();
    ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("hillN.asc")));
    QAction* option = Action("itmOptionsHeightColors");
    EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(Grid()->item(0, 0)->data(Qt::BackgroundRole), QVariant());
    option->trigger();
    // Lowest cell (1, 1) is blue, highest (17, 17) red, both light enough for black text.
    EXPECT_EQ(Grid()->item(0, 0)->background().color().hue(), 240);
    const QColor highest = Grid()->item(16, 16)->background().color();
    EXPECT_EQ(highest.hue(), 0);
    EXPECT_GT(highest.lightness(), 160);
    EXPECT_EQ(Grid()->item(16, 16)->foreground().color(), QColor(Qt::black));
    EXPECT_EQ(HeightColor(5, 5, 5).hue(), HeightColor(0, 0, 0).hue());  // a flat piece
    EXPECT_EQ(settings->Get("HeightColors", "x"), "1");
    option->trigger();
    EXPECT_EQ(Grid()->item(0, 0)->data(Qt::BackgroundRole), QVariant());
}

TEST_F(ComfortsTest, CaptionMarksUnsavedChanges) {
    StartWindow();
    const std::string path = WriteDistinctPiece("markN.asc");
    ASSERT_TRUE(window->OpenPieceFile(path));
    EXPECT_EQ(window->windowTitle(), "Gridwright - " + PathToQ(path));
    window->document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 5; });
    EXPECT_EQ(window->windowTitle(), "Gridwright - " + PathToQ(path) + " *");
    Action("itmFileSave")->trigger();
    EXPECT_EQ(window->windowTitle(), "Gridwright - " + PathToQ(path));
}

TEST_F(ComfortsTest, EveryButtonExplainsItself) {
    StartWindow();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (widget->window() != window.get()) continue;  // other windows have their own
        if (name.startsWith("btn") || name.startsWith("pic") || name == "Command1" || name.startsWith("opt")) {
            EXPECT_FALSE(widget->toolTip().isEmpty()) << name.toStdString();
        }
    }
    EXPECT_TRUE(Find<QWidget>("btnSetRange")->toolTip().contains("Alt+A"));
}

}  // namespace
}  // namespace gw::test
