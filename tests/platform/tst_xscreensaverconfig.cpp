#include "platform/xscreensaverconfig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;

namespace {

const XScreenSaverEntry Ours{
    QStringLiteral("Zarvick Gallerion"),
    QStringLiteral("/home/u/.local/share/zarvick-gallerion/Zarvick2001.scr"),
    QStringLiteral("--root")};

// A list as the X screen saver writes it: entries end in "\n", every line but
// the last goes on with a backslash.
const QString Config = QStringLiteral("mode:\t\tone\n"
                                      "selected:\t1\n"
                                      "programs:\t\t\t\t\\\n"
                                      "\t\t\t\tmaze --root\t\t\\n\\\n"
                                      "- GL:\t\t\t\tsuperquadrics --root\t\\n\\\n"
                                      "\t\t\t\tattraction --root\t\\n\n"
                                      "\n"
                                      "pointerPollTime:\t0:00:05\n");

QStringList linesOf(const QString &text)
{
    return text.split(QLatin1Char('\n'));
}

QString ourLine(const QString &text)
{
    const QStringList lines = linesOf(text);
    for (const QString &line : lines) {
        if (line.contains(QLatin1String("Zarvick2001.scr")))
            return line;
    }
    return QString();
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class XScreenSaverConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void entryGoesAfterTheLastOnce();
    void entryInTheMiddleIsUpdatedInPlace();
    void fileWithoutAListStartsFromTheDefaults();
    void fileIsBackedUpAndWrittenOnlyWhenItChanges();
};

void XScreenSaverConfigTest::entryGoesAfterTheLastOnce()
{
    const QString once = withXScreenSaverEntry(Config, QString(), Ours);
    QStringList expected = linesOf(Config);
    expected[5] = QStringLiteral("\t\t\t\tattraction --root\t\\n\\");
    expected.insert(6, QStringLiteral("\t\t\t\t\"Zarvick Gallerion\"  ") + Ours.program +
                           QStringLiteral(" --root\t    \\n"));
    QCOMPARE(linesOf(once), expected);
    QCOMPARE(withXScreenSaverEntry(once, QString(), Ours), once);
}

// An entry of an earlier installation elsewhere, followed by more entries.
void XScreenSaverConfigTest::entryInTheMiddleIsUpdatedInPlace()
{
    QString config = Config;
    config.replace(QStringLiteral("- GL:\t\t\t\tsuperquadrics --root\t\\n\\"),
                   QStringLiteral("\"Zarvick Gallerion\" /opt/old/Zarvick2001.scr -root\t\\n\\"));
    const QStringList updated = linesOf(withXScreenSaverEntry(config, QString(), Ours));
    QCOMPARE(updated.size(), linesOf(config).size());
    QVERIFY(updated.at(4).contains(Ours.program));
    QVERIFY(updated.at(4).endsWith(QLatin1String("\\n\\")));
    QCOMPARE(updated.mid(5), linesOf(config).mid(5));
}

void XScreenSaverConfigTest::fileWithoutAListStartsFromTheDefaults()
{
    const QString appDefaults = QStringLiteral("*fade:\t\tTrue\n"
                                               "*programs:\t\t\\\n"
                                               "\t\tmaze --root\t\\n\\\n"
                                               "\t\thelix --root\t\\n\n"
                                               "\n*lock:\tFalse\n");
    const QString defaults = programsResource(appDefaults);
    QCOMPARE(defaults, QStringLiteral("programs:\t\t\\\n\t\tmaze --root\t\\n\\\n"
                                      "\t\thelix --root\t\\n"));
    const QString created = withXScreenSaverEntry(QStringLiteral("lock:\tTrue\n"), defaults, Ours);
    QVERIFY(created.startsWith(QStringLiteral("lock:\tTrue\nprograms:\t\t\\\n\t\tmaze --root")));
    QVERIFY(created.contains(QStringLiteral("helix --root\t\\n\\\n\t\t\t\t\"Zarvick Gallerion\"")));
    const QString alone = withXScreenSaverEntry(QString(), QString(), Ours);
    QCOMPARE(linesOf(alone).first(), QStringLiteral("programs:\\"));
    QCOMPARE(ourLine(alone).right(2), QStringLiteral("\\n"));
}

void XScreenSaverConfigTest::fileIsBackedUpAndWrittenOnlyWhenItChanges()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral(".xscreensaver"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Config.toLocal8Bit());
    file.close();
    QString error;
    QVERIFY(registerWithXScreenSaver(path, home.filePath("none"), Ours, &error));
    const QByteArray first = contentOf(path);
    QCOMPARE(contentOf(path + QStringLiteral(".bak")), Config.toLocal8Bit());
    QVERIFY(QFile::remove(path + QStringLiteral(".bak")));
    QVERIFY(registerWithXScreenSaver(path, home.filePath("none"), Ours, &error));
    QCOMPARE(contentOf(path), first);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));

    // A settings "file" that cannot be read is left alone and says why.
    const QString folder = home.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!registerWithXScreenSaver(folder, QString(), Ours, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_MAIN(XScreenSaverConfigTest)
#include "tst_xscreensaverconfig.moc"
