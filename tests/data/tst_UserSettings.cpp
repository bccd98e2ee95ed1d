// The user's settings file: a flag read and written in a folder of the
// test's own, other lines kept, a file that cannot be read or does not say
// giving the default.

#include "data/UserSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUserSettings : public QObject {
    Q_OBJECT

    static QByteArray fileBytes()
    {
        QFile file(UserSettings::filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after"); // with the flag set to true
        QTest::newRow("no file") << QByteArray() << QByteArray("ocenaTemperatury=true\n");
        QTest::newRow("replaced where it stands")
            << QByteArray("a=1\r\nocenaTemperatury=false\r\nb=2")
            << QByteArray("a=1\r\nocenaTemperatury=true\nb=2\n");
        QTest::newRow("twice: one is left")
            << QByteArray("ocenaTemperatury=false\nocenaTemperatury=x\n")
            << QByteArray("ocenaTemperatury=true\n");
        QTest::newRow("a longer key is another key")
            << QByteArray("ocenaTemperaturyX=false\n")
            << QByteArray("ocenaTemperaturyX=false\nocenaTemperatury=true\n");
    }

    void lines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(UserSettings::withFlag(before, Setting::RiseEvaluation, true), after);
        QCOMPARE(UserSettings::flagIn(after, Setting::RiseEvaluation), true);
    }

    void unclearContentsGiveNothing()
    {
        for (const QByteArray &contents : { QByteArray(), QByteArray("ocenaTemperatury=tak"),
                 QByteArray("ocenaTemperatury"), QByteArray("\xff\x00ocena", 7) })
            QCOMPARE(UserSettings::flagIn(contents, Setting::RiseEvaluation), std::nullopt);
        QCOMPARE(
            UserSettings::flagIn("ocenaTemperatury=false\r\n", Setting::RiseEvaluation), false);
    }

    void writtenAndReadInItsFolder()
    {
        QTemporaryDir dir;
        const UserSettingsIn settings(dir.filePath(QStringLiteral("config/Miravela")));
        QCOMPARE(UserSettings::flag(Setting::RiseEvaluation, true), true); // no file yet
        QVERIFY(UserSettings::setFlag(Setting::RiseEvaluation, false).saved());
        QCOMPARE(UserSettings::filePath(),
            dir.filePath(QStringLiteral("config/Miravela/Miravela.conf")));
        QCOMPARE(fileBytes(), QByteArray("ocenaTemperatury=false\n"));
        QCOMPARE(UserSettings::flag(Setting::RiseEvaluation, true), false);
    }

    void unreadableFileGivesTheDefault()
    {
        QTemporaryDir dir;
        const UserSettingsIn settings(dir.path());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Miravela.conf"))); // a folder, no file
        QCOMPARE(UserSettings::flag(Setting::RiseEvaluation, true), true);
        QVERIFY(!UserSettings::setFlag(Setting::RiseEvaluation, true).saved());

        QTemporaryDir blocked;
        QFile file(blocked.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const UserSettingsIn underAFile(blocked.filePath(QStringLiteral("file/Miravela")));
        QVERIFY(!UserSettings::setFlag(Setting::RiseEvaluation, true).saved());
    }

    // A file too big to be ours keeps every byte: a choice is not saved over it.
    void aFileThatCannotBeReadWholeIsNeverReplaced()
    {
        QTemporaryDir dir;
        const UserSettingsIn settings(dir.path());
        QFile file(UserSettings::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray big = "ocenaTemperatury=true\n" + QByteArray(70 * 1024, '#');
        QVERIFY(file.write(big) == big.size());
        file.close();
        QCOMPARE(UserSettings::flag(Setting::RiseEvaluation, false), false);
        QVERIFY(!UserSettings::setFlag(Setting::RiseEvaluation, false).saved());
        QCOMPARE(fileBytes(), big);
    }
};

QTEST_APPLESS_MAIN(TestUserSettings)
#include "tst_UserSettings.moc"
