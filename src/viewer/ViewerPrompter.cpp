#include "viewer/ViewerPrompter.h"

#include <cstdio>

namespace
{
class CStderrViewerPrompter : public CViewerPrompter
{
public:
    void ShowMessage(const QString& text, Icon, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
};

CViewerPrompter* g_Current = nullptr;
} // namespace

CViewerPrompter& CViewerPrompter::Current()
{
    static CStderrViewerPrompter fallback;
    return g_Current ? *g_Current : fallback;
}

void CViewerPrompter::SetCurrent(CViewerPrompter* prompter)
{
    g_Current = prompter;
}
