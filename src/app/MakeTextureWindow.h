// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmMakeTexture ("Make Texture"): the texture builder. File > Open composes the
// texture of a chosen .TER; a conversion hands it a job. picMap previews the
// skeleton as the tiles are placed, lblStatus tells the progress.
#include <QMainWindow>
#include <string>

#include "core/texture/TextureRun.h"
#include "core/texture/TextureView.h"

class QLabel;

namespace gw {

class ImagePicture;
class StatusLabel;

class MakeTextureWindow : public QMainWindow, private TextureView {
    Q_OBJECT
public:
    // trackFolder is the program-wide TrackFolder (the Open box's initial folder
    // once a .TER has been given); mainStatus is the main window's status label.
    MakeTextureWindow(std::string programFolder, const std::string& trackFolder, Prompter& prompter,
                      StatusSink& mainStatus, QWidget* parent = nullptr);

    // Shows the window, which waits for File > Open.
    void StartTextureBuilder();
    // Shows the window and composes the job's texture in it.
    TextureRunResult StartTextureBuilder(const TextureJob& job);

    // The window as the composition's view, for a caller that runs a job itself.
    TextureView& view() { return *this; }

private:
    void Status(const std::string& text) override;
    void DrawPreview(const RgbImage& skeleton) override;
    void OpenTerFile();
    void BuildMenus();

    std::string programFolder_;
    Prompter& prompter_;
    TextureBuilder builder_;
    ImagePicture* picMap_ = nullptr;
    StatusLabel* lblStatus_ = nullptr;
};

}  // namespace gw
