#include "common/ApplicationState.h"

#include "history/HistoryDatabase.h"
#include "model_store/ModelDatabase.h"

CApplicationState::CApplicationState()
    : m_pModelStore(std::make_unique<CModelDatabase>()),
      m_pHistoryStore(std::make_unique<CHistoryDatabase>())
{
}

CApplicationState::~CApplicationState() = default;

bool CApplicationState::OpenDatabases()
{
    // The history database is not opened when the model database failed.
    return m_pModelStore->Open() && m_pHistoryStore->Open();
}

void CApplicationState::GetSystemUnits(int sysId, QString& units, QString& costUnits)
{
    CSystemList list;
    if (!m_pModelStore->GetSystem(list, sysId) || list.isEmpty())
        return;
    units = list.first().Sys_Units;
    costUnits = list.first().Sys_FatalityUnits;
}
