#include "engine/catalogue.h"
// The material checker on a small good material root and on one-line breakages of it.

#include "engine/cipher.h"
#include "material_tool.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

using vindra::test::materialTool;
using vindra::test::ToolRun;
using vindra::test::writeFile;

namespace {

QByteArray lines(const QList<QByteArray>& list)
{
    QByteArray out;
    for (const QByteArray& l : list)
        out += l + '\n';
    return out;
}

QByteArray tenItems(const QByteArray& pattern)
{
    QList<QByteArray> items;
    for (int i = 1; i <= 10; ++i)
        items << QByteArray(pattern).replace("N", QByteArray::number(i));
    return lines(items);
}

/// A root with a handful of good files; every other file of the material is pending.
class GoodRoot {
public:
    GoodRoot()
    {
        materialTool({QStringLiteral("datfiler"), path("DATA/datfiler.eng")});
        // A written-answer file with scrambled and plain lines, the instruction in cp1252.
        put("DATA/ENG31051.DAT",
            "$Plural\n$\xA7Skriv ordet i plural.\n; plain and scrambled lines mix\n" +
                vindra::cipher::kryptrad("house#houses") + "\n" +
                tenItems("word N#words N#&wordsN").mid(0));
        put("DATA/ENG35081.DAT", "$Be\n" + tenItems("I <am> number N.#am = jag \xE4r"));
        put("DATA/ENG31011.DAT", tenItems("This is <an> apple number N.#0"));
        put("DATA/REOM9001.LOV", "Bra jobbat!#Fint!\n");
        picture("BILD/ENGL001.BMP", 168, 152);
        put("REGLER/R35071.htm", "<html><meta charset=\"utf-8\"><p>Regel</p></html>\n");

        // Everything else is still to be written.
        QByteArray pending = "BILD/VAXTER/*\nBILD/DJUR/*\nLJUD/*/*\n";
        const ToolRun list = materialTool({QStringLiteral("list")});
        for (const QByteArray& p : list.out.split('\n')) {
            if (!p.isEmpty() && !m_present.contains(p))
                pending += p + '\n';
        }
        writeFile(m_dir.filePath(QStringLiteral("pending.txt")), pending);
    }

    QString path(const char* relative) const
    {
        return m_dir.filePath(QStringLiteral("root/") + QLatin1String(relative));
    }
    void put(const char* relative, const QByteArray& content)
    {
        m_present << relative;
        writeFile(path(relative), content);
    }
    void picture(const char* relative, int w, int h)
    {
        m_present << relative;
        QDir().mkpath(QFileInfo(path(relative)).path());
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(path(relative), "BMP");
    }
    ToolRun check() const
    {
        return materialTool({QStringLiteral("check"), m_dir.filePath(QStringLiteral("root")),
                             QStringLiteral("--pending"),
                             m_dir.filePath(QStringLiteral("pending.txt"))});
    }

private:
    QTemporaryDir m_dir;
    QList<QByteArray> m_present{"DATA/datfiler.eng"};
};

} // namespace

TEST(MaterialCheck, GoodRootPasses)
{
    GoodRoot root;
    const ToolRun r = root.check();
    EXPECT_EQ(r.code, 0) << r.out.constData();
    const qsizetype all = vindra::catalogue::materialFiles().size();
    const QByteArray summary = "7/" + QByteArray::number(all) + " files present, 0 problems\n";
    const QByteArray pending = QByteArray::number(all - 7) + " files pending";
    EXPECT_TRUE(r.out.endsWith(summary)) << r.out.constData();
    EXPECT_TRUE(r.out.contains(pending)) << r.out.constData();
}

