#include "viewer/ui/VantrelDlg.h"

#include "viewer/AccidentStatistics.h"
#include "viewer/ViewerPrompter.h"
#include "viewer/ui/AboutDlg.h"
#include "viewer/ui/ProgramIcon.h"
#include "viewer/ui/ScanProgressDialog.h"
#include "viewer/ui/ScanRelay.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace
{
struct CColumn
{
    const char* heading;
    int width;
};
const CColumn Columns[] = {{"Report No.", 80},
                           {"Date", 70},
                           {"Type", 40},
                           {"Eqpt Damage (US $)", 75},
                           {"Track Damage (US$)", 75},
                           {"Other Losses (US $)", 75},
                           {"Fatalities", 55},
                           {"Injuries", 50},
                           {"Speed (mph)", 65},
                           {"Railroad", 70}};
constexpr int ColumnCount = int(sizeof(Columns) / sizeof(Columns[0]));

QLineEdit* ReadOnlyEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    return edit;
}

QComboBox* DropDownList(const char* name)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QLabel* Label(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}
} // namespace

CVantrelDlg::CVantrelDlg(const QString& causeCodeDir, const QString& railroadDir, QWidget* parent)
    : QDialog(parent), m_Scanner(causeCodeDir, railroadDir),
      m_OpenUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("vantrelDialog"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowIcon(CProgramIcon::Icon());
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    m_CauseCode = DropDownList("causeCode");
    m_AccidentType = DropDownList("accidentType");
    m_Cjk = ReadOnlyEdit("cjk");
    m_Sjk = ReadOnlyEdit("sjk");
    m_Description = new QPlainTextEdit;
    m_Description->setObjectName(QStringLiteral("description"));
    m_Description->setReadOnly(true);
    m_Description->setFixedHeight(m_Description->fontMetrics().lineSpacing() * 4 + 12);
    m_Accidents = new QTableWidget(0, ColumnCount);
    m_Accidents->setObjectName(QStringLiteral("accidentList"));
    m_Railroad = DropDownList("railroad");
    m_Rb = ReadOnlyEdit("rb");
    m_Ok = new QPushButton(QStringLiteral("OK"));
    m_Ok->setObjectName(QStringLiteral("ok"));
    m_Ok->setDefault(true);
    m_Help = new QPushButton(QStringLiteral("&Help"));
    m_Help->setObjectName(QStringLiteral("help"));
    m_Help->setAutoDefault(false);

    // Cause code analysis
    auto* causeGroup = new QGroupBox(QStringLiteral("Cause Code Analysis"));
    causeGroup->setObjectName(QStringLiteral("causeCodeGroup"));
    auto* grid = new QGridLayout;
    grid->addWidget(Label(QStringLiteral("Cause Code"), m_CauseCode), 0, 0);
    grid->addWidget(m_CauseCode, 0, 1);
    grid->addWidget(Label(QStringLiteral("Accident Type"), m_AccidentType), 0, 2);
    grid->addWidget(m_AccidentType, 0, 3);
    grid->addWidget(Label(QStringLiteral("Cjk"), m_Cjk), 1, 0);
    grid->addWidget(m_Cjk, 1, 1);
    grid->addWidget(Label(QStringLiteral("Accident Probability")), 1, 2, 1, 2);
    grid->addWidget(Label(QStringLiteral("Sjk"), m_Sjk), 2, 0);
    grid->addWidget(m_Sjk, 2, 1);
    grid->addWidget(Label(QStringLiteral("Dollars. Adjusted Cost per occurrence")), 2, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    auto* causeLayout = new QVBoxLayout(causeGroup);
    causeLayout->addLayout(grid);
    causeLayout->addWidget(Label(QStringLiteral("Description"), m_Description));
    causeLayout->addWidget(m_Description);
    causeLayout->addWidget(Label(QStringLiteral("Consolidated Accident List"), m_Accidents));
    causeLayout->addWidget(m_Accidents, 1);

    // Railroad
    auto* railGroup = new QGroupBox(QStringLiteral("Railroad"));
    railGroup->setObjectName(QStringLiteral("railroadGroup"));
    auto* railLayout = new QHBoxLayout(railGroup);
    railLayout->addWidget(Label(QStringLiteral("Railroad"), m_Railroad));
    railLayout->addWidget(m_Railroad);
    railLayout->addSpacing(16);
    railLayout->addWidget(Label(QStringLiteral("Rb"), m_Rb));
    railLayout->addWidget(m_Rb);
    railLayout->addWidget(Label(QStringLiteral("Dollars/Mile")));
    railLayout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_Ok);
    buttons->addWidget(m_Help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(causeGroup, 1);
    layout->addWidget(railGroup);
    layout->addLayout(buttons);

    for (int type = 0; type < AccidentTypeCount; ++type)
        m_AccidentType->addItem(AccidentTypeName(type));

    // The window menu stands in for the system menu: right-click or Alt+Space.
    m_WindowMenu = new QMenu(this);
    m_WindowMenu->setObjectName(QStringLiteral("windowMenu"));
    m_WindowMenu->addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    m_WindowMenu->addSeparator();
    QAction* about = m_WindowMenu->addAction(QStringLiteral("&About Corvex"));
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setData(AboutCommand);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(AboutCommand); });
    auto* menuKey = new QShortcut(QKeySequence(QStringLiteral("Alt+Space")), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { m_WindowMenu->popup(mapToGlobal(QPoint(0, 0))); });

    connect(m_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Help, &QPushButton::clicked, this, &CVantrelDlg::OnHelp);
    resize(820, 620);
}

