#pragma once

#include <QByteArray>
#include <QString>

namespace rollscan {

// Vote codes: one ASCII digit per legislator and roll call.
// 1-3 are the yea class, 4-6 the nay class, everything else does not vote.
bool IsYeaCode(int code);
bool IsNayCode(int code);
// The label the statistics print for a code 0..9 ("Not Mem:", "Yes:", ... "Not Voting:").
QString VoteCodeLabel(int code);

// The vote file of one congress: legislator-major, one byte per (legislator, roll call).
class VoteMatrix {
public:
    VoteMatrix() = default;
    // Loads the file once. Throws FileError 53 when missing, 62 when it holds fewer than
    // legislators × rollCalls bytes, 321 for negative counts.
    static VoteMatrix Load(const QString &path, int legislators, int rollCalls);
    // A matrix over bytes already in memory (checked the same way; `path` names them in errors).
    static VoteMatrix FromBytes(QByteArray bytes, int legislators, int rollCalls, const QString &path);

    int legislatorCount() const { return m_legislators; }
    int rollCallCount() const { return m_rollCalls; }

    // 0-based offset of the vote of legislator m on roll call r (both 1-based).
    static qint64 Offset(int m, int r, int rollCalls) { return qint64(m - 1) * rollCalls + r - 1; }

    // The stored byte; m in 1..legislatorCount, r in 1..rollCallCount (asserted).
    char byte(int m, int r) const;
    // The vote code 0..9; a byte that is not a digit counts as 0 (not a member).
    int vote(int m, int r) const;

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    int m_legislators = 0;
    int m_rollCalls = 0;
};

void WriteVoteMatrix(const QString &path, const QByteArray &bytes);

} // namespace rollscan
