#pragma once

#include "viewer/SpreadsheetScanner.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// Vantrel's one window: pick a cause code and an accident type to read Cjk, Sjk and the
// accidents behind them; pick a railroad to read Rb. The data comes from one scan at start.
class CVantrelDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int AboutCommand = 16; // the window menu's About item

    CVantrelDlg(const QString& causeCodeDir, const QString& railroadDir, QWidget* parent = nullptr);

    // Scans both folders with the progress window up, then fills the lists. Call once,
    // before the dialog is shown.
    void InitDialog();
    // Selects the first cause code, accident type and railroad, as a user might (screenshots).
    void SelectFirstItems();

    // How help pages are opened; tests replace it. Returns false when nothing opened.
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { m_OpenUrl = std::move(opener); }
    // The help page: help/Vantrel.html beside the program, in the sources, or in the
    // working directory (QUILLON_HELP_DIR overrides).
    static QString HelpPagePath();

    const CSpreadsheetScanner& Scanner() const { return m_Scanner; }
    QMenu* WindowMenu() const { return m_WindowMenu; }

public slots:
    void OnCauseCodeChanged();
    void OnAccidentTypeChanged();
    void OnRailroadChanged();
    void OnHelp();
    void OnSysCommand(int command);

signals:
    // What the progress window showed during the scan, for whoever wants to follow it.
    void ScanTextShown(const QString& text);
    void ScanPositionShown(int position);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ScanSpreadsheets();
    void SetUpAccidentList();
    void ShowAccidentType(const CCauseCodeInfo& record);
    void AddAccidentRow(const CAccidentInfo& accident);
    void FitColumns();
    void FitWindowToList();

    CSpreadsheetScanner m_Scanner;
    std::function<bool(const QUrl&)> m_OpenUrl;

    QComboBox* m_CauseCode;
    QComboBox* m_AccidentType;
    QLineEdit* m_Cjk;
    QLineEdit* m_Sjk;
    QPlainTextEdit* m_Description;
    QTableWidget* m_Accidents;
    QComboBox* m_Railroad;
    QLineEdit* m_Rb;
    QPushButton* m_Ok;
    QPushButton* m_Help;
    QMenu* m_WindowMenu;
    int m_FittedWidth = 0; // the width FitWindowToList last gave the window
};
