#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes a project XML document the way the device tools expect it: no XML
// declaration, no indentation, UTF-8, the usual escaping. Carriage returns, tabs and
// line feeds are written as character references where a reader would otherwise
// change them, so every text reads back exactly as it was written.
//
// XML cannot hold the other control characters (U+0001 to U+001F except tab, line
// feed and carriage return), U+FFFE, U+FFFF or a lone surrogate. A text holding one
// is not written; error() then names the element or attribute, and the caller must
// not save the document.
class XmlWriter
{
public:
    void startElement(const QString &name);
    void attribute(const QString &name, const QString &value);
    void text(const QString &value);
    void endElement();
    void comment(const QString &value);

    // Convenience: <name>value</name>.
    void textElement(const QString &name, const QString &value);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QByteArray toUtf8();
    // The finished document; empty, with error() in *error, when a text could not be written.
    QByteArray finish(QString *error);

private:
    void closeStartTag();
    void escape(const QString &value, bool inAttribute, const QString &where);

    QString m_out;
    QStringList m_open;
    bool m_startTagOpen = false;
    bool m_hasContent = false;
    QString m_error;
};

// Saves the finished document to path through writeFileSafely. A document holding a
// text XML cannot store is not saved and the file stays as it was; *error then names
// the path and the element or attribute.
bool writeXmlFileSafely(const QString &path, XmlWriter &xml, QString *error);
