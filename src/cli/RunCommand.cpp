#include "cli/CliCommand.h"
#include "cli/ResultPrinter.h"
#include "cli/SystemLookup.h"
#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/SystemRun.h"

#include <cstdio>

namespace
{
void Print(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

int Usage()
{
    CPrompter::Message(QStringLiteral("usage: quillon [--data DIR] run NAME [--version N] "
                                      "[--format text|json]"),
                       CPrompter::Icon::Error);
    return 2;
}

// Runs the live top-level system of that name and version (the highest live version without
// --version) as the open system and prints the three result lists. 0 when the run completed,
// 2 when there is no such live system version, 1 when a database cannot be opened.
int Run(const QStringList& args)
{
    CSystemArgs parsed;
    if (!ParseSystemArgs(args, {QStringLiteral("--format")}, parsed))
        return Usage();
    const QString format = parsed.options.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return Usage();

    CApplicationState state;
    if (!CCliCommand::OpenDatabases(state))
        return 1;

    if (const int status = OpenSystemVersion(state, parsed.name, parsed.version))
        return status;
    CResultPrinter printer(state);
    CSystemRun run(state, &printer);
    run.OnRun();
    Print(format == QLatin1String("json") ? printer.Json() : printer.Text());
    return 0;
}
} // namespace

extern const CCliCommand g_RunCommand;
const CCliCommand g_RunCommand{"run", "run NAME [--version N] [--format text|json]", &Run};
