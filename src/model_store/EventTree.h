#pragma once

#include <QList>
#include <QString>

// One row of table Event: a node (event or accident) of a hazard's event tree.
class CEventTree
{
public:
    CEventTree() = default;
    CEventTree(const CEventTree&) = default;
    CEventTree& operator=(const CEventTree&) = default;
    virtual ~CEventTree() = default;

    int Event_ID = 0;
    int Sys_ID = 0;
    int Haz_ID = 0;
    QString Event_Title;
    QString Event_Name;
    double Event_YesProbability = 0.0;
    int Event_ParentID = 0;
    QString Event_Analyst;
    QString Event_Approvedby;
    QString Event_FunctionDesc;
    int Event_Type = 0;
    double Accident_Number = 0.0; // N
    float Fatility = 0.0f;        // adjusted cost per occurrence S
    int Exposed = 0;
    int Event_ParentAction = 0;
};

using CEventTreeList = QList<CEventTree>;

namespace EventType
{
constexpr int Event = 0;
constexpr int Accident = 1;
} // namespace EventType

namespace ParentAction
{
constexpr int Root = 0;
constexpr int Yes = 1;
constexpr int No = 2;
} // namespace ParentAction

// A node together with its DeleteFlag, for code that loads a hazard's whole tree at once.
struct CEventTreeNode
{
    CEventTree event;
    int DeleteFlag = 0;
};

using CEventTreeNodeList = QList<CEventTreeNode>;