void CVantrelDlg::InitDialog()
{
    ScanSpreadsheets();

    SetUpAccidentList();
    m_CauseCode->blockSignals(true);
    for (const CCauseCodeInfo& record : m_Scanner.CauseCodes())
        m_CauseCode->addItem(record.CauseCode);
    m_CauseCode->setCurrentIndex(-1);
    m_CauseCode->blockSignals(false);
    m_AccidentType->setCurrentIndex(0);

    m_Railroad->blockSignals(true);
    for (const CRailRoadInfo& railroad : m_Scanner.Railroads())
        m_Railroad->addItem(railroad.Name);
    m_Railroad->setCurrentIndex(-1);
    m_Railroad->blockSignals(false);
    FitWindowToList();

    connect(m_CauseCode, &QComboBox::currentIndexChanged, this, &CVantrelDlg::OnCauseCodeChanged,
            Qt::UniqueConnection);
    connect(m_AccidentType, &QComboBox::currentIndexChanged, this,
            &CVantrelDlg::OnAccidentTypeChanged, Qt::UniqueConnection);
    connect(m_Railroad, &QComboBox::currentIndexChanged, this, &CVantrelDlg::OnRailroadChanged,
            Qt::UniqueConnection);

    const QList<CSkippedWorkbook>& skipped = m_Scanner.Skipped();
    if (!skipped.isEmpty())
    {
        QString text = QStringLiteral("These workbooks could not be read and were skipped:\n");
        for (const CSkippedWorkbook& s : skipped)
            text += QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(s.Path), s.Reason);
        CViewerPrompter::Message(text, CViewerPrompter::Icon::Warning);
    }
}

void CVantrelDlg::SelectFirstItems()
{
    if (m_CauseCode->count() > 0)
        m_CauseCode->setCurrentIndex(0);
    m_AccidentType->setCurrentIndex(0);
    if (m_Railroad->count() > 0)
        m_Railroad->setCurrentIndex(0);
}

