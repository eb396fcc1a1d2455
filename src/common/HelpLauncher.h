#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens help topics. A topic is named as the help file knows it ("helpoutput.chm::/SYSTEM.html",
// or the bare "helpoutput.chm" for the start page) and maps to a page in the help folder. The
// page is handed to an opener, the desktop's browser by default; tests install their own so
// that nothing is launched.
class CHelpLauncher
{
public:
    using Opener = std::function<bool(const QUrl&)>;

    static inline const QString HelpFile = QStringLiteral("helpoutput.chm");
    static inline const QString StartPage = QStringLiteral("index.html");

    // The page file of a topic: help/<page> for "file.chm::/<page>", the start page otherwise
    // and for pages that do not exist, so a reader always lands somewhere useful.
    static QString PageOf(const QString& topic);
    static bool OpenTopic(const QString& topic);

    // Installs an opener; an empty one restores the desktop's.
    static void SetOpener(Opener opener);
};
