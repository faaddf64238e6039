#include "image/BankInspector.h"

#include "image/BankLayout.h"

#include <QtEndian>

#include <optional>

namespace {

quint16 u16At(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 u32At(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

QString hex(quint32 value, int width = 0)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

// A stored text shown in quotes; bytes that are not printable Latin-1 as \xNN.
QString quoted(const QByteArray &bytes)
{
    QString shown = QStringLiteral("\"");
    for (const char c : bytes) {
        const auto b = quint8(c);
        if (b == '"' || b == '\\')
            shown += QString(QLatin1Char('\\')) + QLatin1Char(char(b));
        else if (b < 0x20 || (b >= 0x7F && b < 0xA0))
            shown += QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            shown += QChar(b);
    }
    return shown + QLatin1Char('"');
}

QString line(qsizetype offset, int offsetWidth, int hexWidth, const QString &name, const QString &value)
{
    return QStringLiteral("%1 [%2] %3 %4")
        .arg(offset, offsetWidth)
        .arg(hex(quint32(offset), hexWidth))
        .arg(name, -36)
        .arg(value);
}

QString flagNames(quint32 value, const std::initializer_list<std::pair<quint32, const char *>> &bits)
{
    QStringList names;
    quint32 rest = value;
    for (const auto &[bit, name] : bits) {
        if (value & bit)
            names << QLatin1String(name);
        rest &= ~bit;
    }
    if (rest)
        names << QStringLiteral("unknown bits %1").arg(hex(rest));
    return names.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(names.join(QLatin1String(", ")));
}

} // namespace

BankKind bankKindOf(const QByteArray &data)
{
    if (data.size() >= Bank2::HeaderSize && u32At(data, Bank2::Add_Num_Var) == Bank2::Base + Bank2::HeaderSize)
        return BankKind::Variable;
    if (data.size() == Bank1::Size)
        return BankKind::Parameter;
    return BankKind::Unknown;
}

BankInspection inspectParameterBank(const QByteArray &data)
{
    BankInspection result;
    result.lines << QStringLiteral("parameter bank, %1 bytes").arg(data.size());
    if (data.size() != Bank1::Size)
        result.failures << QStringLiteral("the file has %1 bytes; a parameter bank has %2").arg(data.size()).arg(Bank1::Size);

    const auto show = [&](const Bank1::Field &f, const QString &value) {
        result.lines << line(f.offset, 4, 3, QLatin1String(f.name), value);
    };
    std::array<bool, Bank1::Size> named{};
    for (const Bank1::Field &f : Bank1::Fields) {
        std::fill_n(named.begin() + f.offset, f.size, true);
        if (f.offset + f.size > data.size())
            continue;
        const QByteArray bytes = data.mid(f.offset, f.size);
        switch (f.kind) {
        case Bank1::FieldKind::U16: {
            const quint16 v = u16At(data, f.offset);
            if (f.offset == Bank1::Address_Flags)
                show(f, hex(v, 4) + flagNames(v, {{0x0001, "DHCP on cable"}, {0x0002, "DHCP on Wi-Fi"}}));
            else
                show(f, QString::number(v));
            break;
        }
        case Bank1::FieldKind::U32: {
            const quint32 v = u32At(data, f.offset);
            if (f.offset == Bank1::Checksum) {
                quint32 sum = 0;
                for (int i = 0; i < Bank1::Checksum; ++i)
                    sum += quint8(data.at(i));
                const bool good = sum == v;
                show(f, QStringLiteral("%1 (sum of bytes 0 to %2: %3) %4")
                            .arg(v)
                            .arg(Bank1::Checksum - 1)
                            .arg(sum)
                            .arg(good ? QStringLiteral("OK") : QStringLiteral("WRONG")));
                if (!good)
                    result.failures << QStringLiteral("the checksum is %1 but the bytes add up to %2").arg(v).arg(sum);
            } else if (f.offset == Bank1::Bank2_Address) {
                show(f, hex(v));
            } else {
                show(f, QString::number(v));
            }
            break;
        }
        case Bank1::FieldKind::Ipv4:
            show(f, QStringLiteral("%1.%2.%3.%4")
                        .arg(quint8(bytes[0]))
                        .arg(quint8(bytes[1]))
                        .arg(quint8(bytes[2]))
                        .arg(quint8(bytes[3])));
            break;
        case Bank1::FieldKind::Text: {
            const qsizetype end = bytes.indexOf('\0');
            show(f, quoted(end < 0 ? bytes : bytes.left(end)));
            if (end < 0)
                result.failures << QStringLiteral("the %1 at offset %2 does not end with a zero byte")
                                       .arg(QLatin1String(f.name))
                                       .arg(f.offset);
            break;
        }
        case Bank1::FieldKind::Bytes: {
            QStringList shown;
            for (const char c : bytes)
                shown << QStringLiteral("%1").arg(quint8(c), 2, 16, QLatin1Char('0')).toUpper();
            show(f, shown.join(QLatin1Char(' ')));
            break;
        }
        }
    }

    QList<int> reserved;
    for (int i = 0; i < std::min<qsizetype>(data.size(), Bank1::Size); ++i)
        if (!named[i] && data.at(i) != 0)
            reserved << i;
    if (reserved.isEmpty())
        result.lines << QStringLiteral("reserved bytes: all zero");
    else
        result.lines << QStringLiteral("reserved bytes: %1 not zero, the first at offset %2")
                            .arg(reserved.size())
                            .arg(reserved.first());
    return result;
}

BankInspection inspectVariableBank(const QByteArray &data)
{
    BankInspection result;
    const qsizetype size = data.size();
    result.lines << QStringLiteral("variable bank, %1 bytes, base address %2").arg(size).arg(hex(Bank2::Base));
    if (size < Bank2::HeaderSize) {
        result.failures << QStringLiteral("the file has %1 bytes, less than the %2-byte header")
                               .arg(size)
                               .arg(Bank2::HeaderSize);
        return result;
    }
    const auto show = [&](qsizetype offset, const QString &name, const QString &value) {
        result.lines << line(offset, 6, 5, name, value);
    };
    // Where an address points: the file offset, or nothing when it lies outside.
    const auto offsetOf = [&](quint32 address) -> std::optional<qsizetype> {
        if (address < Bank2::Base || address - Bank2::Base >= quint32(size))
            return std::nullopt;
        return qsizetype(address - Bank2::Base);
    };
    // An address of a text: shows where it points and what it finds there.
    const auto showText = [&](qsizetype offset, const QString &name, const QString &what) {
        const quint32 address = u32At(data, offset);
        const std::optional<qsizetype> at = offsetOf(address);
        if (!at) {
            show(offset, name, QStringLiteral("%1 -> outside the file").arg(hex(address)));
            result.failures << QStringLiteral("%1 at offset %2 points outside the file").arg(what).arg(offset);
            return;
        }
        const qsizetype end = data.indexOf('\0', *at);
        if (end < 0) {
            show(offset, name, QStringLiteral("%1 -> offset %2, no zero byte up to the end").arg(hex(address)).arg(*at));
            result.failures << QStringLiteral("%1 at offset %2 points at a text without its zero byte").arg(what).arg(offset);
            return;
        }
        show(offset, name, QStringLiteral("%1 -> offset %2 %3").arg(hex(address)).arg(*at).arg(quoted(data.mid(*at, end - *at))));
    };

    const quint16 n = u16At(data, Bank2::Num_Var);
    const quint32 recordsAddress = u32At(data, Bank2::Add_Num_Var);
    show(Bank2::Port, QStringLiteral("Port"), QString::number(u16At(data, Bank2::Port)));
    show(Bank2::Num_Var, QStringLiteral("Num_Var"), QString::number(n));
    const std::optional<qsizetype> records = offsetOf(recordsAddress);
    const bool recordsFit = records && *records + qsizetype(Bank2::RecordSize) * n <= size;
    show(Bank2::Add_Num_Var, QStringLiteral("Add_Num_Var"),
         records ? QStringLiteral("%1 -> offset %2").arg(hex(recordsAddress)).arg(*records)
                 : QStringLiteral("%1 -> outside the file").arg(hex(recordsAddress)));
    if (!recordsFit)
        result.failures << QStringLiteral("the %1 records at %2 do not lie inside the file").arg(n).arg(hex(recordsAddress));
    showText(Bank2::Add_NTP, QStringLiteral("Add_NTP"), QStringLiteral("the NTP text address"));
    show(Bank2::NTP_Time, QStringLiteral("NTP_Time"), QString::number(u32At(data, Bank2::NTP_Time)));
    if (!recordsFit)
        return result;

    for (int i = 0; i < n; ++i) {
        const qsizetype r = *records + qsizetype(Bank2::RecordSize) * i;
        result.lines << QStringLiteral("variable %1").arg(i + 1);
        const quint32 type = u32At(data, r + Bank2::VarType);
        QString typeName = QStringLiteral("unknown type");
        for (const Bank2::TypeCode &t : Bank2::TypeCodes)
            if (t.code == type)
                typeName = QLatin1String(t.name);
        show(r + Bank2::VarType, QStringLiteral("VarType"), QStringLiteral("%1 (%2)").arg(type).arg(typeName));
        show(r + Bank2::Position, QStringLiteral("Position"), QString::number(u16At(data, r + Bank2::Position)));
        show(r + Bank2::Length, QStringLiteral("Length"), QString::number(u16At(data, r + Bank2::Length)));
        show(r + Bank2::BitStart, QStringLiteral("BitStart"), QString::number(u16At(data, r + Bank2::BitStart)));
        const quint16 options = u16At(data, r + Bank2::Options);
        show(r + Bank2::Options, QStringLiteral("Options"),
             hex(options, 4)
                 + flagNames(options, {{Bank2::Option_ReadWrite, "Read/Write"},
                                       {Bank2::Option_Swap, "Swap"},
                                       {Bank2::Option_SwapWord, "SwapWord"},
                                       {Bank2::Option_SwapAll, "SwapAll"}}));
        showText(r + Bank2::Add_Name, QStringLiteral("Add_Name"), QStringLiteral("the name address of variable %1").arg(i + 1));
    }
    const qsizetype texts = *records + qsizetype(Bank2::RecordSize) * n;
    if (texts < size)
        result.lines << QStringLiteral("shared zero byte and texts: offsets %1 to %2").arg(texts).arg(size - 1);
    return result;
}