TEST(MaterialCheck, EachBreakageIsReported)
{
    struct Case {
        const char* name;
        std::function<void(GoodRoot&)> breakIt;
        const char* report;
    };
    QList<QByteArray> thirteen;
    for (const char* w : {"at", "in", "on", "by", "to", "of", "for", "from", "with", "under",
                          "over", "into", "onto"})
        thirteen << "It is <" + QByteArray(w) + "> it.";

    const Case cases[] = {
        {"missing file", [](GoodRoot& r) { QFile::remove(r.path("DATA/ENG31051.DAT")); },
         "DATA/ENG31051.DAT: is missing"},
        {"no item line", [](GoodRoot& r) { r.put("DATA/ENG31051.DAT", "$Plural\n; none\n"); },
         "DATA/ENG31051.DAT: is not accepted: it has no item line"},
        {"too few items", [](GoodRoot& r) { r.put("DATA/ENG31051.DAT", "a#b\nc#d\ne#f\n"); },
         "DATA/ENG31051.DAT: has 3 items, needs at least 10"},
        {"\"$\" line after line six",
         [](GoodRoot& r) { r.put("DATA/ENG31051.DAT", tenItems("wN#ordN") + "$Late header\n"); },
         "DATA/ENG31051.DAT: line 11: \"$\" line after the first 6 lines"},
        {"too long header",
         [](GoodRoot& r) {
             r.put("DATA/ENG31051.DAT", "$" + QByteArray(81, 'x') + "\n" + tenItems("wN#oN"));
         },
         "DATA/ENG31051.DAT: line 1: header or instruction longer than 80 characters"},
        {"answer field missing",
         [](GoodRoot& r) { r.put("DATA/ENG31051.DAT", tenItems("wN#oN") + "house\n"); },
         "DATA/ENG31051.DAT: line 11: needs 2 fields"},
        {"unbalanced gap marker",
         [](GoodRoot& r) { r.put("DATA/ENG35081.DAT", tenItems("I <am> N.") + "I <am happy.\n"); },
         "DATA/ENG35081.DAT: line 11: unbalanced"},
        {"three gaps", [](GoodRoot& r) { r.put("DATA/ENG35081.DAT", tenItems("<I> <am> <N>.")); },
         "DATA/ENG35081.DAT: line 1: needs 1 to 2 gaps"},
        {"two-gap alternative for one gap",
         [](GoodRoot& r) {
             r.put("DATA/ENG35081.DAT", tenItems("I <am> N.") + "I <am> sure you <are>.#&'m\n");
         },
         "DATA/ENG35081.DAT: line 11: an alternative of a two-gap sentence"},
        {"alternative wider than the gap's box",
         [](GoodRoot& r) {
             r.put("DATA/ENG35081.DAT",
                   tenItems("I <am> N.") + "I <am> here.#&am very much indeed\n");
         },
         "DATA/ENG35081.DAT: line 11: alternative \"am very much indeed\" does not fit"},
        {"too many marked words", [&](GoodRoot& r) { r.put("DATA/ENG31011.DAT", lines(thirteen)); },
         "DATA/ENG31011.DAT: marks 13 different words, at most 12 fit"},
        {"word spelt as no button shows it",
         [](GoodRoot& r) { r.put("DATA/ENG31011.DAT", tenItems("I watch <TV> N.")); },
         "DATA/ENG31011.DAT: line 1: marked word \"TV\" matches no button"},
        {"word line without a mark",
         [](GoodRoot& r) { r.put("DATA/ENG31011.DAT", tenItems("It is <an> N.") + "It is N.\n"); },
         "DATA/ENG31011.DAT: line 11: needs exactly one word marked"},
        {"praise file with a \"$\" line",
         [](GoodRoot& r) { r.put("DATA/REOM9001.LOV", "$Praise\nBra!\n"); },
         "DATA/REOM9001.LOV: line 1: a praise file has no \"$\" lines"},
        {"broken picture", [](GoodRoot& r) { r.put("BILD/ENGL001.BMP", "BM not really"); },
         "BILD/ENGL001.BMP: cannot be read as a picture"},
        {"picture of the wrong size", [](GoodRoot& r) { r.picture("BILD/ENGL001.BMP", 100, 90); },
         "BILD/ENGL001.BMP: is 100x90 pixels, expected 168x152"},
        {"data-file list out of date",
         [](GoodRoot& r) { r.put("DATA/datfiler.eng", "ENG31051.DAT\n"); },
         "DATA/datfiler.eng: differs from the catalogue's list"},
        {"forbidden file", [](GoodRoot& r) { writeFile(r.path("DATA/eng0.DAT"), "a#b\n"); },
         "DATA/eng0.DAT: must not be in the material"},
        {"picture quiz: four names",
         [](GoodRoot& r) { r.put("DATA/ENG21410.DAT", tenItems("rose N#tulip#lily#daisy#ros")); },
         "DATA/ENG21410.DAT: line 1: has 5 fields: at most three names"},
        {"picture quiz: an \"&\" field",
         [](GoodRoot& r) { r.put("DATA/ENG21410.DAT", tenItems("rose N#tulip##ros#&roses")); },
         "DATA/ENG21410.DAT: line 1: a picture-quiz line takes no \"&\" fields"},
        {"picture quiz: no Swedish name",
         [](GoodRoot& r) { r.put("DATA/ENG21410.DAT", tenItems("rose N#tulip#lily")); },
         "DATA/ENG21410.DAT: line 1: field 4 (the Swedish name) is empty"},
        {"birds: fewer than the songs need",
         [](GoodRoot& r) { r.put("DATA/ENG21510.DAT", tenItems("robin N#wren##r\xF6\x64hake")); },
         "DATA/ENG21510.DAT: has 10 items, needs at least 32"},
        {"body: question without its answer",
         [](GoodRoot& r) { r.put("DATA/ENG21301.DAT", tenItems("What is N?#the arm") + "Why?\n"); },
         "DATA/ENG21301.DAT: line 11: needs 2 fields"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoodRoot root;
        c.breakIt(root);
        const ToolRun r = root.check();
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.contains(c.report)) << r.out.constData();
        EXPECT_TRUE(r.out.contains(" problems\n")) << r.out.constData();
    }
}

