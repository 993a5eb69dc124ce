#include "ProgressStatus.h"

const char* ProgressStatusText(ProgressStatus status)
{
    switch (status) {
    case ProgressStatus::Ok: return "ok";
    case ProgressStatus::DivisionByZero: return "division by zero";
    case ProgressStatus::Overflow: return "overflow";
    }
    return "unknown";
}
