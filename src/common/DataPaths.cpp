#include "common/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{
QString& RootRef()
{
    static QString root = QStringLiteral(".");
    return root;
}

QString Under(const QString& relative)
{
    return QDir(RootRef()).filePath(relative);
}
} // namespace

void CDataPaths::SetRoot(const QString& root)
{
    RootRef() = root.isEmpty() ? QStringLiteral(".") : root;
}

QString CDataPaths::Root()
{
    return RootRef();
}

QString CDataPaths::DataDir()
{
    return Under(QStringLiteral("Data"));
}

QString CDataPaths::ModelDatabasePath()
{
    return Under(QStringLiteral("Data/Quillon.mdb"));
}

QString CDataPaths::HistoryDatabasePath()
{
    return Under(QStringLiteral("Data/QuillonHistory.mdb"));
}

QString CDataPaths::EventTreeDir()
{
    return Under(QStringLiteral("EventTree"));
}

QString CDataPaths::EventTreePicturePath(int hazardId)
{
    return Under(QStringLiteral("EventTree/%1.bmp").arg(hazardId));
}

QString CDataPaths::ReportsDir()
{
    return Under(QStringLiteral("Reports"));
}

QString CDataPaths::HelpDir()
{
    const QString fromEnv = qEnvironmentVariable("QUILLON_HELP_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv;
    if (QCoreApplication::instance())
    {
        const QString besideProgram =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help"));
        if (QFileInfo(besideProgram).isDir())
            return besideProgram;
    }
    return QDir(QStringLiteral(QUILLON_SOURCE_DIR)).filePath(QStringLiteral("help"));
}
