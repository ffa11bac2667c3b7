#include "core/attach/AttachmentNote.h"

#include "core/data/Cp1252.h"
#include "core/data/FileIO.h"

#include <QStringDecoder>

namespace rollscan {

namespace {
bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// True when every character survives a round trip through the code page.
bool fitsCp1252(const QString &text)
{
    return DecodeCp1252(EncodeCp1252(text)) == text;
}
} // namespace

AttachmentNote AttachmentNote::FromBytes(const QByteArray &bytes)
{
    AttachmentNote note;
    QString text;
    if (isAscii(bytes)) {
        text = QString::fromLatin1(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        note.utf8 = !utf8.hasError();
        if (!note.utf8)
            text = DecodeCp1252(bytes);
    }
    note.crlf = text.contains(QStringLiteral("\r\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    note.text = text;
    return note;
}

AttachmentNote AttachmentNote::Read(const QString &path)
{
    return FromBytes(ReadWholeFile(path));
}

QByteArray AttachmentNote::encode(const QString &text) const
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (crlf)
        out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (utf8 || !fitsCp1252(out))
        return out.toUtf8();
    return EncodeCp1252(out);
}

void AttachmentNote::save(const QString &path, const QString &text) const
{
    WriteWholeFile(path, encode(text));
}

} // namespace rollscan
