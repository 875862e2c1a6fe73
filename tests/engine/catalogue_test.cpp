#include "engine/catalogue.h"
#include "engine/datafile.h"
#include "engine/engine.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cstring>

using namespace vindra::catalogue;

namespace {

QSet<QByteArray> lowerSet(const QList<QByteArray>& names, QList<QByteArray>* duplicates)
{
    QSet<QByteArray> seen;
    for (const QByteArray& n : names) {
        if (seen.contains(n.toLower()))
            duplicates->append(n);
        seen.insert(n.toLower());
    }
    return seen;
}

} // namespace

TEST(Catalogue, MenuTreeIsConnected)
{
    // The main window opens TF1 … TF6; every other menu hangs below exactly one button.
    const QSet<QByteArray> roots = {"TF1", "TF2", "TF3", "TF4", "TF5", "TF6"};
    QHash<QByteArray, int> referenced;
    QSet<QByteArray> ids;
    for (const Menu& m : menus()) {
        EXPECT_FALSE(ids.contains(m.id)) << m.id;
        ids.insert(m.id);
        EXPECT_FALSE(m.buttons.empty()) << m.id;
        EXPECT_STREQ(m.closeCaption,
                     std::strcmp(m.id, "TF1") == 0 ? "Till huvudmenyn" : "Till föregående meny");
        for (const MenuButton& b : m.buttons) {
            if (b.opensMenu()) {
                EXPECT_NE(menu(b.target), nullptr) << m.id << " -> " << b.target;
                EXPECT_EQ(b.dataFile, nullptr) << b.caption;
                ++referenced[b.target];
            }
            if (b.dataFile) {
                EXPECT_GE(b.minItems, 1) << b.dataFile;
            }
        }
    }
    for (const QByteArray& id : ids)
        EXPECT_EQ(referenced.value(id), roots.contains(id) ? 0 : 1) << id.constData();
}

TEST(Catalogue, DataFilesAreUniqueAndFitTheDataFileList)
{
    const QList<DataFile> kolla = kollaFiles();
    // Every Kolla file keeps a cache slot of its own; the last slot is shared.
    EXPECT_LE(kolla.size(), vindra::Engine::kCacheSlots - 1);
    QList<QByteArray> names;
    QSet<int> codes;
    for (const DataFile& f : kolla) {
        names << f.name;
        EXPECT_LE(f.name.size(), 12) << f.name.constData();
        EXPECT_EQ(vindra::datafile::extensionOf(f.name), ".DAT");
        // The exercise code comes from the name; two files with one code would share it.
        const int code = vindra::datafile::GeProgramtal(f.name);
        EXPECT_FALSE(codes.contains(code)) << f.name.constData();
        codes.insert(code);
    }
    for (const DataFile& f : companionFiles())
        names << f.name;
    QList<QByteArray> duplicates;
    lowerSet(names, &duplicates);
    EXPECT_TRUE(duplicates.isEmpty()) << duplicates.join(' ').constData();

    // The data-file list: every Kolla file once, sorted, then the praise files.
    const QList<QByteArray> lines = vindra::datafile::splitLines(datfilerContent());
    const qsizetype n = kolla.size();
    ASSERT_EQ(lines.size(), n + praiseFiles().size());
    EXPECT_EQ(QSet<QByteArray>(lines.begin(), lines.begin() + n).size(), n);
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.begin() + n));
    EXPECT_EQ(lines.mid(n), praiseFiles());
}

TEST(Catalogue, DiagnosisSlotsNameTheirFiles)
{
    const auto slots = diagnosisSlots();
    ASSERT_EQ(slots.size(), 20u);
    const QHash<int, int> chains = {{2, 1}, {3, 2}, {4, 3}, {7, 6}, {11, 10}, {16, 15}};
    QSet<QByteArray> kolla;
    for (const DataFile& f : kollaFiles())
        kolla.insert(f.name);
    for (int i = 0; i < 20; ++i) {
        const DiagnosisSlot& s = slots[static_cast<size_t>(i)];
        const QByteArray nn = QByteArray::number(i + 1).rightJustified(2, '0');
        EXPECT_EQ(s.slot, i + 1);
        EXPECT_EQ(QByteArray(s.testFile), "ENGDI" + nn + ".DAT");
        EXPECT_EQ(QByteArray(s.practiceFile), "ENOVN1" + nn + ".DAT");
        EXPECT_TRUE(kolla.contains(s.testFile) && kolla.contains(s.practiceFile)) << s.slot;
        EXPECT_EQ(s.waitsFor, chains.value(s.slot)) << s.slot;
        EXPECT_LE(QString::fromUtf8(s.subject).size(), 40) << s.slot;
    }
}

