// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on a fresh state and settings, answered by a scripted prompter, and the gestures the tests share.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <numeric>
#include <set>
#include <sstream>

#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "app/TerrainDocument.h"
#include "core/io/OutputFile.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"
#include "support/ScriptedPrompter.h"
#include "support/SpecialFiles.h"

// Lets failed expectations print Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace gw::test {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

template <typename T = QObject>
T* FindIn(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// What a person reads on an object: a caption, a text, a title.
inline QString TextOf(const QObject* o) {
    if (auto* a = qobject_cast<const QAction*>(o)) return a->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(o)) return e->text();
    if (auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
    if (auto* m = qobject_cast<const QMenu*>(o)) return m->title();
    if (auto* w = qobject_cast<const QWidget*>(o)) return w->windowTitle();
    return {};
}

inline QString TextIn(const QObject& root, const char* name) { return TextOf(FindIn(root, name)); }

// The rows of tests/data/app/<name>, split at tabs.
inline std::vector<Texts> Rows(const std::string& name) {
    std::vector<Texts> rows;
    std::istringstream lines(ReadAll(TestDataPath("app/" + name)));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        std::istringstream cells(line);
        rows.emplace_back();
        for (std::string cell; std::getline(cells, cell, '\t');) rows.back().push_back(cell);
    }
    return rows;
}

// Each line of tests/data/app/<name>: an object's name under root (or root's), a tab, the exact text it shows.
inline void ExpectTexts(const QObject& root, const std::string& name) {
    const std::vector<Texts> rows = Rows(name);
    EXPECT_FALSE(rows.empty()) << name;
    for (const Texts& row : rows) {
        const QObject* found = root.objectName() == ToQ(row[0]) ? &root : FindIn(root, row[0].c_str());
        if (!found) {
            ADD_FAILURE() << name << ": no object " << row[0];
            continue;
        }
        EXPECT_EQ(TextOf(found), ToQ(row.size() > 1 ? row[1] : "")) << row[0];
    }
}

