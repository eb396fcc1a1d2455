#pragma once

#include <QString>

// Where the program's files live. Everything is relative to one data folder, which is the
// working directory unless a program sets another (quillon --data DIR).
class CDataPaths
{
public:
    static void SetRoot(const QString& root);
    static QString Root();

    static QString DataDir();             // <root>/Data
    static QString ModelDatabasePath();   // <root>/Data/Quillon.mdb
    static QString HistoryDatabasePath(); // <root>/Data/QuillonHistory.mdb
    static QString EventTreeDir();        // <root>/EventTree
    static QString EventTreePicturePath(int hazardId); // <root>/EventTree/<id>.bmp
    static QString ReportsDir();          // <root>/Reports
    // The folder of help pages: QUILLON_HELP_DIR, else help/ beside the program or in the sources.
    static QString HelpDir();
};
