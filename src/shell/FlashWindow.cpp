#include "shell/FlashWindow.h"

#include "shell/ShellIcons.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

CFlashWindow::CFlashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_Timer(new QTimer(this))
{
    setObjectName(QStringLiteral("flashWindow"));
    auto* picture = new QLabel(this);
    picture->setPixmap(CShellIcons::SplashPicture());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    m_Timer->setSingleShot(true);
    m_Timer->setInterval(ShowTime);
    connect(m_Timer, &QTimer::timeout, this, &QDialog::accept);
    m_Timer->start();
}
