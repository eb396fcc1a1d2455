#pragma once

#include "viewer/ViewerPrompter.h"

// Shows Vantrel's messages in message boxes.
class CMessageBoxViewerPrompter : public CViewerPrompter
{
public:
    void ShowMessage(const QString& text, Icon icon, const QString& caption) override;
};
