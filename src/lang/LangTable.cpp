#include "lang/LangTable.h"

#include "common/TextToInt.h"
#include "lang/DefaultTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Trims blanks, tabs and every other character with a code up to 32.
QStringView trim32(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 32)
        ++b;
    while (e > b && s[e - 1].unicode() <= 32)
        --e;
    return s.mid(b, e - b);
}

// Windows-1252: Latin-1 but for 0x80..0x9F. Undefined codes keep their Latin-1 value.
QString decodeWindows1252(const QByteArray &bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return out;
}

} // namespace

void LangTable::Build_Default_Table()
{
    m_entries.clear();
    m_entries.reserve(Lang_Table_Count);
    const QString blank = QStringLiteral(" ");
    int next = 0;
    for (int i = 0; i < kDefaultTextCount; ++i) {
        const DefaultText &t = kDefaultTexts[i];
        while (next < t.index) {
            m_entries.append(blank);
            ++next;
        }
        m_entries.append(QString::fromUtf16(t.text));
        ++next;
    }
    while (next < Lang_Table_Count) {
        m_entries.append(blank);
        ++next;
    }
}

QString LangTable::decodeLanguageFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringConverter::Utf16LE, QStringConverter::Flag::Default);
        return d.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringConverter::Utf16BE, QStringConverter::Flag::Default);
        return d.decode(bytes.mid(2));
    }
#ifdef Q_OS_WIN
    QStringDecoder ansi(QStringConverter::System);
    return ansi.decode(bytes);
#else
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
#endif
}

int LangTable::parseLine(QStringView rawLine, QString *value)
{
    const QStringView line = trim32(rawLine);
    if (!line.startsWith(QLatin1String("STR")))
        return -1;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return -1;
    // The index text runs from after "STR" to two characters before the "=":
    // the character just before the "=" (a blank in a well-formed line) is dropped.
    const qsizetype indexLength = eq - 4;
    const QStringView indexText = indexLength > 0 ? trim32(line.mid(3, indexLength)) : QStringView();
    const int index = textToInt(indexText, -1);
    if (index < 0 || index >= Lang_Table_Count)
        return -1;

    QStringView v = trim32(line.mid(eq + 1));
    if (v.isEmpty())
        return -1;
    const qsizetype remark = v.indexOf(QLatin1String("/#/"));
    if (remark >= 0) {
        v = trim32(v.left(remark));
        if (v.isEmpty())
            return -1;
    }
    if (v.startsWith(QChar(0x00B6)))
        v = v.mid(1);
    const qsizetype pilcrow = v.indexOf(QChar(0x00B6));
    if (pilcrow >= 0)
        v = v.left(pilcrow);
    *value = v.toString();
    return index;
}

void LangTable::applyLanguageText(QStringView content)
{
    if (m_entries.size() < Lang_Table_Count)
        Build_Default_Table();
    // Lines end with CR LF, LF or CR. Splitting at every CR and every LF gives
    // an empty piece between CR and LF, which sets nothing.
    QString value;
    while (!content.isEmpty()) {
        const qsizetype lf = content.indexOf(u'\n');
        QStringView piece = lf < 0 ? content : content.left(lf);
        content = lf < 0 ? QStringView() : content.mid(lf + 1);
        for (;;) {
            const qsizetype cr = piece.indexOf(u'\r');
            const int index = parseLine(cr < 0 ? piece : piece.left(cr), &value);
            if (index >= 0)
                m_entries[index] = value;
            if (cr < 0)
                break;
            piece = piece.mid(cr + 1);
        }
    }
}

bool LangTable::Apply_Language_File(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    applyLanguageText(decodeLanguageFile(file.readAll()));
    return true;
}

void LangTable::Load_Language(const QString &Language_Folder, QString &Language_Name)
{
    Build_Default_Table();
    const QString path = QDir(Language_Folder).filePath(Language_Name + QStringLiteral(".lng"));
    if (QFileInfo(path).isFile()) {
        Apply_Language_File(path);
        return;
    }
    Language_Name = QStringLiteral("English");
    const QString english = QDir(Language_Folder).filePath(QStringLiteral("English.lng"));
    if (QFileInfo(english).isFile())
        Apply_Language_File(english);
}
