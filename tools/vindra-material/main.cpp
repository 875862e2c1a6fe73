// vindra-material: tools for the people who write the exercise files.
//
//   vindra-material scramble     scrambles every item line of standard input
//   vindra-material unscramble   unscrambles every scrambled line of standard input
//   vindra-material fields       prints the fields of every item line of standard input
//   vindra-material try [--mode 1|3] [--code N] [--gap 1|2] -- LINE ANSWER
//                                checks ANSWER against item line LINE (scrambled or not) as
//                                an exercise would: prints the answer check's result (0 right,
//                                6000 empty, 60000 wrong) and then the lamp's (1 green, 2 red),
//                                both by the rules of the comparison mode
//
// Input and output are the material's own bytes (cp1252); output lines end in LF. The
// arguments of "try" are UTF-8, as a terminal types them.
//
// The material build and check (see material/README.md):
//
//   vindra-material encode SRC DST           UTF-8 text source to its cp1252 copy
//   vindra-material datfiler DST             the data-file list, from the catalogue
//   vindra-material picture main|ending N SRC.svg BILDDIR   the bitmaps of picture N
//   vindra-material picture named SRC.svg DST.BMP           a picture of its own name
//   vindra-material picture britain SRC.svg BILDDIR   the map or the flags at their sizes
//   vindra-material speak LIST DIR           one WAV per line of a word list (flite)
//   vindra-material melody SCORE OUT.WAV     a score synthesised (the anthem)
//   vindra-material birdsong SONG OUT.WAV    a bird's song synthesised (LJUD/BIRDS)
//   vindra-material list                     every file of fixed name in a material root
//   vindra-material check DIR [--pending F]  verifies a material root
//   vindra-material --help | --version

#include "commands.h"
#include "common/output.h"

#include "engine/catalogue.h"
#include "engine/cipher.h"
#include "engine/cp1252.h"
#include "engine/datafile.h"
#include "engine/engine.h"
#include "engine/gapitem.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

/// All of standard input; nothing, after a message, when it cannot be read.
std::optional<QByteArray> readStdin()
{
    QByteArray all;
    const char* why = nullptr;
    if (vindra::tools::readStandardInput(all, &why))
        return all;
    std::fprintf(stderr, "vindra-material: cannot read the input: %s\n", why);
    return std::nullopt;
}

void writeLine(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
}

/// The commands: on standard error after wrong use (exit code 2), on standard output for
/// --help (0).
int usage(std::FILE* to = stderr)
{
    std::fputs(
        "usage: vindra-material scramble|unscramble|fields < FILE\n"
        "       vindra-material try [--mode 1|3] [--code N] [--gap 1|2] -- LINE ANSWER\n"
        "       vindra-material encode|datfiler|picture|speak|melody|birdsong|list|check ...\n",
        to);
    return to == stdout ? 0 : 2;
}

