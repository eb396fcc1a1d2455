#include "common/Prompter.h"

#include "common/StreamPrompter.h"

namespace
{
CPrompter* g_Current = nullptr;

CPrompter& DefaultPrompter()
{
    static CStreamPrompter prompter;
    return prompter;
}
} // namespace

CPrompter& CPrompter::Current()
{
    return g_Current ? *g_Current : DefaultPrompter();
}

void CPrompter::SetCurrent(CPrompter* prompter)
{
    g_Current = prompter;
}

CScopedPrompter::CScopedPrompter(CPrompter* prompter) : m_Previous(g_Current)
{
    CPrompter::SetCurrent(prompter);
}

CScopedPrompter::~CScopedPrompter()
{
    CPrompter::SetCurrent(m_Previous);
}
