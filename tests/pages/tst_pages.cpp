#include "contentfolder.h"
#include "entrytable.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QtTest>

using namespace orvani;

namespace {

QString readFile(const QString &file)
{
    QFile f(contentFolder().filePath(file));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text of an HTML fragment: tags dropped, character references resolved.
QString plainText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression reference(QStringLiteral("&(#x[0-9a-f]+|#[0-9]+|amp|lt|gt|quot|apos);"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QHash<QString, QString> named{{"amp", "&"}, {"lt", "<"}, {"gt", ">"},
                                               {"quot", "\""}, {"apos", "'"}};
    html.remove(tag);
    QString text;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : reference.globalMatch(html)) {
        text += html.mid(done, m.capturedStart() - done);
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.at(1).toLower() == QLatin1Char('x');
            const char32_t code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            text += QString::fromUcs4(&code, 1);
        } else {
            text += named.value(name);
        }
        done = m.capturedEnd();
    }
    return text + html.mid(done);
}

// The inner HTML of each element whose class list holds `name`.
QStringList elementsOfClass(const QString &html, const QString &name)
{
    const QRegularExpression element(
        QStringLiteral(R"re(<(\w+)\b[^>]*\bclass="(?:[^"]*\s)?%1(?:\s[^"]*)?"[^>]*>(.*?)</\1>)re").arg(name),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList inner;
    for (const QRegularExpressionMatch &m : element.globalMatch(html))
        inner << m.captured(2);
    return inner;
}

QList<const Entry *> textEntries()
{
    QList<const Entry *> entries;
    for (const Entry &e : kEntries)
        if (!e.isPageOnly())
            entries << &e;
    return entries;
}

} // namespace

class tst_Pages : public QObject
{
    Q_OBJECT
private slots:
    void catalogueNamesAFile_data();
    void catalogueNamesAFile();
    void noPageOutsideTheCatalogue();
    void linksStayInTheFolder_data();
    void linksStayInTheFolder();
    void lessonShowsItsEntry_data();
    void lessonShowsItsEntry();
    void dictionaryListsEveryEntryInOrder_data();
    void dictionaryListsEveryEntryInOrder();
};

void tst_Pages::catalogueNamesAFile_data()
{
    QTest::addColumn<QString>("file");
    for (auto tail : kCatalogue)
        QTest::newRow(qPrintable(fileOfTail(tail))) << fileOfTail(tail);
}

void tst_Pages::catalogueNamesAFile()
{
    QFETCH(QString, file);
    const QFileInfo info(contentFolder().filePath(file));
    if (file == QLatin1String("ss.exe") && !info.exists())
        QSKIP("the screen saver is built by another target");
    QVERIFY2(info.isFile(), qPrintable(info.filePath() + " is missing"));
}

void tst_Pages::noPageOutsideTheCatalogue()
{
    QSet<QString> catalogue;
    for (auto tail : kCatalogue)
        catalogue << fileOfTail(tail);
    for (const QString &page : contentFiles())
        QVERIFY2(catalogue.contains(page), qPrintable(page + " is in no catalogue tail"));
}

void tst_Pages::linksStayInTheFolder_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : contentFiles({"*.html", "*.htm", "*.css", "*.svg"}))
        QTest::newRow(qPrintable(file)) << file;
}

