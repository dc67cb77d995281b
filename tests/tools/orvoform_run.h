#pragma once
// Runs the orvoform program for the tool tests and collects what it did.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <string>

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline TToolRun RunTool(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
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

