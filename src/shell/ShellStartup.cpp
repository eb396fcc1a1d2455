#include "shell/ShellStartup.h"

#include "common/CommandIds.h"
#include "common/DataPaths.h"
#include "common/Prompter.h"
#include "common/ui/TabView.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "model_store/ModelDatabase.h"
#include "shell/FlashWindow.h"
#include "shell/GuiPrompter.h"
#include "shell/LeftView.h"
#include "shell/MainFrame.h"
#include "shell/QuillonToolSetApp.h"
#include "shell/ShellIcons.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

#include <cstdio>

CShellStartup::Options CShellStartup::Parse(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Toravin Model Vozezur"));
    parser.addHelpOption();
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Start without the splash window."));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Folder holding Data/ and EventTree/."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("Open the system NAME."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption run(QStringLiteral("run"), QStringLiteral("Run the opened system."));
    const QCommandLineOption select(
        QStringLiteral("select"),
        QStringLiteral("Select the tree item NAME and show its event tree diagram."),
        QStringLiteral("NAME"));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Write a PNG of the main window and end."),
                                  QStringLiteral("FILE"));
    parser.addOptions({noSplash, data, open, run, select, shot});
    parser.process(app);

    Options options;
    options.splash = !parser.isSet(noSplash) && !parser.isSet(shot);
    options.dataDir = parser.value(data);
    options.openName = parser.value(open);
    options.run = parser.isSet(run);
    options.selectName = parser.value(select);
    options.screenshot = parser.value(shot);
    return options;
}

bool CShellStartup::OpenByName(CQuillonToolSetApp& state, const QString& name)
{
    CSystemList systems;
    if (!state.m_pSystemTree || !state.m_pModelStore->GetFirstSystemOfEachName(systems, 0))
        return false;
    for (const CSystem& s : systems)
    {
        if (s.Sys_Name != name)
            continue;
        CLeftView* tree = state.m_pSystemTree;
        tree->OpenSystem(s.Sys_ID, s.Sys_Name);
        if (tree->topLevelItemCount() > 0)
            tree->setCurrentItem(tree->topLevelItem(tree->topLevelItemCount() - 1));
        return true;
    }
    return false;
}

bool CShellStartup::SelectByName(CQuillonToolSetApp& state, const QString& name)
{
    CLeftView* tree = state.m_pSystemTree;
    const auto found = tree ? tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive)
                            : QList<QTreeWidgetItem*>();
    if (found.isEmpty())
        return false;
    tree->setCurrentItem(found.first());
    CTabView* tabs = state.m_pEventTreeTabs;
    if (tabs && tabs->GetView(0) == static_cast<QWidget*>(state.m_pDiagramView))
        tabs->SetActiveView(0);
    return true;
}

int CShellStartup::Run(QApplication& app)
{
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("QuillonToolSet"));
    QApplication::setWindowIcon(CShellIcons::ProgramIcon());
    const Options options = Parse(app);
    if (!options.dataDir.isEmpty())
        CDataPaths::SetRoot(options.dataDir);

    CGuiPrompter prompter;
    prompter.SetUnattended(!options.screenshot.isEmpty());
    CScopedPrompter scope(&prompter);

    if (options.splash)
    {
        CFlashWindow splash;
        splash.exec();
    }

    CQuillonToolSetApp state;
    if (!state.InitDatabases())
        return 1;
    CMainFrame frame(state);
    if (!frame.Create())
        return 1;
    prompter.SetMainWindow(&frame);
    frame.setWindowTitle(CMainFrame::AppTitle);
    CPrompter::Status(QStringLiteral("Enter New System Details Here..................."));

    if (!options.screenshot.isEmpty())
    {
        // No window manager maximises under a virtual display: take the whole screen.
        if (QScreen* screen = QApplication::primaryScreen())
            frame.setGeometry(screen->availableGeometry());
        frame.show();
    }
    else
    {
        frame.showMaximized();
    }
    QApplication::processEvents(); // lay the window out before a system is opened into it

    if (!options.openName.isEmpty() && !OpenByName(state, options.openName))
        std::fprintf(stderr, "QuillonToolSet: no system named \"%s\"\n",
                     qPrintable(options.openName));
    if (!options.selectName.isEmpty() && !SelectByName(state, options.selectName))
        std::fprintf(stderr, "QuillonToolSet: no tree item \"%s\"\n",
                     qPrintable(options.selectName));
    if (options.run)
        frame.ExecuteCommand(CommandId::Run);

    int shotResult = 0;
    if (!options.screenshot.isEmpty())
    {
        // Let the window be laid out and painted before it is grabbed.
        QTimer::singleShot(1500, &frame,
                           [&]
                           {
                               shotResult = frame.grab().save(options.screenshot, "PNG") ? 0 : 1;
                               if (shotResult != 0)
                                   std::fprintf(stderr, "QuillonToolSet: cannot write %s\n",
                                                qPrintable(options.screenshot));
                               QApplication::quit();
                           });
    }
    const int result = app.exec();
    return result != 0 ? result : shotResult;
}