TEST(Catalogue, MaterialListHasEveryFileOnce)
{
    QList<QByteArray> paths;
    for (const MaterialFile& f : materialFiles())
        paths << f.path;
    QList<QByteArray> duplicates;
    lowerSet(paths, &duplicates);
    EXPECT_TRUE(duplicates.isEmpty()) << duplicates.join(' ').constData();

    // Every page the table can name is shipped, and every synonym has its gate and page.
    const QList<QByteArray> pages = rulePages();
    for (int number : {31061, 32010, 32016, 34100, 34200, 34300, 34400, 35030, 35040, 35051, 35070,
                       35100, 35110, 35121, 35131, 36100})
        EXPECT_TRUE(pages.contains(rulePage(number))) << number;
    for (const Synonym& s : synonyms()) {
        EXPECT_TRUE(pages.contains(rulePage(s.code))) << s.code;
        EXPECT_TRUE(paths.contains("DATA\\" + synonymGateFile(s.code))) << s.code;
    }
    EXPECT_TRUE(rulePage(35060).isEmpty()) << "a number without a page";
}

TEST(Catalogue, MainPicturesFitTheirScreens)
{
    struct Screen {
        int w, h;
        const char* prefix;
    };
    // The smallest screen of each range: the picture must fit the column beside the
    // 301-pixel menu panel and a third of the height below the 20-pixel top bar.
    for (const Screen s :
         {Screen{640, 480, "ENGL"}, Screen{700, 525, "ENGL"}, Screen{800, 600, "ENGM"},
          Screen{899, 674, "ENGM"}, Screen{1024, 768, "ENGS"}, Screen{1920, 1080, "ENGS"}}) {
        SCOPED_TRACE(s.w);
        EXPECT_EQ(mainPicturePrefix(s.w), QByteArray(s.prefix));
    }
    // The main window is scaled by the screen measurement (Arial bold 19 px "A"s across the
    // screen): 92 % at 640, 116 % at 800 and 148 % at 1024 pixels.
    struct Scaled {
        Screen s;
        int scale;
    };
    for (const auto& [s, scale] : {Scaled{{640, 480, "ENGL"}, 92}, Scaled{{800, 600, "ENGM"}, 116},
                                   Scaled{{1024, 768, "ENGS"}, 148}}) {
        const MainPictureSize* size = nullptr;
        for (const MainPictureSize& m : mainPictureSizes()) {
            if (std::strcmp(m.prefix, s.prefix) == 0)
                size = &m;
        }
        ASSERT_NE(size, nullptr);
        const int panel = 301 * scale / 100;
        const int column = (s.w - panel) / 2;
        EXPECT_LE(size->width, column) << s.prefix;
        EXPECT_LE(size->width, s.w - column - panel) << s.prefix;
        EXPECT_LE(size->height, (s.h - 20 * scale / 100) / 3) << s.prefix;
        // The sources are drawn for aspects between 1.1:1 and 1.7:1.
        const double aspect = double(size->width) / size->height;
        EXPECT_TRUE(aspect >= 1.1 && aspect <= 1.7) << s.prefix;
    }
    EXPECT_EQ(mainPictureFile(mainPicturePrefix(640), 7), "ENGL007.BMP");
    EXPECT_EQ(endingPictureFile(26), "ENG026.BMP");
    EXPECT_EQ(itemSoundFile(soundPrefix(51011), 7), "E5111007.WAV");
    EXPECT_TRUE(soundPrefix(31051).isEmpty());
}
