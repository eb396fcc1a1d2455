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

bool ParseSystemArgs(const QStringList& args, const QStringList& valueOptions, CSystemArgs& out)
{
    for (qsizetype i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--version") && hasValue)
        {
            bool ok = false;
            out.version = args[++i].toInt(&ok);
            if (!ok || out.version < 0)
                return false;
        }
        else if (valueOptions.contains(arg) && hasValue)
        {
            const QString value = args[++i];
            if (value.isEmpty())
                return false;
            out.options.insert(arg, value);
        }
        else if (out.name.isEmpty() && !arg.startsWith(QLatin1String("--")))
            out.name = arg;
        else
            return false;
    }
    return !out.name.isEmpty();
}
