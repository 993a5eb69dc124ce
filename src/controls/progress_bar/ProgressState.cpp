#include "ProgressState.h"

#include <QCoreApplication>

QString ProgressState::Caption() const
{
    if (look == ProgressLook::Marquee)
        return QCoreApplication::translate("XP_ProgressBar", "Gathering Required Information");
    //: The bar's percentage; %1 is the number.
    return QCoreApplication::translate("XP_ProgressBar", "%1 %").arg(percent);
}
