#include "engine/cipher.h"
#include "platform/sound.h"
#include "support/material.h"

#include <gtest/gtest.h>

#include <set>

using namespace vindra;
using vindra::test::Installation;

namespace {

struct Bare {
    /// An engine whose permutation is n, n-1, …, 1 in positions 1..1000.
    void reversePermutation()
    {
        for (int p = 1; p <= Engine::kPermutationSize; ++p)
            engine.permutation[static_cast<size_t>(p)] = Engine::kPermutationSize + 1 - p;
    }
    RecordingMessages messages;
    FixedClock clock;
    Engine engine{messages, clock, 3};
};

} // namespace

TEST(RandomDraws, ItemOrderFollowsThePermutation)
{
    Bare b;
    b.reversePermutation();
    b.engine.cache[1].itemCount = 3;
    std::vector<int> drawn;
    for (int i = 0; i < 4; ++i)
        drawn.push_back(b.engine.haemta_slumptal(b.engine.cache[1].nextDraw, 1));
    EXPECT_EQ(drawn, (std::vector<int>{3, 2, 1, 3})) << "entries at most 3, in permutation order";
    EXPECT_EQ(b.engine.haemta_slumptal(7, 1), 1) << "beyond the item count: the last entry";
}

TEST(RandomDraws, EveryItemOnceAPassThenTheSameOrderAgain)
{
    Bare b;
    b.engine.engineReset(1, 1000);
    CacheSlot& slot = b.engine.cache[5];
    slot.itemCount = 10;
    std::vector<int> pass;
    for (int i = 0; i < 10; ++i)
        pass.push_back(b.engine.haemta_slumptal(slot.nextDraw, 5));
    EXPECT_EQ(std::set<int>(pass.begin(), pass.end()),
              (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(slot.nextDraw, 1);
    EXPECT_EQ(b.engine.haemta_slumptal(slot.nextDraw, 5), pass.front());
    EXPECT_EQ(slot.nextDraw, 2);

    b.engine.cache[6].itemCount = 1;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.engine.haemta_slumptal(b.engine.cache[6].nextDraw, 6), 1);
        EXPECT_EQ(b.engine.cache[6].nextDraw, 1);
    }
}

TEST(RandomDraws, NothingToDrawGivesZeroAndLongFilesStayInRange)
{
    Bare b;
    b.engine.engineReset(1, 1000);
    EXPECT_EQ(b.engine.haemta_slumptal(1, 7), 0) << "not counted";
    EXPECT_EQ(b.engine.haemta_slumptal(1, 0), 0);
    EXPECT_EQ(b.engine.haemta_slumptal(1, 201), 0);
    EXPECT_EQ(b.engine.haemta_Lovordslumptal(1, 21), 0);

    // Beyond the 1000 numbers of the permutation a draw repeats the last one, never 0.
    b.engine.cache[2].itemCount = 1200;
    b.engine.cache[2].nextDraw = 1100;
    EXPECT_EQ(b.engine.haemta_slumptal(1100, 2), b.engine.permutation[1000]);
    EXPECT_EQ(b.engine.cache[2].nextDraw, 1101);
}

TEST(RandomDraws, PraiseLinesUseTheirOwnCountAndPosition)
{
    Bare b;
    b.engine.engineReset(1, 1000);
    b.reversePermutation();
    b.engine.praise.lineCount[4] = 2;
    EXPECT_EQ(b.engine.haemta_Lovordslumptal(b.engine.praise.nextDraw[4], 4), 2);
    EXPECT_EQ(b.engine.haemta_Lovordslumptal(b.engine.praise.nextDraw[4], 4), 1);
    EXPECT_EQ(b.engine.praise.nextDraw[4], 1);
    EXPECT_EQ(b.engine.cache[4].nextDraw, 1) << "the data file cache is untouched";
}

