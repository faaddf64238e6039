#pragma once

#include <QByteArray>
#include <QString>

// The two memory banks the device loads, compiled from a configuration's files.
struct BankImages
{
    QByteArray bank1; // the 2,048-byte parameter bank
    QByteArray bank2; // the variable bank
};

// Builds both images from the configuration folder's ParGen.xml and
// OPC_UA_Server.xml. No file is written. On failure returns false with the reason.
bool Compile_Bin_Banks(const QString &Conf_Folder, BankImages *images, QString *error);

// Writes bin/bank1.bin and bin/bank2.bin in the configuration folder.
bool Save_Bin_Banks(const QString &Conf_Folder, const BankImages &images, QString *error);
