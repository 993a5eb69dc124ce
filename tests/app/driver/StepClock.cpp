#include "StepClock.h"

#include <QEvent>
#include <QMetaEnum>

#include <cstdio>

bool StepClock::notify(QObject* receiver, QEvent* event)
{
    if (depth_ > 0)
        return QApplication::notify(receiver, event);
    // The receiver may be gone afterwards (a single-shot timer's).
    const char* receiverClass = receiver->metaObject()->className();
    const QEvent::Type type = event->type();
    ++depth_;
    const auto start = std::chrono::steady_clock::now();
    const bool handled = QApplication::notify(receiver, event);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    --depth_;
    Longest& phase = phases_.back();
    ++phase.steps;
    if (ms > phase.ms) {
        phase.ms = ms;
        const char* typeName = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
        phase.what = QStringLiteral("%1 to %2").arg(QString::fromLatin1(typeName ? typeName : "?"),
                                                    QString::fromLatin1(receiverClass));
    }
    return handled;
}

void StepClock::Phase(const QString& name)
{
    phases_.push_back({name, 0, {}, 0});
}

void StepClock::Report() const
{
    for (const Longest& phase : phases_)
        std::printf("longest step %-9s %8.2f ms  (%s; %ld steps)\n", qPrintable(phase.phase), phase.ms,
                    qPrintable(phase.what), phase.steps);
    std::fflush(stdout);
}