/// "try": the engine's own answer check and lamp on one item line.
int tryAnswer(int argc, char* argv[])
{
    int mode = 1;
    quint16 code = 0;
    int gapNumber = 0;
    int i = 2;
    for (; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "--")
            break;
        if (i + 1 >= argc)
            return usage();
        bool ok = false;
        const QByteArray value = argv[++i];
        if (arg == "--mode") {
            mode = value.toInt(&ok);
            ok = ok && (mode == 1 || mode == 3);
        } else if (arg == "--code") {
            code = value.toUShort(&ok);
        } else if (arg == "--gap") {
            gapNumber = value.toInt(&ok);
            ok = ok && (gapNumber == 1 || gapNumber == 2);
        }
        if (!ok)
            return usage();
    }
    if (i + 3 != argc)
        return usage();
    const QByteArray line = vindra::cp1252::fromUnicode(QString::fromUtf8(argv[i + 1]));
    const QByteArray answer = vindra::cp1252::fromUnicode(QString::fromUtf8(argv[i + 2]));

    vindra::RecordingMessages messages;
    vindra::FixedClock clock;
    vindra::Engine engine(messages, clock, 1);
    engine.item.exerciseCode = code;
    engine.str_postarray(line);
    if (gapNumber != 0) {
        // A gap sentence: the gap's own answer, checked as the gap exercise checks it.
        const vindra::datafile::ItemFields fields = vindra::datafile::splitFields(line);
        const vindra::gap::Item item =
            vindra::gap::read(fields, vindra::catalogue::gapPromptKind(code));
        if (gapNumber > item.answers.size()) {
            writeLine("the line has no gap " + QByteArray::number(gapNumber));
            return 1;
        }
        const QByteArray right = item.answers.at(gapNumber - 1);
        const bool two = item.answers.size() == 2;
        writeLine(QByteArray::number(two ? engine.svarstestPart(right, answer, gapNumber, mode)
                                         : engine.svarstest(right, answer, mode)));
        writeLine(vindra::gap::rightBeginning(answer, right, fields, two ? gapNumber : 0) ? "1"
                                                                                          : "2");
        return 0;
    }
    // The field the forms take the right answer from (field 1 where the direction is reversed).
    const QByteArray right =
        engine.item.fields[static_cast<size_t>(vindra::catalogue::answerField(code))];
    writeLine(QByteArray::number(engine.svarstest(right, answer, mode)));
    writeLine(QByteArray::number(engine.GreenRedTest(answer, right, mode)));
    return 0;
}

int run(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return usage(stdout);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("vindra-material " VINDRA_VERSION);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "try") == 0)
        return tryAnswer(argc, argv);
    if (argc >= 2) {
        const QByteArray command = argv[1];
        QStringList args;
        for (int i = 2; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        if (command == "picture") {
            // Pictures with text need fonts, which need a GUI application; no display is used.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication app(argc, argv);
            return vindra::material::pictureCommand(args);
        }
        // Only the file commands need an application; the filters of standard input run
        // without one.
        if (QByteArrayList{"encode", "datfiler", "speak", "melody", "birdsong", "list", "check"}
                .contains(command)) {
            QCoreApplication app(argc, argv);
            if (command == "encode")
                return vindra::material::encodeCommand(args);
            if (command == "datfiler")
                return vindra::material::datfilerCommand(args);
            if (command == "speak")
                return vindra::material::speakCommand(args);
            if (command == "melody")
                return vindra::material::melodyCommand(args);
            if (command == "birdsong")
                return vindra::material::birdsongCommand(args);
            if (command == "list")
                return vindra::material::listCommand();
            return vindra::material::checkCommand(args);
        }
    }
    if (argc != 2)
        return usage();
    const char* command = argv[1];
    const bool filter = std::strcmp(command, "scramble") == 0 ||
                        std::strcmp(command, "unscramble") == 0 ||
                        std::strcmp(command, "fields") == 0;
    if (!filter)
        return usage();
    const auto input = readStdin();
    if (!input)
        return 1;

    if (std::strcmp(command, "scramble") == 0 || std::strcmp(command, "unscramble") == 0) {
        const bool scramble = command[0] == 's';
        for (const QByteArray& line : vindra::datafile::splitLines(*input)) {
            // Only item lines are scrambled; empty, comment and "$" lines stay as they are.
            if (scramble && vindra::datafile::isItem(line))
                writeLine(vindra::cipher::kryptrad(line));
            else
                writeLine(vindra::cipher::dekryptrad(line));
        }
        return 0;
    }
    if (std::strcmp(command, "fields") == 0) {
        for (const QByteArray& line : vindra::datafile::splitLines(*input)) {
            if (!vindra::datafile::isItem(line))
                continue;
            const vindra::datafile::ItemFields f = vindra::datafile::splitFields(line);
            QByteArray out =
                QByteArray::number(f.fieldCount) + '\t' + QByteArray::number(f.alternativesCount);
            for (int i = 1; i <= f.fieldCount; ++i)
                out += '\t' + f.field[static_cast<size_t>(i)];
            writeLine(out);
        }
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char* argv[])
{
    vindra::tools::guardStandardStreams();
    return vindra::tools::finishOutput("vindra-material", run(argc, argv));
}
