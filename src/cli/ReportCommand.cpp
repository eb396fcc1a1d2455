#include "cli/CliCommand.h"
#include "cli/SystemLookup.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "event_tree_views/EventTreeDiagram.h"
#include "report/RiskReport.h"
#include "risk_analysis/SystemRun.h"

#include <QFileInfo>

namespace
{
const char* const ReportUsage = "report NAME [--version N] [--output FILE.docx]";

int Usage()
{
    CPrompter::Message(QStringLiteral("usage: quillon [--data DIR] ") +
                           QString::fromLatin1(ReportUsage),
                       CPrompter::Icon::Error);
    return 2;
}

// Writes the risk assessment report of a live system version and prints the document's path.
// The run's messages and the report's go to stderr as for quillon run.
int Report(const QStringList& args)
{
    CSystemArgs parsed;
    if (!ParseSystemArgs(args, {QStringLiteral("--output")}, parsed))
        return Usage();
    const QString output = parsed.options.value(QStringLiteral("--output"));

    CApplicationState state;
    if (!CCliCommand::OpenDatabases(state))
        return 1;
    if (const int status = OpenSystemVersion(state, parsed.name, parsed.version))
        return status;

    CSystemRun run(state);
    CEventTreeDiagram diagram(state);
    CRiskReport report(state, run, diagram);
    if (!output.isEmpty())
        report.SetOutputPath(QFileInfo(output).absoluteFilePath());
    if (!report.OnRiskAssessmentReport())
        return 1;
    CCliCommand::Print(QFileInfo(report.SavedPath()).absoluteFilePath());
    return 0;
}
} // namespace

extern const CCliCommand g_ReportCommand;
const CCliCommand g_ReportCommand{"report", ReportUsage, &Report};
