#include "gsdml/GsdmlFileName.h"

QString gsdmlDatePart(const QDate &date)
{
    return QStringLiteral("-%1%2%3.xml")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString formGsdmlFileName(const QString &userPart, const QString &datePart)
{
    if (userPart.trimmed().isEmpty())
        return GSDML_Fixed_Part + datePart;
    if (userPart.startsWith(u'_'))
        return GSDML_Fixed_Part + userPart + datePart;
    return GSDML_Fixed_Part + u'_' + userPart + datePart;
}
