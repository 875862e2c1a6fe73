#pragma once

#include "datafile.h"
#include "diagnosisrecord.h"
#include "highscore.h"
#include "protocolview.h"
#include "random.h"
#include "session.h"
#include "wordlist.h"
#include "worksheet.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <functional>

namespace vindra {

class Clock;
class Messages;
class SoundPlayer;
class TextMeasure;
enum class MessageKind;

/// The directories of the directories file (texts in cp1252, as written there).
struct Directories {
    QByteArray cd;       ///< root of the read-only copy of the material, no trailing "\"
    QByteArray hardDisk; ///< root of the installed copy; every file is looked for here first
    QByteArray results;  ///< directory of the diagnosis register, no trailing "\"
    QByteArray score;    ///< directory of the high-score files; ends with "\" unless empty
};

/// The settings; they start at these defaults at every start.
struct Settings {
    int TIMESHOWINGCORRECTANSWER = 3; ///< seconds the right answer stays visible, 0..9
    int SOUNDS = 1;                   ///< spoken words are played when 1 or 3
    int ENGLANDPICTURES = 1;          ///< pictures are shown when 1 or 3
};

/// Per-file counts of the data file cache, one per position of the data-file list.
struct CacheSlot {
    int itemCount = 0;  ///< 0 = not yet counted since the last engine reset
    int nextDraw = 1;   ///< next draw position of the file's random item order
    int errorCount = 0; ///< entries of this slot in the error list
};

/// One wrongly answered item, kept for a correction round.
struct ErrorEntry {
    quint16 itemNumber = 0;
    int slot = 0;
};

/// The item state of the exercise opened last.
struct ItemState {
    QByteArray currentFileName; ///< at most 12 characters
    int cacheSlot = 0;          ///< 1..200, 0 before the first file
    QByteArray currentItemLine; ///< still scrambled when it is stored so
    quint16 currentItemNumber = 1;
    int reAskedItemNumber = 0;
    std::array<QByteArray, datafile::kMaxFields + 1> fields; ///< fields 1..10
    quint16 alternativesCount = 0;
    quint16 fieldCount = 0;
    quint16 exerciseCode = 0;
    std::array<QByteArray, 4> headerLines; ///< header lines 1..3
    QByteArray instructionLine;
    QByteArray worksheetInstruction;
};

/// The praise-word files named at start-up and their per-file counts (positions 1..20).
struct PraiseFiles {
    QList<QByteArray> names; ///< names()[i - 1] is position i
    std::array<int, 21> lineCount{};
    std::array<int, 21> nextDraw{};
    int index = 0;       ///< position of the praise file in use
    QByteArray fileName; ///< the praise file chosen for the round just ended
};

/// The diagnosis state: the one record in memory and what goes with it.
struct DiagnosisState {
    DiagnosisRecord current;
    int currentSlot = 1;
    bool recordChanged = false;
    /// The current record was made by "New user" and has not been saved yet: its first save
    /// must not replace a record of the same name that was saved meanwhile elsewhere.
    bool newRecord = false;
    QByteArray teacherPassword;
    bool teacherFlag = false;
    /// Set by the protocol's leave button; the main window's "Diagnos" clears it.
    bool diagnosisLeft = false;
    /// The open protocol window, if any: a test result enables and redraws it (the redraw
    /// saves the record while the record-changed flag is set).
    ProtocolView* protocol = nullptr;
};

/// The engine: every service and all the engine-wide state that the forms share. The main
/// window owns the one instance and hands every form a reference to it. GUI-free: it
/// reaches the person only through the Messages adapter it is given.
class Engine {
public:
    /// Item numbers are drawn from a permutation of 1..kPermutationSize.
    static constexpr int kPermutationSize = 1000;
    static constexpr int kCacheSlots = 200;
    static constexpr int kMaxPraiseFiles = 20;
    static constexpr int kMaxErrors = 400;
    static constexpr int kFileNameWidth = 12;

    Engine(Messages& messages, Clock& clock, std::uint32_t seed);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    Messages& messages() { return m_messages; }
    Clock& clock() { return m_clock; }
    Random& random() { return m_random; }

    // ---- Start-up -----------------------------------------------------------------------

    /// The unit start-up, before any window: clears the state, reads the directories file
    /// from `windowsDirectory`, builds the data-file and praise-file lists and resets the
    /// engine over 1..1000. Returns false when the program must end (no DATA directory).
    bool unitStartup(const QString& windowsDirectory);

