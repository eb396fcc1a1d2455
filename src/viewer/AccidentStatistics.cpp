#include "viewer/AccidentStatistics.h"

#include <cmath>
#include <limits>

namespace
{
const char* const TypeNames[AccidentTypeCount] = {
    "Low Speed Collision",  "Medium Speed Collision",  "High Speed Collision",
    "Low Speed Derailment", "Medium Speed Derailment", "High Speed Derailment"};

// Damages may exceed a 32-bit integer; they are truncated the same way but never wrap.
qint64 TruncateToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (value <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);
}
} // namespace

QString AccidentTypeName(int type)
{
    if (type < 0 || type >= AccidentTypeCount)
        return {};
    return QString::fromLatin1(TypeNames[type]);
}

const QList<CAccidentInfo>& AccidentBand(const CCauseCodeInfo& record, int type)
{
    switch (((type % 3) + 3) % 3)
    {
    case 0:
        return record.LowSpeedAccidents;
    case 1:
        return record.MediumSpeedAccidents;
    default:
        return record.HighSpeedAccidents;
    }
}

bool IsAccidentOfType(const CAccidentInfo& accident, int type)
{
    if (type < 0 || type >= AccidentTypeCount)
        return false;
    const QChar letter = type < 3 ? QLatin1Char('C') : QLatin1Char('D');
    const QStringView trimmed = QStringView(accident.Type).trimmed();
    return trimmed.size() == 1 && trimmed[0].toUpper() == letter;
}

QList<CAccidentInfo> AccidentsOfType(const CCauseCodeInfo& record, int type)
{
    QList<CAccidentInfo> rows;
    if (type < 0 || type >= AccidentTypeCount)
        return rows;
    for (const CAccidentInfo& accident : AccidentBand(record, type))
    {
        if (IsAccidentOfType(accident, type))
            rows.append(accident);
    }
    return rows;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

QString FormatAccidentDate(double dayNumber)
{
    // Day numbers beyond the year 9999 make no date; keep the arithmetic within range.
    qint64 t = TruncateToInt(dayNumber);
    int month = 0;
    int day = 0;
    int year = 0;
    if (t == 60)
    {
        month = 2;
        day = 29;
        year = 1900;
    }
    else
    {
        if (t < 60)
            t += 1;
        qint64 l = t + 2483588;
        const qint64 n = 4 * l / 146097;
        l = l - (146097 * n + 3) / 4;
        const qint64 i = 4000 * (l + 1) / 1461001;
        l = l - 1461 * i / 4 + 31;
        const qint64 j = 80 * l / 2447;
        day = static_cast<int>(l - 2447 * j / 80);
        l = j / 11;
        month = static_cast<int>(j + 2 - 12 * l);
        year = static_cast<int>(100 * (n - 49) + i + l);
    }
    return QString::asprintf("%02d/%02d/%04d", month, day, year);
}

QString FormatCjk(double cjk)
{
    return QString::asprintf("%e", cjk);
}

QString FormatMoney(double dollars)
{
    return QString::asprintf("%.2f", dollars);
}

QString DescriptionDisplayText(const QString& description)
{
    QString text = description;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QStringList AccidentRowTexts(const CAccidentInfo& accident)
{
    return {accident.ReportNo,
            FormatAccidentDate(accident.Date),
            accident.Type.trimmed(),
            QString::number(TruncateToInt64(accident.EqptDamage)),
            QString::number(TruncateToInt64(accident.TrackDamage)),
            QString::number(TruncateToInt64(accident.OtherLosses)),
            QString::number(accident.Fatalities),
            QString::number(accident.Injuries),
            accident.Speed,
            accident.Railroad};
}
