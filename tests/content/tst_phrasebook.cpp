#include "contentfolder.h"
#include "pageaddress.h"
#include "phrasebook.h"
#include "u16.h"

#include <QRegularExpression>
#include <QtTest>

using namespace orvani;

// The phrasebook: its lookups, the addresses it forms, and the content folder
// beside the executable that they lead to. What the pages show: tst_pagesinengine.
class tst_Phrasebook : public QObject
{
    Q_OBJECT
private slots:
    // Only the exact English text finds its entry: no case folding, trimming,
    // normalisation or prefix match.
    void findEntryTakesTheExactText()
    {
        QVERIFY(FindEntry(u"I'm full") && FindEntry(u"Come in. {to one}"));
        for (std::u16string_view near :
             {u"i'm full", u"I'm full ", u"I'm full.", u"I\u2019m full", u"Come in.",
              u"Select a word group or other from the menu..."})
            QVERIFY2(!FindEntry(near), qPrintable(toQString(near)));
    }

    // The folder's text, then the tail with only its separators carried over,
    // one for one. (Awkward folders, end to end: tst_realprogram.)
    void pageAddressAddsNothing()
    {
        QCOMPARE(toQString(PageAddress(u"/", tails::Intro, u'/')), "//HTML/intro.html");
        QCOMPARE(toQString(PageAddress(u"D:\\", tails::ScreenSaver, u'\\')),
                 "D:\\\\HTML\\\\ss.exe");
    }

    // Every file the entries and the commands name is in the content folder.
    void folderHoldsTheCatalogue()
    {
        const QStringList present = contentFiles({"*.html", "*.htm", "*.exe"});
        for (auto tail : kCatalogue) // "\HTML\buffalo.html", "\HTML\\ss.exe"
            QVERIFY2(present.contains(toQString(tail).section('\\', -1)),
                     qPrintable(toQString(tail)));
    }

    void linksStayInTheFolder_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : contentFiles({"*.html", "*.htm", "*.css", "*.svg"}))
            QTest::newRow(qPrintable(file)) << file;
    }

    void linksStayInTheFolder();
};

// No web address (XML namespaces aside); every reference names a file of the
// folder, which keeps out other schemes too. (Defined here: moc misreads these.)
void tst_Phrasebook::linksStayInTheFolder()
{
    QFETCH(QString, file);
    static const QRegularExpression web("https?:", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression xmlns(R"re(\bxmlns(:\w+)?="[^"]*")re");
    static const QRegularExpression reference(
        R"re(\b(?:href|src|data-sound)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+))|url\(\s*["']?([^"')]*))re",
        QRegularExpression::CaseInsensitiveOption);
    QFile source(contentFolder().filePath(file));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(source.readAll());
    QVERIFY2(!QString(text).remove(xmlns).contains(web), "names a web address");
    const QString root = QFileInfo(contentFolder().path()).canonicalFilePath() + '/';
    for (const QRegularExpressionMatch &m : reference.globalMatch(text)) {
        const QString target = (m.captured(1) + m.captured(2) + m.captured(3) + m.captured(4))
                                   .section('#', 0, 0)
                                   .section('?', 0, 0);
        const QFileInfo resolved(QFileInfo(source).dir(),
                                 QUrl::fromPercentEncoding(target.toUtf8()));
        QVERIFY2(target.isEmpty() // a place on the same page
                     || (resolved.isFile() && resolved.canonicalFilePath().startsWith(root)),
                 qPrintable(target + " is no file in the content folder"));
    }
}

QTEST_APPLESS_MAIN(tst_Phrasebook)
#include "tst_phrasebook.moc"
