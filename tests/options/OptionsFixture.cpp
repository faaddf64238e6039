#include "OptionsFixture.h"

#include <QImage>
#include <QPainter>

void writeLanguage(TestFolders &folders, const QString &language, const QMap<int, QString> &entries)
{
    QString text;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        text += QStringLiteral("STR%1 = \u00B6%2\u00B6\r\n").arg(it.key()).arg(it.value());
    folders.writeFile(QStringLiteral("LANGUAGE/%1.lng").arg(language), "\xEF\xBB\xBF" + text.toUtf8());
}

void writeFlag(TestFolders &folders, const QString &name, const QList<QColor> &bands, bool vertical)
{
    QImage flag(48, 32, QImage::Format_RGB32);
    QPainter painter(&flag);
    const int n = int(bands.size());
    for (int i = 0; i < n; ++i) {
        const QRect band = vertical ? QRect(i * 48 / n, 0, 48 / n + 1, 32) : QRect(0, i * 32 / n, 48, 32 / n + 1);
        painter.fillRect(band, bands.at(i));
    }
    painter.end();
    flag.save(folders.path(QStringLiteral("LANGUAGE/%1.bmp").arg(name)), "BMP");
}
