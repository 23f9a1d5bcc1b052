// Runs mirte-cli, or another program, as a script would, and keeps what it wrote.
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

struct CliRun {
    int exitCode = -1; // -1 when the program crashed or did not end
    QByteArray bytes;  // standard output as written (a CSV may be in code page 932)
    QString out;       // the same read as UTF-8
    QString err;
    QJsonDocument json() const { return QJsonDocument::fromJson(bytes); }
};

inline CliRun run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    CliRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.bytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.bytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline CliRun cli(const QStringList& arguments)
{
    return run(QStringLiteral(MIRTE_CLI), arguments);
}
