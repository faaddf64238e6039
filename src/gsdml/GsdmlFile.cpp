#include "gsdml/GsdmlFile.h"

#include "common/Prompts.h"

void Create_GSDML_File(const AppState &, Prompts &prompts, const QString &)
{
    prompts.generalError(QStringLiteral("The GSDML writer is not available yet."));
}
