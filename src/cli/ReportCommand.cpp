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
    QString name;
    QString output;
    int version = -1;
    for (qsizetype i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        if (arg == QLatin1String("--version") && i + 1 < args.size())
        {
            bool ok = false;
            version = args[++i].toInt(&ok);
            if (!ok || version < 0)
                return Usage();
        }
        else if (arg == QLatin1String("--output") && i + 1 < args.size())
        {
            output = args[++i];
            if (output.isEmpty())
                return Usage();
        }
        else if (name.isEmpty() && !arg.startsWith(QLatin1String("--")))
            name = arg;
        else
            return Usage();
    }
    if (name.isEmpty())
        return Usage();

    CApplicationState state;
    if (!CCliCommand::OpenDatabases(state))
        return 1;
    if (const int status = OpenSystemVersion(state, name, version))
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
