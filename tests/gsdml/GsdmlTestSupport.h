#pragma once

#include "common/XmlTree.h"

#include <QByteArray>
#include <QString>

// ParGen.xml with the three PROFINET elements; a null text leaves an element out.
QByteArray parGen(const char *nbIn, const char *nbOut, const char *stationName);

// The DeviceAccessPointItem and the two data items of a parsed GSDML document.
struct GsdmlFacts
{
    QString implementationType, dnsCompatibleName, inputLength, outputLength;
    QString maxInput, maxOutput, maxData;
};
GsdmlFacts gsdmlFacts(const XmlDocument &document);

// Runs `xmllint --noout` on the file when xmllint is installed: empty when it
// accepts the file (or is not there), else what it said.
QString xmllintComplaint(const QString &path);
