#pragma once

#include "viewer/Workbook.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

struct zip;

// An .xlsx workbook: the zip archive read with libzip, its parts with pugixml. Sheets are
// parsed when first asked for.
class CXlsxWorkbook : public CWorkbook
{
public:
    static std::unique_ptr<CWorkbook> Open(const QString& path, QString* error);
    ~CXlsxWorkbook() override;

    int SheetCount() const override { return int(m_SheetParts.size()); }
    CCellValue Cell(int sheet, int row, int column) override;

private:
    using CSheetCells = QHash<quint64, CCellValue>;

    CXlsxWorkbook() = default;
    bool ReadPart(const QString& name, QByteArray* data, bool optional = false);
    bool ReadWorkbookParts(QString* error);
    bool ReadSharedStrings(QString* error);
    bool ReadSheet(int sheet, CSheetCells* cells);

    zip* m_Zip = nullptr;
    QList<QString> m_SheetParts; // archive names, in the workbook's sheet order
    QList<QString> m_SharedStrings;
    QList<std::optional<CSheetCells>> m_Sheets;
    bool m_1904 = false;
};
