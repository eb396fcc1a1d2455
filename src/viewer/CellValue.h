#pragma once

#include <QString>

// A cell as the spreadsheet program hands it over: text, a number (integer cells and dates
// too, dates as their day number), nothing, or something else (a truth value or an error),
// which the readers treat like any type they do not use.
struct CCellValue
{
    enum class Kind
    {
        Empty,
        Text,
        Number,
        Other
    };

    Kind kind = Kind::Empty;
    QString text;
    double number = 0.0;

    static CCellValue Text(QString value) { return {Kind::Text, std::move(value), 0.0}; }
    static CCellValue Number(double value) { return {Kind::Number, {}, value}; }
    static CCellValue Other() { return {Kind::Other, {}, 0.0}; }

    bool IsEmpty() const { return kind == Kind::Empty; }
    bool IsText() const { return kind == Kind::Text; }
    bool IsNumber() const { return kind == Kind::Number; }
};
