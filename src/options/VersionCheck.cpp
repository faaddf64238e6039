#include "options/VersionCheck.h"

#include "common/Product.h"
#include "options/HttpGet.h"

bool Check_Version(HttpGet &http, const QUrl &url, int timeoutMs)
{
    QByteArray body;
    QString error;
    if (!http.get(url, timeoutMs, &body, &error))
        body.clear();

    const QString answer = QString::fromUtf8(body).trimmed();
    const QString upper = answer.toUpper();
    if (upper.isEmpty() || upper == QLatin1String("VER. 0.000"))
        return false;

    const int local = Conv_Version(Product::SW_Version);
    const int remote = Conv_Version(answer);
    return local != -1 && remote != -1 && remote > local;
}

int Conv_Version(const QString &Ver_str)
{
    const qsizetype blank = Ver_str.indexOf(u' ');
    const QString version = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
    if (version.size() < 5)
        return -1;
    // The second character, normally the point, is skipped.
    const QChar digits[4] = {version.at(0), version.at(2), version.at(3), version.at(4)};
    int number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}