    /// Reads "Kelvo97.Ini" in `windowsDirectory`. A relative directory value is taken
    /// relative to `windowsDirectory`.
    void readDirectories(const QString& windowsDirectory);

    /// Fills the data-file list (and praise-file list) from "\DATA\datfiler.eng", or scans
    /// the DATA directory for "EN*.DAT". False when the list file is missing and neither
    /// DATA directory exists (the warning has been shown).
    bool buildDataFileList();

    /// Scans the DATA directory for "REOM*.LOV" when the list file named no praise file.
    void buildPraiseFileList();

    /// Rebuilds the permutation over first..last and resets every per-file count, the
    /// error list and the cache slot.
    void engineReset(int first, int last);

    /// The settings at their defaults and the per-start flags of the main window's creation.
    void resetSettings();

    /// Checks the score and results directories at the main window's creation, with the
    /// results directory's fallback to hard-disk directory + "\RESULTAT".
    void checkDirectories();

    /// Screen measurement: the scale from the number of letters "A" (Arial bold, 19 pixels)
    /// that fill the screen width, and the layout unit (width of "L", Arial bold 12 points).
    /// With `screenHeight`, the scale is kept low enough for the main window's menu column
    /// (top bar, menu panel and worksheet sign, 478 pixels unscaled) to fit the screen.
    void Skaltest(int screenWidth, const TextMeasure& measure, int screenHeight = 0);

    // ---- Data files ---------------------------------------------------------------------

    bool Kolla(const QByteArray& name);
    bool Kolla2(const QByteArray& name);
    /// Counts the item lines of a file into a data file cache slot (kind 0) or a praise
    /// file (kind 1), reading its "$" lines; header-only reads just the first six lines.
    void ordantal(const QByteArray& name, int index, int counterKind, bool fullRead);
    void haemtaord(const QByteArray& name, int n);
    void str_postarray(const QByteArray& line);
    /// The error list's operations on the current data file (the numbers of `haemtafel`).
    enum ErrorOperation : int {
        kReAskError = 0,      ///< the oldest error of the file becomes the current item line
        kRemoveError = 1,     ///< that error was answered right in a correction round
        kMoveErrorToBack = 2, ///< it was answered wrong again
        kRecordError = 3,     ///< the current item was answered wrong
    };
    void haemtafel(const QByteArray& name, int operation);
    /// The current data file's cache slot, or null before a file is chosen.
    CacheSlot* currentCacheSlot();
    const CacheSlot* currentCacheSlot() const;
    static quint16 GeProgramtal(const QByteArray& name) { return datafile::GeProgramtal(name); }
    static void kryptrad(const QByteArray& line, QByteArray& result);
    static void dekryptrad(const QByteArray& line, QByteArray& result);

    /// Sets the current data file name (cut to 12 characters).
    void setCurrentFileName(const QByteArray& name);

    /// The local path of a material file: hard-disk directory + `relative` when that file
    /// exists, else CD directory + `relative` (`relative` begins with "\").
    QString materialPath(const QByteArray& relative) const;
    /// The local path of directory + `relative`, for any cp1252 directory.
    static QString localPath(const QByteArray& directory, const QByteArray& relative);

    /// Shows a message whose text is given in cp1252.
    void message(MessageKind kind, const QByteArray& text);
    /// "Filen " + name + " finns inte eller är felaktig"
    void fileError(const QByteArray& name);

    // ---- Answer checking and text utilities ---------------------------------------------

    static constexpr quint16 kAnswerRight = 0;
    static constexpr quint16 kAnswerEmpty = 6000;
    static constexpr quint16 kAnswerWrong = 60000;

    /// Gives the engine the measurement of text widths that `dela_mening` uses (Arial bold
    /// at a size in points). Not owned. Without one, widths are estimated at 10 pixels a
    /// character at 12 points.
    void setTextMeasure(const TextMeasure* measure) { m_measure = measure; }

    /// Checks a typed answer. The candidates are `right` and then the alternatives of the item
    /// split last by `str_postarray`, taken from the end of the line. Blanks are cleaned and
    /// one punctuation mark ("!", ",", ".", "?", diaeresis, soft hyphen) is stripped from each
    /// end of both texts; the typed text keeps its stripping for the next candidate. Mode 1
    /// compares letter for letter, mode 3 in cp1252 capitals. In both modes the acute and
    /// grave accents and the typographic single quotes count as the apostrophe, so "I´m" and
    /// "I’m" are "I'm". Returns kAnswerRight, kAnswerEmpty (nothing typed; not in exercise
    /// 31021, where an empty answer is checked) or kAnswerWrong.
    quint16 svarstest(const QByteArray& right, const QByteArray& typed, int mode) const;

