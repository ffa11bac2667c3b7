#include "core/data/RollCall.h"

#include "core/data/Bytes.h"
#include "core/data/Cp1252.h"
#include "core/data/Dates.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
// Leading fields. Standard: issue, Clausen, Peltzman 1, Peltzman 2, description at 8.
// Extended: issue 1, issue 2, Clausen, Peltzman 1, Peltzman 2, description at 10.
constexpr int kDescriptionWidth = 60;
constexpr int kStdDescription = 8;
constexpr int kExtDescription = 10;
// After the description comes the tagged date; every later field follows the date's bytes, so
// its offsets are relative to the end of the date: five int16 counts, then four float32.
constexpr int kAfterYeas = 0;
constexpr int kAfterNays = 2;
constexpr int kAfterInfoYea = 4;
constexpr int kAfterInfoNay = 6;
constexpr int kAfterInfoNotVoting = 8;
constexpr int kAfterParams = 10;
constexpr int kAfterFields = 26;      // bytes of the counts and parameters
constexpr int kExtendedReserved = 24; // reserved bytes of the extended record after the parameters
constexpr int kStandardSlot = 110;
constexpr int kExtendedSlot = 136;

int descriptionOffset(bool extended)
{
    return extended ? kExtDescription : kStdDescription;
}
int dateOffset(bool extended)
{
    return descriptionOffset(extended) + kDescriptionWidth;
}
int usedBytes(bool extended)
{
    return kAfterFields + (extended ? kExtendedReserved : 0);
}
} // namespace

QDate TaggedDate::date() const
{
    return isDate() ? DateFromSerial(serial) : QDate();
}

int TaggedDate::storedSize() const
{
    return isDate() ? 10 : 4 + int(text.size());
}

TaggedDate TaggedDate::FromDate(const QDate &d)
{
    TaggedDate t;
    t.tag = kDateTag;
    t.serial = SerialFromDate(d);
    return t;
}

TaggedDate TaggedDate::FromText(const QString &text)
{
    TaggedDate t;
    t.tag = kTextTag;
    t.text = text;
    return t;
}

QString RollCall::trimmedDescription() const
{
    QString d = description;
    while (!d.isEmpty() && d.back() == QLatin1Char(' '))
        d.chop(1);
    return d;
}

int RollCallRecordLength(bool newDataFormat)
{
    return newDataFormat ? kExtendedSlot : kStandardSlot;
}

RollCall ToOldRollCall(const RollCall &extended)
{
    RollCall rc = extended;
    rc.issueCode2 = 0;
    rc.extendedReserved.clear();
    return rc;
}

RollCallKeys PeekRollCall(const ByteReader &in, qint64 offset, bool extended)
{
    // Only the bytes the fields use are required: a file may end right after its last field.
    const int slot = RollCallRecordLength(extended);
    RollCallKeys k;
    if (extended) {
        k.issueCode = in.i16(offset);
        k.issueCode2 = in.i16(offset + 2);
        k.clausenCode = in.i16(offset + 4);
        k.peltzmanCode1 = in.i16(offset + 6);
        k.peltzmanCode2 = in.i16(offset + 8);
    } else {
        k.issueCode = in.i16(offset);
        k.clausenCode = in.i16(offset + 2);
        k.peltzmanCode1 = in.i16(offset + 4);
        k.peltzmanCode2 = in.i16(offset + 6);
    }
    k.description = in.bytes(offset + descriptionOffset(extended), kDescriptionWidth);

    const qint64 dateAt = offset + dateOffset(extended);
    k.date.tag = in.i16(dateAt);
    if (k.date.tag == TaggedDate::kDateTag) {
        k.date.serial = in.f64(dateAt + 2);
        k.afterDate = dateAt + 10;
    } else if (k.date.tag == TaggedDate::kTextTag) {
        const qint16 length = in.i16(dateAt + 2);
        const qint64 room = offset + slot - (dateAt + 4) - usedBytes(extended);
        if (length < 0 || length > room)
            throw FileError(
                FileErrorNumber::BadFormat, in.path(),
                QStringLiteral("Roll-call record at byte %1 has a text date of length %2").arg(offset).arg(length));
        k.date.text = in.text(dateAt + 4, length);
        k.afterDate = dateAt + 4 + length;
    } else {
        throw FileError(
            FileErrorNumber::BadFormat, in.path(),
            QStringLiteral("Roll-call record at byte %1 has a date of unknown type %2").arg(offset).arg(k.date.tag));
    }
    k.yeas = in.i16(k.afterDate + kAfterYeas);
    k.nays = in.i16(k.afterDate + kAfterNays);
    // A tally is a number of members: a negative one can only come from a damaged file.
    if (k.yeas < 0 || k.nays < 0)
        throw FileError(FileErrorNumber::BadFormat, in.path(),
                        QStringLiteral("Roll call %1 has negative tallies (%2 yeas, %3 nays)")
                            .arg(offset / slot + 1)
                            .arg(k.yeas)
                            .arg(k.nays));
    return k;
}

