#include "viewer/VantrelDump.h"

#include "viewer/AccidentStatistics.h"
#include "viewer/SpreadsheetScanner.h"

QString CVantrelDump::Field(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return out;
}

QString CVantrelDump::Text(const CSpreadsheetScanner& scanner)
{
    QString out;
    const QLatin1Char tab('\t');
    for (const CCauseCodeInfo& record : scanner.CauseCodes())
    {
        out += QLatin1String("cause-code\t") + Field(record.CauseCode) + tab +
               Field(record.Description) + QLatin1Char('\n');
        for (int type = 0; type < AccidentTypeCount; ++type)
        {
            out += QLatin1String("type\t") + QString::number(type) + tab + AccidentTypeName(type) +
                   tab + FormatCjk(record.Cjk[type]) + tab + FormatMoney(record.Sjk[type]) +
                   QLatin1Char('\n');
            const QList<CAccidentInfo> rows = AccidentsOfType(record, type);
            for (const CAccidentInfo& accident : rows)
            {
                out += QLatin1String("row\t") + QString::number(type);
                const QStringList texts = AccidentRowTexts(accident);
                for (const QString& text : texts)
                    out += tab + Field(text);
                out += QLatin1Char('\n');
            }
        }
    }
    for (const CRailRoadInfo& railroad : scanner.Railroads())
        out += QLatin1String("railroad\t") + Field(railroad.Name) + tab +
               (railroad.HasRb ? FormatMoney(railroad.Rb) : QString()) + QLatin1Char('\n');
    for (const CSkippedWorkbook& skipped : scanner.Skipped())
        out += QLatin1String("skipped\t") + Field(skipped.Path) + tab + Field(skipped.Reason) +
               QLatin1Char('\n');
    return out;
}
