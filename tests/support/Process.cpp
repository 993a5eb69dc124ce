#include "Process.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& stdinBytes)
{
    ProcessResult result;
    if (argv.empty())
        return result;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args;
    for (size_t i = 1; i < argv.size(); ++i)
        args << QString::fromStdString(argv[i]);
    p.start(QString::fromStdString(argv[0]), args);
    if (!p.waitForStarted(10000))
        return result;
    if (!stdinBytes.empty())
        p.write(stdinBytes.data(), static_cast<qint64>(stdinBytes.size()));
    p.closeWriteChannel();
    p.waitForFinished(-1);
    result.out = p.readAll().toStdString();
    result.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return result;
}

bool haveProgram(const std::string& name)
{
    return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
}
