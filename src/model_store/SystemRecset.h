#pragma once

#include "model_store/System.h"

#include <QString>

class CDatabaseConnection;

// Runs the statements of table System. Lives for one operation.
class CSystemRecset
{
public:
    explicit CSystemRecset(CDatabaseConnection& connection) : m_Connection(connection) {}

    bool Insert(const CSystem& system, int* newId);
    bool Update(const CSystem& system, int sysId);
    bool Rename(const QString& oldName, const QString& newName);
    bool SetVersion(int sysId, int oldVersion, int newVersion);
    bool MarkDeleted(int sysId);
    bool Recover(int sysId);
    bool Delete(int sysId);

    bool SelectById(CSystemList& list, int sysId);
    bool SelectByName(CSystemList& list, const QString& name, int parentId);
    bool SelectVersion(CSystemList& list, const QString& name, int parentId, int version);
    bool SelectLatestVersion(CSystemList& list, const QString& name);
    bool SelectFirstOfEachName(CSystemList& list, int type);
    bool SelectChildren(CSystemList& list, int parentId);
    bool SelectAllChildren(CSystemList& list, int parentId);
    bool SelectDeletedByName(CSystemList& list, int type, const QString& name);
    bool SelectDeleted(CSystemList& list, int sysId);

private:
    bool Select(CSystemList& list, const QString& statement);

    CDatabaseConnection& m_Connection;
    QString m_Statement;
};
