#include "gui/services/WaitGuard.h"

namespace rollscan {

WaitGuard::WaitGuard(Services &services, const QString &info) : m_services(services)
{
    m_services.showWait(info);
}

WaitGuard::~WaitGuard()
{
    hide();
}

void WaitGuard::hide()
{
    if (!m_shown)
        return;
    m_shown = false;
    HideWait(m_services);
}

} // namespace rollscan
