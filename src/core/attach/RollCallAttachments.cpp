#include "core/attach/RollCallAttachments.h"

#include "core/data/DataTree.h"

#include <QFileInfo>

namespace rollscan {

namespace {
QString extensionOf(AttachmentKind kind)
{
    switch (kind) {
    case AttachmentKind::Sound:
        return QStringLiteral(".wav");
    case AttachmentKind::Picture:
        return QStringLiteral(".bmp");
    case AttachmentKind::Text:
        return QStringLiteral(".txt");
    }
    return {};
}
} // namespace

QString RollCallAttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind)
{
    // The Senate's "s" goes after the roll-call number, not after the congress as in the data files.
    const QString name = QString::number(congress) + QLatin1Char('_') + QString::number(rollCall) +
                         (isHouse ? QString() : QStringLiteral("s")) + extensionOf(kind);
    return DataFileName(root, isHouse ? kHouseDir : kSenateDir, name);
}

RollCallAttachments FindRollCallAttachments(const QString &root, bool isHouse, int congress, int rollCall)
{
    auto exists = [&](AttachmentKind kind) {
        return QFileInfo(RollCallAttachmentName(root, isHouse, congress, rollCall, kind)).isFile();
    };
    return {exists(AttachmentKind::Text), exists(AttachmentKind::Sound), exists(AttachmentKind::Picture)};
}

} // namespace rollscan
