#pragma once

#include <QByteArray>
#include <QString>

struct AppState;

// The updater and the parameter file it reads, both beside the configurator: the
// updater finds Ethernet_Update.xml in its own folder and gets no parameters.
QString updaterProgramPath(const QString &Exe_Folder);
QString updaterParameterPath(const QString &Exe_Folder);

// What to update: the items of the update dialog's option list, in their order.
enum UpdateOption {
    NoOption = -1,                // no item selected: no operation
    FirmwareAndConfiguration = 0, // firmware, parameter bank, variable bank
    FirmwareOnly = 1,             // firmware
    ConfigurationOnly = 2,        // parameter bank, variable bank
};

// The parameter file's content for an update of the device at IP_Address (copied
// as given). Operations follow optionIndex; an index outside the list gives none.
// Files are named by absolute paths below Master_Folder and Conf_Folder. Empty with
// *error set when a text cannot be stored in XML.
QByteArray updaterParameters(const QString &IP_Address, int optionIndex, bool readBack, const QString &Master_Folder,
                             const QString &Conf_Folder, QString *error);

// Writes Ethernet_Update.xml beside the configurator for the active configuration,
// replacing an older file only once the new one is complete. On failure returns
// false with the reason.
bool Compile_XML_Parameter_New_Boot(const AppState &state, const QString &IP_Address, int optionIndex,
                                    bool readBack, QString *error);