// Exactly, in the fewest digits that read back as the same number.
inline std::string Number(double z) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, z).ptr);
}
// Hands the next modal dialog, once it is up, to answer; a timer that finds none does nothing.
inline void AnswerModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) answer(dialog);
    });
}
// Renders a window; with GRIDWRIGHT_SCREENSHOT_DIR set, saves it there as name.png to be looked at.
inline void Keep(QWidget* widget, const char* name) {
    QApplication::processEvents();
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull()) << name;
    const QString folder = qEnvironmentVariable("GRIDWRIGHT_SCREENSHOT_DIR");
    if (!folder.isEmpty()) picture.save(QDir(folder).filePath(QString(name) + ".png"));
}
inline void ClickIn(const QObject& root, const char* button) { FindIn<QAbstractButton>(root, button)->click(); }

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(AppSettings::kOrganisation, AppSettings::kApplication).clear();
        state.programFolder = ProgramFolder();
        state.skeletonPath = SkeletonPath();
        state.skeleton257Path = Skeleton257Path();
        settings = std::make_unique<AppSettings>();
    }
    void TearDown() override {
        if (window) {
            window->document().SetModified(false);
            window->SetNationalModified(false);
            window->close();
        }
        window.reset();
    }

    MainWindow& StartWindow() {
        window = std::make_unique<MainWindow>(state, *settings, prompter);
        window->StartUp();
        // The about box comes up last; keys go to the main window, as after a click on it.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
        return *window;
    }

    // Writes a piece whose cell (c, r) holds c + r / 100 and returns its path.
    std::string WriteDistinctPiece(const std::string& name) const {
        PieceGrid grid;
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c + r / 100.0;
        const std::string path = dir.File(name);
        EXPECT_TRUE(WritePieceFile({SkeletonPath(), path, "piece"}, grid));
        return path;
    }
    // Starts the window when it is not up yet and opens such a piece.
    void OpenDistinct(const std::string& name = "bumpN.asc") {
        if (!window) StartWindow();
        ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece(name)));
    }
    // Loads a piece whose every cell holds z.
    void LoadFlatPiece(double z) {
        PieceGrid g;
        g.values.fill(z);
        window->document().LoadPiece(g);
    }
    // A terrain file whose cell (x, y) holds x / 256 + y, written by the real writer.
    std::string WriteTerrain(const std::string& name) {
        NationalGrid grid;
        for (int y = 0; y < 257; ++y)
            for (int x = 0; x < 257; ++x) grid.At(x, y) = x / 256.0 + y;
        const Asc257SaveNames names = MakeAsc257SaveNames(dir.File(name));
        NullStatusSink quiet;
        EXPECT_TRUE(WriteASC257({Skeleton257Path(), names.target, names.objectName}, grid, quiet));
        return names.target;
    }

    template <typename T>
    T* Find(const char* name) const {
        return FindIn<T>(*window, name);
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    void Trigger(const char* item) { Action(item)->trigger(); }
    void Click(const char* button) { ClickIn(*window, button); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    QString Text(const char* name) const { return TextIn(*window, name); }
    QString Status() const { return Text("lblStatus"); }
    // Every box shown so far, as "kind: text".
    Texts Boxes() const {
        Texts boxes;
        for (const ShownBox& box : prompter.shown) boxes.push_back(box.kind + ": " + box.text);
        return boxes;
    }
    QString UndoText() const { return Action("itmEditUndo")->text(); }
    void SetValue(const QString& text) { Find<QLineEdit>("txtNewVal")->setText(text); }
    // Types text on the grid as a person would: the first key opens the cell editor, the rest go into it.
    void TypeIntoCell(const QString& text) {
        Grid()->setFocus();
        QTest::keyClicks(Grid(), text.left(1));
        QTest::keyClicks(CellEditor(), text.mid(1));
    }
    // Types text into cell (c, r) and commits it with Return.
    void EditCell(int c, int r, const QString& text) {
        Grid()->SetCurrentCell(c, r);
        TypeIntoCell(text);
        QTest::keyClick(CellEditor(), Qt::Key_Return);
    }
    // A transcript of what a person sees after each step, compared whole with tests/data/app/<name> by ExpectTranscript
    // (GRIDWRIGHT_WRITE_GOLDEN=1 writes it instead); the temporary folder reads $DIR, the program's $PROGRAM.
    void See(const std::string& step, std::vector<std::pair<int, int>> cells = {},
             std::vector<std::pair<int, int>> terrain = {}) {
        auto on = [](const QAction* a) { return a->text() + (a->isEnabled() ? "" : " (off)"); };
        auto changed = [](bool c) { return c ? "changed" : "saved"; };
        QString option;
        for (const char* name : {"opt1File", "opt2Files", "opt4Files"})
            if (Find<QRadioButton>(name)->isChecked()) option = name;
        std::set<std::string> files;  // by their bytes, as the names the program wrote
        for (const auto& entry : fs::directory_iterator(dir.path())) files.insert(entry.path().filename().string());
        const CellRange r = Grid()->Selection();
        Note("# " + step, window->windowTitle() + (window->isVisible() ? "" : " (closed)"));
        Note("status", Status());
        Note("undo", on(Action("itmEditUndo")) + " / " + on(Action("itmEditRedo")));
        Note("piece", QString("%1, %2, %3%4; ")
                              .arg(Text("txtPieceName"), option, changed(state.pieceModified),
                                   Action("itmFileSave")->isEnabled() ? "" : ", no save")
                              .toStdString() +
                          state.pieceFolder + " " + state.pieceName + " kind " +
                          (state.pieceKind ? std::to_string(static_cast<int>(*state.pieceKind)) : "-") + " " +
                          state.pieceFilePath + ", sum " + Sum(state.piece));
        Note("terrain", std::string(changed(window->nationalModified())) + ", sum " + Sum(state.national) + "; base " +
                            state.baseMapFile + "; last " + state.lastAsc257File + "; ter " + state.currentTerFile);
        Note("cell", QString("%1; %2; selected %3 of (%4,%5,%6,%7)")
                         .arg(Text("lblRowCol"), Text("frmRanges"))
                         .arg(Grid()->selectedItems().size())
                         .arg(r.col)
                         .arg(r.colSel)
                         .arg(r.row)
                         .arg(r.rowSel));
        if (CellEditor()->isVisible())
            Note("editing", QString("'%1' at %2").arg(CellEditor()->text()).arg(CellEditor()->cursorPosition()));
        Note("files",
             std::accumulate(files.begin(), files.end(), std::string(), [](auto a, auto b) { return a + b + " "; }));
        NoteBoxes();
        for (const auto& [c, r] : cells)
            Note(QString("(%1, %2) '%3'").arg(c).arg(r).arg(Grid()->CellText(c, r)).toStdString(),
                 Number(state.piece.Z(c, r)));
        for (const auto& [x, y] : terrain)
            Note("terrain (" + std::to_string(x) + ", " + std::to_string(y) + ")", Number(state.national.At(x, y)));
    }
    // Notes each box shown since the last time.
    void NoteBoxes() {
        for (; boxesSeen < prompter.shown.size(); ++boxesSeen) {
            const ShownBox& b = prompter.shown[boxesSeen];
            const FileBoxRequest& q = b.request;
            seen += "box " + b.kind + (b.warning ? " warning" : "") + " [" + b.title + "] " + b.text;
            if (b.kind == "input") seen += " [proposed " + b.proposed + "]";
            if (b.kind == "open" || b.kind == "save")
                seen += " [" + q.filter + "; " + q.defaultExtension + "; in " + q.initialFolder + "; as " + q.fileName +
                        "]";
            seen += "\n";
        }
    }
    void Note(const std::string& label, const std::string& text) { seen += label + ": " + text + "\n"; }
    void Note(const std::string& label, const QString& text) { Note(label, text.toStdString()); }
    void Note(const std::string& label, const char* text) { Note(label, std::string(text)); }
    // The total and a fingerprint of every height's bytes: two grids noted alike are the same grid.
    template <typename Heights>
    static std::string Sum(const Heights& grid) {
        std::uint64_t print = 14695981039346656037u;
        for (std::size_t i = 0; i < grid.values.size() * sizeof(double); ++i)
            print = (print ^ reinterpret_cast<const unsigned char*>(grid.values.data())[i]) * 1099511628211u;
        return Number(std::accumulate(grid.values.begin(), grid.values.end(), 0.0)) + " #" + std::to_string(print);
    }
    void ExpectTranscript(const std::string& name) {
        std::string text = seen;
        for (const auto& [folder, name] : {std::pair(dir.path().string(), "$DIR"), {ProgramFolder(), "$PROGRAM"}})
            for (std::size_t at; (at = text.find(folder)) != std::string::npos;) text.replace(at, folder.size(), name);
        const std::string golden = TestDataPath("app/" + name);
        if (qEnvironmentVariableIsSet("GRIDWRIGHT_WRITE_GOLDEN")) WriteAll(golden, text);
        EXPECT_EQ(text, ReadAll(golden)) << name;
    }
    std::string seen;
    std::size_t boxesSeen = 0;

    PieceGridView* Grid() const { return window->grid(); }
    QLineEdit* CellEditor() const { return Find<QLineEdit>("txtActiveCell"); }

    EditorState state;
    std::unique_ptr<AppSettings> settings;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
    TempDir dir;
};

}  // namespace gw::test
