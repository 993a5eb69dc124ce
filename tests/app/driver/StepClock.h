#pragma once
// An application that times every event it hands out at the top level (a
// timer step, a socket notifier, a queued call, a repaint): the longest of
// them is the longest time the window's thread did not answer.
#include <QApplication>
#include <QString>

#include <chrono>

class StepClock : public QApplication {
public:
    StepClock(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;

    // Starts a new phase: its longest step is counted apart from the others
    // (a step belongs to the phase under way when it ends).
    void Phase(const QString& name);
    // One line per phase: the longest step, what it was, and the number of steps.
    void Report() const;

private:
    struct Longest {
        QString phase;
        double ms = 0;
        QString what;
        long steps = 0;
    };
    int depth_ = 0;
    std::vector<Longest> phases_{Longest{QStringLiteral("start-up"), 0, {}, 0}};
};
