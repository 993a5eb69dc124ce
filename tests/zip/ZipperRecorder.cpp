#include "ZipperRecorder.h"

#include <QCoreApplication>

ZipperRecorder::ZipperRecorder()
    : zipper([s = script] { return std::make_unique<RecordingZipWriter>(s); })
{
    // Steps are taken by hand; the timer's own firing would interleave with them.
    zipper.tmrNext().blockSignals(true);
    auto record = [this](const char* what) { script->timeline.push_back(what); };
    QObject::connect(&zipper, &Zipper::StartFile, [=] { record("StartFile"); });
    QObject::connect(&zipper, &Zipper::Progress, [=] { record("Progress"); });
    QObject::connect(&zipper, &Zipper::EndFile, [=] { record("EndFile"); });
    QObject::connect(&zipper, &Zipper::Error, [=] { record("Error"); });
    QObject::connect(&zipper, &Zipper::Complete,
                     [=](bool canceled) { record(canceled ? "Complete(true)" : "Complete(false)"); });
}

std::string ZipperRecorder::step()
{
    script->timeline.clear();
    zipper.tmrNext_Timer();
    // The archive's renaming ends the run from the event loop: counted in this step.
    while (zipper.Publishing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::string joined;
    for (const std::string& item : script->timeline)
        joined += (joined.empty() ? "" : " ") + item;
    return joined;
}

std::vector<std::string> ZipperRecorder::runToEnd(int maxSteps)
{
    std::vector<std::string> steps;
    while (zipper.Zipping() && maxSteps-- > 0)
        steps.push_back(step());
    return steps;
}

std::filesystem::path ZipperRecorder::file(const std::string& name, size_t size)
{
    return dir.write(name, patternBytes(size));
}

std::string patternBytes(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    unsigned x = seed;
    for (size_t i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(x >> 16);
    }
    return bytes;
}
