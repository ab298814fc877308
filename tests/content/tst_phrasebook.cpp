#include "entrytable.h"
#include "pageaddress.h"
#include "u16.h"

#include <QtTest>

using namespace orvani;

class tst_Phrasebook : public QObject
{
    Q_OBJECT
private slots:
    void findEntry_data();
    void findEntry();
    void pageAddress_data();
    void pageAddress();
};

void tst_Phrasebook::findEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("orvani");
    QTest::addColumn<QString>("tail");
    QTest::addColumn<bool>("hideAfter");

    QTest::newRow("exact") << "Buffalo" << true << "Tatanka" << "\\HTML\\buffalo.html" << false;
    QTest::newRow("lower case") << "buffalo" << false << "" << "" << false;
    QTest::newRow("upper case") << "BUFFALO" << false << "" << "" << false;
    QTest::newRow("trailing space") << "Buffalo " << false << "" << "" << false;
    QTest::newRow("odd page name") << "Skunk" << true << "Muka" << "\\HTML\\shunk.html" << false;
    QTest::newRow("no full stop") << "I'm full" << true << "Imapi hwo?" << "\\HTML\\p17a.html" << false;
    QTest::newRow("added full stop") << "I'm full." << false << "" << "" << false;
    QTest::newRow("after p17a") << "I don't feel good." << true << "Omapisni yelo." << "\\HTML\\p17.html" << false;
    QTest::newRow("braces") << "Come in. {to one}" << true << "Tima hiyuwo." << "\\HTML\\p23.html" << false;
    QTest::newRow("prefix of braces") << "Come in." << false << "" << "" << false;
    QTest::newRow("page only, after") << "Body Parts" << true << "" << "\\HTML\\body_parts.html" << true;
    QTest::newRow("page only, before") << "Sacred Colors" << true << "" << "\\HTML\\sacred_colors.html" << false;
    QTest::newRow("empty") << "" << false << "" << "" << false;
    QTest::newRow("prompt") << "Select a word group or other from the menu..." << false << "" << "" << false;
    QTest::newRow("typographic apostrophe") << QString::fromUtf8("I\u2019m full") << false << "" << "" << false;
}

void tst_Phrasebook::findEntry()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    const Entry *entry = FindEntry(toU16View(text));
    QCOMPARE(entry != nullptr, found);
    if (!entry)
        return;
    QFETCH(QString, orvani);
    QFETCH(QString, tail);
    QFETCH(bool, hideAfter);
    QCOMPARE(toQString(entry->english), text);
    QCOMPARE(toQString(entry->orvani), orvani);
    QCOMPARE(entry->isPageOnly(), orvani.isEmpty());
    QCOMPARE(toQString(entry->pageTail), tail);
    QCOMPARE(entry->hideAfterOpening, hideAfter);
}

void tst_Phrasebook::pageAddress_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("address");

    const QString intro = toQString(tails::Intro);
    const QString screenSaver = toQString(tails::ScreenSaver);
    QTest::newRow("folder") << "/opt/trainer" << intro << QChar('/') << "/opt/trainer/HTML/intro.html";
    QTest::newRow("root") << "/" << intro << QChar('/') << "//HTML/intro.html";
    QTest::newRow("spaces and marks") << "/home/a b/#1 %20?" << intro << QChar('/')
                                      << "/home/a b/#1 %20?/HTML/intro.html";
    QTest::newRow("non-ascii") << QString::fromUtf8("/tmp/Übung ünd") << intro << QChar('/')
                               << QString::fromUtf8("/tmp/Übung ünd/HTML/intro.html");
    QTest::newRow("program") << "/opt/trainer" << screenSaver << QChar('/') << "/opt/trainer/HTML//ss.exe";
    QTest::newRow("drive") << "D:\\Trainer" << intro << QChar('\\') << "D:\\Trainer\\HTML\\intro.html";
    QTest::newRow("drive root") << "D:\\" << intro << QChar('\\') << "D:\\\\HTML\\intro.html";
    QTest::newRow("drive program") << "D:\\Trainer" << screenSaver << QChar('\\')
                                   << "D:\\Trainer\\HTML\\\\ss.exe";
}

void tst_Phrasebook::pageAddress()
{
    QFETCH(QString, folder);
    QFETCH(QString, tail);
    QFETCH(QChar, separator);
    QFETCH(QString, address);
    QCOMPARE(toQString(PageAddress(toU16View(folder), toU16View(tail), separator.unicode())), address);
}

QTEST_APPLESS_MAIN(tst_Phrasebook)
#include "tst_phrasebook.moc"
