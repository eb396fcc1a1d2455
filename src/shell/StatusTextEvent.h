#pragma once

#include "common/CommandIds.h"

#include <QEvent>
#include <QString>

// The status text message: any part of the program sends it to the main window, which shows
// the text in the status bar.
class CStatusTextEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = QEvent::Type(QEvent::User + WM_STATUS_TEXT);

    explicit CStatusTextEvent(const QString& text) : QEvent(EventType), m_Text(text) {}
    const QString& Text() const { return m_Text; }

private:
    QString m_Text;
};
