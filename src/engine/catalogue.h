#pragma once

#include "categoryitem.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <span>

/// The catalogue: every menu window with its buttons, the diagnosis slots, the synonym
/// exercises, the rule-page table and the naming rules of pictures and sounds. It is the one
/// place these facts are written down; the menu windows, the data-file list `datfiler.eng`
/// and the material checker all read it. Texts shown to the pupil (titles, captions,
/// subjects, words) are UTF-8 here; file names are ASCII in the program's own spelling.
namespace vindra::catalogue {

/// The layout class of a data file: which fields an item line has and what the form that
/// reads it demands of them.
enum class Format {
    Skriv,         ///< question # answer [# &alternatives]
    SkrivReversed, ///< answer # question shown (diagnosis test 16)
    Skriv2A,       ///< question # first answer # second answer # help text
    Skriv2B,       ///< question # first answer # second answer # Swedish gloss
    GapS,          ///< gap sentence (1 or 2 "<answer>" gaps) # help # help [# &alternatives]
    GapP,          ///< prompt # gap sentence # help # help [# &alternatives]
    Dict,          ///< word # (unused) # help text
    Body,          ///< question # answer [# &alternatives]
    Clock,         ///< the time in words, exactly 144 items in order
    Xact,          ///< level number directly followed by task # answer; kept plain
    FiveType,      ///< Swedish verb # English answer
    WordList,      ///< word # answer [# &alternatives]; "$" lines within the first five
    WordPairs,     ///< every line an entry: English word # translation (horoscope word list)
    Cat,           ///< word or sentence # right choice # further choices [# !translation]
    Word,          ///< sentence with one "<word>" marked
    Read,          ///< question # right answer # wrong alternative [# wrong alternative]
    Picq,          ///< right name # wrong # [wrong] # Swedish name; one picture per item
    Be,            ///< sentence with one "<word>" gap
    FiveMc,        ///< question # right choice # further choices [# !translation]
    False,         ///< "word = translation" # "sant" or not # correct translation
    Duel,          ///< noun ending in s # "z" or not
    Reveal,        ///< stories of rows, each ended by a line "#"
    Speed,         ///< texts, each ended by a line "#"
    Tell,          ///< story starters, each ended by a line "#"
    StoryGin,      ///< three sections separated by lines "#"
    Prank,         ///< stories, each from a "$Title" line to a line "#"
    Horo,          ///< sentence lines at fixed line numbers
    Praise,        ///< praise lines, no "$" lines
};

/// The name of a format class as the authoring notes write it ("SKRIV", "GAP-S", …).
const char* formatName(Format format);

/// True for the classes whose forms read the file through the item-line reader, so that
/// the "$" lines must stand within the first six lines.
bool readsItemLines(Format format);

/// What the forms can show of one item: the limits a data file of a format must keep to.
/// The forms lay out at most this much and the material checker enforces it.
namespace limits {
constexpr int kAnswerBoxLength = 45;    ///< characters of the written-answer form's answer box
constexpr int kChoices = 7;             ///< choice buttons of a category or multiple-choice line
constexpr int kChoiceLength = 30;       ///< characters of one choice
constexpr int kWordButtons = 12;        ///< different marked words of a word-choice file
constexpr int kBeWords = 8;             ///< different marked words of a be-game file
constexpr int kXactItemsPerLevel = 120; ///< items of one level of the number game
constexpr int kSpeedTextLines = 29;     ///< lines of one reading-speed text
constexpr int kHoroscopeLines = 356;    ///< lines of the horoscope text (fixed line numbers)
} // namespace limits

// ---- Per exercise code ------------------------------------------------------------------
// Facts that depend on the exercise code (the trailing digits of the data file's name),
// read by the forms, the material tools and the tests.

/// A run of exercise codes first..last and what it maps to.
struct CodeRange {
    int first;
    int last;
    int value;
};

/// The item field that holds the right answer: 2, or 1 where the direction is reversed
/// (the diagnosis test of slot 16 shows field 2 and expects field 1).
int answerField(int exerciseCode);
/// The field shown as the question: the other of fields 1 and 2.
int questionField(int exerciseCode);

/// The rule page number the rules (or help) button opens for an exercise code, 0 for none.
int ruleNumberOf(int exerciseCode);

/// Button-bar and rules-button captions in Swedish instead of English.
bool swedishCaptions(int exerciseCode);

/// The written-answer form's rules button: shown from the start of the exercise.
bool rulesButtonAtStart(int exerciseCode);
/// The written-answer form's rules button: shown with every item (outside worksheet mode
/// for the "&Help" exercise, which shows it from the start too).
bool rulesButtonWithItem(int exerciseCode, bool worksheetMode);
/// The written-answer form's rules button is captioned "&Help" instead of "&Rules".
bool rulesButtonIsHelp(int exerciseCode);
/// Text put before the question's first line ("Ask me if I "), empty for none.
QByteArray questionPrefix(int exerciseCode);

/// The word-choice form's rules button is shown (outside worksheet mode).
bool wordChoiceRulesButton(int exerciseCode);
/// Points of the word-choice form's sentence: 22 for its own exercises, 14 otherwise.
int wordChoiceSentencePoints(int exerciseCode);
/// The word-choice form explains a wrong "a" / "an" by the number in field 2.
bool wordChoiceExplainsArticle(int exerciseCode);

/// The two-answer form's layout A (help text, Swedish captions, lamp offered); others use
/// layout B (Swedish gloss).
bool twoAnswerLayoutA(int exerciseCode);
/// The two-answer form's rules button is shown.
bool twoAnswerRulesButton(int exerciseCode);

/// The gap-filling form: field 1 is a prompt line and field 2 the gap sentence (when field 2
/// is empty, field 1 is the sentence); otherwise field 1 is the gap sentence.
bool gapPromptKind(int exerciseCode);
/// The gap-filling form offers the help lamp.
bool gapLampOffered(int exerciseCode);
/// The gap-filling form shows its rules button (in practice rounds).
bool gapRulesButton(int exerciseCode);
/// The gap-filling form: the answer to the first gap never changes the error list.
bool gapFirstAnswerKeepsErrorList(int exerciseCode);

/// The dictation form shows its presentation buttons and the lamp (the two dictations; the
/// alphabet exercises only speak).
bool dictationPresentationButtons(int exerciseCode);
/// The reading text of a read-and-answer data file: its name up to the point (at most eight
/// characters) and ".LAS" ("ENG61051.DAT" gives "ENG61051.LAS").
QByteArray readingTextFile(const QByteArray& dataFile);
/// The category-choice form: how a line is read (a tense digit in field 2; the "!"
/// translation shown or not).
category::Options categoryOptions(int exerciseCode);
/// The category-choice form: what is explained after a wrong answer.
category::Explanation categoryExplanation(int exerciseCode);
/// The category-choice form: large type (22-point question, 20-point buttons) instead of 14.
bool categoryLargeType(int exerciseCode);
/// The category-choice form: button bar and rules button in Swedish.
bool categorySwedishCaptions(int exerciseCode);
/// The category-choice form's rules button: shown when the form opens (outside worksheet
/// mode), and shown again with every item.
bool categoryRulesAtStart(int exerciseCode);
bool categoryRulesWithItem(int exerciseCode);
/// The category-choice form speaks the item after a wrong answer and on F2.
bool categoryItemSounds(int exerciseCode);
/// High-score lists: the games whose lists hold times in tenths of a second, lower first
/// (the be-game's levels and The Five); every other list holds points, higher first.
bool timedHighScore(int exerciseCode);
/// The title of a game's level or of its high-score list ("Am, are, is - Easy", "The Five"),
/// empty for codes without one (a word list is titled by its own name).
QString gameTitle(int exerciseCode);

/// The picture exercises. The body picture of a body exercise (21301..21307) under BILD,
/// "KROPP\KROPPEN.BMP"; empty for any other code.
QByteArray bodyPictureFile(int exerciseCode);
/// The picture of item `item` of a picture quiz: folder "VAXTER" (21410..21440) or "DJUR"
/// (21510..21550), "E" + the code's first four digits + the item number in two digits +
/// ".BMP" ("VAXTER\E214107.BMP"); empty for another code or an item outside 1..99.
QByteArray quizPictureFile(int exerciseCode, int item);
/// The bird song of item `item` of the birds exercise (21510), in LJUD\BIRDS; empty for
/// another code or an item without a song.
QByteArray birdSongFile(int exerciseCode, int item);
/// The sound folder the bird songs are played from.
inline constexpr char kBirdSongPrefix[] = "BIRDS";

/// A button of a menu window (the closing button is not listed).
struct MenuButton {
    const char* caption;    ///< UTF-8, exactly as shown
    const char* target;     ///< a form class ("TSKRIV") or a menu id ("TF31")
    const char* dataFile;   ///< set before `Kolla`; nullptr when none
    int exerciseCode;       ///< the word-list code 1001 / 1002 set instead of a file; else 0
    bool worksheetDisabled; ///< disabled in worksheet mode
    Format format;          ///< format of `dataFile` (meaningless without one)
    int minItems;           ///< items a round needs without repeats (0 without a file)

