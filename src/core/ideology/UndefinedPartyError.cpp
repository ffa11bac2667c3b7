#include "core/ideology/UndefinedPartyError.h"

namespace rollscan {

UndefinedPartyError::UndefinedPartyError(const QString &storedName, int recordNumber, int partyCode,
                                         const QString &path)
    : DataError(QStringLiteral("An error has occurred while drawing the Ideological map. Legislator ") + storedName +
                QStringLiteral(" (") + QString::number(recordNumber) + QStringLiteral(") is set as being in party ") +
                QString::number(partyCode) + QStringLiteral(" which is currently not defined in Rollscan.")),
      m_recordNumber(recordNumber), m_partyCode(partyCode), m_path(path)
{
}

} // namespace rollscan
