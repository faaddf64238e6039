#include "common/XmlTree.h"

#include <QFile>
#include <QXmlStreamReader>

const XmlNode *XmlNode::child(QStringView childName) const
{
    for (const XmlNode &c : children)
        if (c.kind == Kind::Element && c.name == childName)
            return &c;
    return nullptr;
}

std::vector<const XmlNode *> XmlNode::childElements() const
{
    std::vector<const XmlNode *> result;
    for (const XmlNode &c : children)
        if (c.kind == Kind::Element)
            result.push_back(&c);
    return result;
}

bool XmlNode::hasChildElements() const
{
    for (const XmlNode &c : children)
        if (c.kind == Kind::Element)
            return true;
    return false;
}

QString XmlNode::text() const
{
    QString result;
    for (const XmlNode &c : children)
        if (c.kind == Kind::Text)
            result += c.value;
    return result;
}

std::optional<QString> XmlNode::attribute(QStringView attributeName) const
{
    for (const auto &[n, v] : attributes)
        if (n == attributeName)
            return v;
    return std::nullopt;
}

const XmlNode *XmlDocument::topLevelElement(QStringView elementName) const
{
    for (const XmlNode &n : nodes)
        if (n.kind == XmlNode::Kind::Element && n.name == elementName)
            return &n;
    return nullptr;
}

QString XmlLoadResult::errorText(const QString &path) const
{
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(path, message);
    return QStringLiteral("%1: %2 (line %3, column %4)").arg(path, message).arg(line).arg(column);
}

namespace {

XmlLoadResult parse(QXmlStreamReader &reader)
{
    XmlLoadResult result;
    std::vector<XmlNode *> open; // the chain of open elements

    auto append = [&](XmlNode node) -> XmlNode * {
        std::vector<XmlNode> &list = open.empty() ? result.document.nodes : open.back()->children;
        list.push_back(std::move(node));
        return &list.back();
    };

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!reader.documentVersion().isEmpty()) {
                XmlNode decl;
                decl.kind = XmlNode::Kind::Declaration;
                decl.name = QStringLiteral("xml");
                append(std::move(decl));
            }
            break;
        case QXmlStreamReader::DTD: {
            XmlNode dtd;
            dtd.kind = XmlNode::Kind::DocumentType;
            dtd.value = reader.text().toString();
            append(std::move(dtd));
            break;
        }
        case QXmlStreamReader::StartElement: {
            XmlNode element;
            element.kind = XmlNode::Kind::Element;
            element.name = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute &a : reader.attributes())
                element.attributes.emplace_back(a.qualifiedName().toString(), a.value().toString());
            open.push_back(append(std::move(element)));
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            // Whitespace between document-level nodes is not a node.
            if (!open.empty()) {
                XmlNode text;
                text.kind = XmlNode::Kind::Text;
                text.value = reader.text().toString();
                append(std::move(text));
            }
            break;
        case QXmlStreamReader::Comment: {
            XmlNode comment;
            comment.kind = XmlNode::Kind::Comment;
            comment.value = reader.text().toString();
            append(std::move(comment));
            break;
        }
        case QXmlStreamReader::ProcessingInstruction: {
            XmlNode pi;
            pi.kind = XmlNode::Kind::ProcessingInstruction;
            pi.name = reader.processingInstructionTarget().toString();
            pi.value = reader.processingInstructionData().toString();
            append(std::move(pi));
            break;
        }
        default:
            break;
        }
    }

    if (reader.hasError()) {
        result.message = reader.errorString();
        result.line = reader.lineNumber();
        result.column = reader.columnNumber();
        result.document = XmlDocument();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

XmlLoadResult parseXml(const QByteArray &data)
{
    QXmlStreamReader reader(data);
    return parse(reader);
}

XmlLoadResult loadXmlFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        XmlLoadResult result;
        result.message = file.errorString();
        return result;
    }
    QXmlStreamReader reader(&file);
    return parse(reader);
}
