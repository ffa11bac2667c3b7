#pragma once

#include "core/data/RollCall.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

namespace rollscan {

// lblTitle2: "House #97 Roll Call #12  1/5/1981  (1/3)".
QString MapTitle2(bool isHouse, int congress, int rollCall, const TaggedDate &date, int queuePosition, int queueLength);

// The window caption while a roll call is shown: "Id Map - " + description.
QString MapWindowCaption(const QString &description);

// The description of a subject code in its table, or an empty text when the table lacks it.
using CodeLookup = std::function<QString(int code)>;

// A subject code as the map shows it: "N/A" for 0, its description when `lookup` knows it, else its number.
QString SubjectCodeText(int code, const CodeLookup &lookup);

// The codes of the displayed roll call, already turned into texts by SubjectCodeText.
struct SubjectCodeTexts {
    QString issue1;
    QString issue2; // only from the Senate issue file
    QString clausen;
    QString peltzman1;
    QString peltzman2;
    bool fromIssueFile = false;
};

// lblCodes (three lines beside "Issue Code:", "Clausen Code:", "Peltzman Code:") and, when the
// issue file supplied the issue codes, the new entries of cmbCodes (otherwise the combo is left alone).
struct CodeCaptions {
    QString lblCodes;
    bool replaceCombo = false;
    QStringList cmbCodes;
};
CodeCaptions BuildCodeCaptions(const SubjectCodeTexts &codes);

// The two issue codes of a Senate roll call from the congress's issue file ("97s.iss" in the Senate
// folder, 4-byte records numbered by roll call); nothing when the file does not exist. A roll call
// beyond the end of the file has no codes there (0, 0). Throws FileError for an unreadable file.
std::optional<std::pair<int, int>> ReadSenateIssueCodes(const QString &root, int congress, int rollCall);

} // namespace rollscan
