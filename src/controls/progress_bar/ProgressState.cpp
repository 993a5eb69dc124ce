#include "ProgressState.h"

QString ProgressState::Caption() const
{
    if (look == ProgressLook::Marquee)
        return QStringLiteral("Gathering Required Information");
    return QString::number(percent) + QStringLiteral(" %");
}
