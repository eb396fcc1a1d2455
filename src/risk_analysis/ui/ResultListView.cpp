#include "risk_analysis/ui/ResultListView.h"

#include <QHeaderView>

namespace
{
const QColor TextColour(0, 0, 255);
const QColor BackColour(186, 224, 226);
} // namespace

CResultListView::CResultListView(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setTextElideMode(Qt::ElideRight);

    QPalette pal = palette();
    pal.setColor(QPalette::Text, TextColour);
    pal.setColor(QPalette::Base, BackColour);
    pal.setColor(QPalette::AlternateBase, BackColour);
    // The selection stays visible when the list has no focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    setPalette(pal);
}

void CResultListView::SetUpColumns(std::initializer_list<Column> columns)
{
    setRowCount(0);
    setColumnCount(int(columns.size()));
    int i = 0;
    for (const Column& c : columns)
    {
        auto* item = new QTableWidgetItem(QString::fromUtf8(c.title));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(i, item);
        setColumnWidth(i, c.width);
        ++i;
    }
}

void CResultListView::SetUpResultColumns()
{
    SetUpColumns({{"System Name", 120},
                  {"Version", 60},
                  {"Hazard Number", 100},
                  {"Hazard Name(Hj)", 180},
                  {"Total Collective Risk", 160}});
}

void CResultListView::SetUpAccidentRateColumns()
{
    SetUpColumns({{"Version", 50},
                  {"Hazard Number", 100},
                  {"Hazard Name(Hj)", 190},
                  {"Initial Hazard Rate(HRj)", 170},
                  {"Accident(Ajk)", 200},
                  {"Accident Probability(Cjk)", 110},
                  {"Accident Rate(ARjk)", 180}});
}

void CResultListView::SetUpCollectiveRiskColumns()
{
    SetUpColumns({{"Version", 50},
                  {"Hazard Number", 100},
                  {"Hazard Name(Hj)", 190},
                  {"Initial Hazard Rate(HRj)", 170},
                  {"Adjusted Cost Per Mile", 105},
                  {"Collective risk(CRjk)", 190}});
}

void CResultListView::AppendRow(const QStringList& texts)
{
    const int row = rowCount();
    insertRow(row);
    for (int col = 0; col < columnCount() && col < texts.size(); ++col)
    {
        auto* item = new QTableWidgetItem(texts.at(col));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setForeground(TextColour);
        item->setBackground(BackColour);
        setItem(row, col, item);
    }
}

void CResultListView::WidenColumnsToContents()
{
    for (int col = 0; col < columnCount(); ++col)
    {
        const int wanted = sizeHintForColumn(col) + 8;
        if (wanted > columnWidth(col))
            setColumnWidth(col, wanted);
    }
}
