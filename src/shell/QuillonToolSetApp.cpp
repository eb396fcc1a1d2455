#include "shell/QuillonToolSetApp.h"

#include "common/Prompter.h"

bool CQuillonToolSetApp::InitDatabases()
{
    if (OpenDatabases())
        return true;
    CPrompter::Message(InitFailedText, CPrompter::Icon::Warning);
    return false;
}
