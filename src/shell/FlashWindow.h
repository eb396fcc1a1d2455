#pragma once

#include <QDialog>

class QTimer;

// The splash window shown while the program starts: a picture that closes itself after four
// seconds.
class CFlashWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ShowTime = 4000;

    explicit CFlashWindow(QWidget* parent = nullptr);
    QTimer* Timer() const { return m_Timer; }

private:
    QTimer* m_Timer;
};
