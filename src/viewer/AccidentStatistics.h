#pragma once

#include "viewer/CauseCodeInfo.h"

#include <QList>
#include <QString>
#include <QStringList>

// The six accident types in their fixed order, the rule that puts an accident row into a type,
// and the texts the viewer and the dump show.
inline constexpr int AccidentTypeCount = 6;

// "Low Speed Collision" ... "High Speed Derailment" for the indices 0 to 5; empty otherwise.
QString AccidentTypeName(int type);
// The rows of the type's speed band whose Type letter matches ("C" for 0-2, "D" for 3-5),
// in list order. An index outside 0 to 5 gives no row.
QList<CAccidentInfo> AccidentsOfType(const CCauseCodeInfo& record, int type);
// The same rule for one row of the type's speed band, for walking the band without copies.
const QList<CAccidentInfo>& AccidentBand(const CCauseCodeInfo& record, int type);
bool IsAccidentOfType(const CAccidentInfo& accident, int type);

// The day number as "MM/DD/YYYY", with the spreadsheet's 29 February 1900 for day 60.
QString FormatAccidentDate(double dayNumber);
QString FormatCjk(double cjk);       // "%e"
QString FormatMoney(double dollars); // "%.2f", for Sjk and Rb
// Every line end of the description as a carriage return and line feed.
QString DescriptionDisplayText(const QString& description);
// The ten texts of one row of the consolidated accident list.
QStringList AccidentRowTexts(const CAccidentInfo& accident);
// Truncates toward zero, saturating instead of overflowing (NaN gives 0).
int TruncateToInt(double value);
