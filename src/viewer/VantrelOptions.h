#pragma once

#include <QString>
#include <QStringList>

// Vantrel [--cause-code-dir DIR] [--railroad-dir DIR] [--dump | --screenshot FILE]
struct CVantrelOptions
{
    QString CauseCodeDir; // default "Cause Code Excel" in the working directory
    QString RailroadDir;  // default "RailRoad" in the working directory
    bool Dump = false;
    QString Screenshot; // PNG of the dialog, written after the scan; then the program ends

    // arguments include the program name first. False with a message in *error (which is the
    // usage text alone when help was asked for, with *helpAsked set).
    static bool Parse(const QStringList& arguments, CVantrelOptions* options, QString* error,
                      bool* helpAsked = nullptr);
    static QString Usage();
};
