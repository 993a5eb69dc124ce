#include "ZipperRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

ZipperRecorder::ZipperRecorder(int workers)
    : workers_(workers), zipper(workers, [s = script] { return std::make_unique<RecordingZipWriter>(s); })
{
    script->rawAsData = true;
    // The scripted steps follow zlib's blocks, one write per chunk; whole
    // entries have tests of their own.
    zipper.SetZlibBlocksOnly(true);
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
    QElapsedTimer clock;
    clock.start();
    // A step that found its data missing did nothing; the workers restart the
    // timer once the data is there. The timeline is not looked at while the
    // archive is being closed: the closing thread writes to it then.
    while (parallel() && !zipper.Publishing() && script->timeline.empty() && zipper.Zipping() &&
           clock.elapsed() < 20000) {
        if (zipper.tmrNext().isActive())
            zipper.tmrNext_Timer();
        else
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
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

std::string ZipperRecorder::crc(const std::string& call, const std::string& then) const
{
    if (parallel())
        return then;
    return then.empty() ? call : call + " " + then;
}

std::string engineName(int workers)
{
    return workers <= 1 ? "oneThread" : std::to_string(workers) + "Workers";
}
