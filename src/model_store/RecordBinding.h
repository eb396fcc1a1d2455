#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// Column readers shared by the record bindings (the *Rs classes). Columns are bound by their
// 1-based ordinal position in the table; a null value leaves the field at its default. Texts
// are read whole, whatever their length.
class CRecordBinding
{
public:
    static void Take(const QSqlQuery& q, int ordinal, QString& field)
    {
        const QVariant v = q.value(ordinal - 1);
        if (!v.isNull())
            field = v.toString();
    }
    static void Take(const QSqlQuery& q, int ordinal, int& field)
    {
        const QVariant v = q.value(ordinal - 1);
        if (!v.isNull())
            field = v.toInt();
    }
    static void Take(const QSqlQuery& q, int ordinal, double& field)
    {
        const QVariant v = q.value(ordinal - 1);
        if (!v.isNull())
            field = v.toDouble();
    }
    static void Take(const QSqlQuery& q, int ordinal, float& field)
    {
        const QVariant v = q.value(ordinal - 1);
        if (!v.isNull())
            field = float(v.toDouble());
    }
    // A flag column: any non-zero number is true.
    static void Take(const QSqlQuery& q, int ordinal, bool& field)
    {
        const QVariant v = q.value(ordinal - 1);
        if (!v.isNull())
            field = v.toDouble() != 0.0;
    }
};
