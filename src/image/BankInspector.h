#pragma once

#include <QByteArray>
#include <QStringList>

// Decoding a bank file field by field, for the engineer who wants to see what goes
// into the device, with the checks that tell a sound bank from a damaged one.

enum class BankKind { Unknown, Parameter, Variable };

// Tells the kind by structure: a variable bank holds its first record's address
// (0x80010) at offset 4, where a parameter bank holds the fixed 250000; otherwise a
// 2,048-byte file is taken for a parameter bank.
BankKind bankKindOf(const QByteArray &data);

struct BankInspection
{
    QStringList lines;    // one field per line: offset, name, value
    QStringList failures; // the checks that failed; empty when the bank is sound

    bool ok() const { return failures.isEmpty(); }
};

// The parameter bank's fields; checks its size, its checksum and that each text
// field ends with a zero byte.
BankInspection inspectParameterBank(const QByteArray &data);

// The variable bank's header, records and texts; checks that the records lie inside
// the file and that every text address points inside it at a zero-terminated text.
BankInspection inspectVariableBank(const QByteArray &data);
