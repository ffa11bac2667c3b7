#include "gui/app/MaintenanceTools.h"

#include "core/app/Session.h"
#include "core/app/TallyCheck.h"
#include "core/app/TokenList.h"
#include "core/data/Cp1252.h"
#include "core/data/FileIO.h"
#include "core/data/TokenTable.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"

#include <QFileInfo>

namespace rollscan {

bool MaintenanceTools::CheckMatches(Session &session, Services &services, QWidget *parent, bool isHouse)
{
    TallyCheck check(session.dataRoot, isHouse, session.newDataFormat);
    const ProgressCallback progress = WaitProgress(services, true);
    // The number panel shows the congress being checked.
    check.setProgress([&progress](int done, int total) { progress(total > 0 ? done * 100 / total : 100, done); });
    QString report;
    services.beep();
    const bool ok = RunReportingErrors(services, parent, [&] {
        const WaitGuard wait(services);
        check.run();
        report = DecodeCp1252(ReadWholeFile(check.reportPath()));
    });
    if (!ok)
        return false;
    services.beep();
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    services.showText(parent, QFileInfo(check.reportPath()).fileName(), report);
    return true;
}

bool MaintenanceTools::ListTokens(Session &session, Services &services, QWidget *parent)
{
    QString text;
    if (!RunReportingErrors(services, parent, [&] {
            text = TokenListText(TokenTable::Read(session.mainFileName(QStringLiteral("token.dat"))));
        }))
        return false;
    services.showText(parent, QStringLiteral("token.dat"), text);
    return true;
}

} // namespace rollscan
