#include "platform/files.h"
#include "platform/ini.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;

TEST(Files, BackslashesAndAnyLetterCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Material/DATA");
    QFile f(dir.path() + "/Material/DATA/ENG31051.DAT");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    const QString want = dir.path() + "/Material/DATA/ENG31051.DAT";
    EXPECT_EQ(files::resolve(dir.path() + "\\material\\data\\eng31051.dat"), want);
    EXPECT_EQ(files::resolve(dir.path() + "//MATERIAL/Data/Eng31051.Dat"), want);
    EXPECT_TRUE(files::isFile(dir.path() + "\\MATERIAL\\DATA\\eng31051.DAT"));
    EXPECT_FALSE(files::isFile(dir.path() + "\\MATERIAL\\DATA"));
    EXPECT_TRUE(files::isDir(dir.path() + "\\MATERIAL\\DATA"));
    EXPECT_FALSE(files::isFile(dir.path() + "\\MATERIAL\\DATA\\none.dat"));
    EXPECT_EQ(files::listMatching(dir.path() + "\\material\\data", "en*.dat"),
              QStringList{"ENG31051.DAT"});
    EXPECT_TRUE(files::isWritableDir(dir.path()));
    EXPECT_FALSE(files::isWritableDir(dir.path() + "/nothing"));
}

// A probe file left by a crashed program, or another computer's probe at the same moment,
// never makes a writable directory count as read-only, and is not ours to remove.
TEST(Files, WriteTestUsesAProbeOfItsOwn)
{
    QTemporaryDir dir;
    QFile leftover(dir.path() + "/temp.$$$");
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("someone else's");
    leftover.close();
    EXPECT_TRUE(files::isWritableDir(dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"temp.$$$"});
    ASSERT_TRUE(leftover.open(QIODevice::ReadOnly));
    EXPECT_EQ(leftover.readAll(), "someone else's");
}

TEST(Ini, SectionsAndKeysIgnoreCase)
{
    const IniFile ini = IniFile::parse("; comment\r\n[PATH]\r\nKelvo97CDPath = \"C:\\cd\" \r\n"
                                       "[Other]\nkelvo97cdpath=wrong\n");
    EXPECT_EQ(ini.value("Path", "KELVO97CDPATH"), "C:\\cd");
    EXPECT_EQ(ini.value("other", "Kelvo97CDPath"), "wrong");
    EXPECT_EQ(ini.value("Path", "missing", "x"), "x");
    EXPECT_EQ(IniFile::load("/no/such/file.ini").value("Path", "a"), "");
}

TEST(Ini, CommentsAfterAValueAndPathsWithASemicolon)
{
    const struct {
        QByteArray line;
        QByteArray value;
    } cases[] = {
        {"p=/srv/vindra/material          ; read-only copy", "/srv/vindra/material"},
        {"p=/srv/material\t;comment", "/srv/material"},
        {"p=/srv/klass;7b", "/srv/klass;7b"},        // a ";" inside a path stays
        {"p=\"/srv/a ;b\"  ; comment", "/srv/a ;b"}, // and in quotes, after a blank too
        {"p= ; only a comment", ""},
        {"p=C:\\RES\\", "C:\\RES\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.constData());
        EXPECT_EQ(IniFile::parse("[Path]\n" + c.line + "\n").value("Path", "p"), c.value);
    }
}

TEST(Ini, Utf8OrTheWindowsCodePage)
{
    const struct {
        QByteArray file;
        bool utf8;
        QByteArray value;
    } cases[] = {
        {"[Path]\np=/home/L\xC3\xA4rare\n", true, "/home/L\xC3\xA4rare"},
        {"[Path]\np=C:\\L\xE4rare\n", false, "C:\\L\xE4rare"},
        {"\xEF\xBB\xBF[Path]\np=/srv\n", true, "/srv"}, // a byte-order mark is dropped
        {"[Path]\np=/srv\n", false, "/srv"},
        {"[Path]\np=\xC3\xA4\xE4\n", false, "\xC3\xA4\xE4"}, // not valid UTF-8 as a whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toHex().constData());
        const IniFile ini = IniFile::parse(c.file);
        EXPECT_EQ(ini.isUtf8(), c.utf8);
        EXPECT_EQ(ini.value("path", "p"), c.value);
    }
}
