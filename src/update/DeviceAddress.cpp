#include "update/DeviceAddress.h"

#include "common/TextToInt.h"

#include <QList>
#include <QStringList>

namespace {

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// A decimal number from 0 to 255, or -1.
int byteValue(QStringView text)
{
    if (!allDigits(text))
        return -1;
    const int value = textToInt(text, -1);
    return value >= 0 && value <= 255 ? value : -1;
}

} // namespace

std::optional<AddressFields> splitAddress(const QString &text)
{
    QString rest = text.trimmed();
    if (!rest.contains(u'.'))
        return std::nullopt;
    AddressFields fields;
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = rest.indexOf(u'.');
        if (dot < 0)
            return std::nullopt;
        fields[i] = rest.left(dot).trimmed();
        rest = rest.mid(dot + 1).trimmed();
    }
    fields[3] = rest;
    for (const QString &f : fields)
        if (byteValue(f) < 0)
            return std::nullopt;
    return fields;
}

QString joinAddress(const AddressFields &fields)
{
    return fields[0] + u'.' + fields[1] + u'.' + fields[2] + u'.' + fields[3];
}

std::optional<AddressFields> addressFieldsOf(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    return AddressFields{parts[0], parts[1], parts[2], parts[3]};
}

std::optional<quint32> deviceAddress(QStringView text)
{
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    quint32 address = 0;
    for (QStringView part : parts) {
        const int value = byteValue(part);
        if (value < 0 || part.size() > 3 || (part.size() > 1 && part.front() == u'0'))
            return std::nullopt;
        address = (address << 8) | quint32(value);
    }
    const quint32 first = address >> 24;
    if (first == 0 || (first >= 224 && first <= 239) || address == 0xFFFFFFFFu)
        return std::nullopt;
    return address;
}
