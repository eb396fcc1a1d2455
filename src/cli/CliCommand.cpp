#include "cli/CliCommand.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"

#include <cstdio>

bool CCliCommand::OpenDatabases(CApplicationState& state)
{
    if (state.OpenDatabases())
        return true;
    CPrompter::Message(QStringLiteral("Unable to initialize the database"));
    return false;
}

void CCliCommand::Print(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
