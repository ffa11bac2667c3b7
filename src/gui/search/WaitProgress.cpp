#include "WaitProgress.h"

#include "services/Services.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace rollscan {

ProgressCallback WaitProgress(Services &services, bool showNumber)
{
    return [&services, showNumber](int percent, int number) {
        services.setWaitPercent(percent);
        if (showNumber)
            services.setWaitNumber(QString::number(number));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

} // namespace rollscan
