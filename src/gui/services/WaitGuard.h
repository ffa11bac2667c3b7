#pragma once

#include "gui/services/Services.h"

#include <QString>

namespace rollscan {

// Shows the shared wait window for as long as it lives and hides it on every way out of the scope,
// an error included. Created inside the work given to RunReportingErrors, it is gone before the
// error is reported, so the report is never covered by the wait window.
class WaitGuard {
public:
    explicit WaitGuard(Services &services, const QString &info = kCalculatingText);
    ~WaitGuard();
    WaitGuard(const WaitGuard &) = delete;
    WaitGuard &operator=(const WaitGuard &) = delete;

    // Ends the wait before the scope does, for work that goes on without it (filling a list, say).
    void hide();

private:
    Services &m_services;
    bool m_shown = true;
};

} // namespace rollscan
