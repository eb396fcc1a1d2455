#pragma once

#include <QString>

class QApplication;
class CMainFrame;
class CQuillonToolSetApp;

// Start-up of QuillonToolSet: splash, databases, main window, and the options for scripts:
//   --no-splash          start without the splash window
//   --data DIR           the folder holding Data/ and EventTree/ (default: working directory)
//   --open NAME          open the system NAME and select its latest version
//   --run                run the opened system
//   --select NAME        select the tree item labelled NAME and show the "View Event Tree" tab
//   --screenshot FILE    write a PNG of the main window once it is drawn, then end
class CShellStartup
{
public:
    struct Options
    {
        bool splash = true;
        QString dataDir;
        QString openName;
        bool run = false;
        QString selectName;
        QString screenshot;
    };

    static Options Parse(const QApplication& app);
    static int Run(QApplication& app);

    // Opens the system named name as the Open System list would and selects its last root
    // item. False when there is no such system.
    static bool OpenByName(CQuillonToolSetApp& state, const QString& name);
    // Selects the tree item labelled name and brings the diagram's tab to the front. False when
    // there is no such item.
    static bool SelectByName(CQuillonToolSetApp& state, const QString& name);
};
