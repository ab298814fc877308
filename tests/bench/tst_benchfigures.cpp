#include "processmemory.h"
#include "statistics.h"

#include <QProcess>
#include <QtTest>

#include <cmath>
#include <unistd.h>

// The benchmark's arithmetic and its reading of /proc: a slip in either
// would skew every figure it reports.
class tst_BenchFigures : public QObject
{
    Q_OBJECT
private slots:
    void medianAndPercentile_data();
    void medianAndPercentile();
    void readsProcFiles();
    void memoryCoversChildProcesses();
};

void tst_BenchFigures::medianAndPercentile_data()
{
    QTest::addColumn<QList<double>>("samples");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("p95");
    QList<double> hundred;
    for (int i = 100; i >= 1; --i)
        hundred << i;
    const double nan = std::nan("");
    QTest::newRow("odd count, unsorted") << QList<double>{5, 1, 3} << 3.0 << 5.0;
    QTest::newRow("even count") << QList<double>{4, 1, 3, 2} << 2.5 << 4.0;
    QTest::newRow("1..100") << hundred << 50.5 << 95.0;
    QTest::newRow("failed loads left out") << QList<double>{nan, 2, nan, 4, 6} << 4.0 << 6.0;
    QTest::newRow("nothing measured") << QList<double>{nan} << nan << nan;
}

void tst_BenchFigures::medianAndPercentile()
{
    QFETCH(QList<double>, samples);
    QFETCH(double, median);
    QFETCH(double, p95);
    auto same = [](double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; };
    QVERIFY2(same(::median(samples), median), qPrintable(QString::number(::median(samples))));
    QVERIFY2(same(percentile(samples, 0.95), p95), qPrintable(QString::number(percentile(samples, 0.95))));
}

void tst_BenchFigures::readsProcFiles()
{
    // A process name may hold spaces and parentheses.
    QCOMPARE(ProcessMemory::parentFromStat("4242 (Web (Content) 2) S 17 4242 4242 0 -1"), pid_t(17));
    QCOMPARE(ProcessMemory::parentFromStat("garbage"), pid_t(-1));

    const QByteArray rollup = "55d0-7ffd ---p 00000000 00:00 0 [rollup]\n"
                              "Rss:              250112 kB\n"
                              "Pss:              120456 kB\n"
                              "Pss_Anon:          60000 kB\n"
                              "Private_Clean:      1000 kB\n"
                              "Private_Dirty:     64000 kB\n";
    QCOMPARE(ProcessMemory::fieldOfRollup(rollup, "Pss"), 120456); // not Pss_Anon
    QCOMPARE(ProcessMemory::fieldOfRollup(rollup, "Private_Dirty"), 64000);
    QCOMPARE(ProcessMemory::fieldOfRollup(rollup, "Swap"), -1);
}

void tst_BenchFigures::memoryCoversChildProcesses()
{
    QProcess child;
    child.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep 30 & wait")});
    QVERIFY(child.waitForStarted());
    QTest::qWait(300); // the grandchild: sleep

    const QList<ProcessMemory::Process> tree = ProcessMemory(getpid()).tree();
    QCOMPARE(tree.first().pid, getpid());
    QStringList names;
    for (const ProcessMemory::Process &process : tree) {
        QVERIFY(process.pssKiB > 0);
        QVERIFY(process.privateKiB <= process.pssKiB);
        names << process.name;
    }
    QVERIFY2(names.contains("sh") && names.contains("sleep"), qPrintable(names.join(' ')));
    child.kill();
    child.waitForFinished();
}

QTEST_GUILESS_MAIN(tst_BenchFigures)
#include "tst_benchfigures.moc"
