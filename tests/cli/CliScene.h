// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder of inputs the command-line tests run in: pieces and terrains that
// are not what they should be, copies of the sample track (one with a piece off
// the terrain, one with a piece without vertices, one missing a piece), texture
// tracks, a FIFO and a link where the system has them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw::test {

namespace fs = std::filesystem;

// A written name covers its folders and everything under it.
inline bool Covered(const std::string& name, const std::vector<std::string>& writes) {
    for (const std::string& w : writes)
        if (name == w || w.rfind(name + "/", 0) == 0 || name.rfind(w + "/", 0) == 0) return true;
    return false;
}

inline NationalGrid Filled(double height) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), height);
    return grid;
}

// A terrain saved through the program's template, named after the file.
inline void WriteTerrain(const std::string& path, const NationalGrid& grid) {
    NullStatusSink quiet;
    const Asc257SaveNames names = MakeAsc257SaveNames(path);
    ASSERT_TRUE(WriteASC257({Skeleton257Path(), names.target, names.objectName}, grid, quiet));
}

inline NationalGrid ReadTerrain(const std::string& path) {
    NationalGrid grid = Filled(-1);
    NullStatusSink quiet;
    EXPECT_TRUE(ReadASC257(path, grid, quiet).ok()) << path;
    return grid;
}

// Two textures in a checkerboard (a marked light one, a solid dark one); piece 1 turned a quarter.
inline TextureTrack CheckerTrack(const std::string& folder) {
    fs::create_directory(folder);
    TextureTrack track(folder, "Dunes");
    track.fileSets = {"Light.tga", "Dark.tga"};
    WriteTile(track.File("Lighta.tga"), MarkedTile(0xE0E0E0, 0xFF0000));
    WriteTile(track.File("Darka.tga"), SolidTile(0x202020));
    track.FillCells(256, [](int n) { return ((n - 1) % 16 + (n - 1) / 16) % 2 + 1; });
    track.trackKeys = {{"Orient_01", "1"}};
    return track;
}

class Scene {
public:
    Scene() {
        const std::string vertex = "Vertex 0: X: -128 Y: -128 Z: 1\r\n";
        WriteAll(File("words.asc"), "no vertex here\r\n");
        WriteAll(File("cut.asc"), vertex + "Vertex 1: X: -127 Y: -128 Z: 1\r\nVertex 2:");
        WriteAll(File("neg.asc"), "Vertex 0: X: -128 Y: -128 Z: -1\r\nFace list:\r\n");
        WriteAll(File("notes.png"), "not a picture");
        WriteTerrain(File("huge.asc"), Filled(1e308));
        NationalGrid hill = Filled(2);  // an edge at 6 and one high cell
        hill.At(10, 10) = 66051;
        for (int i = 0; i < 257; ++i) hill.At(i, 0) = 6;
        WriteTerrain(File("hill.asc"), hill);
        for (const char* folder : {"folder", "nat", "d", "pieces", "set1", "set2", "set3", "set4", "set5", "set6"})
            fs::create_directory(File(folder));
        WriteAll(File("T.asc"), vertex);
        WriteAll(File("nat/Dunes.asc"), vertex);
        WriteAll(File("d/d.bak"), "unrelated");
        fs::copy_file(SamplePiecePath(), File("hillN.asc"));
        fs::copy_file(SamplePiecePath(), File("-top.asc"));
        for (const char* name : {"tabletopN.asc", "bumpns.asc", "flat.asc", "hillN.ASC"})
            fs::copy_file(SamplePiecePath(), File("pieces/" + std::string(name)));
        fs::copy_file(GRIDWRIGHT_SOURCE_DIR "/tests/fuzz/corpus/heightmap_file/grey8", File("grey8.png"));
        EXPECT_EQ(RunCli("export-heightmap -q " + SamplePiecePath() + " -o " + File("tabletop.png")).status, 0);
        for (const char* track : {"Dunes", "off", "flat", "nodouble", "noflat"})
            fs::copy(ProgramFolder() + "/samples/Dunes", File(track), fs::copy_options::recursive);
        Replace("off/Dunes.TER", std::regex("BaseX=\\d+"), "BaseX=9999");
        Replace("flat/Dunes.TER", std::regex("Name=BermN.asc"), "Name=words.asc");
        WriteAll(File("flat/words.asc"), "no vertex here\r\n");
        fs::remove(File("nodouble/DoubleN.asc"));
        fs::remove(File("noflat/FlatNSEW.asc"));  // used by 236 pieces
        CheckerTrack(File("tex")).Write();
        TextureTrack warned = CheckerTrack(File("texwarn"));
        warned.writeTrack = false;
        warned.placements[4].mapId = "7";  // no such file set
        warned.Write();
        fs::remove(warned.File("Darka.tga"));  // used by 128 pieces
        TextureTrack few = CheckerTrack(File("texfew"));
        few.placements.resize(3);
        few.Write();
        if (kHasFifosAndDevices) MakeSpecialFile(SpecialKind::Fifo, File("fifoN.asc"), kPieceFileCap);
        std::error_code noLinks;  // MinGW's runtime makes no symbolic links
        fs::create_symlink("hillN.asc", dir_.path() / "link.asc", noLinks);
        hasLink_ = !noLinks;
    }

    const fs::path& path() const { return dir_.path(); }
    std::string File(const std::string& name) const { return Native(dir_.path().string() + "/" + name); }

    // The text with its places filled; runs turns false when the system lacks one.
    std::string Expand(const std::string& text, bool& runs) const {
        static const std::regex place(R"(\{(D|bin|fifo|zero|full|link)\}([A-Za-z0-9_.\-/]*))");
        std::string expanded;
        auto from = text.cbegin();
        for (std::sregex_iterator it(text.begin(), text.end(), place), end; it != end; ++it) {
            const std::string key = (*it)[1], rest = (*it)[2];
            expanded.append(from, (*it)[0].first);
            from = (*it)[0].second;
            const std::map<std::string, std::pair<std::string, bool>> places = {
                {"D", {rest.empty() ? Native(dir_.path().string()) : File(rest), true}},
                {"bin", {ProgramFolder() + rest, true}},
                {"fifo", {File("fifoN.asc") + rest, kHasFifosAndDevices}},
                {"zero", {"/dev/zero" + rest, kHasFifosAndDevices}},
                {"full", {">/dev/full" + rest, kHasFifosAndDevices}},
                {"link", {File("link.asc") + rest, hasLink_}}};
            expanded += places.at(key).first;
            runs &= places.at(key).second;
        }
        return expanded.append(from, text.cend());
    }

    // Every file and folder but the written ones, with the size and time of each file.
    std::map<std::string, std::string> Entries(const std::vector<std::string>& writes) const {
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
            const std::string name = entry.path().lexically_relative(dir_.path()).generic_string();
            if (Covered(name, writes)) continue;
            std::error_code none;
            entries[name] = entry.is_regular_file()
                                ? std::to_string(entry.file_size()) + " bytes at " +
                                      std::to_string(entry.last_write_time(none).time_since_epoch().count())
                                : "";
        }
        return entries;
    }

private:
    void Replace(const std::string& name, const std::regex& pattern, const std::string& replacement) {
        WriteAll(File(name), std::regex_replace(ReadAll(File(name)), pattern, replacement));
    }

    TempDir dir_;
    bool hasLink_ = false;
};

}  // namespace gw::test
