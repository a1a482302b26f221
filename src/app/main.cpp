// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "app/AppSettings.h"
#include "app/EditorCommandLine.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/WidgetPrompter.h"
#include "core/EditorState.h"
#include "core/ProgramFolder.h"
#include "core/io/Paths.h"

int main(int argc, char** argv) {
    // Help and version are answered before Qt looks for a display.
    const gw::EditorCommandLine early = gw::ParseEditorCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.action == gw::EditorCommandLine::Action::Help || early.action == gw::EditorCommandLine::Action::Version) {
        std::fputs(early.text.c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Gridwright");
    QCoreApplication::setApplicationVersion(GRIDWRIGHT_VERSION);
    // What is left once Qt has taken its own options, as the system gave it: a
    // QString cannot carry a name that is not valid UTF-8.
    const gw::EditorCommandLine line = gw::ParseEditorCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.action == gw::EditorCommandLine::Action::Error) {
        std::fputs(line.text.c_str(), stderr);
        return 2;
    }

    gw::EditorState state;
    state.programFolder = gw::FindProgramFolder(gw::PathFromQ(QCoreApplication::applicationDirPath()));
    state.skeletonPath = gw::JoinPath(state.programFolder, "skelasc.txt");
    state.skeleton257Path = gw::JoinPath(state.programFolder, "skelasc257.txt");

    gw::AppSettings settings;
    gw::WidgetPrompter prompter;
    gw::MainWindow window(state, settings, prompter);
    prompter.SetParent(&window);
    window.StartUp();

    // A missing or unreadable file gets the same message as File > Open gives.
    if (!line.piecePath.empty()) window.OpenPieceFile(line.piecePath);
    return app.exec();
}
