#pragma once

#include <QByteArray>
#include <QString>

namespace rollscan {

// The text note of a roll call or congress: the text as the user edits it, and how it goes back to
// its file. Notes written on the data's own platform are Windows-1252 with CRLF line ends; notes
// written elsewhere are often UTF-8 with LF. A note keeps the form it was read in.
class AttachmentNote {
public:
    // Decodes a note's bytes: UTF-8 when they are valid UTF-8, Windows-1252 otherwise. Line ends
    // become '\n'; a note with any CRLF writes CRLF again.
    static AttachmentNote FromBytes(const QByteArray &bytes);
    // Reads a note file. Throws FileError when it cannot be read.
    static AttachmentNote Read(const QString &path);

    // The bytes of `text` in this note's form. Text the single-byte code page cannot hold is
    // written as UTF-8 rather than lose characters.
    QByteArray encode(const QString &text) const;
    // Writes `text` to `path` through QSaveFile: the whole new note or the old file untouched.
    // Throws FileError.
    void save(const QString &path, const QString &text) const;

    QString text;
    bool crlf = false;
    bool utf8 = false;
};

} // namespace rollscan
