// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementTable.h"
#include "InOutError.h"
#include "TableFile.h"
#include "TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestTableFile : public QObject {
    Q_OBJECT

    static ino_t InodeOf(const QString& path)
    {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_ino;
    }

    // Runs the step in a child process and returns its exit code.
    static int InChildProcess(const std::function<int()>& step)
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(step());
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static QString ErrorOf(const std::function<void()>& step)
    {
        try {
            step();
        } catch (const EInOutError& e) {
            return QString::fromUtf8(e.what());
        }
        return QString();
    }

private slots:
    void exactFileRoundTripsAndIsLeftUntouched()
    {
        TestFolder folder;
        const QByteArray original = DistinctRecords(111);
        folder.Write("dane.dat", original);
        const QDateTime before = QFileInfo(folder.Path("dane.dat")).lastModified();
        const ino_t inode = InodeOf(folder.Path("dane.dat"));
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        QCOMPARE(table.ToBytes(), original);
        QThread::msleep(20);
        Zapisz_tablice(table, folder.Data());
        QCOMPARE(folder.Read("dane.dat"), original);
        QCOMPARE(InodeOf(folder.Path("dane.dat")), inode);
        QCOMPARE(QFileInfo(folder.Path("dane.dat")).lastModified(), before);
    }

    void shortFileIsPaddedWithZeroRecords()
    {
        TestFolder folder;
        const QByteArray hundred = DistinctRecords(100);
        folder.Write("dane.dat", hundred);
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        QCOMPARE(table.ToBytes().left(hundred.size()), hundred);
        QCOMPARE(table.ToBytes().mid(hundred.size()), QByteArray(11 * 384, '\0'));
        Zapisz_tablice(table, folder.Data());
        const QByteArray written = folder.Read("dane.dat");
        QCOMPARE(written.size(), 111 * 384);
        QCOMPARE(written.left(hundred.size()), hundred);
        QCOMPARE(written.mid(hundred.size()), QByteArray(11 * 384, '\0'));
    }

    void trailingBytesAndSurplusRecordsAreDroppedOnSave_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("100 stray bytes") << QByteArray(100, 'x');
        QTest::newRow("five more records") << DistinctRecords(5, 9);
    }

    void trailingBytesAndSurplusRecordsAreDroppedOnSave()
    {
        QFETCH(QByteArray, tail);
        TestFolder folder;
        const QByteArray records = DistinctRecords(111);
        folder.Write("dane.dat", records + tail);
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        QCOMPARE(table.ToBytes(), records);
        Zapisz_tablice(table, folder.Data());
        QCOMPARE(folder.Read("dane.dat"), records);
    }

    void incompleteLastRecordIsIgnored()
    {
        TestFolder folder;
        folder.Write("dane.dat", DistinctRecords(3) + QByteArray(383, 'y'));
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        QCOMPARE(table.ToBytes().left(3 * 384), DistinctRecords(3));
        QCOMPARE(table[4].AtomicNumber, 0);
    }

    void missingOrTooShortFilesRaiseTheirErrors_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << false << QByteArray() << "File not found";
        QTest::newRow("empty") << true << QByteArray() << "Read beyond end of file";
        QTest::newRow("less than a record") << true << QByteArray(383, 'z') << "Read beyond end of file";
    }

    void missingOrTooShortFilesRaiseTheirErrors()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TestFolder folder;
        if (exists)
            folder.Write("dane.dat", content);
        ElementTable table;
        QCOMPARE(ErrorOf([&] { Wczytaj_tablice(table, folder.Data()); }), message);
        QCOMPARE(table.ToBytes(), QByteArray(111 * 384, '\0'));
        Zapisz_tablice(table, folder.Data());
        QCOMPARE(folder.Read("dane.dat"), QByteArray(111 * 384, '\0'));
    }

    // A table that must be written back (it was padded, or changed) over a write-protected file in a
    // writable folder is refused as a read-only folder is, and the file keeps its content and its
    // protection; for the superuser, who may write anything, a file without any write bit.
    void writeProtectedFileIsNotReplaced()
    {
        TestFolder folder;
        const QByteArray original = DistinctRecords(110);
        folder.Write("dane.dat", original);
        const QByteArray path = QFile::encodeName(folder.Data().TablePath());
        ::chmod(path.constData(), 0444);
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        QCOMPARE(ErrorOf([&] { Zapisz_tablice(table, folder.Data()); }), QString("File access denied"));
        QCOMPARE(folder.Read("dane.dat"), original);
        struct stat st {};
        ::stat(path.constData(), &st);
        QCOMPARE(int(st.st_mode & 0777), 0444);
        QCOMPARE(QDir(folder.Path("")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void readOnlyFolderClosesWhenNothingChangedAndKeepsTheFileWhenSomethingDid()
    {
        TestFolder folder;
        const QByteArray original = DistinctRecords(111);
        folder.Write("dane.dat", original);
        ::chmod(QFile::encodeName(folder.Path("")).constData(), 0555);
        ::chmod(QFile::encodeName(folder.Path("dane.dat")).constData(), 0444);
        const auto saveAsAnotherUser = [&](const QByteArray& content) {
            return InChildProcess([&] {
                if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                    return 9;
                ElementTable table;
                std::memcpy(static_cast<void*>(&table[1]), content.constData(), std::size_t(content.size()));
                const QString error = ErrorOf([&] { Zapisz_tablice(table, folder.Data()); });
                return error.isEmpty() ? 0 : error == "File access denied" ? 5 : 8;
            });
        };
        QCOMPARE(saveAsAnotherUser(original), 0);
        QCOMPARE(saveAsAnotherUser(DistinctRecords(111, 3)), 5);
        QCOMPARE(folder.Read("dane.dat"), original);
        QCOMPARE(QDir(folder.Path("")).entryList(QDir::Files | QDir::Hidden).size(), 1);
        ::chmod(QFile::encodeName(folder.Path("")).constData(), 0700);
    }

    void fullDiskKeepsTheOldFileAndLeavesNoTemporaryFile()
    {
        TestFolder folder;
        const QByteArray original = DistinctRecords(111);
        folder.Write("dane.dat", original);
        const int result = InChildProcess([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ElementTable table;
            return ErrorOf([&] { Zapisz_tablice(table, folder.Data()); }) == "Disk full" ? 0 : 1;
        });
        QCOMPARE(result, 0);
        QCOMPARE(folder.Read("dane.dat"), original);
        QCOMPARE(QDir(folder.Path("")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void saveThroughALinkReplacesTheTargetAndKeepsTheLinkAndMode()
    {
        TestFolder folder;
        folder.Write("real.dat", DistinctRecords(111));
        ::chmod(QFile::encodeName(folder.Path("real.dat")).constData(), 0640);
        QVERIFY(QFile::link(folder.Path("real.dat"), folder.Path("dane.dat")));
        ElementTable table;
        Zapisz_tablice(table, folder.Data());
        QVERIFY(QFileInfo(folder.Path("dane.dat")).isSymLink());
        QCOMPARE(folder.Read("real.dat"), QByteArray(111 * 384, '\0'));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(folder.Path("real.dat")).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
    }

    void aSaveRemovesOnlyStaleTemporaryFilesOfItsOwn()
    {
        TestFolder folder;
        folder.Write("dane.dat", DistinctRecords(111));
        const auto make = [&](const QString& name, int ageSeconds) {
            folder.Write(name, "x");
            const struct timespec times[2] = {{std::time(nullptr) - ageSeconds, 0}, {std::time(nullptr) - ageSeconds, 0}};
            ::utimensat(AT_FDCWD, QFile::encodeName(folder.Path(name)).constData(), times, 0);
        };
        make(".dane.dat.aB3xYz", 120);    // left by a save killed two minutes ago
        make(".dane.dat.Q9w8e7", 5);      // a save that may still be running
        make(".dane.dat.abc", 120);       // not the pattern
        make(".dane.dat.abcdef.old", 120);
        make("dane.dat.aB3xYz", 120);
        make(".inne.dat.aB3xYz", 120);
        QDir(folder.Path("")).mkdir(".dane.dat.folder");
        ElementTable table;
        Wczytaj_tablice(table, folder.Data());
        Zapisz_tablice(table, folder.Data());  // unchanged: the file stays, the stale one goes
        QStringList left = QDir(folder.Path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, (QStringList{".dane.dat.Q9w8e7", ".dane.dat.abc", ".dane.dat.abcdef.old", ".dane.dat.folder",
                                    ".inne.dat.aB3xYz", "dane.dat", "dane.dat.aB3xYz"}));
        make(".dane.dat.Zz0000", 3600);
        Zapisz_tablice(ElementTable(), folder.Data());  // changed: the same before replacing
        QVERIFY(!QFile::exists(folder.Path(".dane.dat.Zz0000")));
        QCOMPARE(QDir(folder.Path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 7);
    }

    void killedSaveNeverLeavesAPartialFile()
    {
        TestFolder folder;
        const QByteArray a = DistinctRecords(111, 1);
        const QByteArray b = DistinctRecords(111, 2);
        folder.Write("dane.dat", a);
        std::mt19937 random(12345);
        for (int round = 0; round < 30; ++round) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ElementTable table;
                for (int i = 0;; ++i) {
                    const QByteArray& next = i % 2 ? a : b;
                    std::memcpy(static_cast<void*>(&table[1]), next.constData(), std::size_t(next.size()));
                    Zapisz_tablice(table, folder.Data());
                }
            }
            ::usleep(useconds_t(2000 + random() % 20000));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            const QByteArray now = folder.Read("dane.dat");
            QVERIFY2(now == a || now == b, qPrintable(QString("round %1: %2 bytes").arg(round).arg(now.size())));
        }
    }
};

QTEST_GUILESS_MAIN(TestTableFile)
#include "tst_tablefile.moc"
