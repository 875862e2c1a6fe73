// The answer policy checks: spelling twins and contractions among the answers of one item.
// Answers are compared the way the answer check compares them (letter case, surplus blanks,
// one end mark and the apostrophe look-alikes do not count), word by word.

#include "answerpolicy.h"

#include "engine/cp1252.h"
#include "engine/datafile.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>
#include <utility>

namespace vindra::material {

namespace {

/// Characters of an answer box left free, so that a pupil who slips on the space bar can still
/// finish a right answer (its end mark not counted: the pupil may leave it out).
constexpr int kRoomForSlips = 3;

/// One word of an answer and the punctuation that follows it ("cold," is "cold" + ",").
struct Word {
    QString text;
    QString tail;
    bool operator==(const Word&) const = default;
};
using Words = QList<Word>;

QString joined(const Words& words)
{
    QStringList parts;
    for (const Word& w : words)
        parts << w.text + w.tail;
    return parts.join(QLatin1Char(' '));
}

/// An answer as the answer check sees it: one apostrophe, single blanks, no end mark. Letter
/// case is kept for the reports and ignored in every comparison.
QString normalized(const QByteArray& answer)
{
    QString s = cp1252::toUnicode(answer);
    for (QChar& c : s) {
        if (c == QChar(0x00B4) || c == QChar(0x2019) || c == QChar(0x2018) || c == QLatin1Char('`'))
            c = QLatin1Char('\'');
    }
    s = s.simplified();
    static const QString kMarks = QStringLiteral("!,.?");
    if (!s.isEmpty() && kMarks.contains(s.front()))
        s.remove(0, 1);
    if (!s.isEmpty() && kMarks.contains(s.back()))
        s.chop(1);
    return s.trimmed();
}

/// `text` with a capital first letter when `original` has one ("Don't" gives "Do not").
QString like(const QString& original, QString text)
{
    if (!original.isEmpty() && !text.isEmpty() && original.front().isUpper())
        text.front() = text.front().toUpper();
    return text;
}

Words split(const QString& answer)
{
    Words words;
    for (const QString& part : answer.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qsizetype end = part.size();
        while (end > 0 && QStringLiteral(",.!?;:").contains(part.at(end - 1)))
            --end;
        words.append({part.left(end), part.mid(end)});
    }
    return words;
}

// ---- Spelling twins ------------------------------------------------------------------------

struct Twins {
    QHash<QString, QString> american; ///< British word -> American twin
    QHash<QString, QString> british;  ///< American word -> British twin (unambiguous pairs only)
};

const Twins& twins()
{
    static const Twins table = [] {
        Twins t;
        auto pair = [&t](const QString& gb, const QString& us, bool bothWays) {
            t.american.insert(gb, us);
            if (bothWays)
                t.british.insert(us, gb);
        };
        auto forms = [&](const QString& gb, const QString& us, const QStringList& endings,
                         bool bothWays) {
            for (const QString& e : endings)
                pair(gb + e, us + e, bothWays);
        };
        // -our / -or
        for (const char* stem : {"colour", "flavour", "honour", "humour", "harbour", "behaviour",
                                 "labour", "neighbour", "rumour", "armour", "odour", "vapour",
                                 "parlour", "favour", "endeavour"}) {
            const QString gb = QLatin1String(stem);
            QString us = gb;
            us.replace(QStringLiteral("our"), QStringLiteral("or"));
            forms(gb, us,
                  {QString(), QStringLiteral("s"), QStringLiteral("ed"), QStringLiteral("ing"),
                   QStringLiteral("ful"), QStringLiteral("less"), QStringLiteral("ite"),
                   QStringLiteral("ites"), QStringLiteral("hood"), QStringLiteral("hoods"),
                   QStringLiteral("able")},
                  true);
        }
        // -re / -er
        for (const char* stem : {"cent", "theat", "lit", "fib", "kilomet", "centimet", "millimet"})
            forms(QLatin1String(stem) + QStringLiteral("re"),
                  QLatin1String(stem) + QStringLiteral("er"), {QString(), QStringLiteral("s")},
                  true);
        forms(QStringLiteral("metre"), QStringLiteral("meter"), {QString(), QStringLiteral("s")},
              false);
        // A final -l doubled in British spelling only.
        for (const char* stem :
             {"travel", "cancel", "quarrel", "label", "signal", "model",  "dial",    "pedal",
              "marvel", "shovel", "snorkel", "level", "fuel",   "tunnel", "channel", "total",
              "yodel",  "grovel", "counsel", "rival", "duel",   "spiral", "equal"}) {
            const QString s = QLatin1String(stem);
            pair(s + QStringLiteral("led"), s + QStringLiteral("ed"), true);
            pair(s + QStringLiteral("ling"), s + QStringLiteral("ing"), true);
            pair(s + QStringLiteral("ler"), s + QStringLiteral("er"), true);
            pair(s + QStringLiteral("lers"), s + QStringLiteral("ers"), true);
        }
        pair(QStringLiteral("jewellery"), QStringLiteral("jewelry"), true);
        pair(QStringLiteral("woollen"), QStringLiteral("woolen"), true);
        pair(QStringLiteral("skilful"), QStringLiteral("skillful"), true);
        // -ise is British only, -ize is written on both sides of the Atlantic.
        for (const char* stem :
             {"organis", "realis", "recognis", "apologis", "memoris", "criticis", "sympathis",
              "summaris", "specialis", "prioritis", "civilis", "finalis", "minimis", "modernis",
              "emphasis", "visualis", "categoris", "personalis"}) {
            QString us = QLatin1String(stem);
            us.back() = QLatin1Char('z');
            forms(QLatin1String(stem), us,
                  {QStringLiteral("e"), QStringLiteral("ed"), QStringLiteral("es"),
                   QStringLiteral("ing"), QStringLiteral("ation")},
                  false);
        }
        for (const char* stem : {"analys", "paralys"}) {
            QString us = QLatin1String(stem);
            us.back() = QLatin1Char('z');
            forms(QLatin1String(stem), us,
                  {QStringLiteral("e"), QStringLiteral("ed"), QStringLiteral("es"),
                   QStringLiteral("ing")},
                  true);
        }
        // "practice" is the British noun as well, so only the verb's forms are twins.
        forms(QStringLiteral("practis"), QStringLiteral("practic"),
              {QStringLiteral("e"), QStringLiteral("ed"), QStringLiteral("es"),
               QStringLiteral("ing")},
              false);
        const QStringList plural{QString(), QStringLiteral("s")};
        using Pair = std::pair<const char*, const char*>;
        const Pair bothWays[] = {
            {"grey", "gray"},          {"pyjama", "pajama"},     {"defence", "defense"},
            {"offence", "offense"},    {"plough", "plow"},       {"moustache", "mustache"},
            {"aeroplane", "airplane"}, {"sceptic", "skeptic"},   {"mould", "mold"},
            {"manoeuvre", "maneuver"}, {"aluminium", "aluminum"}};
        for (const auto& [gb, us] : bothWays)
            forms(QLatin1String(gb), QLatin1String(us), plural, true);
        pair(QStringLiteral("pyjamas"), QStringLiteral("pajamas"), true);
        pair(QStringLiteral("sceptical"), QStringLiteral("skeptical"), true);
        pair(QStringLiteral("cosy"), QStringLiteral("cozy"), true);
        // British words whose American twin is also a British word of another meaning.
        const Pair oneWay[] = {{"licence", "license"},   {"programme", "program"},
                               {"catalogue", "catalog"}, {"dialogue", "dialog"},
                               {"tyre", "tire"},         {"cheque", "check"},
                               {"kerb", "curb"},         {"storey", "story"},
                               {"draught", "draft"},     {"doughnut", "donut"}};
        for (const auto& [gb, us] : oneWay)
            forms(QLatin1String(gb), QLatin1String(us), plural, false);
        pair(QStringLiteral("enrol"), QStringLiteral("enroll"), false);
        pair(QStringLiteral("fulfil"), QStringLiteral("fulfill"), false);
        // Past forms in -t beside the -ed that both sides write.
        const Pair pastInT[] = {{"learnt", "learned"}, {"burnt", "burned"},   {"dreamt", "dreamed"},
                                {"spelt", "spelled"},  {"spoilt", "spoiled"}, {"smelt", "smelled"},
                                {"leapt", "leaped"},   {"spilt", "spilled"},  {"knelt", "kneeled"}};
        for (const auto& [gb, us] : pastInT)
            pair(QLatin1String(gb), QLatin1String(us), false);
        return t;
    }();
    return table;
}

/// `words` with every word of `map` replaced by its twin; the same words when none is.
Words twinOf(Words words, const QHash<QString, QString>& map)
{
    for (Word& w : words) {
        const auto it = map.constFind(w.text.toLower());
        if (it != map.cend())
            w.text = like(w.text, *it);
    }
    return words;
}

// ---- Contractions --------------------------------------------------------------------------

/// True for the past participles that are not formed with -ed.
bool isIrregularParticiple(const QString& word)
{
    static const QSet<QString> kIrregular = [] {
        QSet<QString> s;
        for (const char* w :
             {"been",    "got",     "gotten",   "done",   "gone",       "seen",   "eaten",
              "given",   "taken",   "written",  "known",  "made",       "had",    "found",
              "lost",    "left",    "won",      "told",   "said",       "sold",   "bought",
              "brought", "thought", "caught",   "taught", "forgotten",  "broken", "stolen",
              "chosen",  "spoken",  "bitten",   "hidden", "ridden",     "driven", "fallen",
              "grown",   "drawn",   "flown",    "thrown", "shown",      "worn",   "torn",
              "sworn",   "begun",   "sung",     "swum",   "drunk",      "run",    "come",
              "become",  "put",     "cut",      "hit",    "hurt",       "read",   "sent",
              "spent",   "lent",    "built",    "felt",   "kept",       "slept",  "met",
              "heard",   "paid",    "sat",      "stood",  "understood", "woken",  "risen",
              "shaken",  "frozen",  "forgiven", "beaten", "swept",      "fed",    "led",
              "held",    "meant",   "rung",     "sunk",   "lain",       "laid",   "lit",
              "dealt",   "struck",  "stuck",    "dug",    "bent",       "bled",   "crept",
              "wept",    "shone",   "swung",    "born",   "borne",      "let",    "set",
              "shut",    "spread",  "learnt",   "burnt",  "dreamt",     "spelt",  "spoilt",
              "smelt",   "spilt"})
            s.insert(QLatin1String(w));
        return s;
    }();
    return kIrregular.contains(word);
}

bool isPastParticiple(const QString& word)
{
    // Words in -ed that are no participles.
    static const QSet<QString> kNotParticiples{
        QStringLiteral("bed"),   QStringLiteral("red"),    QStringLiteral("shed"),
        QStringLiteral("sled"),  QStringLiteral("need"),   QStringLiteral("seed"),
        QStringLiteral("speed"), QStringLiteral("feed"),   QStringLiteral("weed"),
        QStringLiteral("bleed"), QStringLiteral("breed"),  QStringLiteral("greed"),
        QStringLiteral("deed"),  QStringLiteral("hundred")};
    if (isIrregularParticiple(word))
        return true;
    return word.size() > 3 && word.endsWith(QStringLiteral("ed")) &&
           !kNotParticiples.contains(word);
}

bool isOneOf(const QString& word, std::initializer_list<const char*> list)
{
    for (const char* w : list) {
        if (word == QLatin1String(w))
            return true;
    }
    return false;
}

/// Every answer that contracts `words` as far as it goes, each spot in every way it can be
/// contracted ("he is not" gives "he's not" and "he isn't"). Only `words` itself when
/// nothing can be contracted.
QSet<QString> contracted(const Words& words)
{
    QSet<QString> out;
    QSet<QString> seen;
    std::function<void(const Words&)> walk = [&](const Words& w) {
        const QString key = joined(w);
        if (seen.contains(key))
            return;
        seen.insert(key);
        bool any = false;
        auto apply = [&](qsizetype at, qsizetype count, const QString& replacement) {
            Words next = w;
            const QString tail = next[at + count - 1].tail;
            next.remove(at, count);
            next.insert(at, {replacement, tail});
            any = true;
            walk(next);
        };
        for (qsizetype i = 0; i < w.size(); ++i) {
            const QString& word = w[i].text;
            const QString a = word.toLower();
            if (a == QLatin1String("cannot")) {
                apply(i, 1, like(word, QStringLiteral("can't")));
                continue;
            }
            if (i + 1 >= w.size() || !w[i].tail.isEmpty())
                continue;
            const QString b = w[i + 1].text.toLower();
            // The contracted verb needs a word after it in the same clause: "I know where it
            // is" keeps its "is".
            const bool followed = i + 2 < w.size() && w[i + 1].tail.isEmpty();
            const QString next = followed ? w[i + 2].text.toLower() : QString();
            if (b == QLatin1String("not")) {
                if (isOneOf(a, {"do", "does", "did", "is", "are", "was", "were", "have", "has",
                                "had", "could", "would", "should", "must"}))
                    apply(i, 2, word + QStringLiteral("n't"));
                else if (a == QLatin1String("will"))
                    apply(i, 2, like(word, QStringLiteral("won't")));
                continue;
            }
            if (!followed)
                continue;
            QString ending;
            if (a == QLatin1String("i") && b == QLatin1String("am"))
                ending = QStringLiteral("'m");
            else if (isOneOf(a, {"you", "we", "they"}) && b == QLatin1String("are"))
                ending = QStringLiteral("'re");
            else if (isOneOf(a, {"he", "she", "it", "that", "there"}) && b == QLatin1String("is"))
                ending = QStringLiteral("'s");
            else if (isOneOf(a, {"he", "she", "it"}) && b == QLatin1String("has") &&
                     isPastParticiple(next))
                ending = QStringLiteral("'s");
            else if (isOneOf(a, {"i", "you", "we", "they"}) && b == QLatin1String("have") &&
                     isPastParticiple(next))
                ending = QStringLiteral("'ve");
            else if (isOneOf(a, {"i", "you", "he", "she", "we", "they"}) &&
                     ((b == QLatin1String("had") && isPastParticiple(next)) ||
                      b == QLatin1String("would")))
                ending = QStringLiteral("'d");
            else if (isOneOf(a, {"i", "you", "he", "she", "it", "we", "they"}) &&
                     (b == QLatin1String("will") ||
                      (b == QLatin1String("shall") && isOneOf(a, {"i", "we"}))))
                ending = QStringLiteral("'ll");
            if (!ending.isEmpty())
                apply(i, 2, word + ending);
        }
        if (!any)
            out.insert(key);
    };
    walk(words);
    return out;
}

/// The full forms of an answer with contractions: every way of writing each contraction out
/// ("he's" is "he is" or "he has"), the likeliest first. Empty when the answer has no
/// contraction it can write out, or one whose full form changes the word order ("Don't you
/// know?").
QStringList expanded(const Words& words)
{
    static const QHash<QString, QString> kNegations{
        {QStringLiteral("don't"), QStringLiteral("do not")},
        {QStringLiteral("doesn't"), QStringLiteral("does not")},
        {QStringLiteral("didn't"), QStringLiteral("did not")},
        {QStringLiteral("isn't"), QStringLiteral("is not")},
        {QStringLiteral("aren't"), QStringLiteral("are not")},
        {QStringLiteral("wasn't"), QStringLiteral("was not")},
        {QStringLiteral("weren't"), QStringLiteral("were not")},
        {QStringLiteral("haven't"), QStringLiteral("have not")},
        {QStringLiteral("hasn't"), QStringLiteral("has not")},
        {QStringLiteral("hadn't"), QStringLiteral("had not")},
        {QStringLiteral("couldn't"), QStringLiteral("could not")},
        {QStringLiteral("wouldn't"), QStringLiteral("would not")},
        {QStringLiteral("shouldn't"), QStringLiteral("should not")},
        {QStringLiteral("mustn't"), QStringLiteral("must not")},
        {QStringLiteral("needn't"), QStringLiteral("need not")},
        {QStringLiteral("won't"), QStringLiteral("will not")},
        {QStringLiteral("shan't"), QStringLiteral("shall not")},
        {QStringLiteral("can't"), QStringLiteral("cannot")}};

    QList<QStringList> choices; // per word, the ways to write it out
    bool any = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i].text;
        const QString next = i + 1 < words.size() ? words[i + 1].text.toLower() : QString();
        QStringList c;
        if (const auto it = kNegations.constFind(w.toLower()); it != kNegations.cend()) {
            // A question or a question tag puts the subject between the verb and "not".
            if (isOneOf(next, {"i", "you", "he", "she", "it", "we", "they", "there"}))
                return {};
            c << like(w, *it);
        } else if (const qsizetype q = w.indexOf(QLatin1Char('\'')); q > 0) {
            const QString head = w.left(q);
            const QString end = w.mid(q).toLower();
            if (end == QLatin1String("'m") && head.toLower() == QLatin1String("i"))
                c << head + QStringLiteral(" am");
            else if (end == QLatin1String("'re"))
                c << head + QStringLiteral(" are");
            else if (end == QLatin1String("'ve"))
                c << head + QStringLiteral(" have");
            else if (end == QLatin1String("'ll"))
                c << head + QStringLiteral(" will") << head + QStringLiteral(" shall");
            else if (end == QLatin1String("'d"))
                c << head + QStringLiteral(" would") << head + QStringLiteral(" had");
            // After a noun "'s" is the genitive as often as "is", so only pronouns count.
            else if (end == QLatin1String("'s") &&
                     isOneOf(head.toLower(), {"he", "she", "it", "that", "there", "what", "who",
                                              "where", "here", "how"}))
                c << head + QStringLiteral(" is") << head + QStringLiteral(" has");
            // A participle after it tells which verb was contracted: "he's eaten" is "he has
            // eaten", "I'd finished" is "I had finished". ("he's tired" stays "he is tired").
            if (c.size() == 2 && ((end == QLatin1String("'s") && isIrregularParticiple(next)) ||
                                  (end == QLatin1String("'d") && isPastParticiple(next))))
                c.swapItemsAt(0, 1);
        }
        if (c.isEmpty()) {
            c << w;
        } else {
            any = true;
        }
        for (QString& s : c)
            s += words[i].tail;
        choices << c;
    }
    if (!any)
        return {};
    QStringList all{QString()};
    for (const QStringList& c : choices) {
        QStringList grown;
        for (const QString& start : all) {
            for (const QString& s : c)
                grown << (start.isEmpty() ? s : start + QLatin1Char(' ') + s);
        }
        all = grown;
    }
    return all;
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

QStringList answerPolicyFindings(const QByteArray& instruction, const TypedAnswers& typed)
{
    const QString rule = cp1252::toUnicode(instruction).toLower();
    const bool britishOnly = rule.contains(QStringLiteral("brittisk"));
    const bool oneForm = rule.contains(QStringLiteral("sammandrag")) ||
                         rule.contains(QStringLiteral("kortform")) ||
                         rule.contains(QStringLiteral("långform"));

    QList<Words> list;
    QSet<QString> accepted; // in small letters, as the answer check ignores letter case
    for (const QByteArray& a : typed.answers) {
        const QString n = normalized(a);
        if (n.isEmpty() || accepted.contains(n.toLower()))
            continue;
        accepted.insert(n.toLower());
        list << split(n);
    }
    auto isAccepted = [&](const QString& answer) { return accepted.contains(answer.toLower()); };

    QStringList findings;
    auto lacks = [&](const QString& what) {
        if (!findings.contains(what))
            findings << what;
    };
    for (const Words& words : list) {
        const QString answer = joined(words);
        if (const int longest = typed.box - kRoomForSlips; typed.box > 0 && answer.size() > longest)
            lacks(QStringLiteral("the answer %1 has %2 characters; at most %3 leave room for a "
                                 "slip in the %4-character answer box")
                      .arg(quoted(answer))
                      .arg(answer.size())
                      .arg(longest)
                      .arg(typed.box));
        if (!britishOnly) {
            const QString us = joined(twinOf(words, twins().american));
            if (us != answer && !isAccepted(us))
                lacks(QStringLiteral("the American spelling %1 of %2 is not accepted")
                          .arg(quoted(us), quoted(answer)));
            const QString gb = joined(twinOf(words, twins().british));
            if (gb != answer && !isAccepted(gb))
                lacks(QStringLiteral("the British spelling %1 of %2 is not accepted")
                          .arg(quoted(gb), quoted(answer)));
        }
        if (oneForm)
            continue;
        const QStringList full = expanded(words);
        if (!full.isEmpty() && std::none_of(full.cbegin(), full.cend(), isAccepted))
            lacks(QStringLiteral("the full form %1 of %2 is not accepted")
                      .arg(quoted(full.first()), quoted(answer)));
        const QSet<QString> shortForms = contracted(words);
        if (!shortForms.contains(answer) &&
            std::none_of(shortForms.cbegin(), shortForms.cend(), isAccepted)) {
            QStringList sorted(shortForms.cbegin(), shortForms.cend());
            sorted.sort();
            lacks(QStringLiteral("the contracted form %1 of %2 is not accepted")
                      .arg(quoted(sorted.join(QStringLiteral("\" or \""))), quoted(answer)));
        }
    }
    return findings;
}

TypedAnswers typedAnswers(catalogue::Format format, const QByteArray& line)
{
    using catalogue::Format;
    int right = 2;
    int box = 0;
    switch (format) {
    case Format::Skriv:
        box = catalogue::limits::kAnswerBoxLength;
        break;
    case Format::SkrivReversed:
        right = 1;
        box = catalogue::limits::kAnswerBoxLength;
        break;
    case Format::Body:
    case Format::WordList:
        break;
    default:
        return {};
    }
    const datafile::ItemFields f = datafile::splitFields(line);
    TypedAnswers typed{{f.field[static_cast<size_t>(right)]}, box};
    for (int i = f.fieldCount - f.alternativesCount + 1; i <= f.fieldCount; ++i)
        typed.answers << f.field[static_cast<size_t>(i)];
    return typed;
}

} // namespace vindra::material