RollCall DecodeRollCall(const ByteReader &in, qint64 offset, bool extended)
{
    const RollCallKeys keys = PeekRollCall(in, offset, extended);
    RollCall rc;
    rc.issueCode = keys.issueCode;
    rc.issueCode2 = keys.issueCode2;
    rc.clausenCode = keys.clausenCode;
    rc.peltzmanCode1 = keys.peltzmanCode1;
    rc.peltzmanCode2 = keys.peltzmanCode2;
    rc.description = DecodeCp1252(keys.description);
    rc.date = keys.date;
    rc.yeas = keys.yeas;
    rc.nays = keys.nays;
    const qint64 after = keys.afterDate;
    rc.infoYea = in.i16(after + kAfterInfoYea);
    rc.infoNay = in.i16(after + kAfterInfoNay);
    rc.infoNotVoting = in.i16(after + kAfterInfoNotVoting);
    if (rc.infoYea < 0 || rc.infoNay < 0 || rc.infoNotVoting < 0)
        throw FileError(FileErrorNumber::BadFormat, in.path(),
                        QStringLiteral("Roll call %1 has negative counts (%2 yea, %3 nay, %4 not voting)")
                            .arg(offset / RollCallRecordLength(extended) + 1)
                            .arg(rc.infoYea)
                            .arg(rc.infoNay)
                            .arg(rc.infoNotVoting));
    rc.Spread1 = in.f32(after + kAfterParams);
    rc.Midpoint1 = in.f32(after + kAfterParams + 4);
    rc.Spread2 = in.f32(after + kAfterParams + 8);
    rc.Midpoint2 = in.f32(after + kAfterParams + 12);
    if (extended)
        rc.extendedReserved = in.bytes(after + kAfterFields, kExtendedReserved).toByteArray();
    return rc;
}

QByteArray EncodeRollCall(const RollCall &rc, bool extended)
{
    const int slot = RollCallRecordLength(extended);
    if (rc.date.tag != TaggedDate::kDateTag && rc.date.tag != TaggedDate::kTextTag)
        throw DataError(QStringLiteral("A roll-call date must have tag 7 or 8, not %1").arg(rc.date.tag));
    const int after = dateOffset(extended) + rc.date.storedSize();
    if (after + usedBytes(extended) > slot)
        throw DataError(QStringLiteral("The text date \"%1\" is too long for a roll-call record").arg(rc.date.text));

    ByteWriter w(slot);
    if (extended) {
        w.setI16(0, rc.issueCode);
        w.setI16(2, rc.issueCode2);
        w.setI16(4, rc.clausenCode);
        w.setI16(6, rc.peltzmanCode1);
        w.setI16(8, rc.peltzmanCode2);
    } else {
        w.setI16(0, rc.issueCode);
        w.setI16(2, rc.clausenCode);
        w.setI16(4, rc.peltzmanCode1);
        w.setI16(6, rc.peltzmanCode2);
    }
    w.setText(descriptionOffset(extended), rc.description, kDescriptionWidth);
    const int dateAt = dateOffset(extended);
    w.setI16(dateAt, rc.date.tag);
    if (rc.date.isDate()) {
        w.setF64(dateAt + 2, rc.date.serial);
    } else {
        w.setI16(dateAt + 2, qint16(rc.date.text.size()));
        w.setText(dateAt + 4, rc.date.text, int(rc.date.text.size()));
    }
    w.setI16(after + kAfterYeas, rc.yeas);
    w.setI16(after + kAfterNays, rc.nays);
    w.setI16(after + kAfterInfoYea, rc.infoYea);
    w.setI16(after + kAfterInfoNay, rc.infoNay);
    w.setI16(after + kAfterInfoNotVoting, rc.infoNotVoting);
    w.setF32(after + kAfterParams, rc.Spread1);
    w.setF32(after + kAfterParams + 4, rc.Midpoint1);
    w.setF32(after + kAfterParams + 8, rc.Spread2);
    w.setF32(after + kAfterParams + 12, rc.Midpoint2);
    if (extended && rc.extendedReserved.size() == kExtendedReserved)
        w.setBytes(after + kAfterFields, rc.extendedReserved);
    return w.data();
}

QList<RollCall> ReadRollCalls(const QString &path, int count, bool extended)
{
    if (count < 0)
        throw FileError(FileErrorNumber::BadFormat, path, QStringLiteral("Negative roll-call count %1").arg(count));
    const QByteArray data = ReadWholeFile(path);
    const ByteReader in(data, path);
    const int slot = RollCallRecordLength(extended);
    if (count > 0)
        in.need(0, qint64(count - 1) * slot + dateOffset(extended) + 2);
    QList<RollCall> out;
    out.reserve(count);
    for (int r = 1; r <= count; ++r)
        out.append(DecodeRollCall(in, qint64(r - 1) * slot, extended));
    return out;
}

void WriteRollCalls(const QString &path, const QList<RollCall> &rollCalls, bool extended)
{
    QByteArray out;
    out.reserve(rollCalls.size() * RollCallRecordLength(extended));
    for (const RollCall &rc : rollCalls)
        out.append(EncodeRollCall(rc, extended));
    WriteWholeFile(path, out);
}

} // namespace rollscan
