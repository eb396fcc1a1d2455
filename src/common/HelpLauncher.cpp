#include "common/HelpLauncher.h"

#include "common/DataPaths.h"

#include <QDir>
#include <QFileInfo>

QString CHelpLauncher::PageOf(const QString& topic)
{
    const QDir dir(CDataPaths::HelpDir());
    const qsizetype sep = topic.indexOf(QStringLiteral("::/"));
    if (sep >= 0)
    {
        const QString page = topic.mid(sep + 3);
        // A topic never reaches outside the help folder.
        if (!page.isEmpty() && !page.contains(QLatin1Char('/')) &&
            !page.contains(QStringLiteral("..")))
        {
            const QString path = dir.filePath(page);
            if (QFileInfo::exists(path))
                return path;
        }
    }
    return dir.filePath(StartPage);
}

bool CHelpLauncher::OpenTopic(const QString& topic)
{
    return CDesktopOpener::Open(QUrl::fromLocalFile(PageOf(topic)));
}
