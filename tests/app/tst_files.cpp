// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuration.h"
#include "ElementProperties.h"
#include "ElementTable.h"
#include "FileAccess.h"
#include "InOutError.h"
#include "PdfFile.h"
#include "QuizOptions.h"
#include "SkinFileReader.h"
#include "TableFile.h"
#include "TestFolder.h"

#include <QDir>
#include <QtTest>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One way the program reads or writes a file of its folder, the user's configuration or a path the
// user chose; true when the file in the path's place is refused as it should be.
struct FileUse {
    const char* Name;
    QString (*PathIn)(const DataFolder& folder);
    std::function<bool(const DataFolder& folder, const QString& path)> Refused;
};

template <typename Error>
bool Raises(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Error&) {
        return true;
    } catch (...) {
        return false;
    }
    return false;
}

// The classic run-time error of a name that is no file: "Invalid filename".
bool RaisesInvalidName(const std::function<void()>& step)
{
    try {
        step();
    } catch (const EInOutError& error) {
        return error.ErrorCode() == EInOutError::InvalidFilename;
    } catch (...) {
        return false;
    }
    return false;
}

const FileUse Uses[] = {
    {"reading dane.dat", [](const DataFolder& f) { return f.TablePath(); },
     [](const DataFolder& f, const QString&) {
         ElementTable table;
         return RaisesInvalidName([&] { Wczytaj_tablice(table, f); });
     }},
    {"writing dane.dat", [](const DataFolder& f) { return f.TablePath(); },
     [](const DataFolder& f, const QString&) {
         const ElementTable table;
         return RaisesInvalidName([&] { Zapisz_tablice(table, f); });
     }},
    {"reading the configurations", [](const DataFolder& f) { return f.ConfigurationPath(); },
     [](const DataFolder& f, const QString&) { return RaisesInvalidName([&] { FindConfiguration(f, "Na"); }); }},
    {"reading the figures", [](const DataFolder& f) { return f.PropertiesPath(); },
     [](const DataFolder& f, const QString&) { return Raises<PropertiesError>([&] { ReadProperties(f, {QStringLiteral("H")}); }); }},
    {"reading a description", [](const DataFolder& f) { return f.DescriptionPath(QStringLiteral("opis.rtf")); },
     [](const DataFolder&, const QString& path) { return Raises<EFOpenError>([&] { ReadFileToShow(path, 1024); }); }},
    {"reading a skin file", [](const DataFolder& f) { return f.Folder() + QStringLiteral("skora.skn"); },
     [](const DataFolder&, const QString& path) { return Raises<ESkinFileError>([&] { TsuiThemeFileReader reader(path); }); }},
    {"reading the practice settings", [](const DataFolder& f) { return f.Folder() + QStringLiteral("sprawdz-sie.conf"); },
     [](const DataFolder&, const QString& path) { return LoadQuizOptions(path).QuestionCount == QuizOptions().QuestionCount; }},
    {"writing the practice settings", [](const DataFolder& f) { return f.Folder() + QStringLiteral("sprawdz-sie.conf"); },
     [](const DataFolder&, const QString& path) {
         QuizOptions options;
         options.QuestionCount = 7;
         return RaisesInvalidName([&] { SaveQuizOptions(options, path); });
     }},
    {"saving a PDF", [](const DataFolder& f) { return f.Folder() + QStringLiteral("uklad-okresowy.pdf"); },
     [](const DataFolder&, const QString& path) {
         QString error;
         return !WriteTablePdf(TablePicture{}, Ink::Colour, path, &error)
             && error.startsWith(QStringLiteral("Nie można zapisać pliku „uklad-okresowy.pdf” w folderze"));
     }},
};

// Runs the step in a child process, which a step that waits on a pipe fails by its alarm.
int InChildProcess(const std::function<int()>& step)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        ::_exit(step());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Stat {
    mode_t Mode = 0;
    dev_t Device = 0;
    bool operator==(const Stat&) const = default;
};

Stat StatOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_mode, st.st_rdev};
}

} // namespace

// Every file the program reads or writes, with something that is no file of data in its place: a
// folder, a named pipe (on which opening would wait for ever), a device, and a link to a device
// (which a replacement following the link would turn into a file: as root, /dev/zero itself). Each is refused at once, as that use
// refuses a file it cannot take, and stays as it was; nothing is left beside it.
class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void nothingButAFileIsTaken_data()
    {
        QTest::addColumn<int>("use");
        QTest::addColumn<QString>("stands");
        for (int use = 0; use < int(std::size(Uses)); ++use)
            for (const char* stands : {"folder", "pipe", "device", "device link"})
                QTest::addRow("%s, a %s", Uses[use].Name, stands) << use << QString::fromLatin1(stands);
    }

    void nothingButAFileIsTaken()
    {
        QFETCH(int, use);
        QFETCH(QString, stands);
        TestFolder folder;
        QDir().mkpath(folder.Path(QStringLiteral("Zbiory")));
        const DataFolder data = folder.Data();
        const QString path = Uses[use].PathIn(data);
        const QByteArray name = QFile::encodeName(path);
        if (stands == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (stands == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else {
            // a device of the test's own, made as /dev/zero is, never the system's
            const QByteArray device = QFile::encodeName(stands == QLatin1String("device") ? path : folder.Path(QStringLiteral("zero")));
            if (::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
                QSKIP("only the superuser makes device nodes");
            if (stands == QLatin1String("device link"))
                QCOMPARE(::symlink(device.constData(), name.constData()), 0);
        }
        const QStringList before = QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const Stat stood = StatOf(path), device = StatOf(folder.Path(QStringLiteral("zero")));
        QCOMPARE(InChildProcess([&] { return Uses[use].Refused(data, path) ? 0 : 1; }), 0);
        QVERIFY(StatOf(path) == stood);
        QVERIFY(StatOf(folder.Path(QStringLiteral("zero"))) == device);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), before);
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
