#include "cli/AppContext.h"

#include "cli/Cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

AppState commandState(Cli &cli, bool createFolders)
{
    AppState state;
    const std::optional<QString> exeFolder = cli.option(QStringLiteral("exe-folder"));
    state.setExeFolder(exeFolder ? Cli::absolutePath(*exeFolder) : QCoreApplication::applicationDirPath());
    if (createFolders)
        state.createToolFolders();
    if (const std::optional<QString> language = cli.option(QStringLiteral("language"))) {
        state.Language_Name = *language;
        state.Lang_Table.Load_Language(state.Language_Folder, state.Language_Name);
    } else {
        state.Lang_Table.Build_Default_Table();
    }
    return state;
}

void useConfiguration(AppState &state, const QString &configDir)
{
    state.Conf_Folder = QDir::toNativeSeparators(Cli::absolutePath(configDir));
    state.Conf_Name = QFileInfo(state.Conf_Folder).fileName();
    state.Set_Files();
}
