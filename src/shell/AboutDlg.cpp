#include "shell/AboutDlg.h"

#include "shell/ShellIcons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(QStringLiteral("About Toravin Model Vozezur"));
    auto* icon = new QLabel(this);
    icon->setPixmap(CShellIcons::ProgramIcon().pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("Toravin Model Vozezur Version 2.3"), this);
    name->setObjectName(QStringLiteral("versionLabel"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(name, 0, 1, Qt::AlignVCenter);
    layout->addWidget(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
