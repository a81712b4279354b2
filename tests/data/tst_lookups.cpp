// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuration.h"
#include "Cp1250.h"
#include "ElementTable.h"
#include "FileAccess.h"
#include "InOutError.h"
#include "TestFolder.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestLookups : public QObject {
    Q_OBJECT

private slots:
    void symbolLookupIsCaseSensitiveAndTakesTheLastMatch()
    {
        ElementTable table;
        table[11].Symbol.SetText("Na");
        table[12].Symbol.SetText("Mg");
        QCOMPARE(Znajdz_pierwiastek(table, "Na"), std::optional<int>(11));
        QCOMPARE(Znajdz_pierwiastek(table, "na"), std::nullopt);
        QCOMPARE(Znajdz_pierwiastek(table, "Na "), std::nullopt);
        table[40].Symbol.SetText("Na");
        QCOMPARE(Znajdz_pierwiastek(table, "Na"), std::optional<int>(40));
    }

    void damagedLengthByteNeverReadsPastItsField()
    {
        ElementTable table;
        TElementRecord& record = table[1];
        std::memcpy(record.Symbol.Chars, "Abc", 3);
        record.Symbol.Length = 200;
        record.PolishName.Length = 255;
        QCOMPARE(record.Symbol.Text(), QByteArray("Abc"));
        QCOMPARE(record.PolishName.Text().size(), 30);
    }

    void configurationLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<std::optional<QByteArray>>("expected");
        const std::optional<QByteArray> none;
        QTest::newRow("sodium") << QByteArray("H +1\r\nNa +2+8+1\r\n") << QByteArray("Na") << std::optional<QByteArray>("+2+8+1");
        QTest::newRow("case matters") << QByteArray("Na +2+8+1\r\n") << QByteArray("na") << none;
        QTest::newRow("later line wins") << QByteArray("Na +1\r\nK +2\r\nNa +2+8+1\r\n") << QByteArray("Na") << std::optional<QByteArray>("+2+8+1");
        QTest::newRow("everything after the first space") << QByteArray("Na +2 +8\r\n") << QByteArray("Na") << std::optional<QByteArray>("+2 +8");
        QTest::newRow("last line without line end") << QByteArray("H +1\r\nNa +2+8+1") << QByteArray("Na") << std::optional<QByteArray>("+2+8+1");
        QTest::newRow("unix and old mac line ends") << QByteArray("H +1\nHe +2\rNa +2+8+1\n") << QByteArray("He") << std::optional<QByteArray>("+2");
        QTest::newRow("empty configuration is a match") << QByteArray("Na \r\n") << QByteArray("Na") << std::optional<QByteArray>("");
        QTest::newRow("line without a space has no symbol") << QByteArray("Na\r\n") << QByteArray("Na") << none;
        QTest::newRow("empty file") << QByteArray() << QByteArray("Na") << none;
    }

    void configurationLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, symbol);
        QFETCH(std::optional<QByteArray>, expected);
        QCOMPARE(ConfigurationInText(file, symbol), expected);
        TestFolder folder;
        QDir().mkpath(folder.Path("Zbiory"));
        folder.Write("Zbiory/!konfielekt.txt", file);
        QCOMPARE(Znajdz_konfiguracje(folder.Data(), symbol), expected.value_or(QByteArray()));
    }

    // What stands for the configuration file that cannot be one is refused at once: a missing file,
    // a link to an endless stream (which was read until the memory ran out), a named pipe (which was
    // waited on for ever), and a file far larger than any configuration.
    void configurationFilesThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("stands");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "" << "File not found";
        QTest::newRow("a link to /dev/zero") << "/dev/zero" << "Invalid filename";
        QTest::newRow("a named pipe") << "pipe" << "Invalid filename";
        QTest::newRow("2 MB of text") << "large" << "Cannot open file \"%1\". File too large";
    }

    void configurationFilesThatCannotBeRead()
    {
        QFETCH(QString, stands);
        QFETCH(QString, error);
        TestFolder folder;
        QDir().mkpath(folder.Path("Zbiory"));
        const QString path = folder.Data().ConfigurationPath();
        if (stands == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (stands == "large")
            folder.Write("Zbiory/!konfielekt.txt", QByteArray(2 * 1024 * 1024, 'H'));
        else if (!stands.isEmpty())
            QVERIFY(QFile::link(stands, path));
        QString raised;
        // a child process, so that a read that waits or fills the memory fails the test instead of
        // hanging it
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(10);
#if !defined(__SANITIZE_ADDRESS__)  // whose shadow memory alone is larger
            const rlimit memory{1ull << 30, 1ull << 30};
            ::setrlimit(RLIMIT_AS, &memory);
#endif
            try {
                Znajdz_konfiguracje(folder.Data(), "Na");
            } catch (const std::exception& e) {
                ::_exit(QString::fromUtf8(e.what()) == error.arg(PathAsShown(path)) ? 0 : 1);
            }
            ::_exit(2);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFEXITED(status), "the read did not end");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void pathsCarryTheDoubledSeparator()
    {
        const DataFolder folder("/opt/uklad/");
        QCOMPARE(folder.TablePath(), QString("/opt/uklad/dane.dat"));
        QCOMPARE(folder.ConfigurationPath(), QString("/opt/uklad//Zbiory/!konfielekt.txt"));
        QCOMPARE(folder.DescriptionPath("H.rtf"), QString("/opt/uklad//Zbiory/H.rtf"));
        QCOMPARE(folder.PicturePath("H.jpg"), QString("/opt/uklad//Zbiory/Rysunki/H.jpg"));
        // and a message shows them as the file system takes them, ".." kept
        QCOMPARE(PathAsShown(folder.DescriptionPath("../H.rtf")), QString("/opt/uklad/Zbiory/../H.rtf"));
    }

    void shellSplitting_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("shells");
        QTest::newRow("sodium") << QByteArray("+2+8+1") << QList<QByteArray>{"2", "8", "1"};
        QTest::newRow("no leading plus") << QByteArray("2+8") << QList<QByteArray>{""};
        QTest::newRow("eight shells") << QByteArray("+1+2+3+4+5+6+7+8") << QList<QByteArray>{"1", "2", "3", "4", "5", "6", "7", "8"};
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("counts stay texts") << QByteArray("+ 2+x") << QList<QByteArray>{" 2", "x"};
        QTest::newRow("doubled plus") << QByteArray("+2++8") << QList<QByteArray>{"2", "", "8"};
    }

    void shellSplitting()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, shells);
        QCOMPARE(Podziel_powloki(text), shells);
    }

    void codePageCarriesThePolishLetters()
    {
        const QString polish = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
        const auto bytes = StringToCp1250(polish);
        QVERIFY(bytes);
        QCOMPARE(*bytes, QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
        QCOMPARE(Cp1250ToString(*bytes), polish);
        QCOMPARE(StringToCp1250(QString::fromUtf8("Wodór")), std::optional<QByteArray>("Wod\xF3r"));
        QCOMPARE(StringToCp1250(QString::fromUtf8("日本")), std::nullopt);
        QCOMPARE(Cp1250ToString("\x81"), QString(QChar(QChar::ReplacementCharacter)));
    }
};

QTEST_GUILESS_MAIN(TestLookups)
#include "tst_lookups.moc"
