#include "opcua/VariableCsv.h"

#include "opcua/VariableTable.h"

#include <QStringDecoder>

#include <optional>
#include <vector>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

QString csvField(const QString &value, QChar separator)
{
    const bool quote = value.contains(separator) || value.contains(u'"') || value.contains(u'\r')
                       || value.contains(u'\n')
                       || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

void appendLine(QString &out, const QStringList &fields, QChar separator)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += csvField(fields.at(i), separator);
    }
    out += QLatin1String("\r\n");
}

struct Record
{
    int line = 0; // where the record begins
    QStringList fields;
    bool blank = false; // a line with nothing on it
};

// Splits CSV text into records. On broken quoting gives nothing and the reason.
std::optional<std::vector<Record>> splitRecords(const QString &text, QChar separator, QString *error)
{
    std::vector<Record> records;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    auto isLineEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    auto stepLine = [&] { // at a line end: past it, counting one line
        if (text.at(i) == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        ++i;
        ++line;
    };

    while (i < n) {
        Record record;
        record.line = line;
        bool quotedAny = false;
        for (;;) {
            QString field;
            if (i < n && text.at(i) == u'"') {
                quotedAny = true;
                const int fieldLine = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        *error = QStringLiteral("line %1: a quoted field is not closed").arg(fieldLine);
                        return std::nullopt;
                    }
                    const QChar c = text.at(i);
                    if (c == u'"') {
                        if (i + 1 < n && text.at(i + 1) == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (isLineEnd(c)) {
                        const qsizetype from = i;
                        stepLine();
                        field += text.mid(from, i - from);
                        continue;
                    }
                    field += c;
                    ++i;
                }
                if (i < n && text.at(i) != separator && !isLineEnd(text.at(i))) {
                    *error = QStringLiteral("line %1: text after the closing quote of a field").arg(line);
                    return std::nullopt;
                }
            } else {
                const qsizetype from = i;
                while (i < n && text.at(i) != separator && !isLineEnd(text.at(i))) {
                    if (text.at(i) == u'"') {
                        *error = QStringLiteral("line %1: a quote inside a field that is not quoted").arg(line);
                        return std::nullopt;
                    }
                    ++i;
                }
                field = text.mid(from, i - from);
            }
            record.fields.append(field);
            if (i < n && text.at(i) == separator) {
                ++i;
                continue;
            }
            if (i < n)
                stepLine();
            break;
        }
        record.blank = !quotedAny && record.fields.size() == 1 && record.fields.first().isEmpty();
        records.push_back(std::move(record));
    }
    // Blank lines at the very end are no records.
    while (!records.empty() && records.back().blank)
        records.pop_back();
    return records;
}

} // namespace

QByteArray variablesToCsv(const VariableTable &table, int rows, QChar separator, bool byteOrderMark)
{
    QString out;
    appendLine(out, VariableTable::attributeNames(), separator);
    for (int row = 1; row <= rows; ++row) {
        QStringList fields;
        for (int attribute = 0; attribute < VariableTable::attributeNames().size(); ++attribute)
            fields.append(table.attributeValue(row, attribute));
        appendLine(out, fields, separator);
    }
    return (byteOrderMark ? kByteOrderMark : QByteArray()) + out.toUtf8();
}

CsvRead readVariablesCsv(const QByteArray &data, VariableTable &table)
{
    CsvRead result;
    QByteArrayView bytes(data);
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        result.error = QStringLiteral("the file is not UTF-8 text");
        return result;
    }

    // The header names hold neither separator: its first line shows which one is used.
    qsizetype headerEnd = 0;
    while (headerEnd < text.size() && text.at(headerEnd) != u'\r' && text.at(headerEnd) != u'\n')
        ++headerEnd;
    const QStringView headerLine = QStringView(text).left(headerEnd);
    const QChar separator = headerLine.count(u';') > headerLine.count(u',') ? u';' : u',';

    const std::optional<std::vector<Record>> records = splitRecords(text, separator, &result.error);
    if (!records)
        return result;
    if (records->empty()) {
        result.error = QStringLiteral("line 1: the header row is missing");
        return result;
    }

    const QStringList &names = VariableTable::attributeNames();
    const Record &header = records->front();
    std::vector<int> columnOf(names.size(), -1); // attribute -> CSV column
    for (qsizetype c = 0; c < header.fields.size(); ++c) {
        const qsizetype attribute = names.indexOf(header.fields.at(c));
        if (attribute < 0) {
            result.error = QStringLiteral("line %1: unknown column \"%2\"").arg(header.line).arg(header.fields.at(c));
            return result;
        }
        if (columnOf[attribute] >= 0) {
            result.error = QStringLiteral("line %1: the column \"%2\" appears twice").arg(header.line).arg(names.at(attribute));
            return result;
        }
        columnOf[attribute] = int(c);
    }

    const std::size_t variables = records->size() - 1;
    if (variables > std::size_t(VariableTable::Max_Variables)) {
        result.error = QStringLiteral("line %1: more than %2 variables")
                           .arg(records->at(VariableTable::Max_Variables + 1).line)
                           .arg(VariableTable::Max_Variables);
        return result;
    }
    for (std::size_t r = 1; r < records->size(); ++r) {
        const Record &record = records->at(r);
        if (record.fields.size() != header.fields.size()) {
            result.error = QStringLiteral("line %1: %2 fields where the header has %3")
                               .arg(record.line)
                               .arg(record.fields.size())
                               .arg(header.fields.size());
            return result;
        }
    }

    for (std::size_t r = 1; r < records->size(); ++r) {
        const Record &record = records->at(r);
        table.applyAttributes(int(r), [&](int attribute) -> std::optional<QString> {
            const int c = columnOf[attribute];
            if (c < 0)
                return std::nullopt;
            return record.fields.at(c);
        });
    }
    result.ok = true;
    result.rows = int(variables);
    return result;
}