void tst_Pages::linksStayInTheFolder()
{
    QFETCH(QString, file);
    static const QRegularExpression web(QStringLiteral("https?:"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reference(
        QStringLiteral(R"re(\b(?:href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"
                       R"re(|url\(\s*["']?([^"')]*))re"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]*:"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression xmlNamespace(QStringLiteral(R"re(\bxmlns(:\w+)?="[^"]*")re"));

    const QString text = readFile(file);
    QVERIFY(!text.isEmpty());
    QVERIFY2(!QString(text).remove(xmlNamespace).contains(web), "names a web address");

    const QString root = QFileInfo(contentFolder().path()).canonicalFilePath() + QLatin1Char('/');
    const QDir here = QFileInfo(contentFolder().filePath(file)).dir();
    for (const QRegularExpressionMatch &m : reference.globalMatch(text)) {
        QString target = m.captured(1) + m.captured(2) + m.captured(3) + m.captured(4);
        QVERIFY2(!target.startsWith(QLatin1String("//")) && !scheme.match(target).hasMatch(),
                 qPrintable(target + " leaves the content folder"));
        target = target.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
        if (target.isEmpty())
            continue; // a place on the same page
        const QFileInfo resolved(here.filePath(QUrl::fromPercentEncoding(target.toUtf8())));
        QVERIFY2(resolved.isFile() && resolved.canonicalFilePath().startsWith(root),
                 qPrintable(target + " is no file in the content folder"));
    }
}

void tst_Pages::lessonShowsItsEntry_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("orvani");
    for (const Entry *e : textEntries())
        QTest::newRow(qPrintable(fileOfTail(e->pageTail)))
            << fileOfTail(e->pageTail) << fromU16(e->english) << fromU16(e->orvani);
}

void tst_Pages::lessonShowsItsEntry()
{
    QFETCH(QString, file);
    QFETCH(QString, english);
    QFETCH(QString, orvani);
    static const QRegularExpression player(
        QStringLiteral(R"re(<audio\b(?=[^>]*\bcontrols\b)(?=[^>]*\bsrc="[^"]+\.ogg"))re"));
    static const QRegularExpression picture(
        QStringLiteral(R"re(<svg\b[^>]*\baria-label="[^"]+"|<img\b[^>]*\balt="[^"]+")re"));

    const QString html = readFile(file);
    const QStringList shown = elementsOfClass(html, QStringLiteral("orvani"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(plainText(shown.first()), orvani);
    QVERIFY2(plainText(html).contains(english), "the English text is missing");
    QVERIFY2(player.match(html).hasMatch(), "no player for an Ogg Vorbis file");
    QVERIFY2(picture.match(html).hasMatch(), "no picture with a text alternative");
}

void tst_Pages::dictionaryListsEveryEntryInOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("byOrvani");
    QTest::newRow("English to Orvani") << fileOfTail(tails::EnglishDictionary) << false;
    QTest::newRow("Orvani to English") << fileOfTail(tails::OrvaniDictionary) << true;
}

void tst_Pages::dictionaryListsEveryEntryInOrder()
{
    QFETCH(QString, file);
    QFETCH(bool, byOrvani);
    static const QRegularExpression row(QStringLiteral(R"re(<tr\b[^>]*>(.*?)</tr>)re"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression link(QStringLiteral(R"re(<a\b[^>]*\bhref="([^"]*)"[^>]*>(.*?)</a>)re"),
                                         QRegularExpression::DotMatchesEverythingOption);

    QHash<QString, const Entry *> entryOfPage;
    for (const Entry *e : textEntries())
        entryOfPage.insert(fileOfTail(e->pageTail), e);

    QSet<QString> listed;
    QStringList keys;
    for (const QRegularExpressionMatch &r : row.globalMatch(readFile(file))) {
        const QStringList orvani = elementsOfClass(r.captured(1), QStringLiteral("orvani"));
        if (orvani.isEmpty())
            continue; // the heading row
        const QRegularExpressionMatch a = link.match(r.captured(1));
        QVERIFY2(a.hasMatch(), qPrintable(r.captured(1) + " links to no lesson"));
        const Entry *entry = entryOfPage.value(a.captured(1));
        QVERIFY2(entry, qPrintable(a.captured(1) + " is no lesson page"));
        QVERIFY2(!listed.contains(a.captured(1)), qPrintable(a.captured(1) + " is listed twice"));
        listed << a.captured(1);
        QCOMPARE(plainText(orvani.first()), fromU16(entry->orvani));
        QCOMPARE(plainText(a.captured(2)), fromU16(entry->english));
        keys << fromU16(byOrvani ? entry->orvani : entry->english);
    }
    QCOMPARE(listed.size(), entryOfPage.size());
    for (qsizetype i = 1; i < keys.size(); ++i)
        QVERIFY2(keys[i - 1].compare(keys[i], Qt::CaseInsensitive) <= 0,
                 qPrintable(keys[i - 1] + " comes before " + keys[i]));
}

QTEST_GUILESS_MAIN(tst_Pages)
#include "tst_pages.moc"
