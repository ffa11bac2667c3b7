#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace rollscan {

// The three published subject-code schemes a search can filter by.
enum class SubjectScheme { Issue, Clausen, Peltzman };

// The code file of a scheme in the main folder: "isscodes.dat", "clacodes.dat", "pelcodes.dat".
QString SubjectCodeFileName(SubjectScheme scheme);
// The picker's caption: "Subject Access: Issue Codes", "... Clausen Codes", "... Peltzman Codes".
QString SubjectAccessCaption(SubjectScheme scheme);

// One line of a code file.
struct SubjectCode {
    QString name;     // from column 7, trailing blanks removed
    QString codeText; // columns 1-3 as written
    int code = 0;     // codeText as a number
    bool operator==(const SubjectCode &) const = default;
};

// The subjects a user chose in the picker, in list order.
struct ChosenSubjects {
    QList<int> codes;
    QStringList names;
};

// The list of one scheme's subjects, read from its code file.
class SubjectCodeTable {
public:
    static constexpr int kMaxRows = 200;
    static constexpr int kMaxChosen = 100;

    // Reads a code file: one subject per line, a line ending at CR, CR LF or LF; the code in columns
    // 1-3 (leading blanks allowed), the name from column 7. Blank lines are skipped. Reading stops
    // after kMaxRows subjects (truncated() tells). Throws FileError 53 when missing, 62 when the file
    // holds no subject, 321 naming the line when columns 1-3 are not a number.
    static SubjectCodeTable Read(const QString &path);
    // The table, or nothing when the file is missing or unreadable: for pictures that can show the
    // codes as numbers instead.
    static std::optional<SubjectCodeTable> ReadIfReadable(const QString &path);
    // The same over the bytes of a file (`path` names them in errors).
    static SubjectCodeTable Parse(const QByteArray &content, const QString &path);

    const QList<SubjectCode> &rows() const { return m_rows; }
    int subjectCodeCount() const { return int(m_rows.size()); }
    // True when the file held more lines than the table keeps.
    bool truncated() const { return m_truncated; }
    // The names in file order, as the picker lists them.
    QStringList names() const;

    // The codes and names of the picked rows (0-based list rows, taken in ascending list order;
    // rows out of range are ignored). At most kMaxChosen are handed back.
    ChosenSubjects choose(QList<int> listRows) const;

private:
    QList<SubjectCode> m_rows;
    bool m_truncated = false;
};

} // namespace rollscan
