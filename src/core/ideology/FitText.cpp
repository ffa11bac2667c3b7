#include "core/ideology/FitText.h"

#include "core/ideology/DrawingPass.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/NumberFormat.h"

#include <algorithm>

namespace rollscan {

QString ErrorsText(const DrawingPass &pass)
{
    return pass.line.noLine ? IdeologyText::kNotApplicable : QString::number(pass.ErrorCount);
}

QString PreText(const DrawingPass &pass)
{
    return (pass.crossTab || pass.line.noLine) ? IdeologyText::kNotApplicable : FormatPre(pass.pre());
}

bool IsContested(int yea, int nay)
{
    const int voting = std::max(0, yea) + std::max(0, nay);
    // Integer form of minority / voting >= 2.5 %, so that the boundary is exact.
    return voting > 0 && std::min(std::max(0, yea), std::max(0, nay)) * 40 >= voting;
}

QString NoLineText(int yea, int nay)
{
    return IsContested(yea, nay) ? IdeologyText::kNoLineInData : IdeologyText::kNoLine;
}

QString TallyText(int yea, int nay, int notVoting)
{
    return QStringLiteral("Yea %1 \u00b7 Nay %2 \u00b7 Not voting %3").arg(yea).arg(nay).arg(notVoting);
}

} // namespace rollscan
