#pragma once

#include "RecordingPrompter.h"
#include "TestDatabases.h"
#include "common/HelpLauncher.h"
#include "common/ui/TabView.h"
#include "shell/LeftView.h"
#include "shell/MainFrame.h"
#include "shell/QuillonToolSetApp.h"

#include <QStringList>
#include <QUrl>

// The whole main window on fresh databases in a temporary folder, with the recording prompter
// installed and help pages recorded instead of opened.
struct CShellFixture
{
    CRecordingPrompter prompter;
    CTestDatabases db;
    CQuillonToolSetApp app;
    CMainFrame frame{app};
    QStringList helpPages; // file names of the pages opened
    bool ready = false;

    CShellFixture()
    {
        CHelpLauncher::SetOpener(
            [this](const QUrl& url)
            {
                helpPages << url.fileName();
                return true;
            });
        ready = db.IsValid() && app.InitDatabases() && frame.Create();
        prompter.Clear();
    }
    ~CShellFixture() { CHelpLauncher::SetOpener({}); }

    CLeftView& Tree() { return *app.m_pSystemTree; }
    CTabView& RightTabs() { return *app.m_pEventTreeTabs; }

    QStringList RightTabLabels()
    {
        QStringList labels;
        for (int i = 0; i < RightTabs().GetTabCount(); ++i)
            labels << RightTabs().tabText(i);
        return labels;
    }

    // The item whose label is text, anywhere in the tree.
    QTreeWidgetItem* Item(const QString& text)
    {
        const auto found = Tree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    int AddStandardHazard(int sysId, const QString& name)
    {
        CHazard h;
        h.System_ID = sysId;
        h.Haz_Name = name;
        h.Haz_Title = name;
        h.Haz_Rate = 1e-6;
        h.Haz_Duration = 1.0;
        h.IsProbFromDatabase = true;
        int id = 0;
        db.Model().AddHazard(h, &id);
        return id;
    }
};
