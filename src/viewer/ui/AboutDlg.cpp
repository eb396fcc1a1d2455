#include "viewer/ui/AboutDlg.h"

#include "viewer/ui/ProgramIcon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Vantrel"));
    auto* icon = new QLabel;
    icon->setPixmap(CProgramIcon::Icon().pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("Corvex, Version 1.1"));
    text->setObjectName(QStringLiteral("versionText"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
