#include "common/XmlWriter.h"

#include "common/SafeFile.h"

void XmlWriter::closeStartTag()
{
    if (m_startTagOpen) {
        m_out += u'>';
        m_startTagOpen = false;
    }
}

void XmlWriter::startElement(const QString &name)
{
    closeStartTag();
    m_out += u'<';
    m_out += name;
    m_open.append(name);
    m_startTagOpen = true;
}

void XmlWriter::attribute(const QString &name, const QString &value)
{
    Q_ASSERT(m_startTagOpen);
    m_out += u' ';
    m_out += name;
    m_out += QLatin1String("=\"");
    escape(value, true, m_open.isEmpty() ? name : m_open.last() + u'@' + name);
    m_out += u'"';
}

void XmlWriter::text(const QString &value)
{
    if (value.isEmpty())
        return;
    closeStartTag();
    escape(value, false, m_open.isEmpty() ? QString() : m_open.last());
}

void XmlWriter::endElement()
{
    const QString name = m_open.takeLast();
    if (m_startTagOpen) {
        m_out += QLatin1String("/>");
        m_startTagOpen = false;
    } else {
        m_out += QLatin1String("</");
        m_out += name;
        m_out += u'>';
    }
}

void XmlWriter::comment(const QString &value)
{
    closeStartTag();
    m_out += QLatin1String("<!--");
    m_out += value;
    m_out += QLatin1String("-->");
}

void XmlWriter::textElement(const QString &name, const QString &value)
{
    startElement(name);
    text(value);
    endElement();
}

QByteArray XmlWriter::toUtf8()
{
    closeStartTag();
    return m_out.toUtf8();
}

QByteArray XmlWriter::finish(QString *error)
{
    if (!ok()) {
        if (error)
            *error = m_error;
        return {};
    }
    return toUtf8();
}

bool writeXmlFileSafely(const QString &path, XmlWriter &xml, QString *error)
{
    QString why;
    const QByteArray data = xml.finish(&why);
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, why);
        return false;
    }
    return writeFileSafely(path, data, error);
}

void XmlWriter::escape(const QString &value, bool inAttribute, const QString &where)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char16_t u = c.unicode();
        switch (u) {
        case u'&': m_out += QLatin1String("&amp;"); continue;
        case u'<': m_out += QLatin1String("&lt;"); continue;
        case u'>': m_out += QLatin1String("&gt;"); continue;
        case u'\r': m_out += QLatin1String("&#13;"); continue;
        case u'"':
            m_out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            continue;
        case u'\t':
            m_out += inAttribute ? QLatin1String("&#9;") : QLatin1String("\t");
            continue;
        case u'\n':
            m_out += inAttribute ? QLatin1String("&#10;") : QLatin1String("\n");
            continue;
        default:
            break;
        }
        bool valid = u >= 0x20 && u != 0xFFFE && u != 0xFFFF;
        if (c.isHighSurrogate()) {
            valid = i + 1 < value.size() && value.at(i + 1).isLowSurrogate();
            if (valid) {
                m_out += c;
                m_out += value.at(++i);
                continue;
            }
        } else if (c.isLowSurrogate()) {
            valid = false;
        }
        if (!valid) {
            if (m_error.isEmpty())
                m_error = QStringLiteral("The text of %1 holds the character U+%2, which an XML file cannot store.")
                              .arg(where, QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
            continue;
        }
        m_out += c;
    }
}
