#include "core/search/KeywordCriteria.h"

namespace rollscan {

KeywordOperator KeywordOperatorFromText(const QString &text)
{
    if (text == QLatin1String("AND"))
        return KeywordOperator::And;
    if (text == QLatin1String("OR"))
        return KeywordOperator::Or;
    if (text == QLatin1String("NOT"))
        return KeywordOperator::Not;
    return KeywordOperator::None;
}

QString KeywordOperatorText(KeywordOperator op)
{
    switch (op) {
    case KeywordOperator::And:
        return QStringLiteral("AND");
    case KeywordOperator::Or:
        return QStringLiteral("OR");
    case KeywordOperator::Not:
        return QStringLiteral("NOT");
    case KeywordOperator::None:
        break;
    }
    return QStringLiteral("(none)");
}

QStringList KeywordOperatorTexts()
{
    return {QStringLiteral("(none)"), QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT")};
}

bool KeywordDecision(const KeywordCriteria &criteria, bool f1, bool f2, bool f3)
{
    bool required = f1;
    bool alternative = false;
    const auto apply = [&](KeywordOperator op, bool found) {
        switch (op) {
        case KeywordOperator::And:
            required = required && found;
            break;
        case KeywordOperator::Not:
            required = required && !found;
            break;
        case KeywordOperator::Or:
            alternative = alternative || found;
            break;
        case KeywordOperator::None:
            break;
        }
    };
    apply(criteria.op2, f2);
    apply(criteria.op3, f3);
    return required || alternative;
}

} // namespace rollscan
