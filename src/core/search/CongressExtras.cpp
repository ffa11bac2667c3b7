#include "core/search/CongressExtras.h"

#include "core/app/Session.h"
#include "core/attach/RollCallAttachments.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"

#include <QDir>
#include <QFileInfo>

namespace rollscan {

namespace {
// From the 103rd House on the district shapes come from the map files, not from a ".cds" file.
constexpr int kFirstShapefileHouse = 103;

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
} // namespace

CongressExtras FindCongressExtras(const Session &session)
{
    CongressExtras extras;
    const bool drawn = isFile(session.mainFileName(QStringLiteral("map.dat"))) &&
                       isFile(session.mainFileName(QStringLiteral("mapindex.dat")));
    // The shapefile map needs the state list and the chamber's layer.
    const bool shapes =
        isFile(session.mainFileName(QStringLiteral("state list.dat"))) &&
        isFile(DataFileName(session.dataRoot, kMapsDir,
                            session.isHouse ? QStringLiteral("cd104.shp") : QStringLiteral("states.shp")));
    extras.usMap = drawn || shapes;
    if (session.selectedCongresses.size() != 1)
        return extras;

    const int congress = session.selectedCongresses.constFirst();
    if (session.isHouse && congress < kFirstShapefileHouse)
        extras.usMap = drawn && isFile(session.congressFileName(congress, QStringLiteral(".cds")));
    const RollCallAttachments attachments =
        FindRollCallAttachments(session.dataRoot, session.isHouse, congress, kCongressAttachment);
    extras.text = attachments.text;
    extras.audio = attachments.sound;
    extras.picture = attachments.picture;
    return extras;
}

void EnsureUserFolder(Session &session)
{
    const QString existing = DataFolder(session.dataRoot, kUserDir);
    if (!QFileInfo(existing).isDir()) {
        const QString made = QDir(session.dataRoot).filePath(QStringLiteral("User"));
        if (!QDir(session.dataRoot).mkdir(QStringLiteral("User")) && !QFileInfo(made).isDir())
            throw FileError(FileErrorNumber::AccessError, made, QStringLiteral("The user folder could not be made"));
    }
    session.userDir = DataFolder(session.dataRoot, kUserDir);
}

} // namespace rollscan
