// The material checker: every file the program can open from a material root is present,
// accepted by the engine and laid out as its form expects.

#include "answerpolicy.h"
#include "commands.h"

#include "engine/catalogue.h"
#include "engine/cipher.h"
#include "engine/datafile.h"
#include "engine/engine.h"
#include "engine/pictureitem.h"
#include "engine/storytext.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

namespace vindra::material {

namespace {

using catalogue::FileKind;
using catalogue::Format;

QString display(QByteArray path)
{
    path.replace('\\', '/');
    return QString::fromLatin1(path);
}

/// Whether a marked word is spelt as a word button shows it: the buttons carry the file's
/// words in lower case, or all with a capital first letter when the marked word begins with
/// A to Z, Ä, Å or Ö; the choice is compared letter for letter.
bool buttonSpelling(const QByteArray& word)
{
    const QString w = QString::fromLatin1(word);
    const QString rest = w.mid(1);
    if (rest != rest.toLower())
        return false;
    const QChar first = w.front();
    if (first == first.toLower())
        return true;
    return (first >= u'A' && first <= u'Z') || first == u'\u00C4' || first == u'\u00C5' ||
           first == u'\u00D6';
}

/// The "<" ">" marks of a text: the marked parts, or nothing when the marks are unbalanced
/// (a "<" inside a mark, a ">" outside one, or a mark left open).
std::optional<QList<QByteArray>> marks(const QByteArray& text)
{
    QList<QByteArray> found;
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '<') {
            if (open >= 0)
                return std::nullopt;
            open = i;
        } else if (text[i] == '>') {
            if (open < 0)
                return std::nullopt;
            found << text.mid(open + 1, i - open - 1);
            open = -1;
        }
    }
    if (open >= 0)
        return std::nullopt;
    return found;
}

QString count(qsizetype n, const char* what)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(what)).arg(n == 1 ? "" : "s");
}

/// The choices of a choice line: fields 2.. up to the first empty one or one that begins
/// with "!" or "£".
QList<QByteArray> choices(const datafile::ItemFields& f)
{
    QList<QByteArray> list;
    for (int i = 2; i <= f.fieldCount; ++i) {
        const QByteArray& c = f.field[static_cast<size_t>(i)];
        if (c.isEmpty() || c.startsWith('!') || c.startsWith('\xA3'))
            break;
        list << c;
    }
    return list;
}

class Checker {
public:
    Checker(const QString& root, const QString& pendingFile) : m_root(root)
    {
        QByteArray content;
        if (!pendingFile.isEmpty() && files::readAll(pendingFile, content)) {
            for (const QByteArray& raw : datafile::splitLines(content)) {
                const QString line = QString::fromUtf8(raw).trimmed();
                if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                    continue;
                m_pending << QRegularExpression(
                    QRegularExpression::wildcardToRegularExpression(
                        QString(line).replace(QLatin1Char('\\'), QLatin1Char('/'))),
                    QRegularExpression::CaseInsensitiveOption);
            }
        }
        startEngine();
    }

