#pragma once

#include <QString>

// Where the scan posts its two messages: a text for the file line and a position from 0 to 100
// for the bar (100 ends the progress window).
class CScanProgressSink
{
public:
    virtual ~CScanProgressSink() = default;
    virtual void PostScanText(const QString& text) = 0;
    virtual void PostScanProgress(int position) = 0;
};
