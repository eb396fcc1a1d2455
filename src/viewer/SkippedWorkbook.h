#pragma once

#include <QString>

// A workbook the scan could not read, and why.
struct CSkippedWorkbook
{
    QString Path;
    QString Reason;
};
