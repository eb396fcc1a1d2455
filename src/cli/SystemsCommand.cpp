#include "cli/CliCommand.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "common/StreamPrompter.h"
#include "model_store/ModelDatabase.h"

#include <algorithm>

namespace
{
// Every live system version (Type 0): Sys_ID, Sys_Name and Version, in Sys_ID order.
int Systems(const QStringList& args)
{
    if (!args.isEmpty())
    {
        CPrompter::Message(QStringLiteral("systems takes no arguments."), CPrompter::Icon::Warning);
        return 2;
    }
    CApplicationState state;
    if (!CCliCommand::OpenDatabases(state))
        return 1;
    CModelDatabase& store = *state.m_pModelStore;

    CSystemList firsts;
    if (!store.GetFirstSystemOfEachName(firsts, SystemType::System))
        return 1;
    CSystemList versions;
    for (const CSystem& first : firsts)
    {
        if (!store.GetSystemByName(versions, first.Sys_Name, 0))
            return 1;
    }
    std::stable_sort(versions.begin(), versions.end(),
                     [](const CSystem& a, const CSystem& b) { return a.Sys_ID < b.Sys_ID; });
    for (const CSystem& s : versions)
    {
        if (s.Type != SystemType::System)
            continue;
        CCliCommand::Print(QStringLiteral("%1\t%2\t%3")
                               .arg(s.Sys_ID)
                               .arg(CStreamPrompter::OneLine(s.Sys_Name))
                               .arg(s.Version));
    }
    return 0;
}
} // namespace

extern const CCliCommand g_SystemsCommand;
const CCliCommand g_SystemsCommand{"systems", "systems", &Systems};
