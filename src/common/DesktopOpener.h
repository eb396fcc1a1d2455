#pragma once

#include <QUrl>

#include <functional>

// Hands files and pages to the desktop (browser, word processor). Tests install their own opener
// so that nothing is launched; without one, the desktop's is used, and only where there is a
// display to show the result on.
class CDesktopOpener
{
public:
    using Opener = std::function<bool(const QUrl&)>;

    // False when nothing was opened.
    static bool Open(const QUrl& url);
    // Installs an opener; an empty one restores the desktop's.
    static void SetOpener(Opener opener);
    // False on the offscreen and minimal platforms and without a GUI application.
    static bool HasDisplay();
};
