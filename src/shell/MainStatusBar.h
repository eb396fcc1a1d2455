#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The main window's status bar: "F1-Help", the status text, the date, the time and the
// toolset's title, with a clock that rewrites date and time every second.
class CMainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    static inline const QString IdleText = QStringLiteral("Ready");

    explicit CMainStatusBar(QWidget* parent = nullptr);

    // False when the clock could not be started.
    bool StartClock();
    void SetStatusText(const QString& text);
    QString StatusText() const;
    QLabel* Pane(int index) const;
    QTimer* Clock() const { return m_Clock; }

    static QString DateText(const QDateTime& when); // "%m/%d/%Y "
    static QString TimeText(const QDateTime& when); // "%H:%M :%S "

public slots:
    void UpdateClock();

private:
    QLabel* m_Panes[5] = {};
    QTimer* m_Clock = nullptr;
};
