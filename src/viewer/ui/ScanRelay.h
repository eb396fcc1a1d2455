#pragma once

#include "viewer/ScanProgressSink.h"

#include <QObject>

// Turns the scan's posts on the worker thread into signals, which reach the progress window
// on the GUI thread through queued connections.
class CScanRelay : public QObject, public CScanProgressSink
{
    Q_OBJECT
public:
    using QObject::QObject;
    void PostScanText(const QString& text) override { emit TextPosted(text); }
    void PostScanProgress(int position) override { emit ProgressPosted(position); }

signals:
    void TextPosted(const QString& text);
    void ProgressPosted(int position);
};
