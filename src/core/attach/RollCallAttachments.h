#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

// The three kinds of attachment a roll call or a congress can carry.
enum class AttachmentKind { Sound, Picture, Text };

// Roll-call number that stands for the whole congress: its attachment is "104.txt", not "104_12.txt".
constexpr int kCongressAttachment = 0;

// The file of a roll call's attachment in the chamber folder: "97_12.wav", "104_12s.txt" for the
// Senate (resolved case-insensitively below `root`). A picture is named as a bitmap.
QString RollCallAttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind);

// The file of a congress's attachment: "97.txt", "104s.txt" for the Senate.
QString CongressAttachmentName(const QString &root, bool isHouse, int congress, AttachmentKind kind);

// The roll call's attachment, or the congress's when rollCall is kCongressAttachment.
QString AttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind);

// The file an attachment is shown from, or an empty string when it has none. Pictures are looked
// for as ".bmp" first, then ".png", ".jpg" and ".jpeg" under the same name.
QString FindAttachmentFile(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind);

// The extensions a picture attachment may have, in the order they are looked for.
QStringList PictureExtensions();

// The caption of the attachment window's frame: "Text Attachment - Senate #104 Roll Call #12", or
// without the roll call for a congress attachment.
QString AttachmentCaption(const QString &frameCaption, bool isHouse, int congress, int rollCall);

// True when a caption names a congress attachment (it has no "Roll" in it): its note is saved as the
// congress note.
bool IsCongressCaption(const QString &caption);

// Which attachments of one roll call (or of a congress, rollCall kCongressAttachment) exist as files.
struct RollCallAttachments {
    bool text = false;
    bool sound = false;
    bool picture = false;
};
RollCallAttachments FindRollCallAttachments(const QString &root, bool isHouse, int congress, int rollCall);

} // namespace rollscan
