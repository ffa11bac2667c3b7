#pragma once

#include <QString>

namespace rollscan {

// The three kinds of attachment a roll call or a congress can carry.
enum class AttachmentKind { Sound, Picture, Text };

// The file of a roll call's attachment in the chamber folder: "97_12.wav", "104_12s.txt" for the
// Senate (resolved case-insensitively below `root`).
QString RollCallAttachmentName(const QString &root, bool isHouse, int congress, int rollCall, AttachmentKind kind);

// Which attachments of one roll call exist as files.
struct RollCallAttachments {
    bool text = false;
    bool sound = false;
    bool picture = false;
};
RollCallAttachments FindRollCallAttachments(const QString &root, bool isHouse, int congress, int rollCall);

} // namespace rollscan
