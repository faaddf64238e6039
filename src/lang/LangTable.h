#pragma once

#include <QString>
#include <QStringList>

// The interface texts: 4,200 entries fetched by index. Built-in English texts,
// any of which a language file (<language>.lng in the LANGUAGE folder) can replace.
class LangTable
{
public:
    static constexpr int Lang_Table_Count = 4200;

    // Entry k; an index outside the table gives an empty text.
    QString text(int k) const { return k >= 0 && k < m_entries.size() ? m_entries.at(k) : QString(); }
    QString operator[](int k) const { return text(k); }
    int count() const { return int(m_entries.size()); }

    // Empties the table and appends the 4,200 built-in English texts in index order.
    void Build_Default_Table();

    // Reads one language file and replaces the entries it names. Returns false
    // (table untouched) when the file cannot be read.
    bool Apply_Language_File(const QString &path);

    // Applies the lines of a language file already decoded to text.
    void applyLanguageText(QStringView content);

    // The built-in table, then Language_Folder/Language_Name.lng; when that file
    // does not exist, Language_Name becomes "English" and English.lng applies if present.
    void Load_Language(const QString &Language_Folder, QString &Language_Name);

    // Decodes the bytes of a language file: a byte-order mark selects UTF-8,
    // UTF-16 LE or UTF-16 BE; without one, the ANSI code page on Windows, elsewhere
    // UTF-8 when the bytes are valid UTF-8 and Windows-1252 otherwise.
    static QString decodeLanguageFile(const QByteArray &bytes);

    // One line of a language file: the index it sets (-1 for a line that sets
    // nothing) and the value.
    static int parseLine(QStringView line, QString *value);

private:
    QStringList m_entries;
};
