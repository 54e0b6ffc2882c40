#pragma once
// Runs the bookmaker as an author does and collects what it says.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace booktest {

struct Finished {
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

inline Finished Bookmaker(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TINGDU_BOOKMAKER), arguments);
    Finished run;
    if (!process.waitForFinished(120000))
        return run;
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace booktest
