#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QList>

/// The item of a category-choice exercise, read from its fields: a word or sentence (one
/// part of it may be marked "<…>"), the right category and the further categories offered
/// as buttons, and perhaps a translation shown under them. GUI-free, so the form, the
/// worksheet, the material checker and the fuzz target share one reading.
namespace vindra::category {

/// Choice buttons a line can fill; a line's further choices are not offered.
constexpr int kMaxChoices = 7;

/// How an exercise reads its lines (from the catalogue, by exercise code).
struct Options {
    /// Field 2 begins with a tense digit 1..5 and the right answer is that tense's name;
    /// the choices keep the order of the line.
    bool tenseDigit = false;
    /// The "!" field is shown under the buttons.
    bool showTranslation = true;
};

struct Item {
    QByteArray question;       ///< field 1, its marks kept
    QList<QByteArray> choices; ///< button texts in button order, at most kMaxChoices
    QByteArray right;          ///< the right answer: field 2 (or the tense's name)
    QByteArray translation;    ///< the "!" field without its "!", empty when not shown
};

/// Reads an item line's fields. The choices are fields 2, 3, … up to the first empty field
/// or the first field that begins with "!" or "£"; field 2 comes first, so the right answer
/// is always among those kept. Without the tense digit they are sorted in ascending byte
/// order (duplicates kept).
Item read(const datafile::ItemFields& fields, const Options& options);

/// The tense named by a digit: '1' "Presens" … '5' "Futurum"; empty for any other byte.
QByteArray tenseName(char digit);

/// What an exercise explains after a wrong answer.
enum class Explanation {
    None,
    MarkedIs,    ///< lower(marked part) + " är " + f2
    EdEnding,    ///< how "-ed" is pronounced (f2 "d", "t" or "id")
    TenseIs,     ///< f1 + " är " + lower(f2)
    Rhyme,       ///< f1 + " rhyme" / " do not rhyme"
    SEnding,     ///< "-s i " + f1 + " uttalas [" + lower(f2) + "]"
    Syllables,   ///< f1 + " har " + f2 + " stavelse(r)"
    ThemeForm,   ///< f1 + " är 1:a/2:a/3:e temaformen"
    MarkedTense, ///< marked part + " är " + lower(tense name)
    Clause,      ///< f2 + " sats"
};

/// The explanation lines after a wrong answer (cp1252); the second is mostly empty, both
/// empty when the exercise or the line has none. `item` gives the tense name; the texts of
/// field 1 are shown without their marks.
struct ExplanationLines {
    QByteArray first;
    QByteArray second;
};
ExplanationLines explain(Explanation kind, const datafile::ItemFields& fields, const Item& item);

/// The answer key text of a choice: a category abbreviation written out ("SUBJ" gives
/// "subjekt", compared without regard to case) and the first letter in capitals.
QByteArray answerKey(const QByteArray& choice);

} // namespace vindra::category
