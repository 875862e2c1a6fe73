#include "wordlist.h"

#include "cp1252.h"
#include "platform/files.h"

#include <algorithm>

namespace vindra::wordlist {

namespace {

/// Short name = long name, for the lists the program ships.
constexpr const char* kLongNames[][2] = {
    {"A_WORDS", "Words which begin with A"},
    {"B_WORDS", "Words which begin with B"},
    {"C_WORDS", "Words which begin with C"},
    {"TRY_ME_1", "Try me 1"},
    {"TRY_ME_2", "Try me 2"},
    {"TRY_ME_3", "Try me 3"},
    {"TRY_ME_4", "Try me 4"},
    {"DEF_1", "Definition 1"},
    {"DEF_2", "Definition 2"},
    {"DEF_3", "Definition 3"},
    {"DEF_4", "Definition 4"},
    {"GLOSOR_1", "Very easy words"},
    {"GLOSOR_2", "Rather easy words"},
    {"GLOSOR_3", "Rather difficult words"},
    {"GLOSOR_4", "Difficult words"},
    {"GLOSOR_5", "Very difficult words"},
    {"MOTSATS", "Find the opposite"},
    {"2ARD4U_1", "2ARD4U 1"},
    {"2ARD4U_2", "2ARD4U 2"},
    {"2ARD4U_3", "2ARD4U 3"},
    {"2ARD4U_4", "2ARD4U 4"},
    {"2ARD4U_5", "2ARD4U 5"},
    {"2ARD4U_6", "2ARD4U 6"},
    {"BATHROOM", "In the bathroom"},
    {"BEDROOM", "In the bedroom"},
    {"CHEMIST", "At the chemist's"},
    {"CLOTHES", "Your clothes"},
    {"FOOD", "Our food"},
    {"GARDEN", "In the garden"},
    {"HORSES", "Words about horses"},
    {"KITCHEN", "In the kitchen"},
    {"LIVINGRM", "In the livingroom"},
    {"PRTY_GMS", "Party games"},
    {"SHOPS", "Shops"},
    {"WAR", "War words"},
};

} // namespace

Kind kindOfCode(int exerciseCode)
{
    return exerciseCode == kSpecialCode ? Kind::Special : Kind::General;
}

QByteArray extension(Kind kind)
{
    return kind == Kind::Special ? "re2" : "re1";
}

QByteArray headerLine2(Kind kind)
{
    return kind == Kind::Special ? "Special" : "Ordinary";
}

QByteArray shortName(const QByteArray& fileName)
{
    return fileName.size() > 4 ? fileName.left(fileName.size() - 4) : QByteArray();
}

QByteArray longName(const QByteArray& shortName)
{
    const QByteArray upper = shortName.toUpper();
    for (const auto& entry : kLongNames)
        if (upper == entry[0])
            return entry[1];
    return shortName;
}

QByteArray panelText(const QByteArray& longName)
{
    if (longName.startsWith("2ARD4U"))
        return "Too hard for you " + longName.mid(7, 1);
    return longName;
}

QByteArray keyOf(Kind kind, const QByteArray& fileName)
{
    return extension(kind) + ':' + shortName(fileName).toUpper();
}

QByteArray scoreFileName(Kind kind, const QByteArray& fileName)
{
    return shortName(fileName).toUpper() + (kind == Kind::Special ? ".EN2" : ".ENR");
}

QList<QByteArray> listFiles(const QString& hardDiskData, const QString& cdData, Kind kind)
{
    const QString pattern = QStringLiteral("*.") + QString::fromLatin1(extension(kind));
    QList<QByteArray> names;
    for (const QString& dir : {hardDiskData, cdData}) {
        for (const QString& entry : files::listMatching(dir, pattern)) {
            // Names come back in the material's code page; a name that does not fit it could
            // not be opened by the name the engine passes on, so it is left out.
            const QByteArray name = cp1252::fromUnicode(entry);
            if (cp1252::toUnicode(name) != entry || name.size() <= 4 ||
                !files::isFile(dir + QLatin1Char('/') + entry))
                continue;
            const bool listed = std::any_of(names.begin(), names.end(), [&](const QByteArray& n) {
                return n.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (!listed)
                names << name;
        }
    }
    std::sort(names.begin(), names.end(), [](const QByteArray& a, const QByteArray& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

Contents read(const QByteArray& bytes)
{
    Contents c;
    const QList<QByteArray> lines = datafile::splitLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        switch (datafile::classify(lines[i])) {
        case datafile::LineKind::Item:
            ++c.itemCount;
            break;
        case datafile::LineKind::Instruction:
        case datafile::LineKind::WorksheetInstruction:
        case datafile::LineKind::Header:
            if (i < kHeaderLines)
                c.headers.take(lines[i]);
            break;
        default:
            break;
        }
    }
    return c;
}

QByteArray itemLine(const QByteArray& bytes, int n)
{
    int seen = 0;
    for (const QByteArray& line : datafile::splitLines(bytes))
        if (datafile::isItem(line) && ++seen == n)
            return line;
    return {};
}

double answerScore(int answerLength, int hundredths, bool lampShown)
{
    const double points = answerLength + 100 - 0.02 * hundredths;
    return lampShown ? points / 2 : points;
}

} // namespace vindra::wordlist

namespace vindra {

int WordLists::draw(const QByteArray& key, const std::array<int, 1001>& permutation)
{
    WordListState& s = state(key);
    if (s.itemCount <= 0)
        return 0;
    if (s.nextDraw < 1 || s.nextDraw > s.itemCount)
        s.nextDraw = 1;
    int seen = 0;
    int item = 0;
    for (size_t pos = 1; pos < permutation.size(); ++pos) {
        if (permutation[pos] >= 1 && permutation[pos] <= s.itemCount && ++seen == s.nextDraw) {
            item = permutation[pos];
            break;
        }
    }
    // A list longer than the permutation still gets a word.
    if (item == 0)
        item = s.nextDraw;
    s.nextDraw = s.nextDraw >= s.itemCount ? 1 : s.nextDraw + 1;
    return item;
}

int WordLists::oldestError(const QByteArray& key) const
{
    for (const WordListError& e : errors)
        if (e.list == key)
            return e.itemNumber;
    return 0;
}

void WordLists::recordError(const QByteArray& key, int itemNumber)
{
    if (errors.size() >= kMaxErrors) {
        const WordListError dropped = errors.takeFirst();
        WordListState& d = state(dropped.list);
        d.errorCount = std::max(0, d.errorCount - 1);
    }
    errors.append({itemNumber, key});
    WordListState& s = state(key);
    s.errorCount = std::min(kMaxErrors, s.errorCount + 1);
}

void WordLists::removeOldest(const QByteArray& key)
{
    for (qsizetype i = 0; i < errors.size(); ++i) {
        if (errors[i].list == key) {
            errors.removeAt(i);
            WordListState& s = state(key);
            s.errorCount = std::max(0, s.errorCount - 1);
            return;
        }
    }
}

void WordLists::moveOldestToBack(const QByteArray& key)
{
    for (qsizetype i = 0; i < errors.size(); ++i) {
        if (errors[i].list == key) {
            errors.append(errors.takeAt(i));
            return;
        }
    }
}

} // namespace vindra
