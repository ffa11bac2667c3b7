#include "gui/services/WaitProgress.h"

#include "gui/services/Services.h"

#include "core/data/FileError.h"

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

bool RunReportingErrors(Services &services, QWidget *parent, const std::function<void()> &work, bool hideWaitOnError)
{
    try {
        work();
        return true;
    } catch (const FileError &error) {
        if (hideWaitOnError)
            HideWait(services);
        ReportFileError(services, parent, error);
    } catch (const DataError &error) {
        if (hideWaitOnError)
            HideWait(services);
        ReportError(services, parent, error.message());
    } catch (const std::exception &error) {
        // Nothing may escape into the event loop; what core did not foresee is still told to the user.
        if (hideWaitOnError)
            HideWait(services);
        ReportError(services, parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace rollscan