void CVantrelDlg::ScanSpreadsheets()
{
    // Widgets belong to the GUI thread, so the scan goes to a worker and the progress window
    // stays here; they meet only through the relay's queued signals.
    CScanProgressDialog progress;
    progress.setWindowIcon(windowIcon());
    CScanRelay relay;
    connect(&relay, &CScanRelay::TextPosted, &progress, &CScanProgressDialog::SetText,
            Qt::QueuedConnection);
    connect(&relay, &CScanRelay::ProgressPosted, &progress, &CScanProgressDialog::SetPosition,
            Qt::QueuedConnection);
    connect(&progress, &CScanProgressDialog::TextShown, this, &CVantrelDlg::ScanTextShown);
    connect(&progress, &CScanProgressDialog::PositionShown, this, &CVantrelDlg::ScanPositionShown);

    QFuture<void> scan = QtConcurrent::run([this, &relay] { m_Scanner.ScanSpreadsheets(&relay); });
    // The last post is 100, which closes the window; nothing is posted after it.
    progress.exec();
    scan.waitForFinished();
}

void CVantrelDlg::SetUpAccidentList()
{
    QStringList headings;
    for (const CColumn& column : Columns)
        headings.append(QString::fromLatin1(column.heading));
    m_Accidents->setHorizontalHeaderLabels(headings);
    for (int c = 0; c < ColumnCount; ++c)
    {
        m_Accidents->setColumnWidth(c, Columns[c].width);
        const Qt::Alignment align = c == ColumnCount - 1 ? Qt::AlignLeft : Qt::AlignRight;
        m_Accidents->horizontalHeaderItem(c)->setTextAlignment(align | Qt::AlignVCenter);
    }
    m_Accidents->verticalHeader()->hide();
    m_Accidents->horizontalHeader()->setSectionsMovable(true);
    m_Accidents->horizontalHeader()->setStretchLastSection(false);
    m_Accidents->setShowGrid(true);
    m_Accidents->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Accidents->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Accidents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Accidents->verticalHeader()->setDefaultSectionSize(m_Accidents->fontMetrics().height() + 4);
    QPalette palette = m_Accidents->palette();
    palette.setColor(QPalette::Base, QColor(186, 223, 226));
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    m_Accidents->setPalette(palette);
    FitColumns();
}

void CVantrelDlg::FitColumns()
{
    // The given widths are where the columns start; with wider fonts they would cut headings and
    // dates, so a column widens to its texts (never past the first 1000 rows' worth of measuring).
    const QHeaderView* header = m_Accidents->horizontalHeader();
    const QAbstractItemView* view = m_Accidents;
    for (int c = 0; c < ColumnCount; ++c)
    {
        const int width =
            std::max({Columns[c].width, header->sectionSizeHint(c), view->sizeHintForColumn(c)});
        if (m_Accidents->columnWidth(c) != width)
            m_Accidents->setColumnWidth(c, width);
    }
}

void CVantrelDlg::FitWindowToList()
{
    // Wide enough to show every column side by side, as far as the screen allows; it only
    // grows, and not at all once the user has sized the window.
    if (isVisible() && width() != m_FittedWidth)
        return;
    const int listWidth = m_Accidents->horizontalHeader()->length() +
                          2 * m_Accidents->frameWidth() +
                          m_Accidents->verticalScrollBar()->sizeHint().width();
    // The layout works out what the rest of the window needs around a list that wide.
    // The group boxes cache their sizes: tell each of them when the list's minimum changes.
    const auto setListMinimum = [this](int minimum)
    {
        m_Accidents->setMinimumWidth(minimum);
        for (QWidget* w = m_Accidents->parentWidget(); w && w != this; w = w->parentWidget())
            w->updateGeometry();
    };
    const int oldMinimum = m_Accidents->minimumWidth();
    setListMinimum(listWidth);
    int wanted = std::max(layout()->minimumSize().width(), sizeHint().width());
    setListMinimum(oldMinimum);
    if (const QScreen* shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width() - 40);
    if (wanted > width())
        resize(wanted, height());
    m_FittedWidth = width();
}

