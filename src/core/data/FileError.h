#pragma once

#include <QString>
#include <stdexcept>

namespace rollscan {

// Error numbers of failed file operations. The numbers are the ones the shared error report turns
// into its fixed sentences; numbers outside that table are reported as "Unrecognized error #".
namespace FileErrorNumber {
constexpr int SubscriptOutOfRange = 9; // a code that indexes no entry of its table
constexpr int TypeMismatch = 13;       // a text item where a number belongs
constexpr int IllegalName = 52;
constexpr int NotFound = 53;
constexpr int BadAccess = 54;
constexpr int AlreadyOpen = 55;
constexpr int DiskError = 57;
constexpr int DiskFull = 61;
constexpr int PastEnd = 62; // a read beyond the end of a file, or a count the file cannot hold
constexpr int BadFileName = 64;
constexpr int PermissionDenied = 70;
constexpr int AccessError = 75;
constexpr int PathNotFound = 76;
constexpr int BadFormat = 321; // a field whose value the format does not allow
} // namespace FileErrorNumber

// A file could not be opened, read or written. Carries the error number (see FileErrorNumber),
// the path concerned and a short description of what was wrong.
class FileError : public std::runtime_error {
public:
    FileError(int number, QString path, QString description = {});

    int number() const { return m_number; }
    const QString &path() const { return m_path; }
    const QString &description() const { return m_description; }

    // The sentence the shared error report shows for this error.
    QString sentence() const;

private:
    int m_number;
    QString m_path;
    QString m_description;
};

// The fixed sentence for a file error number; `description` fills the text of unlisted numbers.
QString FileErrorSentence(int number, const QString &description);

// The run-time description used for numbers outside the sentence table (e.g. 75 "Path/File access error").
QString FileErrorDescription(int number);

// Input that is well-formed as a file but wrong as data (used by the converter and searches).
class DataError : public std::runtime_error {
public:
    explicit DataError(QString message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace rollscan
