#pragma once

#include <QDialog>

class CQuillonToolSetApp;
class QTableWidget;
class QPushButton;

// The Open System list: one row per system name (its first version). Open hands the chosen
// system's Sys_ID and name to the caller, which opens it in the system tree.
class CSystemListDlg : public QDialog
{
    Q_OBJECT
public:
    enum Column
    {
        IdColumn = 0,
        NameColumn = 2,
        ColumnCount = 13
    };

    explicit CSystemListDlg(CQuillonToolSetApp& app, QWidget* parent = nullptr);

    int SelectedId() const { return m_SelectedId; }
    QString SelectedName() const { return m_SelectedName; }
    QTableWidget* List() const { return m_List; }

public slots:
    void OnOpen();
    void OnCancel();
    void OnHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();

    CQuillonToolSetApp& m_App;
    QTableWidget* m_List;
    QPushButton* m_Open;
    QPushButton* m_Cancel;
    QPushButton* m_Help;
    int m_SelectedId = 0;
    QString m_SelectedName;
};
