#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

class VariableTable;

// The variable list as CSV for spreadsheet programs: a header row with the
// attribute names of OPC_UA_Server.xml in file order, then one line per variable,
// each value as the editor shows it (check boxes as "Y" or "N"). Fields holding
// the separator, a quote, a line break or outer blanks are quoted, quotes doubled;
// lines end with CR LF; UTF-8.

// Rows 1 to rows of the table, with a UTF-8 byte-order mark in front when asked.
QByteArray variablesToCsv(const VariableTable &table, int rows, QChar separator, bool byteOrderMark);

struct CsvRead
{
    bool ok = false;
    int rows = 0;  // the variables read
    QString error; // what is wrong, naming the line
};

// Fills a reset table from CSV: with or without the byte-order mark, comma or
// semicolon (the one the header line uses), columns matched by the header's
// names, each line read as the editor reads a `row` of the file (a missing column
// gives that attribute's default). Refuses, naming the line, text that is not
// UTF-8, a header with an unknown or repeated name, broken quoting, a line with
// another number of fields than the header, and more than 250 variables.
CsvRead readVariablesCsv(const QByteArray &data, VariableTable &table);
