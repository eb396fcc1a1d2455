#pragma once

#include <QString>

#include <cstdio>

class CSpreadsheetScanner;

// The scanned records as TAB-separated lines for scripts:
//   cause-code, then per accident type a type line and its row lines; railroad; skipped.
class CVantrelDump
{
public:
    static QString Text(const CSpreadsheetScanner& scanner);
    // The same text written out piece by piece as UTF-8; false when the stream failed.
    static bool Write(const CSpreadsheetScanner& scanner, std::FILE* stream);
    // Keeps one field on one line and in one column: line feeds, carriage returns and tabs
    // are written as \n, \r and \t.
    static QString Field(const QString& text);
};
