#include "core/data/FileError.h"

#include "core/data/FileErrorExplanation.h"

namespace rollscan {

FileError::FileError(int number, QString path, QString description)
    : std::runtime_error(QStringLiteral("file error %1: %2 (%3)")
                             .arg(number)
                             .arg(path, description.isEmpty() ? FileErrorDescription(number) : description)
                             .toStdString()),
      m_number(number), m_path(std::move(path)),
      m_description(description.isEmpty() ? FileErrorDescription(number) : std::move(description))
{
}

QString FileError::sentence() const
{
    return FileErrorSentence(m_number, m_description);
}

QString FileErrorSentence(int number, const QString &description)
{
    switch (number) {
    case 52:
    case 64:
        return QStringLiteral("That file name is illegal or doesn't exist.");
    case 53:
        return QStringLiteral("That file doesn't exist.");
    case 54:
        return QStringLiteral("Can't open your file for that type of access.");
    case 55:
        return QStringLiteral("This file is already open.");
    case 57:
        return QStringLiteral("Internal disk error.");
    case 61:
        return QStringLiteral("Disk is full. Free some room and try again.");
    case 62:
        return QStringLiteral("This file has a non-standard end-of-file marker, ") +
               QStringLiteral("or an attempt was made to read beyound ") + QStringLiteral("the end-of-file marker.");
    case 68:
        return QStringLiteral("That drive is not available.");
    case 70:
        return QStringLiteral("You don't have permission to use that file.");
    case 71:
        return QStringLiteral("Insert a disk in the drive and close the door.");
    case 75:
        return QStringLiteral("That file or folder can't be used.");
    case 76:
        return QStringLiteral("That path doesn't exist.");
    case 321:
        return QStringLiteral("That file is damaged or is not a Rollscan data file.");
    case 322:
        return QStringLiteral("That file is not a bookmark file.");
    default:
        return QStringLiteral("Unrecognized error #") + QString::number(number) + QStringLiteral(" (") + description +
               QStringLiteral(") has occurred.");
    }
}

QString FileErrorDescription(int number)
{
    switch (number) {
    case 9:
        return QStringLiteral("Subscript out of range");
    case 13:
        return QStringLiteral("Type mismatch");
    case 52:
        return QStringLiteral("Bad file name or number");
    case 53:
        return QStringLiteral("File not found");
    case 54:
        return QStringLiteral("Bad file mode");
    case 55:
        return QStringLiteral("File already open");
    case 57:
        return QStringLiteral("Device I/O error");
    case 61:
        return QStringLiteral("Disk full");
    case 62:
        return QStringLiteral("Input past end of file");
    case 64:
        return QStringLiteral("Bad file name");
    case 68:
        return QStringLiteral("Device unavailable");
    case 70:
        return QStringLiteral("Permission denied");
    case 71:
        return QStringLiteral("Disk not ready");
    case 75:
        return QStringLiteral("Path/File access error");
    case 76:
        return QStringLiteral("Path not found");
    case 321:
        return QStringLiteral("Invalid file format");
    case 322:
        return QStringLiteral("Not a bookmark file");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

QString FileErrorExplanation(int number)
{
    switch (number) {
    case 62:
        return QStringLiteral("The file ends before the data it should hold: it is damaged or was cut short.");
    case 321:
        return QStringLiteral("A value in the file is not one Rollscan can read.");
    default:
        return {};
    }
}

DataError::DataError(QString message) : std::runtime_error(message.toStdString()), m_message(std::move(message)) {}

} // namespace rollscan