    int run()
    {
        QHash<QByteArray, int> items; // data file name -> item count, for present files
        for (const catalogue::MaterialFile& f : catalogue::materialFiles()) {
            const QString path = expect(f.path);
            if (path.isEmpty())
                continue;
            switch (f.kind) {
            case FileKind::DataList:
                checkDataList(f.path, path);
                break;
            case FileKind::Data:
                items.insert(f.path.mid(5), checkData(f, path));
                break;
            case FileKind::Text:
            case FileKind::Page:
                if (QFileInfo(path).size() == 0)
                    problem(f.path, QStringLiteral("is empty"));
                break;
            case FileKind::Gate:
                break;
            case FileKind::Picture:
                checkPicture(f, path);
                break;
            case FileKind::Sound:
                checkSound(f.path, path);
                break;
            }
        }

        for (const catalogue::PerItemFile& p : catalogue::perItemFiles()) {
            const int n = std::min(items.value(p.dataFile, 0), p.maxItem);
            for (int i = 1; i <= n; ++i) {
                const QByteArray name = p.folder + '\\' + p.stem +
                                        QByteArray::number(i).rightJustified(p.digits, '0') +
                                        (p.kind == FileKind::Sound ? ".WAV" : ".BMP");
                const QString path = expect(name);
                if (path.isEmpty())
                    continue;
                if (p.kind == FileKind::Sound)
                    checkSound(name, path);
                else
                    checkPicture({name, FileKind::Picture}, path);
            }
        }

        // The Five draws its companions with the item order of its menu file.
        const int five = items.value("ENG41031.DAT", 0);
        for (const catalogue::DataFile& c : catalogue::companionFiles()) {
            if (items.contains(c.name) && five > 0 && items.value(c.name) < five)
                problem("DATA\\" + c.name,
                        QStringLiteral("has %1, fewer than the %2 of DATA/ENG41031.DAT")
                            .arg(count(items.value(c.name), "item"))
                            .arg(five));
        }

        for (const QByteArray& name : catalogue::forbiddenFiles()) {
            if (files::isFile(local(name)))
                problem(name, QStringLiteral("must not be in the material"));
        }

        if (m_pendingCount > 0)
            std::printf("%d files pending\n", m_pendingCount);
        std::printf("%d/%d files present, %d problems\n", m_present, m_expected, m_problems);
        std::fflush(stdout);
        return m_problems == 0 ? 0 : 1;
    }

private:
    QString local(const QByteArray& relative) const
    {
        return files::resolve(m_root + QLatin1Char('/') + QString::fromLatin1(relative));
    }

    bool isPending(const QString& path) const
    {
        for (const QRegularExpression& re : m_pending) {
            if (re.match(path).hasMatch())
                return true;
        }
        return false;
    }

    void problem(const QByteArray& path, const QString& text)
    {
        std::printf("%s: %s\n", qPrintable(display(path)), qPrintable(text));
        ++m_problems;
    }

    void lineProblem(const QByteArray& path, int line, const QString& text)
    {
        problem(path, QStringLiteral("line %1: %2").arg(line).arg(text));
    }

    /// Counts an expected file; the local path when it is present, else empty (reported as
    /// missing or pending).
    QString expect(const QByteArray& relative)
    {
        ++m_expected;
        const QString path = local(relative);
        const bool pending = isPending(display(relative));
        if (!files::isFile(path)) {
            if (pending) {
                ++m_pendingCount;
            } else {
                problem(relative, QStringLiteral("is missing"));
            }
            return {};
        }
        ++m_present;
        if (pending)
            std::printf("%s: note: present, so it can leave the pending list\n",
                        qPrintable(display(relative)));
        return path;
    }

