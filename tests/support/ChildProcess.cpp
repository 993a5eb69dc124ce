#include "ChildProcess.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

#include <signal.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : env)
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args;
    for (size_t i = 1; i < argv.size(); ++i)
        args << QString::fromStdString(argv[i]);
    process_.start(QString::fromStdString(argv.at(0)), args);
    started_ = process_.waitForStarted(10000);
}

ChildProcess::~ChildProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(10000);
    }
}

bool ChildProcess::WaitForLine(const std::string& prefix, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        output_ += process_.readAll().toStdString();
        for (size_t end; (end = output_.find('\n', scanned_)) != std::string::npos;) {
            const bool match = output_.compare(scanned_, prefix.size(), prefix) == 0;
            scanned_ = end + 1;
            if (match)
                return true;
        }
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            return false;
        process_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
}

void ChildProcess::Signal(int signal)
{
    if (process_.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(process_.processId()), signal);
}

bool ChildProcess::WaitForEnd(int timeoutMs)
{
    const bool ended = process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
    output_ += process_.readAll().toStdString();
    return ended;
}
