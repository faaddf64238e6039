#include "app/ToolSettings.h"

#include "app/AppState.h"
#include "common/XmlTree.h"
#include "common/XmlWriter.h"

#include <QFileInfo>

namespace {

// The text of root/group/value, or nothing when a step is missing or the value
// element holds more than plain text.
std::optional<QString> valueOf(const XmlNode *root, QStringView group, QStringView value)
{
    const XmlNode *g = root ? root->child(group) : nullptr;
    const XmlNode *v = g ? g->child(value) : nullptr;
    if (!v || v->hasChildElements())
        return std::nullopt;
    return v->text();
}

} // namespace

ToolSettings readToolSettings(const QString &path)
{
    ToolSettings s;
    if (!QFileInfo(path).isFile())
        return s;
    const XmlLoadResult loaded = loadXmlFile(path);
    if (!loaded.ok)
        return s;
    const XmlNode *root = loaded.document.firstNode();

    auto text = [&](QStringView group, QStringView value, QString &target) {
        if (auto t = valueOf(root, group, value))
            target = *t;
    };
    auto flag = [&](QStringView value, bool &target) {
        if (auto t = valueOf(root, u"lastinternet", value))
            target = *t == QLatin1String("1");
    };
    text(u"lastproj", u"projectname", s.projectname);
    text(u"lastipadd", u"ipaddress", s.ipaddress);
    text(u"lastlang", u"language", s.language);
    flag(u"enable_internet", s.enable_internet);
    flag(u"enable_update", s.enable_update);
    flag(u"enable_jump_field_tables", s.enable_jump_field_tables);
    flag(u"Double_Click_Auto_Size", s.Double_Click_Auto_Size);
    return s;
}

namespace {

void buildToolSettings(XmlWriter &w, const ToolSettings &s)
{
    auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    w.startElement(QStringLiteral("Conf_Settings"));
    w.startElement(QStringLiteral("lastproj"));
    w.textElement(QStringLiteral("projectname"), s.projectname);
    w.endElement();
    w.startElement(QStringLiteral("lastipadd"));
    w.textElement(QStringLiteral("ipaddress"), s.ipaddress);
    w.endElement();
    w.startElement(QStringLiteral("lastlang"));
    w.textElement(QStringLiteral("language"), s.language);
    w.endElement();
    w.startElement(QStringLiteral("lastinternet"));
    w.textElement(QStringLiteral("enable_internet"), flag(s.enable_internet));
    w.textElement(QStringLiteral("enable_update"), flag(s.enable_update));
    w.textElement(QStringLiteral("enable_jump_field_tables"), flag(s.enable_jump_field_tables));
    w.textElement(QStringLiteral("Double_Click_Auto_Size"), flag(s.Double_Click_Auto_Size));
    w.endElement();
    w.endElement();
}

} // namespace

QByteArray toolSettingsXml(const ToolSettings &settings)
{
    XmlWriter w;
    buildToolSettings(w, settings);
    return w.toUtf8();
}

bool writeToolSettings(const QString &path, const ToolSettings &settings, QString *error)
{
    // A value XML cannot hold is refused with its name rather than silently left out.
    XmlWriter w;
    buildToolSettings(w, settings);
    return writeXmlFileSafely(path, w, error);
}

void applyToolSettings(const ToolSettings &s, AppState &state)
{
    state.Conf_Name = s.projectname;
    state.Last_IP_Address = s.ipaddress;
    state.Language_Name = s.language;
    state.enable_internet = s.enable_internet;
    state.enable_update = s.enable_update;
    state.enable_jump_field_tables = s.enable_jump_field_tables;
    state.Double_Click_Auto_Size = s.Double_Click_Auto_Size;
}

ToolSettings toolSettingsOf(const AppState &state)
{
    ToolSettings s;
    s.projectname = state.Conf_Name;
    s.ipaddress = state.Last_IP_Address;
    s.language = state.Language_Name;
    s.enable_internet = state.enable_internet;
    s.enable_update = state.enable_update;
    s.enable_jump_field_tables = state.enable_jump_field_tables;
    s.Double_Click_Auto_Size = state.Double_Click_Auto_Size;
    return s;
}

bool Save_Setting(const AppState &state, QString *error)
{
    return writeToolSettings(state.settingsFile(), toolSettingsOf(state), error);
}
