#pragma once

#include "common/DesktopOpener.h"

#include <QString>

// Opens help topics. A topic is named as the help file knows it ("helpoutput.chm::/SYSTEM.html",
// or the bare "helpoutput.chm" for the start page) and maps to a page in the help folder. The
// page goes through CDesktopOpener, so the opener tests install covers help as well.
class CHelpLauncher
{
public:
    using Opener = CDesktopOpener::Opener;

    static inline const QString HelpFile = QStringLiteral("helpoutput.chm");
    static inline const QString StartPage = QStringLiteral("index.html");

    // The page file of a topic: help/<page> for "file.chm::/<page>", the start page otherwise
    // and for pages that do not exist, so a reader always lands somewhere useful.
    static QString PageOf(const QString& topic);
    static bool OpenTopic(const QString& topic);

    // Installs an opener (CDesktopOpener's); an empty one restores the desktop's.
    static void SetOpener(Opener opener) { CDesktopOpener::SetOpener(std::move(opener)); }
};
