#include "cli/CliCommand.h"
#include "cli/DemoModel.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "history/HistoryDatabase.h"
#include "model_store/ModelDatabase.h"

extern const CCliCommand g_InitCommand;

namespace
{
// A fresh data folder as init makes it, then the demonstration model and libraries.
int Demo(const QStringList& args)
{
    if (!args.isEmpty())
    {
        CPrompter::Message(QStringLiteral("demo takes no arguments."), CPrompter::Icon::Warning);
        return 2;
    }
    const int init = g_InitCommand.run({});
    if (init != 0)
        return init;
    CApplicationState state;
    if (!CCliCommand::OpenDatabases(state))
        return 1;
    if (!CDemoModel::Write(*state.m_pModelStore) ||
        !CDemoModel::WriteHistory(*state.m_pHistoryStore))
    {
        CPrompter::Message(QStringLiteral("The demonstration model could not be written."),
                           CPrompter::Icon::Error);
        return 1;
    }
    CPrompter::Status(QStringLiteral("Wrote the demonstration system \"%1\" (versions 1 and 2; "
                                     "version 3 in the Recover window)")
                          .arg(CDemoModel::SystemName));
    return 0;
}
} // namespace

extern const CCliCommand g_DemoCommand;
const CCliCommand g_DemoCommand{"demo", "demo", &Demo};
