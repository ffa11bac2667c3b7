#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

// The operator that ties the secondary or tertiary keyword to the primary one.
enum class KeywordOperator { None, And, Or, Not };

// The operator of a combo-box text: "(none)", "AND", "OR" or "NOT"; anything else is None.
KeywordOperator KeywordOperatorFromText(const QString &text);
// The combo-box text of an operator.
QString KeywordOperatorText(KeywordOperator op);
// The entries of the operator combo boxes, in their order.
QStringList KeywordOperatorTexts();

// What the keyword dialog hands over. Keywords are taken as typed; the test upper-cases them.
struct KeywordCriteria {
    QString keyword1;
    QString keyword2;
    QString keyword3;
    KeywordOperator op2 = KeywordOperator::None;
    KeywordOperator op3 = KeywordOperator::None;

    bool use2() const { return op2 != KeywordOperator::None; }
    bool use3() const { return op3 != KeywordOperator::None; }
    bool operator==(const KeywordCriteria &) const = default;
};

// The decision over the three "found" results. Each used keyword relates to the primary one: AND
// and NOT add a condition to the primary keyword, OR makes its keyword sufficient on its own.
// f2 and f3 are ignored when their operator is None.
bool KeywordDecision(const KeywordCriteria &criteria, bool f1, bool f2, bool f3);

} // namespace rollscan