    void startEngine()
    {
        // The engine reads the root through a directories file of its own.
        const QString root = QDir(m_root).absolutePath();
        QFile ini(m_ini.path() + QStringLiteral("/Kelvo97.Ini"));
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[Path]\nKelvo97CDPath=" + root.toUtf8() + "\nKelvo97PCPath=" +
                      root.toUtf8() + "\nKELVO97ScoreDirectory=" + m_ini.path().toUtf8() +
                      "\nKELVO97DiagnosPath=" + m_ini.path().toUtf8() + "\n");
            ini.close();
        }
        m_engine = std::make_unique<Engine>(m_messages, m_clock, 1);
        m_engine->unitStartup(m_ini.path());
    }

    /// The item count `Kolla` finds, or 0 when it rejects the file.
    int kolla(const QByteArray& name)
    {
        // Every file is counted afresh, even one that would share a cache slot.
        for (CacheSlot& c : m_engine->cache)
            c.itemCount = 0;
        m_engine->setCurrentFileName(name);
        if (!m_engine->Kolla(name))
            return 0;
        return m_engine->cache[static_cast<size_t>(m_engine->item.cacheSlot)].itemCount;
    }

    void checkDataList(const QByteArray& relative, const QString& path)
    {
        QByteArray content;
        files::readAll(path, content);
        const QList<QByteArray> want = datafile::splitLines(catalogue::datfilerContent());
        const QList<QByteArray> have = datafile::splitLines(content);
        if (have != want)
            problem(relative, QStringLiteral("differs from the catalogue's list; rebuild it with "
                                             "vindra-material datfiler"));
    }

    int checkData(const catalogue::MaterialFile& f, const QString& path)
    {
        QByteArray content;
        if (!files::readAll(path, content)) {
            problem(f.path, QStringLiteral("cannot be read"));
            return 0;
        }
        const QByteArray name = f.path.mid(5);
        const QList<QByteArray> lines = datafile::splitLines(content);
        const bool kollaFile = name != "eng41032.dat" && name != "eng41033.dat" &&
                               f.format != Format::Praise && f.format != Format::WordList &&
                               f.format != Format::WordPairs;
        int items = 0;
        for (const QByteArray& l : lines)
            items += datafile::isItem(l) ? 1 : 0;
        if (kollaFile) {
            items = kolla(name);
            if (items == 0) {
                problem(f.path, QStringLiteral("is not accepted: it has no item line"));
                return 0;
            }
        } else if (items == 0) {
            problem(f.path, QStringLiteral("has no item line"));
            return 0;
        }

        if (f.format == Format::Clock && items != f.minItems)
            problem(f.path, QStringLiteral("has %1, needs exactly %2")
                                .arg(count(items, "item"))
                                .arg(f.minItems));
        else if (items < f.minItems)
            problem(f.path, QStringLiteral("has %1, needs at least %2")
                                .arg(count(items, "item"))
                                .arg(f.minItems));

        if (catalogue::readsItemLines(f.format))
            checkItemFile(f, lines);
        else
            checkTextFile(f, lines);
        return items;
    }

    void checkItemFile(const catalogue::MaterialFile& f, const QList<QByteArray>& lines)
    {
        const int code = datafile::GeProgramtal(f.path.mid(5));
        // Only the first six lines are read again for "$" lines after the first use (five
        // for word lists).
        const int headerLines = f.format == Format::WordList ? 5 : 6;
        QSet<QByteArray> words;
        QHash<int, int> levels;
        QByteArray instruction;
        for (const QByteArray& line : lines) {
            if (datafile::classify(line) == datafile::LineKind::Instruction)
                instruction = line.mid(2);
        }
        int lineNo = 0;
        for (const QByteArray& line : lines) {
            ++lineNo;
            const datafile::LineKind kind = datafile::classify(line);
            if (kind == datafile::LineKind::Empty || kind == datafile::LineKind::Comment)
                continue;
            if (kind != datafile::LineKind::Item) {
                if (f.format == Format::Praise) {
                    lineProblem(f.path, lineNo, QStringLiteral("a praise file has no \"$\" lines"));
                    continue;
                }
                if (lineNo > headerLines)
                    lineProblem(
                        f.path, lineNo,
                        QStringLiteral("\"$\" line after the first %1 lines").arg(headerLines));
                const int skip = kind == datafile::LineKind::Header ? 1 : 2;
                if (line.size() - skip > datafile::kTextWidth)
                    lineProblem(f.path, lineNo,
                                QStringLiteral("header or instruction longer than %1 characters")
                                    .arg(datafile::kTextWidth));
                continue;
            }
            const QString fault = checkItem(f.format, code, line, words, levels);
            if (!fault.isEmpty())
                lineProblem(f.path, lineNo, fault);
            for (const QString& finding :
                 answerPolicyFindings(instruction, typedAnswers(f.format, line)))
                lineProblem(f.path, lineNo, finding);
        }

        if (f.format == Format::Word && words.size() > catalogue::limits::kWordButtons)
            problem(f.path, QStringLiteral("marks %1 different words, at most %2 fit")
                                .arg(words.size())
                                .arg(catalogue::limits::kWordButtons));
        if (f.format == Format::Be && words.size() > catalogue::limits::kBeWords)
            problem(f.path, QStringLiteral("marks %1 different words, at most %2 fit")
                                .arg(words.size())
                                .arg(catalogue::limits::kBeWords));
        if (f.format == Format::Xact) {
            int top = 0;
            while (levels.contains(top + 1))
                ++top;
            if (top < 2)
                problem(f.path, QStringLiteral("needs items on levels 1 and 2 at least"));
            for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
                if (it.key() > top + 1)
                    problem(f.path, QStringLiteral("level %1 is never reached: level %2 has no "
                                                   "items")
                                        .arg(it.key())
                                        .arg(top + 1));
                if (it.value() > catalogue::limits::kXactItemsPerLevel)
                    problem(f.path, QStringLiteral("level %1 has %2 items, at most 120 are read")
                                        .arg(it.key())
                                        .arg(it.value()));
            }
        }
    }

    /// What is wrong with one item line of a class, or an empty text.
    static QString checkItem(Format format, int code, const QByteArray& line,
                             QSet<QByteArray>& words, QHash<int, int>& levels)
    {
        const datafile::ItemFields f = datafile::splitFields(line);
        auto field = [&](int i) -> const QByteArray& { return f.field[static_cast<size_t>(i)]; };
        const int plainFields = f.fieldCount - f.alternativesCount;
        // An empty field among the alternatives ("…#&hem##") offers nothing and, in older
        // readers, let the question count as an answer.
        for (int i = plainFields + 1; i <= f.fieldCount; ++i) {
            if (field(i).trimmed().isEmpty())
                return QStringLiteral("alternative field %1 is empty (a stray \"#\")").arg(i);
        }
        auto needFields = [&](int n) -> QString {
            for (int i = 1; i <= n; ++i) {
                if (i > plainFields || field(i).trimmed().isEmpty())
                    return QStringLiteral("needs %1 before any alternative, field %2 is empty")
                        .arg(count(n, "field"))
                        .arg(i);
            }
            return {};
        };
        auto gapText = [&](const QByteArray& text, int least, int most) -> QString {
            const auto m = marks(text);
            if (!m)
                return QStringLiteral("unbalanced \"<\" \">\" marks");
            if (m->size() < least || m->size() > most)
                return least == most ? QStringLiteral("needs exactly %1 marked with \"<\" \">\"")
                                           .arg(count(least, "part"))
                                     : QStringLiteral("needs %1 to %2 gaps marked with \"<\" "
                                                      "\">\", has %3")
                                           .arg(least)
                                           .arg(most)
                                           .arg(m->size());
            // Only "Med eller utan artikel?" accepts an empty answer.
            for (const QByteArray& g : *m) {
                if (g.isEmpty() && code != 31021 && least > 0)
                    return QStringLiteral("empty gap \"<>\"");
            }
            return {};
        };
        auto choiceLimits = [&]() -> QString {
            if (f.alternativesCount > 0)
                return QStringLiteral("a choice line takes no \"&\" fields");
            const QList<QByteArray> c = choices(f);
            if (c.isEmpty())
                return QStringLiteral("has no choices");
            if (c.size() > catalogue::limits::kChoices)
                return QStringLiteral("has %1 choices, at most 7 fit").arg(c.size());
            for (const QByteArray& choice : c) {
                if (choice.size() > catalogue::limits::kChoiceLength)
                    return QStringLiteral("choice \"%1\" is longer than 30 characters")
                        .arg(QString::fromLatin1(choice));
            }
            return {};
        };
        auto markedWord = [&](int maxLength) -> QString {
            const auto m = marks(field(1));
            if (!m || m->size() != 1 || m->first().isEmpty())
                return QStringLiteral("needs exactly one word marked with \"<\" \">\"");
            if (m->first().size() > maxLength)
                return QStringLiteral("marked word longer than %1 characters").arg(maxLength);
            if (format == Format::Word && !buttonSpelling(m->first()))
                return QStringLiteral("marked word \"%1\" matches no button: write it in lower "
                                      "case, or with a capital A to Z, Ä, Å or Ö first")
                    .arg(QString::fromLatin1(m->first()));
            words.insert(m->first().toLower());
            return {};
        };

        switch (format) {
        case Format::Skriv:
        case Format::SkrivReversed:
        case Format::Body:
        case Format::FiveType:
        case Format::WordList:
            return needFields(2);
        case Format::Skriv2A:
        case Format::Skriv2B:
            return needFields(3);
        case Format::GapS:
        case Format::GapP: {
            const bool prompt = format == Format::GapP && !field(2).isEmpty();
            if (prompt) {
                if (const QString p = gapText(field(1), 0, 1); !p.isEmpty())
                    return QStringLiteral("prompt: ") + p;
            }
            const QByteArray& sentence = prompt ? field(2) : field(1);
            if (const QString g = gapText(sentence, 1, 2); !g.isEmpty())
                return g;
            // The two gaps of an item share the line's alternatives: each one names the
            // answer of both gaps, "first/second", so neither gap accepts the other's.
            const QList<QByteArray> gaps = *marks(sentence);
            for (int i = plainFields + 1; i <= f.fieldCount; ++i) {
                if (gaps.size() == 2 && field(i).count('/') != 1)
                    return QStringLiteral("an alternative of a two-gap sentence is written "
                                          "\"first gap/second gap\": \"%1\"")
                        .arg(QString::fromLatin1(field(i)));
                // A gap's box takes its answer's length and ten characters more.
                const QList<QByteArray> parts =
                    gaps.size() == 2 ? field(i).split('/') : QList<QByteArray>{field(i)};
                for (qsizetype g = 0; g < parts.size() && g < gaps.size(); ++g) {
                    if (parts[g].size() > gaps[g].size() + 10)
                        return QStringLiteral("alternative \"%1\" does not fit the gap's box "
                                              "(its answer and 10 characters)")
                            .arg(QString::fromLatin1(parts[g]));
                }
            }
            return {};
        }
        case Format::Dict:
        case Format::Clock:
        case Format::Praise:
            return needFields(1);
        case Format::Cat:
            if (const QString need = needFields(2); !need.isEmpty())
                return need;
            // These codes explain the marked part of the sentence.
            if (code == 36011 || code == 19 || code == 119) {
                if (const QString m = gapText(field(1), 1, 1); !m.isEmpty())
                    return m;
            }
            // A tense line's digit must name a tense that one of its buttons shows.
            if (catalogue::categoryOptions(code).tenseDigit &&
                category::tenseName(field(2).isEmpty() ? '\0' : field(2).at(0)) !=
                    category::read(f, catalogue::categoryOptions(code)).right)
                return QStringLiteral("field 2 must begin with a tense digit 1-5 whose tense "
                                      "is one of the choices");
            return choiceLimits();
        case Format::FiveMc:
            if (const QString need = needFields(2); !need.isEmpty())
                return need;
            return choiceLimits();
        case Format::Word:
            return markedWord(11);
        case Format::Be:
            return markedWord(10);
        case Format::Read:
            return needFields(3);
        case Format::Picq:
            if (const QString need = needFields(2); !need.isEmpty())
                return need;
            // Fields 1 to 3 are the names to choose from, field 4 the Swedish name: a fourth
            // name would stand where the Swedish one is read.
            if (f.alternativesCount > 0)
                return QStringLiteral("a picture-quiz line takes no \"&\" fields");
            if (f.fieldCount > picture::kMaxNames + 1)
                return QStringLiteral("has %1 fields: at most three names and the Swedish name")
                    .arg(f.fieldCount);
            if (f.fieldCount < 4 || field(4).trimmed().isEmpty())
                return QStringLiteral("field 4 (the Swedish name) is empty");
            return {};
        case Format::False:
            if (const QString need = needFields(3); !need.isEmpty())
                return need;
            if (!field(1).contains('='))
                return QStringLiteral("field 1 needs \"word = translation\"");
            return {};
        case Format::Duel:
            if (const QString need = needFields(2); !need.isEmpty())
                return need;
            if (!field(1).endsWith('s'))
                return QStringLiteral("field 1 must end in \"s\"");
            return {};
        case Format::Xact: {
            if (cipher::isScrambled(line))
                return QStringLiteral("X-act lines are kept plain");
            static const QRegularExpression kLevel(QStringLiteral("^(\\d{1,2})(\\D.*)$"));
            const QRegularExpressionMatch m = kLevel.match(QString::fromLatin1(line));
            const int level = m.hasMatch() ? m.captured(1).toInt() : 0;
            if (level < 1 || level > 20)
                return QStringLiteral("must begin with a level number 1..20 and no digit after "
                                      "it");
            const qsizetype hash = line.indexOf('#', 1);
            if (hash < 0 || hash >= line.size() - 1)
                return QStringLiteral("needs a \"#\" between task and answer");
            ++levels[level];
            return {};
        }
        default:
            return {};
        }
    }

    void checkTextFile(const catalogue::MaterialFile& f, const QList<QByteArray>& lines)
    {
        auto isEnd = [](const QByteArray& l) { return l.trimmed() == "#"; };
        QByteArray last;
        for (const QByteArray& l : lines) {
            if (!l.trimmed().isEmpty())
                last = l;
        }
        switch (f.format) {
        case Format::Reveal:
        case Format::Speed:
        case Format::Tell:
        case Format::Prank:
            if (!isEnd(last))
                problem(f.path, QStringLiteral("the last part must be followed by a line \"#\""));
            break;
        default:
            break;
        }

        int lineNo = 0;
        int textLines = 0;
        int separators = 0;
        bool startOfStory = true;
        for (const QByteArray& raw : lines) {
            ++lineNo;
            const QByteArray l = cipher::dekryptrad(raw);
            if (f.format == Format::Speed) {
                if (isEnd(l)) {
                    textLines = 0;
                } else if (++textLines > catalogue::limits::kSpeedTextLines) {
                    lineProblem(f.path, lineNo, QStringLiteral("a text has at most 29 lines"));
                    textLines = 0;
                }
                if (l.size() > datafile::kTextWidth)
                    lineProblem(
                        f.path, lineNo,
                        QStringLiteral("longer than %1 characters").arg(datafile::kTextWidth));
            } else if (f.format == Format::Prank) {
                if (l.trimmed().isEmpty())
                    continue;
                if (startOfStory && !l.startsWith('$'))
                    lineProblem(f.path, lineNo,
                                QStringLiteral("a story begins with its title line \"$Title\""));
                startOfStory = isEnd(l);
            } else if (f.format == Format::StoryGin) {
                if (isEnd(l))
                    ++separators;
                else if (separators >= 3 && !l.trimmed().isEmpty())
                    lineProblem(f.path, lineNo, QStringLiteral("text after the third \"#\""));
            } else if (f.format == Format::WordPairs && !l.trimmed().isEmpty()) {
                if (datafile::splitFields(raw).fieldCount < 2)
                    lineProblem(f.path, lineNo, QStringLiteral("needs \"word#translation\""));
            }
        }
        if (f.format == Format::StoryGin && separators < 2)
            problem(f.path, QStringLiteral("needs three sections separated by lines \"#\""));
        checkStories(f, lines);
        if (f.format == Format::Horo && lines.size() < catalogue::limits::kHoroscopeLines)
            problem(f.path, QStringLiteral("has %1, needs at least 356 (fixed line numbers)")
                                .arg(count(lines.size(), "line")));
    }

    /// The rules of the reading and writing games that the forms would otherwise meet as
    /// a story that cannot be solved, a text cut short or a photo album that never ends.
    void checkStories(const catalogue::MaterialFile& f, const QList<QByteArray>& raw)
    {
        namespace st = storytext;
        const QList<QByteArray> lines = st::readLines(raw.join('\n'));
        const int parts = st::countEnds(lines);
        switch (f.format) {
        case Format::Reveal:
            for (int n = 1; n <= parts; ++n) {
                const st::RevealStory story = st::readRevealStory(lines, n);
                if (story.hidden > 0)
                    problem(f.path, QStringLiteral("story %1 has more words than its 7 rows of 7 "
                                                   "can show")
                                        .arg(n));
                if (story.words == 0)
                    problem(f.path, QStringLiteral("story %1 has no word to reveal").arg(n));
                for (const QByteArray& l : st::part(lines, n))
                    for (const QByteArray& w : l.split(' '))
                        if (w.size() > st::kRevealWordLength)
                            problem(f.path, QStringLiteral("story %1: the word \"%2\" is longer "
                                                           "than %3 characters")
                                                .arg(n)
                                                .arg(QString::fromLatin1(w))
                                                .arg(st::kRevealWordLength));
            }
            break;
        case Format::Speed:
            for (int n = 1; n <= parts; ++n) {
                const QList<QByteArray> text = st::part(lines, n);
                const qsizetype empty = text.indexOf(QByteArray());
                if (empty >= 0 && empty + 1 < text.size())
                    problem(f.path,
                            QStringLiteral("text %1: an empty line ends the text there").arg(n));
                if (st::speedStats(st::speedText(lines, n)).words == 0)
                    problem(f.path, QStringLiteral("text %1 has no words").arg(n));
            }
            break;
        case Format::Tell: {
            const st::Starters starters = st::readStarters(lines);
            for (int n = 1; n <= starters.count(); ++n) {
                const auto three = starters.starter(n);
                if (std::any_of(three.begin(), three.end(),
                                [](const QByteArray& l) { return l.trimmed().isEmpty(); }))
                    problem(f.path, QStringLiteral("starter %1 needs three lines").arg(n));
            }
            break;
        }
        case Format::StoryGin: {
            const auto sections = st::readSections(lines);
            for (size_t i = 0; i < sections.size(); ++i)
                if (sections[i].size() < st::Album::kLastPhoto)
                    problem(f.path, QStringLiteral("section %1 has %2, the album needs %3")
                                        .arg(i + 1)
                                        .arg(count(sections[i].size(), "line"))
                                        .arg(st::Album::kLastPhoto));
            break;
        }
        case Format::Prank: {
            const QList<st::PrankStory> stories = st::readPrankStories(lines);
            if (stories.isEmpty())
                problem(f.path, QStringLiteral("has no story"));
            for (const st::PrankStory& story : stories)
                for (size_t k = 0; k < story.gaps.size(); ++k)
                    if (story.gaps[k] > st::kPrankWords)
                        problem(f.path, QStringLiteral("\"%1\" has %2 gaps \"#%3\", at most %4")
                                            .arg(QString::fromLatin1(story.title))
                                            .arg(story.gaps[k])
                                            .arg(k + 1)
                                            .arg(st::kPrankWords));
            break;
        }
        case Format::Horo:
            for (const st::Sign& sign : st::signs()) {
                for (int n = sign.first; n <= sign.last && n <= lines.size(); ++n) {
                    const QByteArray& l = lines.at(n - 1);
                    if (l.trimmed().isEmpty() || l.startsWith('$') || l.startsWith(';'))
                        lineProblem(f.path, n,
                                    QStringLiteral("a sentence of %1 must stand here")
                                        .arg(QString::fromLatin1(sign.name)));
                }
                for (int n = sign.last + 1; n <= sign.last + st::kClosingLines; ++n)
                    if (n > lines.size() || !lines.at(n - 1).startsWith('$'))
                        lineProblem(f.path, n,
                                    QStringLiteral("%1 needs three closing lines "
                                                   "\"$...\" here")
                                        .arg(QString::fromLatin1(sign.name)));
            }
            break;
        default:
            break;
        }
    }

    void checkPicture(const catalogue::MaterialFile& f, const QString& path)
    {
        const QImage image(path);
        if (image.isNull()) {
            problem(f.path, QStringLiteral("cannot be read as a picture"));
            return;
        }
        if (f.width > 0 && (image.width() != f.width || image.height() != f.height))
            problem(f.path, QStringLiteral("is %1x%2 pixels, expected %3x%4")
                                .arg(image.width())
                                .arg(image.height())
                                .arg(f.width)
                                .arg(f.height));
    }

    void checkSound(const QByteArray& relative, const QString& path)
    {
        QFile f(path);
        QByteArray head;
        if (f.open(QIODevice::ReadOnly))
            head = f.read(12);
        if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
            problem(relative, QStringLiteral("is not a WAV file"));
    }

    QString m_root;
    QList<QRegularExpression> m_pending;
    QTemporaryDir m_ini;
    RecordingMessages m_messages;
    FixedClock m_clock;
    std::unique_ptr<Engine> m_engine;
    int m_expected = 0;
    int m_present = 0;
    int m_pendingCount = 0;
    int m_problems = 0;
};

} // namespace

int checkCommand(const QStringList& args)
{
    auto usage = [] {
        std::fprintf(stderr, "usage: vindra-material check DIR [--pending FILE]\n");
        return 2;
    };
    QString root;
    QString pending;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--pending") && i + 1 < args.size())
            pending = args[++i];
        else if (root.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            root = args[i];
        else
            return usage();
    }
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return usage();
    if (!pending.isEmpty() && !QFileInfo(pending).isFile()) {
        std::fprintf(stderr, "%s: the pending list cannot be read\n", qPrintable(pending));
        return 2;
    }
    return Checker(root, pending).run();
}

} // namespace vindra::material
