#include "image/BankCompiler.h"

bool Compile_Bin_Banks(const QString &, BankImages *, QString *error)
{
    *error = QStringLiteral("The bank compiler is not available yet.");
    return false;
}

bool Save_Bin_Banks(const QString &, const BankImages &, QString *error)
{
    *error = QStringLiteral("The bank compiler is not available yet.");
    return false;
}