TEST(MaterialCheck, AnswerPolicy)
{
    // Each item line either keeps the policy (nullptr) or is reported with the text given.
    struct Case {
        const char* line;
        const char* report;
    };
    const Case cases[] = {
        {"a#colour#&colours", "the American spelling \"color\" of \"colour\" is not accepted"},
        {"b#colour#&color", nullptr},
        {"c#color", "the British spelling \"colour\" of \"color\" is not accepted"},
        {"d#she is practising", "the American spelling \"she is practicing\""},
        {"e#practice", nullptr}, // the British noun as well
        {"f#he travelled", "the American spelling \"he traveled\""},
        {"g#it's raining", "the full form \"it is raining\" of \"it's raining\" is not accepted"},
        {"h#it is raining",
         "the contracted form \"it's raining\" of \"it is raining\" is not accepted"},
        {"i#it is raining#&it's raining", nullptr},
        {"j#I know where it is", nullptr}, // no contraction at the end of a clause
        {"k#he has a dog", nullptr},       // "has" as a verb of its own
        {"l#he has eaten", "the contracted form \"he's eaten\" of \"he has eaten\""},
        {"m#she is not here#&she isn't here", nullptr}, // one contracted form is enough
        {"n#Don't you like it?", nullptr},              // the full form changes the word order
        {"o#I\xB4m late#&I am late", nullptr},          // a look-alike apostrophe
        {"p#I cannot swim", "the contracted form \"I can't swim\" of \"I cannot swim\""},
        {"q#the baby's crying", nullptr}, // after a noun "'s" may be the genitive
        {"r#we will be late#&we'll be late#we shall be late", nullptr},
        {"s#We don't know.#&We do not know.", nullptr},
        {"t#The letter was written a hundred years ago.", nullptr}, // 42 and an end mark
        {"u#The letter was written one hundred years ago.",
         "the answer \"The letter was written one hundred years ago\" has 44 characters"},
    };
    GoodRoot root;
    QByteArray file = "$Svar\n$\xA7Skriv svaret.\n";
    for (const Case& c : cases)
        file += QByteArray(c.line) + '\n';
    root.put("DATA/ENG31051.DAT", file);
    // An instruction that asks for British spelling, or for the short form, spares its file
    // that rule.
    root.put("DATA/ENG35034.DAT",
             "$\xA7Skriv imperfekt (brittisk engelska).\n" + tenItems("travel N#travelled N"));
    root.put("DATA/ENG35061.DAT",
             "$\xA7Skriv den sammandragna formen.\n" + tenItems("it is N#it's N"));

    const ToolRun r = root.check();
    const QByteArray out = r.out;
    ASSERT_TRUE(out.endsWith(" problems\n")) << out.constData() << r.err.constData();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.line);
        const QByteArray prefix = "DATA/ENG31051.DAT: line " + QByteArray::number(i + 3) + ": ";
        if (c.report)
            EXPECT_TRUE(out.contains(QByteArray(prefix + c.report))) << out.constData();
        else
            EXPECT_FALSE(out.contains(prefix)) << out.constData();
    }
    EXPECT_FALSE(out.contains("ENG35034.DAT: line")) << out.constData();
    EXPECT_FALSE(out.contains("ENG35061.DAT: line")) << out.constData();
}

TEST(MaterialCheck, ReadingAndWritingGames)
{
    QByteArray eightRows;
    for (int row = 0; row < 8; ++row)
        eightRows += "a b c d e f g\n";
    QByteArray horoscope;
    for (int n = 1; n <= 356; ++n)
        horoscope += "Line " + QByteArray::number(n) + ".\n";
    QByteArray twelveGaps = "$Title\n";
    for (int i = 0; i < 12; ++i)
        twelveGaps += "the #1 cat ";
    twelveGaps += "\n#\n";
    struct Case {
        const char* file;
        QByteArray content;
        const char* report;
    } cases[] = {
        {"DATA/ENG61011.DAT", eightRows + "#\n", "story 1 has more words than its 7 rows of 7"},
        {"DATA/ENG61021.DAT", "One line.\n\nAfter the gap.\n#\n", "text 1: an empty line ends"},
        {"DATA/ENG41041.DAT", "a\nb\nc\n#\nd\n#\n", "starter 2 needs three lines"},
        {"DATA/ENG41021.DAT", "A\n#\nb\n#\nc\n#\n", "section 1 has 1 line, the album needs 20"},
        {"DATA/ENG41011.DAT", twelveGaps, "has 12 gaps \"#1\", at most 10"},
        {"DATA/ENG61031.DAT", horoscope, "line 29: ARIES needs three closing lines"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        GoodRoot root;
        root.put(c.file, c.content);
        const ToolRun r = root.check();
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.contains(c.report)) << r.out.constData();
    }
}
