#include "forms/ui/HazardAccidentInfo.h"

#include "shell/QuillonToolSetApp.h"

CHazardAccidentInfo::CHazardAccidentInfo(CQuillonToolSetApp* app, QWidget* parent)
    : QWidget(parent), m_App(app)
{
    setObjectName(QStringLiteral("accidentInfoView"));
    if (m_App)
        m_App->m_pAccidentInfoView = this;
}

CHazardAccidentInfo::~CHazardAccidentInfo()
{
    if (m_App && m_App->m_pAccidentInfoView == this)
        m_App->m_pAccidentInfoView = nullptr;
}

void CHazardAccidentInfo::RefreshAccidentInfo()
{
    m_HazardId = m_App ? m_App->m_CurrentHazardId : 0;
    update();
}