void CVantrelDlg::OnCauseCodeChanged()
{
    const int index = m_CauseCode->currentIndex();
    if (index < 0 || index >= m_Scanner.CauseCodes().size())
        return;
    const CCauseCodeInfo& record = m_Scanner.CauseCodes()[index];
    // The edit box breaks lines at line feeds; the carriage returns only matter on Windows.
    QString description = DescriptionDisplayText(record.Description);
    description.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_Description->setPlainText(description);
    ShowAccidentType(record);
}

void CVantrelDlg::OnAccidentTypeChanged()
{
    const int index = m_CauseCode->currentIndex();
    if (index < 0 || index >= m_Scanner.CauseCodes().size())
        return;
    ShowAccidentType(m_Scanner.CauseCodes()[index]);
}

void CVantrelDlg::ShowAccidentType(const CCauseCodeInfo& record)
{
    m_Accidents->setRowCount(0);
    int type = m_AccidentType->currentIndex();
    if (type < 1 || type > 5)
        type = 0;
    m_Cjk->setText(FormatCjk(record.Cjk[type]));
    m_Sjk->setText(FormatMoney(record.Sjk[type]));
    const QList<CAccidentInfo> rows = AccidentsOfType(record, type);
    m_Accidents->setUpdatesEnabled(false);
    for (const CAccidentInfo& accident : rows)
        AddAccidentRow(accident);
    FitColumns();
    m_Accidents->setUpdatesEnabled(true);
    FitWindowToList();
}

void CVantrelDlg::AddAccidentRow(const CAccidentInfo& accident)
{
    const int row = m_Accidents->rowCount();
    m_Accidents->insertRow(row);
    const QStringList texts = AccidentRowTexts(accident);
    for (int c = 0; c < ColumnCount; ++c)
    {
        auto* item = new QTableWidgetItem(texts.value(c));
        item->setTextAlignment((c == ColumnCount - 1 ? Qt::AlignLeft : Qt::AlignRight) |
                               Qt::AlignVCenter);
        m_Accidents->setItem(row, c, item);
    }
}

void CVantrelDlg::OnRailroadChanged()
{
    const int index = m_Railroad->currentIndex();
    if (index < 0 || index >= m_Scanner.Railroads().size())
        return;
    const CRailRoadInfo& railroad = m_Scanner.Railroads()[index];
    m_Rb->setText(railroad.HasRb ? FormatMoney(railroad.Rb) : QString());
}

QString CVantrelDlg::HelpPagePath()
{
    QStringList dirs;
    const QString env = qEnvironmentVariable("QUILLON_HELP_DIR");
    if (!env.isEmpty())
        dirs << env;
    const QString appDir = QCoreApplication::applicationDirPath();
    dirs << appDir + QStringLiteral("/help") << appDir + QStringLiteral("/../help")
         << appDir + QStringLiteral("/../../help")
         << QDir::current().filePath(QStringLiteral("help"))
         << QStringLiteral(VANTREL_SOURCE_DIR "/help");
    for (const QString& dir : dirs)
    {
        const QFileInfo page(dir + QStringLiteral("/Vantrel.html"));
        if (page.isFile())
            return page.canonicalFilePath();
    }
    return {};
}

void CVantrelDlg::OnHelp()
{
    const QString page = HelpPagePath();
    if (page.isEmpty() || !m_OpenUrl(QUrl::fromLocalFile(page)))
        CViewerPrompter::Message(QStringLiteral("The help page help/Vantrel.html could not be "
                                                "opened."),
                                 CViewerPrompter::Icon::Warning);
}

void CVantrelDlg::OnSysCommand(int command)
{
    if (command >= 16 && command <= 31)
    {
        CAboutDlg about(this);
        about.exec();
    }
}

void CVantrelDlg::contextMenuEvent(QContextMenuEvent* event)
{
    m_WindowMenu->exec(event->globalPos());
}
