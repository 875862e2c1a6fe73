#include "catalogue.h"

#include <QSet>

#include <algorithm>
#include <climits>
#include <cstring>

namespace vindra::catalogue {

namespace {

using F = Format;

/// Items a round of the class needs without repeats; the hard minimum is always one.
constexpr int classMinimum(Format f)
{
    switch (f) {
    case F::SkrivReversed:
        return kDiagnosisItems;
    case F::Clock:
        return 144;
    case F::Xact:
        return 2;
    case F::FiveType:
    case F::FiveMc:
        return 20; // The Five draws at random from three files: enough that rounds differ
    case F::False:
    case F::Duel:
        return 5;
    case F::Reveal:
    case F::Speed:
    case F::Tell:
    case F::StoryGin:
    case F::Prank:
    case F::Horo:
    case F::Praise:
        return 1;
    default:
        return 10;
    }
}

constexpr MenuButton sub(const char* caption, const char* menuId, bool worksheetDisabled = false)
{
    return {caption, menuId, nullptr, 0, worksheetDisabled, F::Skriv, 0};
}

constexpr MenuButton form(const char* caption, const char* formClass, int exerciseCode = 0)
{
    return {caption, formClass, nullptr, exerciseCode, false, F::Skriv, 0};
}

constexpr MenuButton ex(const char* caption, const char* formClass, const char* file, Format f,
                        bool worksheetDisabled = false, int minItems = 0)
{
    return {
        caption, formClass, file, 0, worksheetDisabled, f, minItems ? minItems : classMinimum(f)};
}

constexpr bool kWs = true; // disabled in worksheet mode

// clang-format off
constexpr MenuButton kTF1[] = {
    form("Karta", "TKarta"),
    form("Flagga", "TFlagga"),
    form("Nationalsång", "THymn"),
};
constexpr MenuButton kTF2[] = {
    sub("Ordförrådet", "TF21"),
    form("Synonymer", "Tlista"),
    ex("Rubrik", "TSKRIV", "ENG23011.DAT", F::Skriv),
    ex("Rimord", "TPassAkt", "ENG24011.DAT", F::Cat),
    ex("Luringar", "TFalska", "ENG25001.DAT", F::False, kWs),
};
constexpr MenuButton kTF21[] = {
    form("Allmänna glosor", "TDinaOrd", 1001),
    form("Speciella glosor", "TDinaOrd", 1002),
    sub("Lite biologi", "TF213", kWs),
};
constexpr MenuButton kTF213[] = {
    sub("Människa", "TF2131"),
    sub("Växter", "TF2132"),
    sub("Djur", "TF2133"),
};
constexpr MenuButton kTF2131[] = {
    ex("Kroppen", "TBilden", "ENG21301.DAT", F::Body),
    ex("Huvudet", "TBilden", "ENG21302.DAT", F::Body),
    ex("Andningsorganen", "TBilden", "ENG21303.DAT", F::Body),
    ex("Njurarna", "TBilden", "ENG21304.DAT", F::Body),
    ex("Matsmältningen", "TBilden", "ENG21305.DAT", F::Body),
    ex("Tänderna", "TBilden", "ENG21306.DAT", F::Body),
    ex("Skelettet", "TBilden", "ENG21307.DAT", F::Body),
};
constexpr MenuButton kTF2132[] = {
    ex("Vilda växter", "TBildvis", "ENG21410.DAT", F::Picq),
    ex("Växter från trädgården", "TBildvis", "ENG21420.DAT", F::Picq),
    ex("Träd och buskar", "TBildvis", "ENG21430.DAT", F::Picq),
    ex("Frukter och bär", "TBildvis", "ENG21440.DAT", F::Picq),
};
constexpr MenuButton kTF2133[] = {
    // The bird songs run up to item 32.
    ex("Fåglar", "TBildvis", "ENG21510.DAT", F::Picq, false, 32),
    ex("Däggdjur", "TBildvis", "ENG21520.DAT", F::Picq),
    ex("Tamdjur", "TBildvis", "ENG21530.DAT", F::Picq),
    ex("Fiskar och reptiler", "TBildvis", "ENG21540.DAT", F::Picq),
    ex("Insekter och spindlar", "TBildvis", "ENG21550.DAT", F::Picq),
    ex("Småkryp", "TSKRIV", "ENG21560.DAT", F::Skriv),
};
constexpr MenuButton kTF3[] = {
    sub("Substantiv", "TF31"),
    sub("Adjektiv", "TF321"),
    sub("Räkneord", "TF33"),
    sub("Pronomen", "TF34"),
    sub("Verb", "TF35"),
    sub("Adverb", "TF36"),
    sub("Prepositioner", "TF37"),
    ex("Konjunktioner", "TSkrivinf", "ENG38011.DAT", F::GapS),
    sub("Diverse grammatik", "TF39"),
};
constexpr MenuButton kTF31[] = {
    ex("A eller an", "TFLERBAR", "ENG31011.DAT", F::Word),
    ex("Med eller utan artikel?", "TSkrivinf", "ENG31021.DAT", F::GapS),
    ex("Med bestämd artikel?", "TSkrivinf", "ENG31031.DAT", F::GapS),
    ex("Finn formen", "TSKRIV", "ENG31041.DAT", F::Skriv),
    sub("Plural", "TF315"),
    ex("Genitiv", "TSkrivinf", "ENG31061.DAT", F::GapS),
    sub("Esset", "TF317"),
    ex("Duell (spel)", "TFalska", "ENG31081.DAT", F::Duel, kWs),
    ex("Substantiverade adj.", "TSkrivinf", "ENG31091.DAT", F::GapS),
};
constexpr MenuButton kTF315[] = {
    ex("Träning 1", "TSKRIV", "ENG31051.DAT", F::Skriv),
    ex("Träning 2", "TSKRIV", "ENG31052.DAT", F::Skriv),
};
constexpr MenuButton kTF317[] = {
    ex("Träning 1", "TSKRIV", "ENG31071.DAT", F::Skriv),
    ex("Träning 2", "TSKRIV", "ENG31072.DAT", F::Skriv),
    ex("Träning 3", "TPassAkt", "ENG31073.DAT", F::Cat),
    ex("Träning 4", "TPassAkt", "ENG31074.DAT", F::Cat),
};
constexpr MenuButton kTF321[] = {
    ex("Räkna stavelser", "TPassAkt", "ENG32011.DAT", F::Cat),
    ex("Komparation med ändelser", "Tskriv2", "ENG32012.DAT", F::Skriv2B),
    ex("Komparation med more, most", "Tskriv2", "ENG32013.DAT", F::Skriv2B),
    ex("Blandat 1", "Tskriv2", "ENG32014.DAT", F::Skriv2B),
    ex("Blandat 2", "TSkrivinf", "ENG32015.DAT", F::GapS),
    ex("Mycket", "TFLERBAR", "ENG32016.DAT", F::Word),
};
constexpr MenuButton kTF33[] = {
    ex("X-act (spel)", "TStegran", "ENG33011.DAT", F::Xact),
    ex("Klockan", "TKlockan", "ENG33021.DAT", F::Clock, kWs),
};
constexpr MenuButton kTF34[] = {
    sub("Relativa pronomen", "TF341"),
    ex("Som - as/like", "TFLERBAR", "ENG34021.DAT", F::Word),
    ex("As - as i talesätt", "TSkrivinf", "ENG34031.DAT", F::GapS),
    ex("It is - There is/are?", "TSkrivinf", "ENG34051.DAT", F::GapS),
    ex("Some/any", "TSkrivinf", "ENG34061.DAT", F::GapS),
    ex("Blandad träning", "TSkrivinf", "ENG34071.DAT", F::GapS),
};
constexpr MenuButton kTF341[] = {
    ex("Som - who/which", "TFLERBAR", "ENG34011.DAT", F::Word),
    ex("Som , vars ( who, which, that)", "TSkrivinf", "ENG34041.DAT", F::GapS),
};
constexpr MenuButton kTF35[] = {
    ex("Tidd", "TPassAkt", "ENG35011.DAT", F::Cat),
    ex("Oregelbundna verb", "TSKRIV", "ENG35021.DAT", F::Skriv),
    sub("Tema", "TF353"),
    sub("Tempus", "TF354"),
    ex("Tampen", "TSKRIV", "ENG35051.DAT", F::Skriv),
    ex("Contract", "TSKRIV", "ENG35061.DAT", F::Skriv),
    sub("Building", "TF357"),
    sub("Be", "TF358"),
    sub("Be-spelet", "TF359", kWs),
    sub("Do it", "TF3510"),
    sub("Passivum", "TF3511"),
    ex("'Do' eller 'make'", "TSkrivinf", "ENG35121.DAT", F::GapS),
    ex("Ing-form eller infinitiv", "TSkrivinf", "ENG35131.DAT", F::GapS),
};
constexpr MenuButton kTF353[] = {
    ex("Träning 1", "Tskriv2", "ENG35031.DAT", F::Skriv2A),
    ex("Träning 2", "TPassAkt", "ENG35032.DAT", F::Cat),
    ex("Träning 3", "TSKRIV", "ENG35033.DAT", F::Skriv),
    ex("Träning 4", "TSKRIV", "ENG35034.DAT", F::Skriv),
    ex("Mästarprovet", "TSKRIV", "ENG35035.DAT", F::Skriv),
};
constexpr MenuButton kTF354[] = {
    ex("Träning 1", "TPassAkt", "ENG35041.DAT", F::Cat),
    ex("Träning 2", "TSkrivinf", "ENG35042.DAT", F::GapS),
    ex("Träning 3", "TSkrivinf", "ENG35043.DAT", F::GapP),
    ex("Träning 4", "TPassAkt", "ENG35044.DAT", F::Cat),
    ex("Träning 5", "TSkrivinf", "ENG35045.DAT", F::GapS),
    ex("Div verb i presens", "TSkrivinf", "ENG35046.DAT", F::GapS),
};
constexpr MenuButton kTF357[] = {
    ex("Träning 1", "TSKRIV", "ENG35071.DAT", F::Skriv),
    ex("Träning 2", "TSKRIV", "ENG35072.DAT", F::Skriv),
    ex("Finalen", "TSKRIV", "ENG35073.DAT", F::Skriv),
};
constexpr MenuButton kTF358[] = {
    ex("Träna presens", "TSkrivinf", "ENG35081.DAT", F::GapS),
    ex("Träna imperfekt", "TSkrivinf", "ENG35082.DAT", F::GapS),
};
constexpr MenuButton kTF359[] = {
    ex("Am, are, is - Lätt", "TSEIN", "ENG35091.DAT", F::Be),
    ex("Am, are, is - Medel", "TSEIN", "ENG35092.DAT", F::Be),
    ex("Am, are, is - Svår", "TSEIN", "ENG35093.DAT", F::Be),
    ex("Was, were - Lätt", "TSEIN", "ENG35094.DAT", F::Be),
    ex("Was, were - Medel", "TSEIN", "ENG35095.DAT", F::Be),
    ex("Was, were - Svår", "TSEIN", "ENG35096.DAT", F::Be),
};
constexpr MenuButton kTF3510[] = {
    ex("Träning 1", "TSkrivinf", "ENG35101.DAT", F::GapP),
    ex("Träning 2", "TSKRIV", "ENG35102.DAT", F::Skriv),
    ex("Träning 3", "TSkrivinf", "ENG35103.DAT", F::GapP),
    ex("Träning 4", "TSKRIV", "ENG35104.DAT", F::Skriv),
    ex("Träning 5", "TSkrivinf", "ENG35105.DAT", F::GapP),
    ex("Träning 6", "TSkrivinf", "ENG35106.DAT", F::GapP),
    ex("Examen 1", "TSKRIV", "ENG35107.DAT", F::Skriv),
    ex("Examen 2", "TSkrivinf", "ENG35108.DAT", F::GapS),
    ex("Blandat", "TSkrivinf", "ENG35109.DAT", F::GapS),
};
constexpr MenuButton kTF3511[] = {
    ex("Träning 1", "TPassAkt", "ENG35111.DAT", F::Cat),
    ex("Träning 2", "TSkrivinf", "ENG35112.DAT", F::GapP),
    ex("Träning 3", "TSKRIV", "ENG35113.DAT", F::Skriv),
    ex("Träning 4", "TSKRIV", "ENG35114.DAT", F::Skriv),
    ex("Träning 5", "TSkrivinf", "ENG35115.DAT", F::GapP),
    ex("Träning 6", "TSkrivinf", "ENG35116.DAT", F::GapP),
    ex("Träning 7", "TSkrivinf", "ENG35117.DAT", F::GapS),
};
constexpr MenuButton kTF36[] = {
    ex("Känna igen adverb", "TPassAkt", "ENG36011.DAT", F::Cat),
    ex("Bilda adverb", "TSKRIV", "ENG36012.DAT", F::Skriv),
    ex("Adv/adj? - 1", "TSkrivinf", "ENG36013.DAT", F::GapS),
    ex("Adv/adj? - 2", "TSkrivinf", "ENG36014.DAT", F::GapS),
    ex("Adv/adj? - 3", "TSkrivinf", "ENG36015.DAT", F::GapS),
};
constexpr MenuButton kTF37[] = {
    ex("På - mycket lätt", "TFLERBAR", "ENG37011.DAT", F::Word),
    ex("På - lätt", "TFLERBAR", "ENG37012.DAT", F::Word),
    ex("På - svårt", "TFLERBAR", "ENG37013.DAT", F::Word),
    ex("Av - lätt", "TFLERBAR", "ENG37014.DAT", F::Word),
    ex("Av - svårt", "TFLERBAR", "ENG37015.DAT", F::Word),
    ex("I", "TFLERBAR", "ENG37016.DAT", F::Word),
    ex("Mot", "TFLERBAR", "ENG37017.DAT", F::Word),
    ex("Blandade prepositioner", "TSkrivinf", "ENG37021.DAT", F::GapS),
};
constexpr MenuButton kTF39[] = {
    ex("Blandat 1", "TSkrivinf", "ENG39011.DAT", F::GapS),
    ex("Blandat 2", "TSkrivinf", "ENG39012.DAT", F::GapS),
};
constexpr MenuButton kTF4[] = {
    ex("Stolliga texten", "TPrank", "ENG41011.DAT", F::Prank),
    ex("Storygin", "TStorygin", "ENG41021.DAT", F::StoryGin),
    ex("Femman (spel)", "Tfive", "ENG41031.DAT", F::FiveMc),
    ex("Berätta", "Tberaetta", "ENG41041.DAT", F::Tell),
    ex("Ordföljd", "TSkrivinf", "ENG41051.DAT", F::GapS),
};
constexpr MenuButton kTF5[] = {
    sub("Diktamen", "TF51"),
    sub("Alfabetet", "TF52"),
};
constexpr MenuButton kTF51[] = {
    ex("Diktamen 1", "TDiktam", "ENG51011.DAT", F::Dict),
    ex("Diktamen 2", "TDiktam", "ENG51012.DAT", F::Dict),
};
constexpr MenuButton kTF52[] = {
    ex("Skriv bokstaven", "TDiktam", "ENG52021.DAT", F::Dict),
    ex("Jag stavar - du skriver", "TDiktam", "ENG52022.DAT", F::Dict),
};
constexpr MenuButton kTF6[] = {
    ex("Avslöja", "Tavsloj", "ENG61011.DAT", F::Reveal),
    ex("Lästräning", "TSpeed", "ENG61021.DAT", F::Speed),
    ex("Horoskop", "Thoroskop", "ENG61031.DAT", F::Horo),
    form("TOP 9", "Ttop9"),
    sub("Läsförståelse", "TF61"),
};
constexpr MenuButton kTF61[] = {
    ex("A Ghost Story", "TInseTxt", "ENG61051.DAT", F::Read),
    ex("The Kiss", "TInseTxt", "ENG61052.DAT", F::Read),
    ex("Brisky and the Eel", "TInseTxt", "ENG61053.DAT", F::Read),
    ex("The Anecdote", "TInseTxt", "ENG61054.DAT", F::Read),
    ex("The Swindler", "TInseTxt", "ENG61055.DAT", F::Read),
    ex("The Mary Celeste", "TInseTxt", "ENG61056.DAT", F::Read),
    ex("The Settlers", "TInseTxt", "ENG61057.DAT", F::Read),
};

constexpr const char* kBack = "Till föregående meny";

const Menu kMenus[] = {
    {"TF1", "Storbritannien", kTF1, "Till huvudmenyn", false},
    {"TF2", "Dina ord", kTF2, kBack, false},
    {"TF21", "Ordförrådet", kTF21, kBack, false},
    {"TF213", "Lite biologi", kTF213, kBack, true},
    {"TF2131", "Lite biologi", kTF2131, kBack, true},
    {"TF2132", "Växter", kTF2132, kBack, true},
    {"TF2133", "Djur", kTF2133, kBack, true},
    {"TF3", "Grammatik", kTF3, kBack, false},
    {"TF31", "Substantiv", kTF31, kBack, false},
    {"TF315", "Plural", kTF315, kBack, false},
    {"TF317", "Esset", kTF317, kBack, false},
    {"TF321", "Komparation", kTF321, kBack, false},
    {"TF33", "Räkneord", kTF33, kBack, false},
    {"TF34", "Pronomen", kTF34, kBack, false},
    {"TF341", "Relativa pronomen", kTF341, kBack, false},
    {"TF35", "Verb", kTF35, kBack, false},
    {"TF353", "Tema", kTF353, kBack, false},
    {"TF354", "Tempus", kTF354, kBack, false},
    {"TF357", "Building", kTF357, kBack, false},
    {"TF358", "Be", kTF358, kBack, false},
    {"TF359", "Be-spelet", kTF359, kBack, false},
    {"TF3510", "Do it", kTF3510, kBack, false},
    {"TF3511", "Passivum", kTF3511, kBack, false},
    {"TF36", "Adverb", kTF36, kBack, false},
    {"TF37", "Prepositioner", kTF37, kBack, false},
    {"TF39", "Diverse grammatik", kTF39, kBack, false},
    {"TF4", "Skriva", kTF4, kBack, false},
    {"TF5", "Lyssna - skriva", kTF5, kBack, false},
    {"TF51", "Diktamen", kTF51, kBack, false},
    {"TF52", "Alfabetet", kTF52, kBack, false},
    {"TF6", "LÄSA", kTF6, kBack, false},
    {"TF61", "Läs och förstå", kTF61, kBack, true},
};

const DiagnosisSlot kSlots[] = {
    {1, "DINA ORD, Översätt 1", 0, "ENGDI01.DAT", "TSKRIV", F::Skriv, "ENOVN101.DAT", "TSKRIV", F::Skriv},
    {2, "DINA ORD, Översätt 2", 1, "ENGDI02.DAT", "TSKRIV", F::Skriv, "ENOVN102.DAT", "TSKRIV", F::Skriv},
    {3, "DINA ORD, Översätt 3", 2, "ENGDI03.DAT", "TSKRIV", F::Skriv, "ENOVN103.DAT", "TSKRIV", F::Skriv},
    {4, "DINA ORD, Översätt 4", 3, "ENGDI04.DAT", "TSKRIV", F::Skriv, "ENOVN104.DAT", "TSKRIV", F::Skriv},
    {5, "Hantering av substantiv", 0, "ENGDI05.DAT", "TSKRIV", F::Skriv, "ENOVN105.DAT", "TSKRIV", F::Skriv},
    {6, "Pluralbildning, A", 0, "ENGDI06.DAT", "TSKRIV", F::Skriv, "ENOVN106.DAT", "TSKRIV", F::Skriv},
    {7, "Pluralbildning, B", 6, "ENGDI07.DAT", "TSKRIV", F::Skriv, "ENOVN107.DAT", "TSKRIV", F::Skriv},
    {8, "Adjektiv, komparation", 0, "ENGDI08.DAT", "Tskriv2", F::Skriv2B, "ENOVN108.DAT", "Tskriv2", F::Skriv2B},
    {9, "Verb, oregelbundna, tema", 0, "ENGDI09.DAT", "TSKRIV", F::Skriv, "ENOVN109.DAT", "TSKRIV", F::Skriv},
    {10, "Verb, regelbundna, tema (lätt)", 0, "ENGDI10.DAT", "TSKRIV", F::Skriv, "ENOVN110.DAT", "TSKRIV", F::Skriv},
    {11, "Verb, regelbundna, tema (svårare)", 10, "ENGDI11.DAT", "TSKRIV", F::Skriv, "ENOVN111.DAT", "TSKRIV", F::Skriv},
    {12, "Verb, regelbundna, uttal -ed", 0, "ENGDI12.DAT", "TPassAkt", F::Cat, "ENOVN112.DAT", "TPassAkt", F::Cat},
    {13, "Verb, regelbundna, tempus", 0, "ENGDI13.DAT", "TSKRIV", F::Skriv, "ENOVN113.DAT", "TSKRIV", F::Skriv},
    {14, "Be", 0, "ENGDI14.DAT", "TSkrivinf", F::GapS, "ENOVN114.DAT", "TSkrivinf", F::GapS},
    {15, "Do-omskrivning A", 0, "ENGDI15.DAT", "TSkrivinf", F::GapP, "ENOVN115.DAT", "TSkrivinf", F::GapP},
    {16, "Do-omskrivning B", 15, "ENGDI16.DAT", "TSKRIV", F::SkrivReversed, "ENOVN116.DAT", "TSkrivinf", F::GapP},
    {17, "Passivum - \"dela upp\"", 0, "ENGDI17.DAT", "TSkrivinf", F::GapS, "ENOVN117.DAT", "TSKRIV", F::Skriv},
    {18, "Passivum - översätta", 0, "ENGDI18.DAT", "TSKRIV", F::Skriv, "ENOVN118.DAT", "TSkrivinf", F::GapS},
    {19, "Adverb. Känna igen", 0, "ENGDI19.DAT", "TPassAkt", F::Cat, "ENOVN119.DAT", "TPassAkt", F::Cat},
    {20, "Adverb. Bilda adverb", 0, "ENGDI20.DAT", "TSkrivinf", F::GapS, "ENOVN120.DAT", "TSKRIV", F::Skriv},
};

const Synonym kSynonyms[] = {
    {"ben", 22011}, {"bo", 22021}, {"bröst", 22241}, {"båda", 22121}, {"bära", 22031},
    {"då", 22301}, {"ensam", 22221}, {"följa", 22231}, {"gå", 22291}, {"göra", 22111},
    {"hals", 22041}, {"himmel", 22131}, {"historia", 22091}, {"hög", 22051}, {"kanal", 22061},
    {"klocka", 22201}, {"känna", 22191}, {"liten", 22071}, {"låna", 22251}, {"lätt", 22101},
    {"maskin", 22271}, {"mycket", 22181}, {"par", 22171}, {"passa", 22081}, {"sida", 22161},
    {"skugga", 22141}, {"strand", 22261}, {"tak", 22151}, {"tillfälle", 22211}, {"väg", 22281},
};

struct RulePageEntry {
    int number;
    const char* page;
};
const RulePageEntry kRulePages[] = {
    {32010, "R320121.htm"}, {32016, "R32016.htm"},  {34100, "R34011.htm"},
    {34200, "R34021.htm"},  {34300, "R34051.htm"},  {34400, "R34071.htm"},
    {35030, "R350321.htm"}, {35040, "R350421.htm"}, {35051, "R35051.htm"},
    {35070, "R35071.htm"},
    {35100, "R35101.htm"},  {35110, "R35111.htm"},  {35121, "R35121.htm"},
    {35131, "R35131.htm"},  {36100, "R36011.htm"},
};
// A rule number that is the exercise code itself.
constexpr int kOwnCode = -1;
// The rule number each exercise code's rules (or help) button opens.
const CodeRange kRuleNumbers[] = {
    // the synonym exercises, each with a page of its own
    {22010, 22301, kOwnCode},
    // the word-choice exercises with a rule page
    {32016, 32016, 32016},
    {34011, 34011, 34100},
    {34021, 34021, 34100},
    // the two-answer exercises of comparison
    {32010, 32015, 32010},
    // the written-answer exercises
    {35030, 35034, 35030},
    {35050, 35051, 35051},
    {35070, 35073, 35070},
    {35100, 35106, 35100},
    {35110, 35117, 35110},
    {36011, 36012, 36100},
    {36100, 36100, 36100},
    // the gap-filling exercises
    {31060, 31060, 31060},
    {31061, 31061, 31061},
    {34041, 34041, 34100},
    {34100, 34100, 34100},
    {34051, 34051, 34300},
    {34300, 34300, 34300},
    {34061, 34061, 34400},
    {34400, 34400, 34400},
    {35040, 35049, 35040},
    {35120, 35121, 35121},
    {35130, 35131, 35131},
    {36013, 36015, 36100},
};

// The written-answer form's rules button, shown from the start and with every item.
const CodeRange kRulesAtStart[] = {
    {35031, 35034, 1}, {35051, 35051, 1}, {36100, 36100, 1}, {36200, 36200, 1},
    {37100, 37100, 1}, {37200, 37200, 1}, {37300, 37300, 1},
};
const CodeRange kRulesWithItem[] = {
    {35030, 35034, 1}, {35071, 35073, 1}, {35101, 35106, 1}, {35111, 35117, 1},
    {36012, 36012, 1},
};
constexpr int kHelpButtonCode = 35051; // "Tampen": the button says "&Help"

// The word-choice form: the rules button, the large sentence and the a/an explanations.
const CodeRange kWordChoiceRules[] = {
    {22011, 22301, 1}, {32016, 32016, 1}, {34011, 34011, 1}, {34021, 34021, 1}};
const CodeRange kWordChoiceLarge[] = {{22011, 22301, 1}, {31011, 31011, 1}, {32016, 32016, 1},
                                      {34011, 34011, 1}, {34021, 34021, 1}, {37011, 37017, 1}};
constexpr int kArticleCode = 31011;

const CodeRange kSwedishCaptions[] = {
    {35031, 35031, 1}, {35112, 35112, 1}, {35113, 35114, 1}, {35116, 35116, 1}};

// The gap-filling form. Codes whose item has a prompt line above the gap sentence (every
// code of the form not listed as sentence only).
const CodeRange kGapSentenceOnly[] = {
    {14, 14, 1},       {17, 17, 1},       {20, 20, 1},       {114, 114, 1},
    {118, 118, 1},     {31021, 31021, 1}, {31031, 31031, 1}, {31061, 31061, 1},
    {31091, 31091, 1}, {32015, 32015, 1}, {34031, 34071, 1}, {35042, 35042, 1},
    {35045, 35046, 1}, {35081, 35082, 1}, {35107, 35109, 1}, {35117, 35117, 1},
    {35121, 35121, 1}, {35131, 35131, 1}, {36013, 36015, 1}, {37021, 37021, 1},
    {38011, 38011, 1}, {39011, 39012, 1}, {41051, 41051, 1},
};
// Codes whose gap exercise offers no lamp.
const CodeRange kGapNoLamp[] = {
    {20, 20, 1},       {31021, 31021, 1}, {34041, 34041, 1}, {34043, 34050, 1},
    {34052, 34070, 1}, {35042, 35042, 1}, {35107, 35109, 1}, {35111, 35117, 1},
    {35121, 35121, 1},
};
// Codes whose gap exercise shows the rules button (in practice rounds).
const CodeRange kGapRules[] = {
    {31061, 31061, 1}, {32015, 32015, 1}, {34041, 34041, 1}, {34051, 34051, 1},
    {34061, 34061, 1}, {35041, 35049, 1}, {35101, 35106, 1}, {35111, 35117, 1},
    {35121, 35121, 1}, {35131, 35131, 1}, {36013, 36015, 1},
};

// The category-choice form.
const CodeRange kCategoryLargeType[] = {
    {12, 12, 1},       {19, 19, 1},       {112, 112, 1},     {119, 119, 1},
    {24011, 24011, 1}, {31073, 31074, 1}, {32011, 32011, 1}, {32016, 32016, 1},
    {35011, 35011, 1}, {35032, 35032, 1}, {35041, 35041, 1}, {35111, 35111, 1},
    {36011, 36011, 1},
};
const CodeRange kCategorySwedish[] = {
    {35032, 35032, 1}, {35042, 35042, 1}, {35044, 35044, 1}, {35111, 35111, 1},
    {36011, 36011, 1},
};
const CodeRange kCategoryRulesAtStart[] = {
    {32012, 32016, 1}, {35031, 35034, 1}, {35042, 35049, 1}, {35111, 35117, 1},
    {36011, 36011, 1},
};
const CodeRange kCategoryRulesWithItem[] = {
    {32012, 32016, 1}, {35033, 35034, 1}, {35042, 35049, 1}, {35111, 35117, 1},
    {36011, 36011, 1},
};
const CodeRange kCategoryExplanations[] = {
    {19, 19, int(category::Explanation::MarkedIs)},
    {119, 119, int(category::Explanation::MarkedIs)},
    {36011, 36011, int(category::Explanation::MarkedIs)},
    {112, 112, int(category::Explanation::EdEnding)},
    {35011, 35011, int(category::Explanation::EdEnding)},
    {35041, 35041, int(category::Explanation::TenseIs)},
    {24011, 24011, int(category::Explanation::Rhyme)},
    {31073, 31074, int(category::Explanation::SEnding)},
    {32011, 32011, int(category::Explanation::Syllables)},
    {35032, 35032, int(category::Explanation::ThemeForm)},
    {35044, 35044, int(category::Explanation::MarkedTense)},
    {35111, 35111, int(category::Explanation::Clause)},
};
constexpr int kCategoryTenseCode = 35044;   // field 2 starts with a tense digit
constexpr int kCategoryNoTranslation = 35032;

// Page R31061.htm is reached through the 22001..31999 rule; it is the one such page that
// is not a synonym page.
constexpr int kPlainRulePage = 31061;

// The map fits beside its facts under the title on a 1024x768 screen; the flags are the Union
// Flag at 1:2, as wide as suits the screens of their range (below 700, 700 to 900, wider).
const BritainPicture kBritainPictures[] = {
    {"ENGMAP.BMP", "ENGMAP.SVG", 434, 684},
    {"ENFLAGG1.BMP", "ENFLAGG.SVG", 360, 180},
    {"ENFLAGG2.BMP", "ENFLAGG.SVG", 480, 240},
    {"ENFLAGG3.BMP", "ENFLAGG.SVG", 600, 300},
};

const MainPictureSize kMainSizes[] = {
    // Each fits the picture column beside the menu panel on the smallest screen of its range
    // (640x480, 800x600, 1024x768), where the main window is scaled by 92, 116 and 148 %:
    // (W - 301 * scale) / 2 wide and (H - 20 * scale) / 3 high.
    {"ENGL", 700, 168, 152},
    {"ENGM", 899, 224, 190},
    {"ENGS", INT_MAX, 288, 244},
};

struct SoundEntry {
    int code;
    const char* prefix;
};
const SoundEntry kSounds[] = {
    {24011, "E2411"}, {35011, "E3511"}, {51011, "E5111"},
    {51012, "E5112"}, {52021, "E5221"}, {52022, "E5222"},
};

const BirdSong kBirds[] = {
    {1, "BERGUV.WAV"},    {3, "BLAMES.WAV"},    {4, "BOFINK.WAV"},   {7, "SV_FLUGS.WAV"},
    {10, "GOK.WAV"},      {13, "KATTUGGL.WAV"}, {15, "KOLTRAST.WAV"}, {16, "KORP.WAV"},
    {17, "KRAKA.WAV"},    {22, "RODHAKE.WAV"},  {25, "SKATA.WAV"},   {26, "SPILLKRA.WAV"},
    {28, "SANGLARK.WAV"}, {30, "TALGOXE.WAV"},  {32, "TOFSVIPA.WAV"},
};

// The word lists of the word-list exercise: general lists first, then special lists.
const char* const kGeneralWordLists[] = {
    "A_WORDS",  "B_WORDS",  "C_WORDS",  "TRY_ME_1", "TRY_ME_2", "TRY_ME_3", "TRY_ME_4",
    "DEF_1",    "DEF_2",    "DEF_3",    "DEF_4",    "GLOSOR_1", "GLOSOR_2", "GLOSOR_3",
    "GLOSOR_4", "GLOSOR_5", "MOTSATS",  "2ARD4U_1", "2ARD4U_2", "2ARD4U_3", "2ARD4U_4",
    "2ARD4U_5", "2ARD4U_6",
};
const char* const kSpecialWordLists[] = {
    "BATHROOM", "BEDROOM", "CHEMIST",  "CLOTHES",  "FOOD", "GARDEN",
    "HORSES",   "KITCHEN", "LIVINGRM", "PRTY_GMS", "SHOPS", "WAR",
};

const char* const kBodyPictures[] = {"KROPPEN", "HUVUDET", "HALS", "NJURE",
                                     "MAGE",    "MUN",     "SKELETT"};
// clang-format on

int lookup(std::span<const CodeRange> table, int code, int fallback = 0)
{
    for (const CodeRange& r : table) {
        if (code >= r.first && code <= r.last)
            return r.value;
    }
    return fallback;
}

QByteArray threeDigits(int n)
{
    return QByteArray::number(n).rightJustified(3, '0');
}

} // namespace

const char* formatName(Format format)
{
    switch (format) {
    case F::Skriv:
        return "SKRIV";
    case F::SkrivReversed:
        return "SKRIV reversed";
    case F::Skriv2A:
        return "SKRIV2-A";
    case F::Skriv2B:
        return "SKRIV2-B";
    case F::GapS:
        return "GAP-S";
    case F::GapP:
        return "GAP-P";
    case F::Dict:
        return "DICT";
    case F::Body:
        return "BODY";
    case F::Clock:
        return "CLOCK";
    case F::Xact:
        return "XACT";
    case F::FiveType:
        return "FIVE-TYPE";
    case F::WordList:
        return "WORDLIST";
    case F::WordPairs:
        return "WORDPAIRS";
    case F::Cat:
        return "CAT";
    case F::Word:
        return "WORD";
    case F::Read:
        return "READ";
    case F::Picq:
        return "PICQ";
    case F::Be:
        return "BE";
    case F::FiveMc:
        return "FIVE-MC";
    case F::False:
        return "FALSE";
    case F::Duel:
        return "DUEL";
    case F::Reveal:
        return "REVEAL";
    case F::Speed:
        return "SPEED";
    case F::Tell:
        return "TELL";
    case F::StoryGin:
        return "STORYGIN";
    case F::Prank:
        return "PRANK";
    case F::Horo:
        return "HORO";
    case F::Praise:
        return "PRAISE";
    }
    return "?";
}

bool readsItemLines(Format format)
{
    switch (format) {
    case F::Reveal:
    case F::Speed:
    case F::Tell:
    case F::StoryGin:
    case F::Prank:
    case F::Horo:
    case F::WordPairs:
        return false;
    default:
        return true;
    }
}

bool MenuButton::opensMenu() const
{
    return std::strncmp(target, "TF", 2) == 0 && target[2] >= '0' && target[2] <= '9';
}

std::span<const Menu> menus()
{
    return kMenus;
}

const Menu* menu(const char* id)
{
    for (const Menu& m : kMenus) {
        if (std::strcmp(m.id, id) == 0)
            return &m;
    }
    return nullptr;
}

std::span<const DiagnosisSlot> diagnosisSlots()
{
    return kSlots;
}

std::span<const Synonym> synonyms()
{
    return kSynonyms;
}

QByteArray synonymDataFile(int code)
{
    return "eng" + QByteArray::number(code) + ".DAT";
}

QByteArray synonymGateFile(int code)
{
    return "r" + QByteArray::number(code) + ".r01";
}

QList<DataFile> kollaFiles()
{
    QList<DataFile> files;
    for (const Menu& m : kMenus) {
        for (const MenuButton& b : m.buttons) {
            if (b.dataFile)
                files.append({b.dataFile, b.format, b.minItems});
        }
    }
    for (const Synonym& s : kSynonyms)
        files.append({synonymDataFile(s.code), F::Word, classMinimum(F::Word)});
    for (const DiagnosisSlot& s : kSlots)
        files.append({s.testFile, s.testFormat, kDiagnosisItems});
    for (const DiagnosisSlot& s : kSlots)
        files.append({s.practiceFile, s.practiceFormat, kDiagnosisItems});
    return files;
}

QList<DataFile> companionFiles()
{
    // The Five draws its companions with the item order of ENG41031.DAT.
    return {{"eng41032.dat", F::FiveMc, classMinimum(F::FiveMc)},
            {"eng41033.dat", F::FiveType, classMinimum(F::FiveType)}};
}

QList<QByteArray> praiseFiles()
{
    QList<QByteArray> names;
    for (int n = 9001; n <= 9016; ++n)
        names << "REOM" + QByteArray::number(n) + ".LOV";
    return names;
}

QByteArray datfilerContent()
{
    QList<QByteArray> names;
    for (const DataFile& f : kollaFiles())
        names << f.name;
    std::sort(names.begin(), names.end());
    QByteArray out;
    for (const QByteArray& n : names)
        out += n + "\n";
    for (const QByteArray& n : praiseFiles())
        out += n + "\n";
    return out;
}

QByteArray rulePage(int number)
{
    if (number >= 22001 && number <= 31999)
        return "R" + QByteArray::number(number) + ".htm";
    for (const RulePageEntry& e : kRulePages) {
        if (e.number == number)
            return e.page;
    }
    return {};
}

QList<QByteArray> rulePages()
{
    QList<QByteArray> pages;
    for (const Synonym& s : kSynonyms)
        pages << rulePage(s.code);
    pages << rulePage(kPlainRulePage);
    for (const RulePageEntry& e : kRulePages)
        pages << e.page;
    return pages;
}

std::span<const MainPictureSize> mainPictureSizes()
{
    return kMainSizes;
}

QByteArray mainPicturePrefix(int screenWidth)
{
    for (const MainPictureSize& s : kMainSizes) {
        if (screenWidth <= s.maxScreenWidth)
            return s.prefix;
    }
    return kMainSizes[std::size(kMainSizes) - 1].prefix;
}

QByteArray mainPictureFile(const QByteArray& prefix, int number)
{
    return prefix + threeDigits(number) + ".BMP";
}

QByteArray endingPictureFile(int number)
{
    return "ENG" + threeDigits(number) + ".BMP";
}

QByteArray mainPictureSource(int number)
{
    return "SVG\\MAIN" + threeDigits(number) + ".SVG";
}

QByteArray endingPictureSource(int number)
{
    return "SVG\\END" + threeDigits(number) + ".SVG";
}

std::span<const BritainPicture> britainPictures()
{
    return kBritainPictures;
}

const BritainPicture* britainPicture(const QByteArray& file)
{
    for (const BritainPicture& p : kBritainPictures)
        if (file == p.file)
            return &p;
    return nullptr;
}

QByteArray flagPictureFile(int screenWidth)
{
    if (screenWidth < 700)
        return "ENFLAGG1.BMP";
    return screenWidth <= 900 ? "ENFLAGG2.BMP" : "ENFLAGG3.BMP";
}

bool dictationPresentationButtons(int exerciseCode)
{
    return exerciseCode == 51011 || exerciseCode == 51012;
}

QByteArray readingTextFile(const QByteArray& dataFile)
{
    const qsizetype point = dataFile.indexOf('.');
    return (point < 0 ? dataFile : dataFile.left(point)).left(8) + ".LAS";
}

QByteArray soundPrefix(int exerciseCode)
{
    for (const SoundEntry& s : kSounds) {
        if (s.code == exerciseCode)
            return s.prefix;
    }
    return {};
}

QList<int> soundExerciseCodes()
{
    QList<int> codes;
    for (const SoundEntry& s : kSounds)
        codes << s.code;
    return codes;
}

QByteArray itemSoundFile(const QByteArray& prefix, int itemNumber)
{
    return prefix + threeDigits(itemNumber) + ".WAV";
}

std::span<const BirdSong> birdSongs()
{
    return kBirds;
}

QList<MaterialFile> materialFiles()
{
    QList<MaterialFile> files;
    auto data = [&](const QByteArray& name, Format f, int minItems) {
        files.append({"DATA\\" + name, FileKind::Data, f, minItems, 0, 0});
    };
    files.append({"DATA\\datfiler.eng", FileKind::DataList});
    for (const DataFile& f : kollaFiles())
        data(f.name, f.format, f.minItems);
    for (const DataFile& f : companionFiles())
        data(f.name, f.format, f.minItems);
    for (const QByteArray& n : praiseFiles())
        data(n, F::Praise, classMinimum(F::Praise));
    for (const MenuButton& b : kTF61) {
        files.append({"DATA\\" + readingTextFile(b.dataFile), FileKind::Text});
    }
    data("ENG61032.ORD", F::WordPairs, 1);
    files.append({"DATA\\ENGMAN.TXT", FileKind::Text});
    for (const Synonym& s : kSynonyms)
        files.append({"DATA\\" + synonymGateFile(s.code), FileKind::Gate});
    for (const char* n : kGeneralWordLists)
        data(QByteArray(n) + ".re1", F::WordList, classMinimum(F::WordList));
    for (const char* n : kSpecialWordLists)
        data(QByteArray(n) + ".re2", F::WordList, classMinimum(F::WordList));

    for (const MainPictureSize& s : kMainSizes) {
        for (int n = 1; n <= kPictureCount; ++n)
            files.append({"BILD\\" + mainPictureFile(s.prefix, n), FileKind::Picture, F::Skriv, 0,
                          s.width, s.height});
    }
    for (int n = 1; n <= kPictureCount; ++n)
        files.append({"BILD\\" + endingPictureFile(n), FileKind::Picture, F::Skriv, 0,
                      kEndingPictureWidth, kEndingPictureHeight});
    for (const char* n : kBodyPictures)
        files.append({"BILD\\KROPP\\" + QByteArray(n) + ".BMP", FileKind::Picture});
    for (const BritainPicture& p : kBritainPictures)
        files.append(
            {"BILD\\" + QByteArray(p.file), FileKind::Picture, F::Skriv, 0, p.width, p.height});
    files.append({"BILD\\DIPLOMA.BMP", FileKind::Picture});

    for (const BirdSong& b : kBirds)
        files.append({"LJUD\\BIRDS\\" + QByteArray(b.file), FileKind::Sound});
    files.append({"LJUD\\" + QByteArray(kAnthemSound), FileKind::Sound});

    for (const QByteArray& p : rulePages())
        files.append({"REGLER\\" + p, FileKind::Page});
    return files;
}

QList<PerItemFile> perItemFiles()
{
    QList<PerItemFile> list;
    for (const char* menuId : {"TF2132", "TF2133"}) {
        for (const MenuButton& b : menu(menuId)->buttons) {
            if (b.format != F::Picq)
                continue;
            const QByteArray name = b.dataFile;
            const QByteArray folder = name.startsWith("ENG214") ? "BILD\\VAXTER" : "BILD\\DJUR";
            list.append({name, folder, "E" + name.mid(3, 4), 2, 99, FileKind::Picture});
        }
    }
    for (const SoundEntry& s : kSounds) {
        list.append({"ENG" + QByteArray::number(s.code) + ".DAT", "LJUD\\" + QByteArray(s.prefix),
                     s.prefix, 3, 999, FileKind::Sound});
    }
    return list;
}

QList<QByteArray> forbiddenFiles()
{
    // eng0.DAT is what the synonym list opens when nothing is chosen; the teacher password
    // file is created by the program and must stay rewritable.
    return {"DATA\\eng0.DAT", "DATA\\ENG45444.DOT"};
}

// ---- Per exercise code ------------------------------------------------------------------

int answerField(int exerciseCode)
{
    return exerciseCode == 16 ? 1 : 2;
}

int questionField(int exerciseCode)
{
    return answerField(exerciseCode) == 1 ? 2 : 1;
}

int ruleNumberOf(int exerciseCode)
{
    const int number = lookup(kRuleNumbers, exerciseCode);
    return number == kOwnCode ? exerciseCode : number;
}

bool wordChoiceRulesButton(int exerciseCode)
{
    return lookup(kWordChoiceRules, exerciseCode) != 0;
}

int wordChoiceSentencePoints(int exerciseCode)
{
    return lookup(kWordChoiceLarge, exerciseCode) != 0 ? 22 : 14;
}

bool wordChoiceExplainsArticle(int exerciseCode)
{
    return exerciseCode == kArticleCode;
}

bool swedishCaptions(int exerciseCode)
{
    return lookup(kSwedishCaptions, exerciseCode) != 0;
}

bool rulesButtonAtStart(int exerciseCode)
{
    return lookup(kRulesAtStart, exerciseCode) != 0;
}

bool rulesButtonWithItem(int exerciseCode, bool worksheetMode)
{
    if (exerciseCode == kHelpButtonCode)
        return !worksheetMode;
    return lookup(kRulesWithItem, exerciseCode) != 0;
}

bool rulesButtonIsHelp(int exerciseCode)
{
    return exerciseCode == kHelpButtonCode;
}

QByteArray questionPrefix(int exerciseCode)
{
    switch (exerciseCode) {
    case 35102:
        return "Ask me if I ";
    case 35104:
        return "Ask me if he ";
    default:
        return {};
    }
}

bool twoAnswerLayoutA(int exerciseCode)
{
    return exerciseCode == 35031;
}

bool twoAnswerRulesButton(int exerciseCode)
{
    return exerciseCode >= 32011 && exerciseCode <= 32016;
}

bool gapPromptKind(int exerciseCode)
{
    return lookup(kGapSentenceOnly, exerciseCode) == 0;
}

bool gapLampOffered(int exerciseCode)
{
    return lookup(kGapNoLamp, exerciseCode) == 0;
}

bool gapRulesButton(int exerciseCode)
{
    return lookup(kGapRules, exerciseCode) != 0;
}

bool gapFirstAnswerKeepsErrorList(int exerciseCode)
{
    // "Do it, Träning 1": only an item's second gap enters it in the error list or takes it
    // out.
    return exerciseCode == 35101;
}

category::Options categoryOptions(int exerciseCode)
{
    category::Options o;
    o.tenseDigit = exerciseCode == kCategoryTenseCode;
    o.showTranslation = exerciseCode != kCategoryNoTranslation;
    return o;
}

category::Explanation categoryExplanation(int exerciseCode)
{
    return static_cast<category::Explanation>(
        lookup(kCategoryExplanations, exerciseCode, int(category::Explanation::None)));
}

bool categoryLargeType(int exerciseCode)
{
    return lookup(kCategoryLargeType, exerciseCode) != 0;
}

bool categorySwedishCaptions(int exerciseCode)
{
    return lookup(kCategorySwedish, exerciseCode) != 0;
}

bool categoryRulesAtStart(int exerciseCode)
{
    return lookup(kCategoryRulesAtStart, exerciseCode) != 0;
}

bool categoryRulesWithItem(int exerciseCode)
{
    return lookup(kCategoryRulesWithItem, exerciseCode) != 0;
}

bool categoryItemSounds(int exerciseCode)
{
    return exerciseCode == 24011 || exerciseCode == 35011;
}

bool timedHighScore(int exerciseCode)
{
    return (exerciseCode >= 35091 && exerciseCode <= 35096) ||
           (exerciseCode >= 41031 && exerciseCode <= 41033);
}

QString gameTitle(int exerciseCode)
{
    static const char* const kBeLevels[] = {"Am, are, is - Easy",      "Am, are, is - Medium",
                                            "Am, are, is - Difficult", "Was, were - Easy",
                                            "Was, were - Medium",      "Was, were - Difficult"};
    if (exerciseCode >= 35091 && exerciseCode <= 35096)
        return QString::fromLatin1(kBeLevels[exerciseCode - 35091]);
    if (exerciseCode >= 41031 && exerciseCode <= 41033)
        return QStringLiteral("The Five");
    return {};
}

QByteArray bodyPictureFile(int exerciseCode)
{
    if (exerciseCode < 21301 || exerciseCode > 21307)
        return {};
    return "KROPP\\" + QByteArray(kBodyPictures[exerciseCode - 21301]) + ".BMP";
}

QByteArray quizPictureFile(int exerciseCode, int item)
{
    QByteArray folder;
    if (exerciseCode >= 21410 && exerciseCode <= 21440 && exerciseCode % 10 == 0)
        folder = "VAXTER";
    else if (exerciseCode >= 21510 && exerciseCode <= 21550 && exerciseCode % 10 == 0)
        folder = "DJUR";
    if (folder.isEmpty() || item < 1 || item > 99)
        return {};
    return folder + "\\E" + QByteArray::number(exerciseCode / 10) +
           QByteArray::number(item).rightJustified(2, '0') + ".BMP";
}

QByteArray birdSongFile(int exerciseCode, int item)
{
    if (exerciseCode != 21510)
        return {};
    for (const BirdSong& b : kBirds) {
        if (b.item == item)
            return b.file;
    }
    return {};
}

} // namespace vindra::catalogue
