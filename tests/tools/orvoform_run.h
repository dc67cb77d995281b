#pragma once
// Runs the orvoform program for the tool tests and collects what it did.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <sys/resource.h>

#include <string>

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// With addressSpaceLimit (bytes), the run has no more address space than that.
inline TToolRun RunTool(const QStringList& args, const QByteArray& input = {}, rlim_t addressSpaceLimit = 0) {
    QProcess process;
    if (addressSpaceLimit > 0)
        process.setChildProcessModifier([addressSpaceLimit] {
            const rlimit limit{addressSpaceLimit, addressSpaceLimit};
            setrlimit(RLIMIT_AS, &limit);
        });
    process.setProgram(QStringLiteral(ORVOFORM_PATH));
    process.setArguments(args);
    process.start();
    if (!process.waitForStarted(30000)) return {};
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    TToolRun run;
    run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput().toStdString();
    run.Err = process.readAllStandardError().toStdString();
    return run;
}

