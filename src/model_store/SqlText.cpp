#include "model_store/SqlText.h"

#include <QDateTime>
#include <QLocale>

namespace
{
const QString kDateFormat = QStringLiteral("HH:mm:ss MMMM dd yyyy");
}

QString CSqlText::Text(const QString& text)
{
    QString out = text;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

QString CSqlText::Exp(double value)
{
    // QString::asprintf formats numbers in the C locale.
    return QString::asprintf("%e", value);
}

QString CSqlText::Fixed(double value, int decimals)
{
    return QString::asprintf("%.*f", decimals, value);
}

QString CSqlText::Int(qint64 value)
{
    return QString::number(value);
}

QString CSqlText::Date(qint64 secondsSinceEpoch)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    return QLocale::c().toString(local, kDateFormat);
}

qint64 CSqlText::ParseDate(const QString& text)
{
    const QDateTime local = QLocale::c().toDateTime(text.trimmed(), kDateFormat);
    if (!local.isValid() || local.date().year() < 1970)
        return 0;
    const qint64 seconds = local.toSecsSinceEpoch();
    return seconds < 0 ? 0 : seconds;
}
