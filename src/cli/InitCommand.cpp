#include "cli/CliCommand.h"

#include "common/DataPaths.h"
#include "common/Prompter.h"
#include "history/HistoryDatabase.h"
#include "model_store/ModelDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
// Makes an empty data folder; an existing database is never touched.
int Init(const QStringList& args)
{
    if (!args.isEmpty())
    {
        CPrompter::Message(QStringLiteral("init takes no arguments."), CPrompter::Icon::Warning);
        return 2;
    }
    const QString model = CDataPaths::ModelDatabasePath();
    const QString history = CDataPaths::HistoryDatabasePath();
    for (const QString& path : {model, history})
    {
        if (QFileInfo::exists(path))
        {
            CPrompter::Message(
                QStringLiteral("%1 already exists; init never overwrites a database.").arg(path),
                CPrompter::Icon::Warning);
            return 1;
        }
    }
    QString error;
    if (!CModelDatabase::Create(model, &error))
    {
        CPrompter::Message(error, CPrompter::Icon::Error);
        return 1;
    }
    if (!CHistoryDatabase::Create(history, &error))
    {
        QFile::remove(model); // leave no half-made data folder behind
        CPrompter::Message(error, CPrompter::Icon::Error);
        return 1;
    }
    if (!QDir().mkpath(CDataPaths::EventTreeDir()))
    {
        CPrompter::Message(
            QStringLiteral("Cannot create the folder %1.").arg(CDataPaths::EventTreeDir()),
            CPrompter::Icon::Error);
        return 1;
    }
    CPrompter::Status(
        QStringLiteral("Created %1, %2 and %3").arg(model, history, CDataPaths::EventTreeDir()));
    return 0;
}
} // namespace

extern const CCliCommand g_InitCommand;
const CCliCommand g_InitCommand{"init", "init", &Init};
