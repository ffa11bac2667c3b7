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

bool RunReportingErrors(Services &services, QWidget *parent, const std::function<void()> &work,
                        const ErrorReporting &how)
{
    try {
        work();
        return true;
    } catch (const FileError &error) {
        if (how.fileErrorText)
            ReportError(services, parent, how.fileErrorText(error));
        else
            ReportFileError(services, parent, error);
        if (how.afterReport)
            how.afterReport(error);
    } catch (const DataError &error) {
        ReportError(services, parent, error.message());
        if (how.afterReport)
            how.afterReport(error);
    } catch (const std::exception &error) {
        // Nothing may escape into the event loop; what core did not foresee is still told to the user.
        ReportError(services, parent, QString::fromLocal8Bit(error.what()));
        if (how.afterReport)
            how.afterReport(error);
    }
    return false;
}

} // namespace rollscan
