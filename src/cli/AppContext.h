#pragma once

#include "app/AppState.h"

class Cli;

// The state a command works with: the tool folders of --exe-folder (default: the
// folder of tessera-cli), created when missing if createFolders is set, and the
// language table: English, or --language NAME loaded from the LANGUAGE folder.
AppState commandState(Cli &cli, bool createFolders);

// Makes configDir (as given, made absolute) the active configuration of state.
void useConfiguration(AppState &state, const QString &configDir);
