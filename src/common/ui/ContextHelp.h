#pragma once

#include <QString>

// A view with help topics of its own. F1 asks the focused view (or the nearest parent that is
// one) for its topic; "helpoutput.chm" serves wherever no view answers.
class CContextHelp
{
public:
    virtual ~CContextHelp() = default;
    // The topic to open now; may also show a status text. Empty means "no topic of my own".
    virtual QString OnContextHelp() = 0;
};
