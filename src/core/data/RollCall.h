#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

namespace rollscan {

class ByteReader;

// The tagged date of a roll-call record: tag 7 holds a day serial (see Dates.h), tag 8 a text.
struct TaggedDate {
    static constexpr qint16 kDateTag = 7;
    static constexpr qint16 kTextTag = 8;

    qint16 tag = kDateTag;
    double serial = 0.0; // tag 7
    QString text;        // tag 8

    bool isDate() const { return tag == kDateTag; }
    QDate date() const; // invalid for a text date
    // Bytes the value occupies in a record: 10 for a date, 4 + length for a text.
    int storedSize() const;
    static TaggedDate FromDate(const QDate &d);
    static TaggedDate FromText(const QString &t);
    bool operator==(const TaggedDate &) const = default;
};

// One roll-call record in memory. A standard record is the extended one without the second issue
// code and the reserved fields.
struct RollCall {
    qint16 issueCode = 0;
    qint16 issueCode2 = 0; // extended records only
    qint16 clausenCode = 0;
    qint16 peltzmanCode1 = 0;
    qint16 peltzmanCode2 = 0;
    QString description; // 60 characters as stored, padding kept
    TaggedDate date;
    qint16 yeas = 0;    // official tally
    qint16 nays = 0;    // official tally
    qint16 infoYea = 0; // counts of the information window
    qint16 infoNay = 0;
    qint16 infoNotVoting = 0;
    float Spread1 = 0.0f;
    float Midpoint1 = 0.0f;
    float Spread2 = 0.0f;
    float Midpoint2 = 0.0f;
    QByteArray extendedReserved; // 24 bytes of an extended record, carried unchanged

    QString trimmedDescription() const;
    bool operator==(const RollCall &) const = default;
};

// 136 for the extended layout, 110 for the standard one.
int RollCallRecordLength(bool newDataFormat);

// The standard form of an extended record: second issue code and reserved fields dropped.
RollCall ToOldRollCall(const RollCall &extended);

// Decodes the record in the slot at `offset`. Throws FileError 321 for a date tag other than 7 or 8
// or a text date that does not fit the slot, 62 when the slot lies past the end.
RollCall DecodeRollCall(const ByteReader &in, qint64 offset, bool newDataFormat);
// The fields a search reads from every record: the subject codes, the undecoded 60-byte description,
// the date and the official tallies. A search tests these and decodes the rest only for records that
// pass. issueCode2 is 0 for a standard record. Throws FileError 62 when the fields lie past the end,
// 321 for a date DecodeRollCall would refuse.
struct RollCallKeys {
    qint16 issueCode = 0;
    qint16 issueCode2 = 0;
    qint16 clausenCode = 0;
    qint16 peltzmanCode1 = 0;
    qint16 peltzmanCode2 = 0;
    QByteArrayView description; // Windows-1252, padding kept; a view into the reader's data
    TaggedDate date;
    qint16 yeas = 0;
    qint16 nays = 0;
    qint64 afterDate = 0; // offset in the data of the first byte after the date
};
RollCallKeys PeekRollCall(const ByteReader &in, qint64 offset, bool newDataFormat);

// Encodes one slot. A text date too long for the slot raises DataError.
QByteArray EncodeRollCall(const RollCall &rc, bool newDataFormat);

// Reads records 1..count of a roll-call file (".rif").
QList<RollCall> ReadRollCalls(const QString &path, int count, bool newDataFormat);
void WriteRollCalls(const QString &path, const QList<RollCall> &rollCalls, bool newDataFormat);

} // namespace rollscan
