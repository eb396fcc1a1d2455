#include "viewer/SpreadsheetScanner.h"
#include "viewer/VantrelDump.h"
#include "viewer/VantrelOptions.h"
#include "viewer/ViewerPrompter.h"
#include "viewer/ui/MessageBoxViewerPrompter.h"
#include "viewer/ui/VantrelDlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{
QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments.append(QString::fromLocal8Bit(argv[k]));
    return arguments;
}

int Dump(const CVantrelOptions& options)
{
    CSpreadsheetScanner scanner(options.CauseCodeDir, options.RailroadDir);
    scanner.ScanSpreadsheets();
    return CVantrelDump::Write(scanner, stdout) ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    CVantrelOptions options;
    QString error;
    bool helpAsked = false;
    {
        // The dump needs no display; decide before any application object exists.
        if (!CVantrelOptions::Parse(Arguments(argc, argv), &options, &error, &helpAsked))
        {
            std::fputs(error.toLocal8Bit().constData(), helpAsked ? stdout : stderr);
            return helpAsked ? 0 : 2;
        }
    }
    if (options.Dump)
    {
        QCoreApplication app(argc, argv);
        return Dump(options);
    }

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    CMessageBoxViewerPrompter prompter;
    CViewerPrompter::SetCurrent(&prompter);
    int rc = 0;
    {
        CVantrelDlg dialog(options.CauseCodeDir, options.RailroadDir);
        dialog.InitDialog();
        if (!options.Screenshot.isEmpty())
        {
            dialog.SelectFirstItems();
            // Let the dialog be laid out and painted before it is grabbed.
            QTimer::singleShot(500, &dialog,
                               [&]
                               {
                                   if (!dialog.grab().save(options.Screenshot, "PNG"))
                                   {
                                       std::fprintf(stderr, "Vantrel: cannot write %s\n",
                                                    qPrintable(options.Screenshot));
                                       rc = 1;
                                   }
                                   dialog.done(QDialog::Accepted);
                               });
        }
        dialog.exec();
    }
    CViewerPrompter::SetCurrent(nullptr);
    return rc;
}