TEST(Praise, FileChoiceTable)
{
    struct Case {
        quint16 code;
        bool named;
        int result; // of the exercise's diagnosis slot
        int right;
        int length;
        const char* expected;
    };
    const Case cases[] = {
        {31011, true, 0, 9, 10, "REOM9006.LOV"},
        {31011, false, 0, 9, 10, "REOM9002.LOV"},
        {31011, false, 0, 10, 10, "REOM9001.LOV"},
        {31011, true, 0, 10, 10, "REOM9005.LOV"},
        {35011, false, 20, 10, 10, "REOM9011.LOV"},
        {35011, true, 20, 9, 10, "REOM9012.LOV"},
        {35011, false, 0, 10, 10, "REOM9003.LOV"},
        {35011, true, 0, 10, 10, "REOM9007.LOV"},
        {35011, false, 0, 9, 10, "REOM9004.LOV"},
        {35011, true, 0, 9, 10, "REOM9008.LOV"},
        {35011, false, 7, 10, 10, "REOM9009.LOV"},
        {35011, true, 19, 9, 10, "REOM9010.LOV"},
        {31011, false, 0, 8, 10, "REOM9013.LOV"},
        {31011, true, 0, 8, 10, "REOM9015.LOV"},
        {35011, false, 20, 8, 10, "REOM9014.LOV"},
        {35011, true, 5, 18, 20, "REOM9016.LOV"},
        {35011, true, 20, 7, 10, "REOM9001.LOV"},
        {31011, true, 0, 0, 10, "REOM9001.LOV"},
        // A damaged register: results outside 0..20 count as the nearest end.
        {35011, false, 25, 10, 10, "REOM9011.LOV"},
        {35011, false, -3, 10, 10, "REOM9003.LOV"},
    };
    Bare b;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " named " << c.named << " D " << c.result
                                        << " " << c.right << "/" << c.length);
        b.engine.item.exerciseCode = c.code;
        b.engine.diagnosis.current = DiagnosisRecord{};
        b.engine.diagnosis.current.name = c.named ? "Anna" : "";
        b.engine.diagnosis.current.result[12] = c.result; // 35011's slot
        EXPECT_EQ(b.engine.HaemtaLovordFilNamn(c.right, c.length), c.expected);
        EXPECT_EQ(b.engine.praise.fileName, c.expected);
    }
}

TEST(Praise, DiagnosisSlotTable)
{
    const std::pair<quint16, int> table[] = {
        {1001, 1},   {1002, 2},   {1003, 3},   {1004, 4},   {31041, 5},  {31051, 6},
        {31052, 7},  {32014, 8},  {32015, 8},  {35021, 9},  {35033, 10}, {35034, 11},
        {35011, 12}, {35045, 13}, {35081, 14}, {35082, 14}, {35107, 15}, {35108, 16},
        {35112, 17}, {35116, 17}, {35117, 18}, {36011, 19}, {36012, 20}, {0, 0},
        {1005, 0},   {31053, 0},  {35083, 0},  {36013, 0},  {16, 0},
    };
    for (const auto& [code, slot] : table)
        EXPECT_EQ(Engine::diagnosisSlotOf(code), slot) << code;
}

TEST(Praise, Placeholders)
{
    struct Case {
        quint16 code;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {35011, "Well done <namn>! Test <diagnos>: <res> of 20.",
         "Well done Anna! Test 12: 20 of 20."},
        {35011, "a > b <c", "a  b <c"},
        {35011, "<Namn> <res", "<Namn <res"}, // only the exact placeholders
        {35011, "", ""},
        {31011, "<diagnos>/<res>", "0/0"},
    };
    Bare b;
    b.engine.diagnosis.current.name = "Anna";
    b.engine.diagnosis.current.result[12] = 20;
    for (const Case& c : cases) {
        b.engine.item.exerciseCode = c.code;
        QByteArray result = "stale";
        b.engine.LovordMen(c.text, result);
        EXPECT_EQ(result, c.expected) << c.text;
    }
}

