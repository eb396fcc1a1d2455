#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The window that shows which workbook is being read. It lives on the GUI thread and hears
// from the scan only through queued SetText and SetPosition calls; at 100 it closes itself.
// The user cannot close it.
class CScanProgressDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CScanProgressDialog(QWidget* parent = nullptr);

    QString Text() const;
    int Position() const;

public slots:
    void SetText(const QString& text);
    void SetPosition(int position);
    void accept() override {}
    void reject() override {}

signals:
    void TextShown(const QString& text);
    void PositionShown(int position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_FileText;
    QProgressBar* m_Progress;
    bool m_Finished = false;
};
