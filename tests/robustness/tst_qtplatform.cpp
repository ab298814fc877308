#include "qtplatform.h"

#include <QtTest>

// A program that is not there is not started: the platform says so, and the
// window shows its message (tst_form1). The screen saver started for real,
// from an awkward folder: tst_realprogram.
class tst_QtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void missingProgramThrows()
    {
        QTemporaryDir root;
        QVERIFY_THROWS_EXCEPTION(PlatformError,
                                 QtPlatform().startProgram(root.filePath("HTML//ss.exe")));
    }
};

QTEST_GUILESS_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