TEST(Praise, KollaLovOrdFindsCountsAndFallsBack)
{
    Installation inst;
    inst.data("datfiler.eng",
              "ENG31051.DAT\nREOM9001.LOV\nREOM9002.LOV\nREOM9003.LOV\nREOM9016.LOV\n");
    inst.data("ENG31051.DAT", "a#b\n");
    inst.data("REOM9001.LOV", "; comment\r\n\r\nWell done!#Good#Fine\r\n" +
                                  cipher::kryptrad("Excellent!#Super") + "\r\n");
    inst.data("reom9002.lov", "; only a comment\n");
    inst.data("REOM9016.LOV", "Last#one\n");
    auto e = inst.start();
    ASSERT_TRUE(inst.started);

    EXPECT_TRUE(e->KollaLovOrd("REOM9001.LOV"));
    EXPECT_EQ(e->praise.index, 1);
    EXPECT_EQ(e->praise.lineCount[1], 2);
    EXPECT_TRUE(e->KollaLovOrd("reom9001.lov")) << "letter case does not matter";
    EXPECT_EQ(e->praise.lineCount[1], 2) << "counted once";

    EXPECT_FALSE(e->KollaLovOrd("REOM9002.LOV")) << "no praise lines";
    EXPECT_TRUE(inst.messages.entries().isEmpty());

    EXPECT_FALSE(e->KollaLovOrd("REOM9003.LOV"));
    EXPECT_EQ(inst.messages.texts(),
              QStringList{"Filen REOM9003.LOV finns inte eller \u00e4r felaktig"});

    EXPECT_TRUE(e->KollaLovOrd("REOM9010.LOV")) << "an unlisted name takes the last position";
    EXPECT_EQ(e->praise.index, 4);
    EXPECT_EQ(e->praise.fileName, "REOM9016.LOV");

    Bare none;
    EXPECT_FALSE(none.engine.KollaLovOrd("REOM9001.LOV")) << "empty praise-file list";
}

TEST(Praise, ARoundEndsWithAPraiseLine)
{
    Installation inst;
    inst.data("ENG35011.DAT", "a#b\n");
    inst.data("REOM9011.LOV", cipher::kryptrad("Perfect, <namn>!#Test <diagnos>: <res>>#") + "\n");
    auto e = inst.start();
    ASSERT_TRUE(inst.started);
    e->item.exerciseCode = 35011;
    e->diagnosis.current.name = "Bo";
    e->diagnosis.current.result[12] = 20;

    ASSERT_TRUE(e->KollaLovOrd(e->HaemtaLovordFilNamn(10, 10)));
    const int line = e->haemta_Lovordslumptal(e->praise.nextDraw[e->praise.index], e->praise.index);
    EXPECT_EQ(line, 1);
    e->haemtaord(e->praise.fileName, line);
    e->str_postarray(e->item.currentItemLine);
    QByteArray f1, f2;
    e->LovordMen(e->item.fields[1], f1);
    e->LovordMen(e->item.fields[2], f2);
    EXPECT_EQ(f1, "Perfect, Bo!");
    EXPECT_EQ(f2, "Test 12: 20");
    EXPECT_TRUE(inst.messages.entries().isEmpty());
}

TEST(Pictures, OrderBuiltOnceFromThePermutation)
{
    Bare b;
    b.engine.screenWidth = 1024;
    b.reversePermutation();
    b.engine.resetSettings();
    std::vector<int> first;
    for (int i = 0; i < 26; ++i)
        first.push_back(b.engine.haemta_Bildslumptal());
    std::vector<int> expected;
    for (int n = 26; n >= 1; --n)
        expected.push_back(n);
    EXPECT_EQ(first, expected);
    EXPECT_EQ(b.engine.pictureCaption, "Mayfair in London.");

    // The order stays for the run; only the main window's creation builds it anew.
    b.engine.engineReset(1, 1000);
    EXPECT_EQ(b.engine.haemta_Bildslumptal(), 26) << "reset starts the order again";
    EXPECT_EQ(b.engine.pictureCaption, "Highlands, Scotland");
    b.engine.resetSettings();
    std::set<int> rebuilt;
    for (int i = 0; i < 26; ++i)
        rebuilt.insert(b.engine.haemta_Bildslumptal());
    EXPECT_EQ(rebuilt.size(), 26u);
    EXPECT_EQ(*rebuilt.begin(), 1);
    EXPECT_EQ(*rebuilt.rbegin(), 26);
}

