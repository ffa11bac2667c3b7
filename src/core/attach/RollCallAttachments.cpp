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

// "104_12s" or "104s": the name of an attachment without its extension.
QString baseName(bool isHouse, int congress, int rollCall)
{
    QString name = QString::number(congress);
    // The Senate's "s" goes after the roll-call number, not after the congress as in the data files.
    if (rollCall != kCongressAttachment)
        name += QLatin1Char('_') + QString::number(rollCall);
    if (!isHouse)
        name += QLatin1Char('s');
    return name;
}

QString chamberFile(const QString &root, bool isHouse, const QString &name)
{
    return DataFileName(root, isHouse ? kHouseDir : kSenateDir, name);
}
} // namespace

QString RollCallAttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind)
{
    return chamberFile(root, isHouse, baseName(isHouse, congress, rollCall) + extensionOf(kind));
}

QString CongressAttachmentName(const QString &root, bool isHouse, int congress, AttachmentKind kind)
{
    return chamberFile(root, isHouse, baseName(isHouse, congress, kCongressAttachment) + extensionOf(kind));
}

QString AttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind)
{
    return rollCall == kCongressAttachment ? CongressAttachmentName(root, isHouse, congress, kind)
                                           : RollCallAttachmentName(root, isHouse, congress, rollCall, kind);
}

QStringList PictureExtensions()
{
    return {QStringLiteral(".bmp"), QStringLiteral(".png"), QStringLiteral(".jpg"), QStringLiteral(".jpeg")};
}

QString FindAttachmentFile(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind)
{
    // Bitmaps are large; a tree may carry its pictures compressed under the same name instead.
    const QStringList extensions =
        kind == AttachmentKind::Picture ? PictureExtensions() : QStringList{extensionOf(kind)};
    const QString base = baseName(isHouse, congress, rollCall);
    for (const QString &extension : extensions) {
        const QString path = chamberFile(root, isHouse, base + extension);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString AttachmentCaption(const QString &frameCaption, bool isHouse, int congress, int rollCall)
{
    QString caption = frameCaption + QStringLiteral(" - ") +
                      (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(congress);
    if (rollCall != kCongressAttachment)
        caption += QStringLiteral(" Roll Call #") + QString::number(rollCall);
    return caption;
}

bool IsCongressCaption(const QString &caption)
{
    return !caption.contains(QStringLiteral("Roll"));
}

RollCallAttachments FindRollCallAttachments(const QString &root, bool isHouse, int congress, int rollCall)
{
    auto exists = [&](AttachmentKind kind) {
        return !FindAttachmentFile(root, isHouse, congress, rollCall, kind).isEmpty();
    };
    return {exists(AttachmentKind::Text), exists(AttachmentKind::Sound), exists(AttachmentKind::Picture)};
}

} // namespace rollscan
