#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <array>

/// The word lists of "Your words": text files in the data-file line syntax, general lists
/// ("*.re1") and special lists ("*.re2") in the DATA folders, each asked word by word in a
/// random order of its own, with errors kept for correction rounds over the whole run.
///
/// A list is known by its key, the kind and the short name in capitals, never by its place in
/// a listing: a general and a special list of one short name, or a list whose place changes
/// because a file was added, never share counts, draw positions or errors, and there is no
/// fixed number of lists.
namespace vindra::wordlist {

enum class Kind {
    General, ///< "Allmänna glosor", exercise code 1001, "*.re1"
    Special, ///< "Speciella glosor", exercise code 1002, "*.re2"
};

constexpr quint16 kGeneralCode = 1001;
constexpr quint16 kSpecialCode = 1002;
/// The exercise code while a list is asked: no exercise's own rules apply to a word list.
constexpr quint16 kListCode = 1000;
/// Lines at the top of a list that may carry "$" lines.
constexpr int kHeaderLines = 5;
/// The longest list name kept for the list panel and the high-score title.
constexpr int kListNameWidth = 50;

/// The kind a menu's exercise code opens (1002 special, anything else general).
Kind kindOfCode(int exerciseCode);
/// "re1" or "re2": the extension, without its dot.
QByteArray extension(Kind kind);
/// The header lines 1 and 2 the form draws for the kind.
QByteArray headerLine2(Kind kind);

/// A file's name without its extension (the last four characters, dot included).
QByteArray shortName(const QByteArray& fileName);
/// The long name shown for a short name; the lookup ignores letter case and a name outside
/// the table is shown as it is.
QByteArray longName(const QByteArray& shortName);
/// The list panel's text for a long name: "Too hard for you " + the eighth character for the
/// names beginning "2ARD4U", the name itself otherwise.
QByteArray panelText(const QByteArray& longName);
/// The key of a list's tables and errors.
QByteArray keyOf(Kind kind, const QByteArray& fileName);
/// The file name of a list's high-score list: the short name in capitals + ".ENR" for a
/// general list and + ".EN2" for a special one, so that two lists of one short name never
/// share a list.
QByteArray scoreFileName(Kind kind, const QByteArray& fileName);

/// The lists of a kind: the hard-disk folder's files first, then those of the CD folder not
/// already listed (letter case ignored), sorted by name without regard to letter case, so
/// that every machine shows them in one order. Either folder may be missing.
QList<QByteArray> listFiles(const QString& hardDiskData, const QString& cdData, Kind kind);

/// What reading a list's bytes gives: its item lines counted as the data files count them,
/// and the "$" lines among its first five lines.
struct Contents {
    int itemCount = 0;
    datafile::Headers headers;
};
Contents read(const QByteArray& bytes);
/// Item line `n` (1-based) of a list's bytes, still scrambled when stored so; empty when the
/// list has fewer item lines.
QByteArray itemLine(const QByteArray& bytes, int n);

/// The score of one right answer: 100 points plus one per character of the answer, minus two
/// per second taken (`hundredths` of a second since the word appeared), halved while the lamp
/// is shown. Slow answers can subtract.
double answerScore(int answerLength, int hundredths, bool lampShown);

} // namespace vindra::wordlist

namespace vindra {

/// The per-list counts, kept for the whole run.
struct WordListState {
    int itemCount = 0;  ///< item lines of the list; 0 = not yet read
    int nextDraw = 1;   ///< next position of the list's random order
    int errorCount = 0; ///< entries of the list in the error list
};

/// One wrongly answered word: its item number and the key of its list.
struct WordListError {
    int itemNumber = 0;
    QByteArray list;
};

/// The word lists' tables and their error list. Engine-wide, so that errors made in one
/// opening of the form can be corrected in a later one and a list's random order goes on
/// where it stopped.
struct WordLists {
    static constexpr int kMaxErrors = 200;

    QHash<QByteArray, WordListState> lists;
    QList<WordListError> errors; ///< oldest first, at most kMaxErrors

    WordListState& state(const QByteArray& key) { return lists[key]; }
    int errorCount(const QByteArray& key) const { return lists.value(key).errorCount; }

    /// The next word of the list (`SlumpaOrd`): the k-th entry of `permutation` (positions
    /// 1..1000) that is at most the list's item count, k being the list's next position,
    /// which then moves on (back to 1 after the item count). 0 for an unread or empty list.
    int draw(const QByteArray& key, const std::array<int, 1001>& permutation);

    /// The item number of the list's oldest error, 0 when it has none.
    int oldestError(const QByteArray& key) const;
    /// A word answered wrong in an ordinary round: appended; when the list is full the oldest
    /// entry of any list is dropped first (and its list's count lowered).
    void recordError(const QByteArray& key, int itemNumber);
    /// The list's oldest error was answered right in a correction round.
    void removeOldest(const QByteArray& key);
    /// It was answered wrong again: it goes to the back.
    void moveOldestToBack(const QByteArray& key);
};

} // namespace vindra
