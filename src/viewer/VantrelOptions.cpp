#include "viewer/VantrelOptions.h"

#include <QDir>

QString CVantrelOptions::Usage()
{
    return QStringLiteral("Usage: Vantrel [--cause-code-dir DIR] [--railroad-dir DIR] [--dump]\n"
                          "               [--screenshot FILE]\n"
                          "  --cause-code-dir DIR  cause-code workbooks (default \"Cause Code "
                          "Excel\")\n"
                          "  --railroad-dir DIR    railroad workbooks (default \"RailRoad\")\n"
                          "  --dump                print the scanned records and exit\n"
                          "  --screenshot FILE     write a PNG of the window after the scan and "
                          "exit\n");
}

bool CVantrelOptions::Parse(const QStringList& arguments, CVantrelOptions* options, QString* error,
                            bool* helpAsked)
{
    CVantrelOptions result;
    result.CauseCodeDir = QDir::current().filePath(QStringLiteral("Cause Code Excel"));
    result.RailroadDir = QDir::current().filePath(QStringLiteral("RailRoad"));
    if (helpAsked)
        *helpAsked = false;
    for (qsizetype k = 1; k < arguments.size(); ++k)
    {
        const QString& arg = arguments[k];
        QString name = arg;
        QString value;
        bool hasValue = false;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 0)
        {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasValue = true;
        }
        const bool isDir =
            name == QLatin1String("--cause-code-dir") || name == QLatin1String("--railroad-dir");
        if (isDir || name == QLatin1String("--screenshot"))
        {
            if (!hasValue)
            {
                if (k + 1 >= arguments.size())
                {
                    *error =
                        QStringLiteral("%1 needs a %2\n")
                            .arg(name, isDir ? QStringLiteral("folder") : QStringLiteral("file")) +
                        Usage();
                    return false;
                }
                value = arguments[++k];
            }
            if (!isDir)
            {
                result.Screenshot = QDir::current().absoluteFilePath(value);
                continue;
            }
            const QString dir = QDir::current().absoluteFilePath(value);
            (name == QLatin1String("--cause-code-dir") ? result.CauseCodeDir : result.RailroadDir) =
                dir;
        }
        else if (arg == QLatin1String("--dump"))
            result.Dump = true;
        else if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
        {
            if (helpAsked)
                *helpAsked = true;
            *error = Usage();
            return false;
        }
        else
        {
            *error = QStringLiteral("Unknown argument: %1\n").arg(arg) + Usage();
            return false;
        }
    }
    *options = result;
    return true;
}
