#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class CApplicationState;

// Opens the live top-level system of that name and version (the highest live version when
// version is negative) as the application's open system. Returns 0 when it is open, 1 when the
// store failed (its message already shown), 2 when there is no such live system version (with
// its message shown).
int OpenSystemVersion(CApplicationState& state, const QString& name, int version);

// The arguments of a command that works on one system version: NAME [--version N] and the
// value options the command names (for example --output FILE). False on anything else.
struct CSystemArgs
{
    QString name;
    int version = -1; // -1: the highest live version
    QMap<QString, QString> options;
};
bool ParseSystemArgs(const QStringList& args, const QStringList& valueOptions, CSystemArgs& out);
