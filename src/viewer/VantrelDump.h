#pragma once

#include <QString>

class CSpreadsheetScanner;

// The scanned records as TAB-separated lines for scripts:
//   cause-code, then per accident type a type line and its row lines; railroad; skipped.
class CVantrelDump
{
public:
    static QString Text(const CSpreadsheetScanner& scanner);
    // Keeps one field on one line and in one column: line feeds, carriage returns and tabs
    // are written as \n, \r and \t.
    static QString Field(const QString& text);
};
