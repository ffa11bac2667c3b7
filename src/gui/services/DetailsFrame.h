#pragma once

#include <QSize>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace rollscan {

// The "Details" frame that shows a roll call's description entry: the five heading fields as stored
// and the free text, in a plain box or, for long texts, a scrolling one. The information window and
// the quick information window both show it, and inherit it so that its controls are theirs by name.
struct DetailsFrame {
    QGroupBox *fraDetails = nullptr;
    QLabel *lblGField = nullptr, *lblJField = nullptr, *lblType = nullptr, *lblHField = nullptr,
           *lblLegislator = nullptr;
    QPlainTextEdit *txtDetails = nullptr, *txtDetailsSB = nullptr;

    // Builds the frame and its controls (named as designed); each box is at least `boxSize`.
    static DetailsFrame Build(const QSize &boxSize);
    // Shows the heading fields and the text in the box the text's length calls for.
    void showDetails(const std::array<QString, 5> &header, const QString &text, bool scrolling) const;
    // The plain box visible again, as a window leaves it when it closes.
    void resetDetails() const;
};

} // namespace rollscan