    /// The answer check of one of two answers to an item (the two-answer form): the
    /// candidates are `right` and the alternatives of the current item, where an alternative
    /// written "first/second" offers its `part` (1 or 2) and one without "/" offers itself.
    /// Compared as `svarstest` compares.
    quint16 svarstestPart(const QByteArray& right, const QByteArray& typed, int part,
                          int mode) const;

    /// The lamp: 1 when `typed` (one leading blank dropped) is a beginning of `right` or of
    /// one of the current item's alternatives (or the field before them); 2 otherwise and
    /// for an empty text. `mode` is the comparison mode of the form's answer check, whose
    /// rules the lamp follows: letter case counts in mode 1 and not in mode 3, and the
    /// apostrophe look-alikes count as the apostrophe in both.
    quint8 GreenRedTest(QByteArray typed, const QByteArray& right, int mode = 1) const;

    /// `text` without leading and trailing blanks and with every run of blanks made one.
    /// Only code 32 counts as a blank.
    static void MellanslagBort(const QByteArray& text, QByteArray& result);

    /// Splits `text` at every "<" and ">" into `markedParts` 1..5 (the markers are dropped).
    /// Text after a fifth marker stays in part 5.
    void LetaPrep(const QByteArray& text);

    /// Splits `text` into `sentenceLines` 1..maxLines (at most 3) that fit right - left pixels
    /// in the test label's font: Arial bold, 22 points for exercise codes 22011..22301, 18 for
    /// 61051..61112, 14 otherwise, 8 while `captionFlag` is set (the call clears it). Lines
    /// break after a blank, ",", "-", "." or ">", never inside a "<...>" marker when the
    /// marker can start the line; text beyond the last line is not placed. A text without a
    /// usable break gives its longest fitting beginning on line 1 and the rest on line 2.
    void dela_mening(int left, int right, const QByteArray& text, int maxLines);

    std::array<QByteArray, 6> markedParts{};   ///< parts 1..5 filled by `LetaPrep`
    std::array<QByteArray, 4> sentenceLines{}; ///< lines 1..3 filled by `dela_mening`
    bool captionFlag = false; ///< set by the main window before splitting a picture caption

    // ---- Random draws, praise words, pictures and sounds --------------------------------

    static constexpr int kPictures = 26;

    /// The item at position `position` of the cache slot's random item order: the
    /// position-th entry of the permutation that is at most the slot's item count (the last
    /// such entry when `position` is beyond them). Advances the slot's next draw position,
    /// wrapping to 1 after the item count. 0 for an empty or unknown slot.
    int haemta_slumptal(int position, int cacheSlot);

    /// The same draw over a data file that is read beside another and never passed to
    /// `Kolla` (The Five's companions): its items are counted on first use, and it keeps a
    /// draw position of its own, so every file is drawn over all its own items. 0 when the
    /// file has no item line.
    int drawCompanion(const QByteArray& name);

    /// The same draw over the lines of praise file `praiseIndex` (1..20).
    int haemta_Lovordslumptal(int position, int praiseIndex);

    /// Chooses "REOM9001.LOV" … "REOM9016.LOV" for a round with `rightCount` right answers
    /// out of `sessionLength`, from the pupil's name and the diagnosis result of the current
    /// exercise's slot; stores it in `praise.fileName` and returns it.
    QByteArray HaemtaLovordFilNamn(int rightCount, int sessionLength);

    /// Finds `name` in the praise-file list (without regard to letter case; a name that is
    /// not listed takes the last position), sets `praise.index`, counts the file's lines on
    /// first use and returns true when it has praise lines. `praise.fileName` becomes the
    /// listed name of that position, the file to read the line from.
    bool KollaLovOrd(const QByteArray& name);

    /// Replaces "<namn>", "<diagnos>" and "<res>" (the pupil's name, the diagnosis slot of
    /// the current exercise and its result) and removes every ">".
    void LovordMen(const QByteArray& text, QByteArray& result) const;

    /// The diagnosis slot (1..20) of an exercise code, 0 when it has none.
    static int diagnosisSlotOf(quint16 exerciseCode);
    /// The current diagnosis record's result of `slot`; 0 for slot 0.
    int diagnosisResultOf(int slot) const;

    /// The next ending picture (1..26) of the order built on first use after the main
    /// window's creation; sets `pictureCaption` from the ending table.
    int haemta_Bildslumptal();

