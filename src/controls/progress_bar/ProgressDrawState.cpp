#include "ProgressDrawState.h"

#include "ProgressMath.h"

int32_t ProgressDrawState::Round(double value)
{
    const auto r = RoundToInt32(value);
    if (!r) {
        overflow = true;
        return 0;
    }
    return *r;
}

QString ProgressDrawState::Caption() const
{
    if (look == 2)
        return QStringLiteral("Gathering Required Information");
    return QString::number(percent) + QStringLiteral(" %");
}
