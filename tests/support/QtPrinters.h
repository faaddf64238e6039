#pragma once

// Readable values in test failure messages.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l.at(i).toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << '"' << b.toStdString() << "\" (" << b.size() << " bytes: " << b.left(64).toHex(' ').toStdString()
        << (b.size() > 64 ? " ...)" : ")");
}
