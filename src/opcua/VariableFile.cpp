#include "opcua/VariableFile.h"

#include "comm/ParGenFile.h"
#include "common/Product.h"
#include "common/TextToInt.h"
#include "common/XmlTree.h"
#include "common/XmlWriter.h"
#include "lang/LangTable.h"
#include "opcua/VariableTable.h"

#include <QFileInfo>

namespace {

const QString kRoot = QStringLiteral("OPC_UA_Server");
const QString kVariables = QStringLiteral("OPC_UA_Server_Variables");
const QString kRow = QStringLiteral("row");

} // namespace

VariableFileRead readVariableFile(const QString &path, const LangTable &texts, VariableTable &table)
{
    VariableFileRead result;
    if (!QFileInfo::exists(path))
        return result;

    result.status = VariableFileRead::Unreadable;
    const XmlLoadResult loaded = loadXmlFile(path);
    if (!loaded.ok) {
        result.error = loaded.errorText(path);
        return result;
    }
    const XmlNode *root = loaded.document.firstNode();
    if (!root || !root->isElement()) {
        result.error = texts.text(1423).arg(path, kRoot);
        return result;
    }
    const XmlNode *variables = root->child(kVariables);
    if (!variables) {
        result.error = texts.text(1424).arg(path, kVariables);
        return result;
    }

    result.status = VariableFileRead::Read;
    for (const XmlNode *variable : variables->childElements()) {
        if (result.rows == VariableTable::Max_Variables)
            break;
        const int row = ++result.rows;
        table.applyAttributes(row, [&](int attribute) {
            return variable->attribute(VariableTable::attributeNames().at(attribute));
        });
    }
    return result;
}

namespace {

XmlWriter composed(const VariableTable &table)
{
    XmlWriter w;
    w.startElement(kRoot);
    w.startElement(kVariables);
    const int rows = table.savedRowCount();
    for (int row = 1; row <= rows; ++row) {
        w.startElement(kRow);
        for (int attribute = 0; attribute < VariableTable::attributeNames().size(); ++attribute)
            w.attribute(VariableTable::attributeNames().at(attribute), table.attributeValue(row, attribute));
        w.endElement();
    }
    w.endElement();
    w.endElement();
    w.comment(Product::Version_Comment);
    return w;
}

} // namespace

QByteArray variableFileData(const VariableTable &table, QString *error)
{
    return composed(table).finish(error);
}

bool writeVariableFile(const QString &path, const VariableTable &table, QString *error)
{
    XmlWriter w = composed(table);
    return writeXmlFileSafely(path, w, error);
}

bool readByteCounts(const QString &parGenPath, ByteCounts *counts, QString *error)
{
    *counts = ByteCounts();
    const ParGen::ReadResult read = ParGen::read(parGenPath);
    if (!read.ok) {
        if (error)
            *error = read.error;
        return false;
    }
    counts->Max_Byte_In = textToInt(read.values.text(ParGen::PROFINET_NB_IN), ByteCounts::Default);
    counts->Max_Byte_Out = textToInt(read.values.text(ParGen::PROFINET_NB_OUT), ByteCounts::Default);
    return true;
}

std::optional<PositionFailure> Controllo_dati(const VariableTable &table, const ByteCounts &counts)
{
    for (int row = 1; row <= VariableTable::Max_Variables; ++row) {
        if (table.text(row, VariableTable::ColType).trimmed().isEmpty()
            || !table.isChecked(row, VariableTable::ColEnable))
            continue;
        const int position = textToInt(table.text(row, VariableTable::ColPosition), -1);
        const int bound = table.text(row, VariableTable::ColReadWrite) == VariableTable::readWriteText()
                              ? counts.Max_Byte_Out
                              : counts.Max_Byte_In;
        if (position < 0 || position >= bound)
            return PositionFailure{row, bound};
    }
    return std::nullopt;
}

QString positionMessage(const LangTable &texts, const PositionFailure &failure)
{
    return formatNumbers(texts.text(1427), {failure.row, failure.bound - 1});
}

QString unsavedRowsQuestion(const LangTable &texts, const VariableTable &table)
{
    const int dropped = table.firstUnsavedRowWithData();
    if (dropped == 0)
        return {};
    return texts.text(1422).arg(QString::number(table.savedRowCount() + 1), QString::number(dropped));
}

QString replaceUnreadableQuestion(const LangTable &texts, const QString &path)
{
    return texts.text(1421).arg(path);
}

QString formatNumbers(QString pattern, std::initializer_list<int> numbers)
{
    qsizetype from = 0;
    for (const int n : numbers) {
        const qsizetype at = pattern.indexOf(QLatin1String("%d"), from);
        if (at < 0)
            break;
        const QString digits = QString::number(n);
        pattern.replace(at, 2, digits);
        from = at + digits.size();
    }
    return pattern;
}
