#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QList>

#include <array>

/// The collected worksheet: two parallel line lists (without and with answers) and the
/// numbering of blocks and items. GUI-free; the print-queue window shows and prints it.
namespace vindra {

namespace worksheet {

/// How a line is treated when a worksheet is printed.
enum class LineKind {
    Empty,
    Title, ///< the first character is a digit (block titles, and items from number 100 on)
    Item,  ///< a full stop within the first 9 characters, with a digit just before the first
    Other  ///< instructions, writing lines, answer lines, follow-up lines
};

LineKind kindOf(const QByteArray& line);

/// "   7. ", " 42. ", "123. ": the prefix of worksheet item number `n`.
QByteArray itemPrefix(int n);

/// The line under an item in the list without answers (7 spaces and 57 underscores).
inline constexpr char kWritingLine[] =
    "       _________________________________________________________";
/// The indentation of an answer line in the list with answers.
inline constexpr char kAnswerIndent[] = "       ";
/// The indentation of a block's instruction line.
inline constexpr int kInstructionIndent = 6;
/// Longest block title kept.
inline constexpr int kTitleWidth = 80;

/// The answer key text of the current item: `answer` alone, or, when the item has
/// alternatives, `answer` + " eller " + the alternatives joined by ", " and ended by ".".
/// The alternatives are the last `alternativesCount` fields up to the last non-empty one
/// among fields 3..10, never reaching back before the first alternative field, and empty
/// fields are left out (a line ending in empty "&" fields thus keeps its real alternatives
/// and never lists the question or the answer as one).
QByteArray UtSkriftSvar(const QByteArray& answer,
                        const std::array<QByteArray, datafile::kMaxFields + 1>& fields,
                        int alternativesCount, int fieldCount);

/// True when line `i + 1` exists, is not the list's last line and is of kind Other.
bool InstruktionFinns(qsizetype i, const QList<QByteArray>& list);

/// The lines that line `i` needs on its page, in units of 8 mm: 3 for a title, otherwise
/// the number of Other lines that directly follow it, not counting the list's last line.
int UppgiftTillNySida(qsizetype i, const QList<QByteArray>& list);

} // namespace worksheet

/// The engine-wide worksheet state, kept for the whole run.
struct Worksheet {
    QList<QByteArray> withoutAnswers; ///< shown and printed as list 1
    QList<QByteArray> withAnswers;    ///< list 2; always as long as list 1, line for line

    int blockNumber = 0;   ///< the last block added; 0 after clearing
    int itemNumber = 0;    ///< the last item added, over all blocks; 0 after clearing
    bool newBlock = false; ///< the next item added opens a block
    QByteArray blockTitle; ///< at most 80 characters
    bool withAnswersFlag = false;
    int pageNumber = 1;
    bool headingDue = true;
    int chosenCount = 0;   ///< the count panel's number of items to pick
    int printPosition = 0; ///< millimetres from the top of the page
    int listInUse = 1;     ///< 1 without answers, 2 with answers

    /// Empties both lists and restarts the numbering and the heading. A clear started from
    /// an exercise form (`fromForm`) also makes the next item open a block.
    void clear(bool fromForm);

    bool isEmpty() const { return withoutAnswers.isEmpty(); }
    qsizetype lineCount() const { return withoutAnswers.size(); }
    /// List 1 (without answers) or 2 (with answers).
    const QList<QByteArray>& list(int n) const { return n == 2 ? withAnswers : withoutAnswers; }

    /// The title of a block from the exercise's header lines 1..3 (index 0 unused):
    /// line 1 + " " + line 2 + " " + line 3, cut to 80 characters. When header line 1 is
    /// empty the previous title stays.
    void rebuildTitle(const std::array<QByteArray, 4>& headerLines);

    /// Adds `without` to list 1 and `with` to list 2.
    void add(const QByteArray& without, const QByteArray& with);
    void addToBoth(const QByteArray& line) { add(line, line); }

    /// Adds block number + ".  " + block title to both lists.
    void addTitleLine();
    /// Adds `indent` spaces + `instruction` to both lists when `instruction` is not empty.
    void addInstruction(const QByteArray& instruction, int indent = worksheet::kInstructionIndent);

    /// Opens a block the common way: block number + 1, the title rebuilt from the header
    /// lines, the title line and the instruction line added; the new-block flag cleared.
    void startBlock(const std::array<QByteArray, 4>& headerLines,
                    const QByteArray& worksheetInstruction);

    /// Worksheet item number + 1, and that item's prefix.
    QByteArray nextItemPrefix();

    /// Adds a question with a writing line under it (list 1) and an answer line (list 2):
    /// the lines of the basic written-answer form.
    void addWrittenItem(const QByteArray& prefix, const QByteArray& question,
                        const QByteArray& answerText);
};

} // namespace vindra
