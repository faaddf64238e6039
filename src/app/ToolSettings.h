#pragma once

#include <QString>

struct AppState;

// The remembered values of the settings file Tessera.xml beside the executable.
struct ToolSettings
{
    QString projectname;
    QString ipaddress = QStringLiteral("192.168.2.205");
    QString language = QStringLiteral("English");
    bool enable_internet = false;
    bool enable_update = false;
    bool enable_jump_field_tables = false;
    bool Double_Click_Auto_Size = false;
};

// Reads the settings file. A missing file, a file that is not well-formed XML and
// every missing value give the defaults; nothing is reported.
ToolSettings readToolSettings(const QString &path);

// The settings file's content: root Conf_Settings and its four groups, no
// declaration, no whitespace, UTF-8.
QByteArray toolSettingsXml(const ToolSettings &settings);

// Writes the settings file (aside, then replaced). On failure returns false with
// the reason in *error.
bool writeToolSettings(const QString &path, const ToolSettings &settings, QString *error);

// Between the settings and the run-time state.
void applyToolSettings(const ToolSettings &settings, AppState &state);
ToolSettings toolSettingsOf(const AppState &state);

// Save_Setting: writes the state's remembered values to its settings file.
bool Save_Setting(const AppState &state, QString *error);
