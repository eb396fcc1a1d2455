#include "cli/CliCommand.h"

#include "common/DataPaths.h"
#include "common/Prompter.h"

#include <QGuiApplication>

// The commands, each defined in its own file as g_<Name>Command. Add a command with one line.
#define QUILLON_CLI_COMMANDS(X)                                                                    \
    X(Init)                                                                                        \
    X(Systems)                                                                                     \
    X(Demo)                                                                                        \
    X(Run)                                                                                         \
    X(Report)

#define QUILLON_DECLARE_COMMAND(Name) extern const CCliCommand g_##Name##Command;
#define QUILLON_LIST_COMMAND(Name) &g_##Name##Command,
QUILLON_CLI_COMMANDS(QUILLON_DECLARE_COMMAND)

namespace
{
const CCliCommand* const kCommands[] = {QUILLON_CLI_COMMANDS(QUILLON_LIST_COMMAND)};

QString Usage()
{
    QString text = QStringLiteral("usage: quillon [--data DIR] COMMAND\ncommands:");
    for (const CCliCommand* command : kCommands)
        text += QStringLiteral("\n  ") + QString::fromUtf8(command->usage);
    return text;
}

QtMessageHandler g_QtHandler = nullptr;

// Qt's note about a missing XDG_RUNTIME_DIR means nothing to a program that never opens a
// window; it would only clutter the messages that scripts read on stderr.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_QtHandler)
        g_QtHandler(type, context, text);
}
} // namespace

int main(int argc, char* argv[])
{
    // The report draws its pictures with fonts, which needs the GUI application; the program
    // never shows a window, so it runs the same with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_QtHandler = qInstallMessageHandler(FilterQtMessages);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--")))
    {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--data") && !args.isEmpty())
        {
            CDataPaths::SetRoot(args.takeFirst());
        }
        else if (option == QStringLiteral("--help"))
        {
            CPrompter::Message(Usage());
            return 0;
        }
        else
        {
            CPrompter::Message(
                QStringLiteral("Unknown or incomplete option %1\n%2").arg(option, Usage()),
                CPrompter::Icon::Warning);
            return 2;
        }
    }
    if (args.isEmpty())
    {
        CPrompter::Message(Usage(), CPrompter::Icon::Warning);
        return 2;
    }
    const QString name = args.takeFirst();
    for (const CCliCommand* command : kCommands)
    {
        if (name == QString::fromUtf8(command->name))
            return command->run(args);
    }
    CPrompter::Message(QStringLiteral("Unknown command %1\n%2").arg(name, Usage()),
                       CPrompter::Icon::Warning);
    return 2;
}
