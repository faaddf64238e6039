#pragma once

#include <QString>

struct AppState;
class Prompts;

// The PROFINET XML step after the file-name dialog: the save dialog, the overwrite
// question, then the GSDML file under `name` in the chosen folder.
void Create_GSDML_File(const AppState &state, Prompts &prompts, const QString &name);
