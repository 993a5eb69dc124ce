#include "ParallelRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>

StepLog::StepLog(Zipper& zipper) : zipper_(zipper)
{
    zipper_.tmrNext().blockSignals(true);
    auto add = [this](const std::string& what) { step_ += (step_.empty() ? "" : " ") + what; };
    QObject::connect(&zipper_, &Zipper::StartFile, [this, add] { add("StartFile(" + zipper_.CurrentFile().AsFile + ")"); });
    QObject::connect(&zipper_, &Zipper::Progress,
                     [this, add] { add("Progress(" + std::to_string(zipper_.BytesZipped()) + ")"); });
    QObject::connect(&zipper_, &Zipper::EndFile,
                     [this, add] { add("EndFile(" + std::to_string(zipper_.BytesZipped()) + ")"); });
    QObject::connect(&zipper_, &Zipper::Error, [this, add] { add("Error(" + zipper_.Failed() + ")"); });
    QObject::connect(&zipper_, &Zipper::Complete,
                     [add](bool canceled) { add(canceled ? "Complete(true)" : "Complete(false)"); });
}

std::vector<std::string> StepLog::RunToEnd(int seconds)
{
    std::vector<std::string> steps;
    QElapsedTimer clock;
    clock.start();
    while (zipper_.Zipping()) {
        if (clock.elapsed() > seconds * 1000) {
            steps.push_back("TIMEOUT");
            break;
        }
        if (!zipper_.tmrNext().isActive()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            continue;
        }
        step_.clear();
        zipper_.tmrNext_Timer();
        while (zipper_.Publishing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!step_.empty())
            steps.push_back(step_);
    }
    return steps;
}

std::string textLike(size_t size, unsigned seed)
{
    static const char* words[] = {"archive ", "entry ", "folder ", "deflate ", "window ", "stream ", "zip ", "\n"};
    std::string text;
    text.reserve(size + 16);
    unsigned x = seed;
    while (text.size() < size) {
        x = x * 1103515245u + 12345u;
        text += words[(x >> 16) % 8];
        if ((x >> 8) % 5 == 0)
            text += std::to_string(x % 100000);
    }
    text.resize(size);
    return text;
}
