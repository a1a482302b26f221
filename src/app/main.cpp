#include <QApplication>
#include <QCoreApplication>

#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/WidgetPrompter.h"
#include "core/EditorState.h"
#include "core/ProgramFolder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Gridwright");
    QCoreApplication::setApplicationVersion(GRIDWRIGHT_VERSION);

    gw::EditorState state;
    state.programFolder = gw::FindProgramFolder(gw::PathFromQ(QCoreApplication::applicationDirPath()));
    state.skeletonPath = gw::JoinPath(state.programFolder, "skelasc.txt");
    state.skeleton257Path = gw::JoinPath(state.programFolder, "skelasc257.txt");

    gw::AppSettings settings;
    gw::WidgetPrompter prompter;
    gw::MainWindow window(state, settings, prompter);
    prompter.SetParent(&window);
    window.StartUp();

    // The name as the system gave it (QApplication has taken its own options
    // out): a QString cannot carry a name that is not valid UTF-8.
    if (argc > 1) window.OpenPieceFile(argv[1]);
    return app.exec();
}
