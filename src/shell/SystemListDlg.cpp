#include "shell/SystemListDlg.h"

#include "common/HelpLauncher.h"
#include "common/Prompter.h"
#include "forms/NumberText.h"
#include "model_store/ModelDatabase.h"
#include "shell/QuillonToolSetApp.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

CSystemListDlg::CSystemListDlg(CQuillonToolSetApp& app, QWidget* parent)
    : QDialog(parent), m_App(app), m_List(new QTableWidget(this)),
      m_Open(new QPushButton(QStringLiteral("&Open"), this)),
      m_Cancel(new QPushButton(QStringLiteral("Cancel"), this)),
      m_Help(new QPushButton(QStringLiteral("&Help"), this))
{
    setObjectName(QStringLiteral("systemListDlg"));
    setWindowTitle(QStringLiteral("Toravin Model Vozezur - SystemList"));
    CPrompter::Status(QStringLiteral("Displaying Exisiting System Details........."));

    m_List->setObjectName(QStringLiteral("systemList"));
    m_Open->setObjectName(QStringLiteral("openButton"));
    m_Cancel->setObjectName(QStringLiteral("cancelButton"));
    m_Help->setObjectName(QStringLiteral("helpButton"));
    m_Open->setToolTip(QStringLiteral("Opens Existing System Details "));
    m_List->setToolTip(QStringLiteral("List of Existing System Details "));
    m_Cancel->setToolTip(QStringLiteral("Closes the Window"));
    m_Help->setToolTip(QStringLiteral("Displays System List Dialog Help Information"));
    m_Open->setDefault(true);
    // Pop-up help of each control, shown by F1 on it.
    m_Open->setWhatsThis(QStringLiteral("Opens the selected system in the system tree."));
    m_List->setWhatsThis(QStringLiteral("The existing systems, one row per system name. Select "
                                        "one row and press Open, or double-click it."));
    m_Cancel->setWhatsThis(QStringLiteral("Closes the window without opening a system."));
    m_Help->setWhatsThis(QStringLiteral("Shows the help page of this window."));

    m_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_List->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->setShowGrid(true);
    m_List->setWordWrap(false);
    m_List->verticalHeader()->hide();
    m_List->horizontalHeader()->setSectionsMovable(true);
    m_List->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_List->horizontalHeader()->setHighlightSections(false);
    QPalette pal = m_List->palette();
    pal.setColor(QPalette::Text, Qt::black);
    m_List->setPalette(pal);

    const struct
    {
        const char* title;
        int width;
    } columns[ColumnCount] = {{"System ID", 0},     {"Title", 0},
                              {"Name", 100},        {"Analyst", 100},
                              {"Approved By", 100}, {"ASPL (Base Case Risk)", 150},
                              {"Units", 0},         {"Function Description", 100},
                              {"Notes", 100},       {"RefDoc", 100},
                              {"ParentID", 0},      {"Type", 0},
                              {"Version", 0}};
    m_List->setColumnCount(ColumnCount);
    for (int i = 0; i < ColumnCount; ++i)
    {
        m_List->setHorizontalHeaderItem(i,
                                        new QTableWidgetItem(QString::fromUtf8(columns[i].title)));
        if (columns[i].width == 0)
            m_List->setColumnHidden(i, true);
        else
            m_List->setColumnWidth(i, columns[i].width);
    }
    connect(m_List, &QTableWidget::cellDoubleClicked, this, &CSystemListDlg::OnOpen);
    connect(m_Open, &QPushButton::clicked, this, &CSystemListDlg::OnOpen);
    connect(m_Cancel, &QPushButton::clicked, this, &CSystemListDlg::OnCancel);
    connect(m_Help, &QPushButton::clicked, this, &CSystemListDlg::OnHelp);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_Open);
    buttons->addWidget(m_Cancel);
    buttons->addWidget(m_Help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_List, 1);
    layout->addLayout(buttons);
    resize(820, 360);
    Fill();
}

void CSystemListDlg::Fill()
{
    CSystemList systems;
    if (!m_App.m_pModelStore || !m_App.m_pModelStore->GetFirstSystemOfEachName(systems, 0))
    {
        CPrompter::Message(QStringLiteral("Unable to retrieve the System details"));
        return;
    }
    m_List->setRowCount(int(systems.size()));
    int row = 0;
    for (const CSystem& s : systems)
    {
        const QString units = s.Sys_FatalityUnits + QStringLiteral("/") + s.Sys_Units;
        const QString texts[ColumnCount] = {QString::number(s.Sys_ID),
                                            s.Sys_Title,
                                            s.Sys_Name,
                                            s.Sys_Analyst,
                                            s.Sys_Approvedby,
                                            FormatScientific(s.Sys_TIR) + QStringLiteral(" ") +
                                                units,
                                            units,
                                            s.Sys_FunctionDesc,
                                            s.Sys_Notes,
                                            s.Sys_RefDoc,
                                            QString::number(s.Parent_ID),
                                            QString::number(s.Type),
                                            QString::number(s.Version)};
        for (int col = 0; col < ColumnCount; ++col)
            m_List->setItem(row, col, new QTableWidgetItem(texts[col]));
        ++row;
    }
}

void CSystemListDlg::keyPressEvent(QKeyEvent* event)
{
    QWidget* control = focusWidget();
    if (event->key() == Qt::Key_F1 && control && !control->whatsThis().isEmpty())
    {
        QWhatsThis::showText(control->mapToGlobal(control->rect().center()), control->whatsThis(),
                             control);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSystemListDlg::OnOpen()
{
    const QModelIndexList rows = m_List->selectionModel()->selectedRows();
    if (rows.size() != 1)
    {
        CPrompter::Message(QStringLiteral("Please select a record from the list"),
                           CPrompter::Icon::Warning);
        CPrompter::Status(QStringLiteral("Please select a record from the list......"));
        return;
    }
    const int row = rows.first().row();
    m_SelectedId = m_List->item(row, IdColumn)->text().toInt();
    m_SelectedName = m_List->item(row, NameColumn)->text();
    accept();
    CPrompter::Status(QStringLiteral("Displaying Existing System Details........."));
}

void CSystemListDlg::OnCancel()
{
    CPrompter::Status(QStringLiteral("Close the System List Window............"));
    reject();
}

void CSystemListDlg::OnHelp()
{
    CHelpLauncher::OpenTopic(QStringLiteral("helpoutput.chm::/OPEN SYSTEM.html"));
    CPrompter::Status(QStringLiteral("Display the System List Dialog help information........."));
}