    /// Caption of main-window picture `picture` (1..26); empty for any other number.
    static QByteArray mainWindowCaption(int picture);
    /// Caption of ending picture `picture` (1..26); picture 25 names the cricket scene only
    /// on screens at least 700 pixels wide.
    static QByteArray endingCaption(int picture, int screenWidth);

    /// Gives the engine the main window's sound player (not owned; may be null: no sound).
    /// Errors the player reports later are shown in an error box.
    void setSoundPlayer(SoundPlayer* player);
    SoundPlayer* soundPlayer() const { return m_sound; }

    /// Plays LJUD\<sound prefix>\`name` (LJUD\`name` without a prefix) from the hard-disk
    /// directory, else the CD directory, without waiting; a missing file is reported in an
    /// information box, a file the player refuses with the player's text in an error box.
    void SpelaUppWavLjud(const QByteArray& name);
    /// Stops the sound that is playing, if any.
    void stopSound();

    /// Sets `soundPrefix` from the current exercise code; other codes keep the prefix.
    void GeLjudDirectory();

    std::array<int, 51> pictureOrder{}; ///< positions 1..26 used
    QByteArray pictureCaption;          ///< caption of the ending picture drawn last
    int screenWidth = 0;                ///< pixels, set by the main window
    QByteArray soundPrefix;             ///< folder of LJUD for the current exercise

    // ---- Diagnosis: slot states and results ---------------------------------------------

    /// The state of diagnosis slot `slot` (1..20) computed from the current diagnosis record;
    /// sets the state of the slot's follower when `slot` is a chain head. The caller stores
    /// the answer.
    quint8 GeStatusTal(int slot);

    /// Records `value` right answers as the test result of the current diagnosis slot: result,
    /// state (a 0 after a positive result means "Practise" with result 0), the clock's date
    /// and time; sets the record-changed flag and lets the protocol redraw (and save).
    void diagnosback(int value);

    // ---- Engine-wide state (read and written by the forms) -------------------------------

    Directories dirs;
    Settings settings;
    ItemState item;
    SessionState session;
    DiagnosisState diagnosis;
    QList<QByteArray> dataFiles;                    ///< dataFiles[i - 1] is position i (1..200)
    std::array<CacheSlot, kCacheSlots + 1> cache{}; ///< slots 1..200
    QList<ErrorEntry> errors;                       ///< oldest first, at most 400
    PraiseFiles praise;
    /// Item counts and draw positions of the companion files, by name in capitals.
    QHash<QByteArray, CacheSlot> companionCache;
    Worksheet worksheet; ///< the collected worksheet and its numbering
    WordLists wordLists; ///< the word lists' counts and errors, kept for the run
    std::array<int, kPermutationSize + 1> permutation{}; ///< positions 1..1000

    QByteArray rulePageName; ///< the rule page shown last; kept between openings

    /// The new high-score entry, its list and title, filled in by the game that opens the
    /// high-score window.
    HighScoreState highScore;
    /// The players' names of the games, kept for the run (cp1252, at most 20 characters);
    /// the first is the pupil's name that Your words and every game offer again.
    std::array<QByteArray, 3> playerNames{};
    static constexpr int kPlayerNameLength = 20;
    /// The local path of a game's high-score list: the score directory + the data file name
    /// without its extension + ".ENR", or, without a score directory, the hard-disk
    /// directory + "\RESULTAT\" + that name.
    QString highScorePath(const QByteArray& dataFileName) const;
    /// The local path of high-score list `fileName` in the score directory (or, without
    /// one, in the hard-disk directory's "\RESULTAT").
    QString scoreListPath(const QByteArray& fileName) const;

    int screenScale = 100; ///< percent
    int layoutUnit = 0;    ///< pixels

    bool scoreDirectoryUsable = true;
    bool highScoreFirstDisplay = true;
    bool pictureOrderBuilt = false;
    int picturePosition = 1;
    int pictureCount = 26;

private:
    int slotOf(const QByteArray& name) const;
    bool readFile(const QByteArray& name, QByteArray& content, bool reportAsCd);
    /// Reads lines until item line `n` is in the current item line; false when the file
    /// cannot be opened.
    bool readItemLine(const QByteArray& name, int n);
    QString dataFilePath(const QByteArray& name) const;

    Messages& m_messages;
    Clock& m_clock;
    Random m_random;
    const TextMeasure* m_measure = nullptr;
    SoundPlayer* m_sound = nullptr;
};

} // namespace vindra
