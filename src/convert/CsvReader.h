#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace rollscan {

// Reads a comma-separated table held in memory, one record at a time, by column name.
// Quoting follows RFC 4180: a field may be enclosed in double quotes, inside which commas, line
// breaks and doubled quotes ("") stand for themselves. Lines end with LF, CR LF or CR; a leading
// UTF-8 byte-order mark and blank lines are skipped. The first record is the header.
// Every fault is thrown as DataError with a message that starts "PATH:LINE: ".
class CsvReader {
public:
    // Reads the header record. Throws DataError for an empty table or a malformed header.
    CsvReader(QByteArray data, QString path);
    // Reads the whole file first. Throws FileError when it cannot be read.
    static CsvReader Open(const QString &path);

    // A field as an error message quotes it: at most 40 characters, then "...", so that a huge
    // field cannot make a huge message.
    static QString Quoted(const QString &field);

    const QString &path() const { return m_path; }
    const QStringList &header() const { return m_header; }
    int columnCount() const { return int(m_header.size()); }

    // Index of the column named `name` (exact match), or -1.
    int column(const QString &name) const { return m_columns.value(name, -1); }
    // Index of the column named `name`; throws DataError "PATH:1: the table has no column "name"".
    int requireColumn(const QString &name) const;

    // Moves to the next record; false at the end of the table. Throws DataError for an unclosed
    // quote, text after a closing quote or a record with another number of fields than the header.
    bool next();
    // The line (1-based) on which the current record starts.
    int line() const { return m_recordLine; }

    // The raw bytes of field `column` of the current record (quotes removed, "" made one quote).
    QByteArrayView field(int column) const;
    // The field decoded from UTF-8 and trimmed of surrounding blanks.
    QString text(int column) const;
    // True when the field holds nothing but blanks.
    bool isEmpty(int column) const;

    // The field as a whole number. "12", "-3" and "1.0" (a zero fraction, as some tables write
    // integers) are accepted; an empty or non-numeric field or a fraction throws DataError naming
    // the column `name`.
    qint64 integer(int column, const QString &name) const;
    // The field as a finite real number; `fallback` when the field is empty. Non-numeric text,
    // "nan" and "inf" throw DataError naming the column.
    double real(int column, const QString &name, double fallback) const;

    // Throws DataError "PATH:LINE: message" for the current record.
    [[noreturn]] void fail(const QString &message) const;

private:
    struct FieldRef {
        bool inBuffer = false;
        qsizetype start = 0;
        qsizetype length = 0;
    };

    // Parses one record starting at m_pos into m_fields. False when only blank lines remain.
    bool readRecord();
    [[noreturn]] void failAt(int line, const QString &message) const;

    QByteArray m_data;
    QString m_path;
    qsizetype m_pos = 0;
    int m_line = 1; // line of the byte at m_pos
    int m_recordLine = 0;
    std::vector<FieldRef> m_fields;
    QByteArray m_buffer; // unescaped text of the quoted fields of the current record
    QStringList m_header;
    QHash<QString, int> m_columns;
};

} // namespace rollscan
