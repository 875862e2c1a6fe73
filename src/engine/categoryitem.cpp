#include "categoryitem.h"

#include "cp1252.h"

#include <algorithm>

namespace vindra::category {

namespace {

QByteArray lower(const QByteArray& text)
{
    return cp1252::fromUnicode(cp1252::toUnicode(text).toLower());
}

/// Field 1 as the pupil reads it: the marks dropped.
QByteArray plain(QByteArray text)
{
    text.replace('<', QByteArray()).replace('>', QByteArray());
    return text;
}

/// The first marked part of a text ("<…>"); the text after "<" when it is not closed.
QByteArray markedPart(const QByteArray& text)
{
    const qsizetype open = text.indexOf('<');
    if (open < 0)
        return {};
    const qsizetype close = text.indexOf('>', open + 1);
    return text.mid(open + 1, close < 0 ? -1 : close - open - 1);
}

bool startsWithNoCase(const QByteArray& text, const char* prefix)
{
    return cp1252::toUpper(text).startsWith(prefix);
}

} // namespace

QByteArray tenseName(char digit)
{
    switch (digit) {
    case '1':
        return "Presens";
    case '2':
        return "Imperfekt";
    case '3':
        return "Perfekt";
    case '4':
        return "Pluskvamperfekt";
    case '5':
        return "Futurum";
    default:
        return {};
    }
}

Item read(const datafile::ItemFields& fields, const Options& options)
{
    Item item;
    const int count = std::min<int>(fields.fieldCount, datafile::kMaxFields);
    auto field = [&](int i) -> const QByteArray& { return fields.field[static_cast<size_t>(i)]; };
    item.question = field(1);

    // The translation is the first "!" field, wherever it stands after field 1.
    for (int i = 2; i <= count; ++i) {
        if (field(i).startsWith('!')) {
            if (options.showTranslation)
                item.translation = field(i).mid(1);
            break;
        }
    }

    const int firstAlternative = count - fields.alternativesCount + 1;
    for (int i = 2; i <= count && i < firstAlternative && item.choices.size() < kMaxChoices; ++i) {
        const QByteArray& f = field(i);
        if (f.trimmed().isEmpty() || f.startsWith('!') || f.startsWith("\xA3"))
            break;
        item.choices << f;
    }
    item.right = field(2);

    if (options.tenseDigit) {
        const QByteArray name = field(2).isEmpty() ? QByteArray() : tenseName(field(2).at(0));
        // The digit names the answer only when a button shows that name; otherwise (no digit,
        // or a line that does not offer the tense) field 2 stays the answer and the first
        // choice, so that every line can be answered.
        if (!name.isEmpty() && !item.choices.isEmpty()) {
            QList<QByteArray> shown = item.choices;
            shown.first().remove(0, 1);
            if (shown.contains(name)) {
                item.right = name;
                item.choices = shown;
            }
        }
    } else {
        std::sort(item.choices.begin(), item.choices.end());
    }
    return item;
}

ExplanationLines explain(Explanation kind, const datafile::ItemFields& fields, const Item& item)
{
    const QByteArray f1 = plain(fields.field[1]);
    const QByteArray& f2 = fields.field[2];
    ExplanationLines out;
    switch (kind) {
    case Explanation::None:
        break;
    case Explanation::MarkedIs:
        out.first = lower(markedPart(fields.field[1])) + " \xE4r " + f2;
        break;
    case Explanation::EdEnding:
        if (f2 == "d") {
            out.first = "-ed uttalas " + f2;
        } else if (f2 == "t") {
            out.first = "[t] efter f\xF6ljande tonl\xF6sa ljud";
            out.second = "[f k p s tonl\xF6st l\xE4spljud]";
        } else if (f2 == "id") {
            out.first = "[id] efter [t] och [d]";
        }
        break;
    case Explanation::TenseIs:
        out.first = f1 + " \xE4r " + lower(f2);
        break;
    case Explanation::Rhyme:
        if (f2 == "NO")
            out.first = f1 + " do not rhyme";
        else if (f2 == "YES")
            out.first = f1 + " rhyme";
        break;
    case Explanation::SEnding:
        out.first = "-s i " + f1 + " uttalas [" + lower(f2) + "]";
        break;
    case Explanation::Syllables:
        out.first = f1 + " har " + lower(f2) + (f2 == "1" ? " stavelse" : " stavelser");
        break;
    case Explanation::ThemeForm:
        if (f2 == "1")
            out.first = f1 + " \xE4r 1:a temaformen";
        else if (f2 == "2")
            out.first = f1 + " \xE4r 2:a temaformen";
        else if (f2 == "3")
            out.first = f1 + " \xE4r 3:e temaformen";
        break;
    case Explanation::MarkedTense:
        out.first = markedPart(fields.field[1]) + " \xE4r " + lower(item.right);
        break;
    case Explanation::Clause:
        out.first = f2 + " sats";
        break;
    }
    return out;
}

QByteArray answerKey(const QByteArray& choice)
{
    QByteArray text = choice;
    if (cp1252::toUpper(choice) == "PRED.F.")
        text = "predikatsfyllnad";
    else if (startsWithNoCase(choice, "ACK"))
        text = "ackusativ";
    else if (startsWithNoCase(choice, "DAT"))
        text = "dativ";
    else if (startsWithNoCase(choice, "SUBJ"))
        text = "subjekt";
    else if (startsWithNoCase(choice, "AKT"))
        text = "aktiv";
    else if (startsWithNoCase(choice, "SUBS"))
        text = "substantiv";
    else if (startsWithNoCase(choice, "PASS"))
        text = "passiv";
    else if (startsWithNoCase(choice, "PREDI"))
        text = "predikat";
    if (!text.isEmpty())
        text[0] = cp1252::toUpper(text.at(0));
    return text;
}

} // namespace vindra::category