TEST(Pictures, CaptionTables)
{
    struct Case {
        int picture;
        int screenWidth;
        const char* mainWindow;
        const char* ending;
    };
    const Case cases[] = {
        {8, 1024, "Peter Pan, Kensington Gardens.", "Peter Pan, Kensington Gardens"},
        {14, 1024, "King Alfred the Great (848-900.",
         "King Alfred the Great (848-900), the oldest statue in London"},
        {16, 1024, "The ancient Queen Boadicea.",
         "The ancient Queen Boadicea with her daughters in her war chariot"},
        {20, 1024, "A soldier in The Queen's Life Guard.", "A soldier in The Queen's Life Guard"},
        {23, 1024, "The tube.", "Stonehenge"},
        {24, 1024, "Piper.", "Piper"},
        {25, 700, "Stonehenge.", "Beefeater and cricket"},
        {25, 699, "Stonehenge.", "Beefeater"},
        {26, 640, "Cricket.", "Highlands, Scotland"},
        {0, 1024, "", ""},
        {27, 1024, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Engine::mainWindowCaption(c.picture), c.mainWindow) << c.picture;
        EXPECT_EQ(Engine::endingCaption(c.picture, c.screenWidth), c.ending) << c.picture;
    }
}

TEST(Sounds, PrefixByExerciseCode)
{
    Bare b;
    const std::pair<quint16, const char*> steps[] = {
        {51011, "E5111"}, {31051, "E5111"}, {24011, "E2411"}, {35011, "E3511"},
        {51012, "E5112"}, {52021, "E5221"}, {52022, "E5222"}, {0, "E5222"},
    };
    for (const auto& [code, prefix] : steps) {
        b.engine.item.exerciseCode = code;
        b.engine.GeLjudDirectory();
        EXPECT_EQ(b.engine.soundPrefix, prefix) << code;
    }
}

TEST(Sounds, HardDiskFirstThenCdThenAMessage)
{
    Installation inst;
    inst.writeIni("[Path]\nKelvo97CDPath=cd\nKelvo97PCPath=hd\nKELVO97ScoreDirectory=scores\n"
                  "KELVO97DiagnosPath=results\n");
    inst.write("hd/DATA/ENG51011.DAT", "a#b\n");
    inst.write("hd/LJUD/E5111/E5111007.WAV", "RIFF");
    inst.write("cd/LJUD/E5111/E5111008.WAV", "RIFF");
    inst.write("cd/LJUD/ENGLAND.WAV", "RIFF");
    auto e = inst.start();
    ASSERT_TRUE(inst.started);
    RecordingSoundPlayer player;
    e->setSoundPlayer(&player);

    e->item.exerciseCode = 51011;
    e->GeLjudDirectory();
    e->SpelaUppWavLjud("E5111007.WAV");
    e->SpelaUppWavLjud("e5111008.wav");
    e->SpelaUppWavLjud("e5111009.wav");
    e->soundPrefix.clear();
    e->SpelaUppWavLjud("ENGLAND.WAV");
    EXPECT_EQ(player.played(), (QStringList{inst.root + "/hd/LJUD/E5111/E5111007.WAV",
                                            inst.root + "/cd/LJUD/E5111/E5111008.WAV",
                                            inst.root + "/cd/LJUD/ENGLAND.WAV"}));
    EXPECT_EQ(inst.messages.texts(),
              QStringList{"Ljudfilen  E5111009.WAV  finns inte eller \u00e4r felaktig."});
    EXPECT_EQ(inst.messages.entries().front().kind, MessageKind::Information);

    e->stopSound();
    EXPECT_EQ(player.stops(), 1);
}

TEST(Sounds, PlayerErrorsAreShownAndTheEngineCanGoFirst)
{
    Installation inst;
    inst.write("material/LJUD/ENGLAND.WAV", "RIFF");
    auto e = inst.start();
    ASSERT_TRUE(inst.started);

    e->SpelaUppWavLjud("ENGLAND.WAV"); // no player: silence, no message
    EXPECT_TRUE(inst.messages.entries().isEmpty());

    RecordingSoundPlayer player;
    e->setSoundPlayer(&player);
    player.refuseWith("Filen kan inte spelas upp.");
    e->SpelaUppWavLjud("ENGLAND.WAV");
    player.refuseWith({});
    player.failLater("Enheten svarar inte.");
    ASSERT_EQ(inst.messages.entries().size(), 2);
    EXPECT_EQ(inst.messages.entries()[0].kind, MessageKind::Error);
    EXPECT_EQ(inst.messages.texts(),
              (QStringList{"Filen kan inte spelas upp.", "Enheten svarar inte."}));

    // The main window's player outlives the engine.
    e.reset();
    player.failLater("late");
    EXPECT_EQ(inst.messages.entries().size(), 2);
}
