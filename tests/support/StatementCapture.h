#pragma once

#include "model_store/DatabaseConnection.h"

#include <QStringList>

// Records every statement either database runs while it lives (the texts as executed).
class CStatementCapture
{
public:
    CStatementCapture()
    {
        CDatabaseConnection::SetStatementObserver([this](const QString& statement)
                                                  { statements.append(statement); });
    }
    ~CStatementCapture() { CDatabaseConnection::SetStatementObserver(nullptr); }
    CStatementCapture(const CStatementCapture&) = delete;
    CStatementCapture& operator=(const CStatementCapture&) = delete;

    QString Last() const { return statements.isEmpty() ? QString() : statements.last(); }
    void Clear() { statements.clear(); }

    QStringList statements;
};
