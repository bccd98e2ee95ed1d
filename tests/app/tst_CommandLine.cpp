#include "app/CommandLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine)

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine>("expected");
        const auto refused = [](const char *reason) {
            return CommandLine { Action::Refuse, {},
                "miravela: " + std::string(reason) + " (zob. miravela --help)" };
        };
        QTest::newRow("nothing") << QStringList() << CommandLine {};
        QTest::newRow("folder") << QStringList { "Dane kobiety" }
                                << CommandLine { Action::Run, "Dane kobiety", {} };
        QTest::newRow("help") << QStringList { "--help" } << CommandLine { Action::Help, {}, {} };
        QTest::newRow("version after a folder")
            << QStringList { "dane", "--version" } << CommandLine { Action::Version, {}, {} };
        QTest::newRow("the first option decides")
            << QStringList { "--help", "--bogus" } << CommandLine { Action::Help, {}, {} };
        QTest::newRow("unknown before help")
            << QStringList { "-h", "--help" } << refused("nieznana opcja „-h”");
        QTest::newRow("a lone dash") << QStringList { "-" } << refused("nieznana opcja „-”");
        QTest::newRow("dash folder after --")
            << QStringList { "--", "-nazwa" } << CommandLine { Action::Run, "-nazwa", {} };
        QTest::newRow("--help after --")
            << QStringList { "--", "--help" } << CommandLine { Action::Run, "--help", {} };
        QTest::newRow("two folders")
            << QStringList { "a", "--", "b" } << refused("można podać tylko jeden folder");
    }

    void parsing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        std::vector<std::string> words;
        for (const QString &argument : arguments)
            words.push_back(argument.toStdString());
        const CommandLine parsed = parseCommandLine(words);
        QCOMPARE(int(parsed.action), int(expected.action));
        QCOMPARE(QString::fromStdString(parsed.folder), QString::fromStdString(expected.folder));
        QCOMPARE(QString::fromStdString(parsed.message), QString::fromStdString(expected.message));
    }

    // The program enters the folder it is given and hands the application
    // only its own name; a folder it cannot enter ends it before anything.
    void handlingEntersTheFolder()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("-dane")));
        QByteArray name("miravela"), separator("--"), folder("-dane"), missing("brak");
        char *argumentList[] = { name.data(), separator.data(), folder.data(), nullptr };
        char **arguments = argumentList;
        int count = 3;
        QVERIFY(QDir::setCurrent(scratch.path()));
        const std::optional<int> status = handleCommandLine(count, arguments);
        const QString entered = QDir::currentPath();
        char *badArgumentList[] = { name.data(), missing.data(), nullptr };
        char **badArguments = badArgumentList;
        int badCount = 2;
        const std::optional<int> badStatus = handleCommandLine(badCount, badArguments);
        const QString after = QDir::currentPath();
        QVERIFY(QDir::setCurrent(before));

        QVERIFY(!status);
        QCOMPARE(count, 1);
        QCOMPARE(arguments[1], nullptr);
        QCOMPARE(entered, QDir(scratch.path()).filePath(QStringLiteral("-dane")));
        QCOMPARE(badStatus, std::optional<int>(1));
        QCOMPARE(after, entered);
    }

    // Started with no arguments at all, the application still gets a name.
    void handlingGivesAMissingName()
    {
        char *nothing[] = { nullptr };
        char **arguments = nothing;
        int count = 0;
        QVERIFY(!handleCommandLine(count, arguments));
        QCOMPARE(count, 1);
        QCOMPARE(QByteArray(arguments[0]), QByteArray("miravela"));
        QCOMPARE(arguments[1], nullptr);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
