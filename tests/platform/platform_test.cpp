#include "platform/files.h"
#include "platform/ini.h"

#include <QDir>
#include <QFile>
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

TEST(Ini, SectionsAndKeysIgnoreCase)
{
    const IniFile ini = IniFile::parse("; comment\r\n[PATH]\r\nKelvo97CDPath = \"C:\\cd\" \r\n"
                                       "[Other]\nkelvo97cdpath=wrong\n");
    EXPECT_EQ(ini.value("Path", "KELVO97CDPATH"), "C:\\cd");
    EXPECT_EQ(ini.value("other", "Kelvo97CDPath"), "wrong");
    EXPECT_EQ(ini.value("Path", "missing", "x"), "x");
    EXPECT_EQ(IniFile::load("/no/such/file.ini").value("Path", "a"), "");
}
