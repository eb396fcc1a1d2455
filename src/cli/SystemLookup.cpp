#include "cli/SystemLookup.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "model_store/ModelDatabase.h"

int OpenSystemVersion(CApplicationState& state, const QString& name, int version)
{
    // The live top-level rows of that name: its live versions.
    CSystemList rows;
    if (!state.m_pModelStore->GetSystemByName(rows, name, 0))
        return 1;
    const CSystem* chosen = nullptr;
    for (const CSystem& row : rows)
    {
        if (row.Type != SystemType::System)
            continue;
        if (version >= 0 ? row.Version == version : (!chosen || row.Version > chosen->Version))
            chosen = &row;
    }
    if (!chosen)
    {
        CPrompter::Message(version >= 0 ? QStringLiteral("No live system \"%1\" with version %2")
                                              .arg(name, QString::number(version))
                                        : QStringLiteral("No live system \"%1\"").arg(name),
                           CPrompter::Icon::Error);
        return 2;
    }
    state.m_OpenSystemId = chosen->Sys_ID;
    state.m_OpenSystemName = chosen->Sys_Name;
    return 0;
}
