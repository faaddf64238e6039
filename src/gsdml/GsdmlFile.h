#pragma once

#include <QByteArray>
#include <QString>

struct AppState;
class Prompts;

// The three values of the configuration that the GSDML file carries, read from the
// configuration's ParGen.xml with the generator's own defaults.
struct ProfinetParams
{
    int nbIn = 1438;     // PROFINET_NB_IN: bytes the controller sends; length of the Output item
    int nbOut = 1438;    // PROFINET_NB_OUT: bytes the device sends; length of the Input item
    QString stationName; // PROFINET_NAME_STA: ImplementationType and DNS_CompatibleName
};

// Reads the three values from the active configuration's ParGen.xml. Without the
// file, or for a missing element or a count that is not a number, the default stays
// (1438 bytes each way); a station name that is empty or only blanks becomes
// "SERIAL", any other is taken untrimmed. A file that exists but cannot be read
// gives false with its name and the parser's words in *error.
bool Read_Profinet_Params(const AppState &state, ProfinetParams &params, QString *error);

// The GSDML document for these values: UTF-8 with a byte-order mark, every line ended
// by CR LF. The station name is escaped for an attribute value. A name holding a
// character that XML cannot store gives an empty result and the reason in *error.
QByteArray gsdmlDocument(const ProfinetParams &params, QString *error);

// Reads the values anew and writes the document to path (aside, then replacing any
// file there). On failure nothing is written and *error tells why.
bool Write_GSDML(const AppState &state, const QString &path, QString *error);

// How the PROFINET XML step ended.
enum class GsdmlOutcome {
    Written,   // the file is there
    Cancelled, // the user cancelled the save dialog or declined to overwrite
    Failed,    // it could not be written; the general error report said why
};

// The step after the save dialog: asks before replacing an existing file, writes it
// and reports a failure through the general error report.
GsdmlOutcome saveGsdmlFile(const AppState &state, Prompts &prompts, const QString &path);

// The PROFINET XML step after the file-name dialog: the save dialog opens in the
// configuration folder listing only files called `name`; the file goes into the
// folder chosen there, always under `name`. *writtenPath gets the path written.
GsdmlOutcome Create_GSDML_File(const AppState &state, Prompts &prompts, const QString &name,
                               QString *writtenPath = nullptr);
