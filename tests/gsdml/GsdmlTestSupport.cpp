#include "GsdmlTestSupport.h"

#include <QProcess>
#include <QStandardPaths>

#include <initializer_list>

QByteArray parGen(const char *nbIn, const char *nbOut, const char *stationName)
{
    QByteArray xml = "<Par_Gen><PROFINET_PORT>2000</PROFINET_PORT>";
    if (stationName)
        xml += QByteArray("<PROFINET_NAME_STA>") + stationName + "</PROFINET_NAME_STA>";
    if (nbIn)
        xml += QByteArray("<PROFINET_NB_IN>") + nbIn + "</PROFINET_NB_IN>";
    if (nbOut)
        xml += QByteArray("<PROFINET_NB_OUT>") + nbOut + "</PROFINET_NB_OUT>";
    return xml + "</Par_Gen><!--SW_VERSION = 1.003-->";
}

namespace {

const XmlNode *at(const XmlNode *node, std::initializer_list<const char16_t *> path)
{
    for (const char16_t *name : path)
        node = node ? node->child(name) : nullptr;
    return node;
}

QString attr(const XmlNode *node, const char16_t *name)
{
    return node ? node->attribute(name).value_or(QStringLiteral("<missing>")) : QStringLiteral("<no element>");
}

} // namespace

GsdmlFacts gsdmlFacts(const XmlDocument &document)
{
    const XmlNode *process = at(document.topLevelElement(u"ISO15745Profile"), {u"ProfileBody", u"ApplicationProcess"});
    const XmlNode *dap = at(process, {u"DeviceAccessPointList", u"DeviceAccessPointItem"});
    const XmlNode *config = at(dap, {u"IOConfigData"});
    const XmlNode *io = at(process, {u"ModuleList", u"ModuleItem", u"VirtualSubmoduleList", u"VirtualSubmoduleItem",
                                     u"IOData"});
    return {attr(dap, u"ImplementationType"),
            attr(dap, u"DNS_CompatibleName"),
            attr(at(io, {u"Input", u"DataItem"}), u"Length"),
            attr(at(io, {u"Output", u"DataItem"}), u"Length"),
            attr(config, u"MaxInputLength"),
            attr(config, u"MaxOutputLength"),
            attr(config, u"MaxDataLength")};
}

QString xmllintComplaint(const QString &path)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return QString();
    QProcess p;
    p.start(xmllint, {QStringLiteral("--noout"), path});
    if (!p.waitForFinished(30000))
        return QStringLiteral("xmllint did not finish");
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardError());
}
