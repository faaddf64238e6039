#pragma once

#include "comm/ParGenFile.h"

#include <QString>

#include <vector>

class LangTable;

namespace ParGen {

// One check of the data check: the value converted to an integer (anything that is
// not a number counts as -1) must lie in [low, high] and not be one of excluded.
// A rule with a guard runs only while that check box is ticked.
struct Rule
{
    Field value;
    Field guard; // FieldCount: always runs
    int low;
    int high;
    std::vector<int> excluded;
    int entry;                // the language entry of the message
    bool messageEndsWithHigh; // the message is the entry followed by the upper bound
};

// The rules in the order in which they run.
const std::vector<Rule> &rules();

// The message of a failing rule, in the table's language.
QString ruleMessage(const LangTable &table, int entry);

} // namespace ParGen

// The data check of the communication parameters: the language entry of the first
// rule that fails, or 0 when every rule passes.
int Controllo_Dati(const ParGen::Values &values);
