#pragma once

#include <QString>

// Character formatting of a run of text: what the report sets through a font.
struct CDocCharFormat
{
    QString FontName = QStringLiteral("Times New Roman");
    double Size = 12.0; // points
    bool Bold = false;

    bool operator==(const CDocCharFormat&) const = default;
};
