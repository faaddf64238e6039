#include "cli/Cli.h"

#include <QDir>
#include <QFileInfo>

Cli::Cli(const QStringList &words, QTextStream &o, QTextStream &e, Ports &p)
    : out(o)
    , err(e)
    , ports(p)
    , m_words(words)
{
}

std::optional<QString> Cli::option(const QString &name)
{
    const QString dashed = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        const QString &w = m_words.at(i);
        if (w == dashed && i + 1 < m_words.size()) {
            const QString value = m_words.at(i + 1);
            m_words.remove(i, 2);
            return value;
        }
        if (w.startsWith(dashed + u'=')) {
            const QString value = w.mid(dashed.size() + 1);
            m_words.remove(i);
            return value;
        }
    }
    return std::nullopt;
}

bool Cli::flag(const QString &name)
{
    return m_words.removeOne(QStringLiteral("--") + name);
}

QString Cli::absolutePath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

int Cli::usage(const QString &text)
{
    err << "tessera-cli: " << text << Qt::endl;
    return ExitUsage;
}

int Cli::refuse(const QString &text)
{
    err << text << Qt::endl;
    return ExitRefused;
}

int Cli::fileError(const QString &text)
{
    err << text << Qt::endl;
    return ExitFileError;
}
