#pragma once

#include <QDialog>

// "About Vantrel": the icon, "Corvex, Version 1.1" and OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
