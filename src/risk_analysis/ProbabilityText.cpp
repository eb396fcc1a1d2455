#include "risk_analysis/ProbabilityText.h"

QString FormatProbabilityText(double probability)
{
    QString text = QString::number(probability, 'f', 6);
    if (text == QLatin1String("1.000000"))
        return QStringLiteral("1");
    // A safe-state value a rounding error below zero reads 0, not "-0.".
    if (text == QLatin1String("0.000000") || text == QLatin1String("-0.000000"))
        return QStringLiteral("0");
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
