#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the main window, drawn for this program: toolbar buttons, the four kinds of
// system tree items, the program icon and the splash picture.
class CShellIcons
{
public:
    static QIcon ToolbarIcon(int commandId);
    // 0 system version, 1 subsystem, 2 function, 3 hazard.
    static QIcon TreeImage(int kind);
    static QIcon ProgramIcon();
    static QPixmap SplashPicture();
};
