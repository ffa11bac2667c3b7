#pragma once

// Runs rollscan-cli as a separate program, the way a user or a script would, and keeps what it said.
// ROLLSCAN_CLI is the path of the built program, defined for every command-line test.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

namespace rollscan::test {

struct CliRun {
    bool finished = false;
    bool crashed = false;
    int exitCode = -1; // also -1 when the program crashed or did not finish
    QString out;
    QString err;
};

// The words of a command line written as one string; the word TREE stands for `tree`, so that a
// table row stays on one line.
inline QStringList Words(const QString &line, const QString &tree = {})
{
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &w : words)
        if (!tree.isNull() && w == QLatin1String("TREE"))
            w = tree;
    return words;
}

// One row of a data-driven test: Row("name", a, b) is QTest::newRow("name") << a << b.
template <typename... Values> void Row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

// Runs `program` as a separate process with `env` and keeps what it said.
inline CliRun RunProgram(const QString &program, const QStringList &args, const QString &workingDirectory = {},
                         int timeoutMs = 30000,
                         const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(program, args);
    CliRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.finished = true;
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = r.crashed ? -1 : p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline CliRun RunCli(const QStringList &args, const QString &workingDirectory = {}, int timeoutMs = 30000)
{
    return RunProgram(QStringLiteral(ROLLSCAN_CLI), args, workingDirectory, timeoutMs);
}

} // namespace rollscan::test
