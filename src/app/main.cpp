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

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) window.OpenPieceFile(gw::PathFromQ(arguments.at(1)));
    return app.exec();
}
