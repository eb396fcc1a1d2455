#include "viewer/VantrelDump.h"

#include "viewer/AccidentStatistics.h"
#include "viewer/SpreadsheetScanner.h"

QString CVantrelDump::Field(const QString& text)
{
    bool plain = true;
    for (QChar c : text)
        plain = plain && c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QLatin1Char('\t');
    if (plain)
        return text;
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return out;
}

namespace
{
// Calls sink with one block of text per cause code (and one for the rest), so that a large
// dump never has to sit in memory whole.
template <typename Sink> void Produce(const CSpreadsheetScanner& scanner, Sink sink)
{
    QString out;
    const QLatin1Char tab('\t');
    for (const CCauseCodeInfo& record : scanner.CauseCodes())
    {
        out.clear();
        out += QLatin1String("cause-code\t") + CVantrelDump::Field(record.CauseCode) + tab +
               CVantrelDump::Field(record.Description) + QLatin1Char('\n');
        for (int type = 0; type < AccidentTypeCount; ++type)
        {
            out += QLatin1String("type\t") + QString::number(type) + tab + AccidentTypeName(type) +
                   tab + FormatCjk(record.Cjk[type]) + tab + FormatMoney(record.Sjk[type]) +
                   QLatin1Char('\n');
            for (const CAccidentInfo& accident : AccidentBand(record, type))
            {
                if (!IsAccidentOfType(accident, type))
                    continue;
                out += QLatin1String("row\t") + QString::number(type);
                const QStringList texts = AccidentRowTexts(accident);
                for (const QString& text : texts)
                    out += tab + CVantrelDump::Field(text);
                out += QLatin1Char('\n');
            }
        }
        sink(out);
    }
    out.clear();
    for (const CRailRoadInfo& railroad : scanner.Railroads())
        out += QLatin1String("railroad\t") + CVantrelDump::Field(railroad.Name) + tab +
               (railroad.HasRb ? FormatMoney(railroad.Rb) : QString()) + QLatin1Char('\n');
    for (const CSkippedWorkbook& skipped : scanner.Skipped())
        out += QLatin1String("skipped\t") + CVantrelDump::Field(skipped.Path) + tab +
               CVantrelDump::Field(skipped.Reason) + QLatin1Char('\n');
    sink(out);
}
} // namespace

QString CVantrelDump::Text(const CSpreadsheetScanner& scanner)
{
    QString text;
    Produce(scanner, [&text](const QString& block) { text += block; });
    return text;
}

bool CVantrelDump::Write(const CSpreadsheetScanner& scanner, std::FILE* stream)
{
    bool ok = true;
    Produce(scanner,
            [&](const QString& block)
            {
                const QByteArray bytes = block.toUtf8();
                ok = ok && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) ==
                               size_t(bytes.size());
            });
    return std::fflush(stream) == 0 && ok;
}
