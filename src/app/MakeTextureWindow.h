// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmMakeTexture ("Make Texture"): the texture builder. File > Open composes the
// texture of a chosen .TER; a conversion hands it a job. picMap previews the
// skeleton as the tiles are placed, lblStatus tells the progress.
#include <QMainWindow>
#include <optional>
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

    // Shows the window and, when the job text names a .TER ("TER","out folder"),
    // composes its texture into the output folder.
    void StartTextureBuilder(const std::string& jobText);

    // The window as the composition's view, for a caller that runs a job itself.
    TextureView& view() { return *this; }
    // The last run's result, when there was one.
    const std::optional<TextureRunResult>& lastRun() const { return lastRun_; }

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
    std::optional<TextureRunResult> lastRun_;
};

}  // namespace gw