    /// True when the target is a menu window ("TF" and a digit).
    bool opensMenu() const;
};

/// A menu window `TF1` … `TF61`.
struct Menu {
    const char* id;    ///< class name and object name, "TF31"
    const char* title; ///< UTF-8
    std::span<const MenuButton> buttons;
    const char* closeCaption; ///< "Till föregående meny", "Till huvudmenyn" in TF1
    bool keepsDesign;         ///< keeps its designed layout and colour at creation
};

/// Every menu window, TF1 first, parents before their sub-menus.
std::span<const Menu> menus();

/// The menu with this id, or nullptr.
const Menu* menu(const char* id);

/// A diagnosis slot 1..20: its subject and the test and practice programs.
struct DiagnosisSlot {
    int slot;
    const char* subject;  ///< UTF-8, at most 40 characters
    int waitsFor;         ///< the slot it waits for (chain head), 0 when none
    const char* testFile; ///< "ENGDI" + nn + ".DAT"
    const char* testForm;
    Format testFormat;
    const char* practiceFile; ///< "ENOVN1" + nn + ".DAT"
    const char* practiceForm;
    Format practiceFormat;
};

/// The diagnosis test and practice programs need this many items.
constexpr int kDiagnosisItems = 20;

/// Slots 1..20 in order.
std::span<const DiagnosisSlot> diagnosisSlots();

/// A synonym exercise of the synonym list, in list order.
struct Synonym {
    const char* word; ///< UTF-8, as listed
    int code;         ///< exercise code; files eng<code>.DAT, r<code>.r01, R<code>.htm
};
std::span<const Synonym> synonyms();
QByteArray synonymDataFile(int code); ///< "eng22051.DAT"
QByteArray synonymGateFile(int code); ///< "r22051.r01"

/// A data file passed to `Kolla`, with its class and the items a round needs.
struct DataFile {
    QByteArray name; ///< the program's spelling
    Format format;
    int minItems;
};

/// The 197 data files passed to `Kolla`: menu files in menu order, the synonym files, then
/// the diagnosis test and practice files.
QList<DataFile> kollaFiles();

/// The further data files read beside another (never passed to `Kolla`).
QList<DataFile> companionFiles();

/// "REOM9001.LOV" … "REOM9016.LOV".
QList<QByteArray> praiseFiles();

/// The lines of `DATA\datfiler.eng`: every `Kolla` file in ascending byte order, then the
/// praise files; each ends with LF.
QByteArray datfilerContent();

/// The page file of a rule page number, or an empty name when the number has no page (the
/// rule window then keeps the page it had).
QByteArray rulePage(int number);

/// Every rule page file of the table and of the synonym exercises (45 names).
QList<QByteArray> rulePages();

// ---- Pictures ---------------------------------------------------------------------------

constexpr int kPictureCount = 26;

/// A size class of the main-window pictures.
struct MainPictureSize {
    const char* prefix; ///< "ENGL", "ENGM", "ENGS"
    int maxScreenWidth; ///< widest screen that uses it (INT_MAX for the last)
    int width;          ///< size the pictures are built at
    int height;
};
std::span<const MainPictureSize> mainPictureSizes();

/// The prefix by screen width: at most 700 pixels "ENGL", 701 to 899 "ENGM", else "ENGS".
QByteArray mainPicturePrefix(int screenWidth);
/// prefix + three-digit number + ".BMP" ("ENGM007.BMP").
QByteArray mainPictureFile(const QByteArray& prefix, int number);
/// "ENG" + three-digit number + ".BMP" ("ENG026.BMP").
QByteArray endingPictureFile(int number);
/// The SVG sources laid out beside the bitmaps ("SVG\MAIN007.SVG", "SVG\END007.SVG"). On a
/// screen wider than the bitmaps are made for, or a high-density one, pictures are drawn from
/// them at the size the screen needs.
QByteArray mainPictureSource(int number);
QByteArray endingPictureSource(int number);
/// The widest screen the built main-window and ending bitmaps are made for.
constexpr int kLargestBitmapScreenWidth = 1024;
/// Size the ending pictures are built at; the exercise forms scale them keeping the aspect.
constexpr int kEndingPictureWidth = 580;
constexpr int kEndingPictureHeight = 350;

// ---- Sounds -----------------------------------------------------------------------------

/// The sound folder of an exercise code ("E5111" for 51011), empty when it has none.
QByteArray soundPrefix(int exerciseCode);
/// The exercise codes that have a sound folder.
QList<int> soundExerciseCodes();
/// prefix + three-digit item number + ".WAV" ("E5111007.WAV").
QByteArray itemSoundFile(const QByteArray& prefix, int itemNumber);

/// A bird song of the birds exercise: played for item `item` of ENG21510.DAT.
struct BirdSong {
    int item;
    const char* file; ///< in LJUD\BIRDS
};
std::span<const BirdSong> birdSongs();

// ---- Britain: map, flag and anthem -------------------------------------------------------

/// A picture of the Britain windows: a bitmap built at a fixed size from an SVG source, which
/// is laid out beside the bitmaps as BILD\SVG\<source> and drawn from on screens larger than
/// the bitmaps are made for.
struct BritainPicture {
    const char* file;   ///< in BILD ("ENGMAP.BMP")
    const char* source; ///< "ENGMAP.SVG"; the three flags share one source
    int width;
    int height;
};
std::span<const BritainPicture> britainPictures();
/// The Britain picture of that file name, or null.
const BritainPicture* britainPicture(const QByteArray& file);
/// The map of the United Kingdom.
inline constexpr char kMapPicture[] = "ENGMAP.BMP";
/// The flag picture by screen width: below 700 pixels "ENFLAGG1.BMP", 700 to 900
/// "ENFLAGG2.BMP", wider "ENFLAGG3.BMP".
QByteArray flagPictureFile(int screenWidth);
/// The anthem, directly in LJUD.
inline constexpr char kAnthemSound[] = "ENGLAND.WAV";

// ---- The whole material --------------------------------------------------------------

/// What a material file is, for the checker.
enum class FileKind {
    DataList, ///< datfiler.eng
    Data,     ///< an item-line or text file of `format`
    Text,     ///< a text read as it is (reading texts, manual)
    Gate,     ///< only opened (synonym rule gates)
    Picture,  ///< a bitmap; `width`/`height` when its size is fixed
    Sound,    ///< a WAV file
    Page,     ///< a rule page
};

struct MaterialFile {
    QByteArray path; ///< relative to a material root, "\" separated ("DATA\ENG31051.DAT")
    FileKind kind;
    Format format = Format::Skriv; ///< for Data
    int minItems = 0;              ///< for Data
    int width = 0;                 ///< for Picture, 0 = any size
    int height = 0;
};

/// Every file of fixed name the program can open from a material root (467 files).
QList<MaterialFile> materialFiles();

/// A file needed once per item of a data file.
struct PerItemFile {
    QByteArray dataFile; ///< the data file whose items count
    QByteArray folder;   ///< "BILD\VAXTER" or "LJUD\E2411"
    QByteArray stem;     ///< "E2141" or "E2411"
    int digits;          ///< width of the item number
    int maxItem;         ///< highest item number that has a file
    FileKind kind;
};
QList<PerItemFile> perItemFiles();

/// Names the program must never find in the material root.
QList<QByteArray> forbiddenFiles();

} // namespace vindra::catalogue
