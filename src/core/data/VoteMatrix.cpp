#include "core/data/VoteMatrix.h"

#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

bool IsYeaCode(int code)
{
    return code >= 1 && code <= 3;
}
bool IsNayCode(int code)
{
    return code >= 4 && code <= 6;
}

QString VoteCodeLabel(int code)
{
    static const char *const labels[10] = {"Not Mem:", "Yes:", "Pair Yes:", "Ann. Yes:", "Ann. No:",
                                           "Pair No:", "No:",  "[blank]:",  "Present:",  "Not Voting:"};
    return (code >= 0 && code <= 9) ? QString::fromLatin1(labels[code]) : QString();
}

VoteMatrix VoteMatrix::Load(const QString &path, int legislators, int rollCalls)
{
    if (legislators < 0 || rollCalls < 0)
        throw FileError(FileErrorNumber::BadFormat, path,
                        QStringLiteral("Negative counts %1 x %2").arg(legislators).arg(rollCalls));
    return FromBytes(ReadWholeFile(path), legislators, rollCalls, path);
}

VoteMatrix VoteMatrix::FromBytes(QByteArray bytes, int legislators, int rollCalls, const QString &path)
{
    if (legislators < 0 || rollCalls < 0)
        throw FileError(FileErrorNumber::BadFormat, path,
                        QStringLiteral("Negative counts %1 x %2").arg(legislators).arg(rollCalls));
    const qint64 needed = qint64(legislators) * rollCalls;
    if (bytes.size() < needed)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("Input past end of file (%1 bytes, %2 legislators x %3 roll calls need %4)")
                            .arg(bytes.size())
                            .arg(legislators)
                            .arg(rollCalls)
                            .arg(needed));
    VoteMatrix v;
    v.m_bytes = std::move(bytes);
    v.m_legislators = legislators;
    v.m_rollCalls = rollCalls;
    return v;
}

char VoteMatrix::byte(int m, int r) const
{
    Q_ASSERT(m >= 1 && m <= m_legislators && r >= 1 && r <= m_rollCalls);
    return m_bytes[Offset(m, r, m_rollCalls)];
}

int VoteMatrix::vote(int m, int r) const
{
    const char b = byte(m, r);
    return (b >= '0' && b <= '9') ? b - '0' : 0;
}

void WriteVoteMatrix(const QString &path, const QByteArray &bytes)
{
    WriteWholeFile(path, bytes);
}

} // namespace rollscan
