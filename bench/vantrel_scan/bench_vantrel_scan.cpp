// Times `Vantrel --dump` against the Python script an analyst might write instead
// (read_xlrd.py, Debian's python3-xlrd), on 500 cause-code and 100 railroad workbooks made by
// generate.py (python3-xlwt). Both print the same lines; the outputs are compared too.
//
// Usage: bench_vantrel_scan [DATA_DIR]
//   DATA_DIR defaults to $VANTREL_BENCH_DIR or <temp>/vantrel_scan_bench; the workbooks are
//   generated there once and reused (they are never part of the sources).
// Build with -DCMAKE_BUILD_TYPE=Release for representative figures.

#include "viewer/SpreadsheetScanner.h"
#include "viewer/VantrelDump.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <sys/resource.h>

namespace
{
const QString Python = QStringLiteral("/usr/bin/python3");

QString ScriptDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath();
}

bool PythonHas(const QString& module)
{
    QProcess p;
    p.start(Python, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct CRun
{
    bool ok = false;
    double seconds = 0.0;    // wall clock
    double cpuSeconds = 0.0; // user + system time of the child, less disturbed by other load
    QByteArray out;
};

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

CRun Run(const QString& program, const QStringList& args, const QString& dir)
{
    CRun run;
    QProcess p;
    p.setWorkingDirectory(dir);
    const double cpuBefore = ChildrenCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForStarted(60000))
        return run;
    p.closeWriteChannel();
    while (p.state() != QProcess::NotRunning)
    {
        p.waitForReadyRead(1000);
        run.out += p.readAllStandardOutput();
    }
    run.out += p.readAllStandardOutput();
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.cpuSeconds = ChildrenCpuSeconds() - cpuBefore;
    run.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!run.ok)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
    return run;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1])
                           : qEnvironmentVariable("VANTREL_BENCH_DIR",
                                                  QDir::temp().filePath("vantrel_scan_bench"));
    dir = QDir(dir).absolutePath();
    const QString marker = dir + QStringLiteral("/.complete");

    if (!QFileInfo::exists(marker))
    {
        if (!PythonHas(QStringLiteral("xlwt")))
        {
            std::printf("skipped: python3-xlwt is missing (apt-get install -y python3-xlwt)\n");
            return 0;
        }
        std::printf("generating 500 cause-code and 100 railroad workbooks in %s ...\n",
                    qPrintable(dir));
        std::fflush(stdout);
        QDir().mkpath(dir);
        const CRun gen = Run(Python, {ScriptDir() + QStringLiteral("/generate.py"), dir}, dir);
        if (!gen.ok)
            return 1;
        QFile(marker).open(QIODevice::WriteOnly);
        std::printf("generated in %.1f s\n", gen.seconds);
    }

    const QString causeDir = dir + QStringLiteral("/Cause Code Excel");
    const QString railDir = dir + QStringLiteral("/RailRoad");

    // The scan alone, in this process.
    QElapsedTimer timer;
    timer.start();
    CSpreadsheetScanner scanner(causeDir, railDir);
    scanner.ScanSpreadsheets();
    const QString inProcess = CVantrelDump::Text(scanner);
    const double scanSeconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf(
        "in-process scan + dump:  %.3f s  (%lld cause codes, %lld railroads, %lld skipped)\n",
        scanSeconds, qlonglong(scanner.CauseCodes().size()), qlonglong(scanner.Railroads().size()),
        qlonglong(scanner.Skipped().size()));

    const QString vantrel =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../src/Vantrel");
    if (!QFileInfo(vantrel).isExecutable())
    {
        std::printf("skipped: %s is not built\n", qPrintable(vantrel));
        return 0;
    }
    const CRun dump = Run(vantrel, {QStringLiteral("--dump")}, dir);
    if (!dump.ok)
        return 1;
    std::printf("Vantrel --dump:          %.3f s wall, %.3f s cpu  (%lld bytes)\n", dump.seconds,
                dump.cpuSeconds, qlonglong(dump.out.size()));

    if (!PythonHas(QStringLiteral("xlrd")))
    {
        std::printf("comparison skipped: python3-xlrd is missing "
                    "(as root: apt-get install -y python3-xlrd)\n");
        return 0;
    }
    const CRun script = Run(Python, {ScriptDir() + QStringLiteral("/read_xlrd.py")}, dir);
    if (!script.ok)
        return 1;
    std::printf("read_xlrd.py (xlrd):     %.3f s wall, %.3f s cpu  (%lld bytes)\n", script.seconds,
                script.cpuSeconds, qlonglong(script.out.size()));

    const bool same = dump.out == script.out && dump.out == inProcess.toUtf8();
    std::printf("outputs identical: %s\n", same ? "yes" : "NO");
    std::printf("ratio xlrd / Vantrel --dump: %.1f x wall clock, %.1f x cpu time (goal >= 5 x)\n",
                script.seconds / dump.seconds,
                dump.cpuSeconds > 0 ? script.cpuSeconds / dump.cpuSeconds : 0.0);
    return same ? 0 : 1;
}
