#include "viewer/ui/ScanProgressDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CScanProgressDialog::CScanProgressDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("scanProgressDialog"));
    setWindowTitle(QStringLiteral("Corvex: File-scan progress..."));
    // No close button: the window goes away when the scan is done.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* fixed = new QLabel(QStringLiteral("Please wait while the application loads the files"));
    m_FileText = new QLabel(QStringLiteral("File Path"));
    m_FileText->setObjectName(QStringLiteral("filePath"));
    m_FileText->setMinimumWidth(420);
    m_FileText->setTextFormat(Qt::PlainText);
    // A long path must not stretch the window on every file.
    m_FileText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_Progress = new QProgressBar;
    m_Progress->setObjectName(QStringLiteral("progress"));
    m_Progress->setRange(0, 100);
    m_Progress->setValue(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fixed);
    layout->addWidget(m_FileText);
    layout->addWidget(m_Progress);
}

QString CScanProgressDialog::Text() const
{
    return m_FileText->text();
}

int CScanProgressDialog::Position() const
{
    return m_Progress->value();
}

void CScanProgressDialog::SetText(const QString& text)
{
    m_FileText->setText(text);
    emit TextShown(text);
}

void CScanProgressDialog::SetPosition(int position)
{
    m_Progress->setValue(qBound(0, position, 100));
    emit PositionShown(position);
    if (position >= 100)
    {
        m_Finished = true;
        QDialog::done(QDialog::Accepted);
    }
}

void CScanProgressDialog::closeEvent(QCloseEvent* event)
{
    if (m_Finished)
        event->accept();
    else
        event->ignore();
}
