#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// A read-only XML tree, built the way the project files need it: the
// document-level nodes in order (an XML declaration, a comment or a processing
// instruction before the root is the document's first node), elements with their
// attributes in order, and the exact text of every element, blanks included.
class XmlNode
{
public:
    enum class Kind { Element, Text, Comment, ProcessingInstruction, Declaration, DocumentType };

    Kind kind = Kind::Element;
    QString name;                                        // element name, or the target of a processing instruction
    std::vector<std::pair<QString, QString>> attributes; // in document order
    QString value;                                       // text, comment or instruction data
    std::vector<XmlNode> children;

    bool isElement() const { return kind == Kind::Element; }

    // First child element with exactly this name, or nullptr. A node that is not an
    // element has no children, so a lookup below a declaration finds nothing.
    const XmlNode *child(QStringView childName) const;

    // The child elements, in document order, whatever their names.
    std::vector<const XmlNode *> childElements() const;

    bool hasChildElements() const;

    // The element's own character data (text and CDATA children joined), as written.
    QString text() const;

    // The value of the attribute with exactly this name, if present.
    std::optional<QString> attribute(QStringView attributeName) const;
};

class XmlDocument
{
public:
    std::vector<XmlNode> nodes; // document-level nodes in order

    // The document's first node, or nullptr for an empty document.
    const XmlNode *firstNode() const { return nodes.empty() ? nullptr : &nodes.front(); }

    // The first document-level element with this name, wherever it stands.
    const XmlNode *topLevelElement(QStringView elementName) const;
};

struct XmlLoadResult
{
    bool ok = false;
    XmlDocument document;
    QString message;   // the parser's (or the file system's) words
    qint64 line = 0;   // where the parser stopped; 0 when the file could not be opened
    qint64 column = 0;

    // "<path>: <message> (line L, column C)", ready for the user.
    QString errorText(const QString &path) const;
};

// Parses the file at path. A file that cannot be opened or is not well-formed XML
// gives ok == false with the reason.
XmlLoadResult loadXmlFile(const QString &path);

// Parses XML held in memory.
XmlLoadResult parseXml(const QByteArray &data);
