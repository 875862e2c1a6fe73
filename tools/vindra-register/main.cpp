// vindra-register: the diagnosis register of a class, for the person who administers it.
//
//   vindra-register list                       one line per pupil: name, whether a password is
//                                              set, the total and each slot's result and state
//   vindra-register export --csv               the register as CSV (UTF-8) on standard output
//   vindra-register add NAME [--password P]    registers a pupil with a fresh record
//   vindra-register check                      reports damaged records and a truncated end
//   vindra-register report --pdf F | --png F   the class overview on landscape A4 sheets
//   vindra-register --help | --version
//
// The register is RDIAG.DIA in the results directory named by the directories file
// (Kelvo97.Ini); --dir DIR names another directory. Exit codes: 0 done, 1 refused or
// something is wrong, 2 wrong use.

#include "common/output.h"
#include "engine/cp1252.h"
#include "engine/diagnosisrecord.h"
#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/messages.h"
#include "report.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace vindra;

namespace {

namespace rec = diagnosisrecord;

class StderrMessages : public Messages {
public:
    void show(MessageKind, const QString& text) override
    {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
    bool confirm(const QString&) override { return false; }
    bool retry(const QString&) override { return false; }
};

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

int fail(const QString& text, int code = 1)
{
    std::fprintf(stderr, "vindra-register: %s\n", text.toUtf8().constData());
    return code;
}

/// The commands: on standard error after wrong use (exit code 2), on standard output for
/// --help (0).
int usage(std::FILE* to = stderr)
{
    std::fputs("usage: vindra-register [--dir DIR] list\n"
               "       vindra-register [--dir DIR] export --csv\n"
               "       vindra-register [--dir DIR] add NAME [--password P]\n"
               "       vindra-register [--dir DIR] check\n"
               "       vindra-register [--dir DIR] report [--pdf FILE] [--png FILE]\n",
               to);
    return to == stdout ? 0 : 2;
}

qint64 total(const DiagnosisRecord& r)
{
    qint64 sum = 0; // damaged records may hold any result
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        sum += r.result[static_cast<size_t>(s)];
    return sum;
}

QString stateName(int state)
{
    const QByteArray text = rec::stateText(state);
    return text.isEmpty() ? QString::number(state) : QString::fromLatin1(text);
}

QString dateOf(const DiagnosisRecord& r, int s)
{
    const auto i = static_cast<size_t>(s);
    if (r.result[i] <= 0)
        return {};
    auto two = [](int v) { return QStringLiteral("%1").arg(v % 100, 2, 10, QLatin1Char('0')); };
    return two(r.year[i]) + two(r.month[i]) + two(r.day[i]) + QLatin1Char(' ') + two(r.hour[i]) +
           QLatin1Char(':') + two(r.minute[i]);
}

/// A CSV field, quoted when it holds a comma, a quotation mark or a line break (RFC 4180). A
/// field that a spreadsheet would take for a formula (beginning with "=", "+", "-", "@", a
/// tab or a carriage return) gets a "'" in front, so that opening the export never runs one.
QString csvField(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const QString field =
        !text.isEmpty() && formulaStarts.contains(text.front()) ? QLatin1Char('\'') + text : text;
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::optional<DiagnosisRegister::Contents> readOrReport(const DiagnosisRegister& reg)
{
    recordfile::Error error;
    auto contents = reg.read(&error);
    if (!contents && error.cause == recordfile::Cause::None)
        fail(QStringLiteral("cannot read the register %1").arg(reg.registerPath()));
    else if (!contents)
        fail(QStringLiteral("cannot read the register: %1").arg(recordfile::describe(error)));
    return contents;
}

void warnTail(const DiagnosisRegister::Contents& c)
{
    if (!c.tail.isEmpty())
        fail(QStringLiteral("warning: the last %1 bytes of the register do not form a whole "
                            "record")
                 .arg(c.tail.size()));
}

int list(const DiagnosisRegister& reg)
{
    const auto contents = readOrReport(reg);
    if (!contents)
        return 1;
    for (const QByteArray& bytes : contents->records) {
        const DiagnosisRecord r = rec::fromBytes(bytes);
        QString line = cp1252::toUnicode(r.name) + QStringLiteral("\tpassword: ") +
                       (r.password.isEmpty() ? QStringLiteral("no") : QStringLiteral("yes")) +
                       QStringLiteral("\ttotal: ") + QString::number(total(r));
        for (int s = 1; s <= kDiagnosisSlots; ++s) {
            const auto i = static_cast<size_t>(s);
            line +=
                QStringLiteral("\t%1: %2 %3").arg(s).arg(r.result[i]).arg(stateName(r.state[i]));
        }
        out(line + QLatin1Char('\n'));
    }
    warnTail(*contents);
    return 0;
}

int exportCsv(const DiagnosisRegister& reg)
{
    const auto contents = readOrReport(reg);
    if (!contents)
        return 1;
    const QString crlf = QStringLiteral("\r\n");
    QStringList header = {QStringLiteral("name"), QStringLiteral("has_password"),
                          QStringLiteral("total")};
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        header << QStringLiteral("s%1_result").arg(s) << QStringLiteral("s%1_state").arg(s)
               << QStringLiteral("s%1_date").arg(s);
    out(header.join(QLatin1Char(',')) + crlf);
    for (const QByteArray& bytes : contents->records) {
        const DiagnosisRecord r = rec::fromBytes(bytes);
        QStringList row = {csvField(cp1252::toUnicode(r.name)),
                           r.password.isEmpty() ? QStringLiteral("no") : QStringLiteral("yes"),
                           QString::number(total(r))};
        for (int s = 1; s <= kDiagnosisSlots; ++s) {
            const auto i = static_cast<size_t>(s);
            row << QString::number(r.result[i]) << stateName(r.state[i]) << dateOf(r, s);
        }
        out(row.join(QLatin1Char(',')) + crlf);
    }
    warnTail(*contents);
    return 0;
}

int check(const DiagnosisRegister& reg)
{
    const auto contents = readOrReport(reg);
    if (!contents)
        return 1;
    int problems = 0;
    for (qsizetype n = 0; n < contents->records.size(); ++n) {
        const QByteArray& bytes = contents->records[n];
        for (const QString& p : rec::problemsOf(bytes)) {
            out(QStringLiteral("record %1 (%2): %3\n")
                    .arg(n + 1)
                    .arg(cp1252::toUnicode(rec::nameOf(bytes)), p));
            ++problems;
        }
    }
    if (!contents->tail.isEmpty()) {
        out(QStringLiteral("the register is truncated: the last %1 bytes do not form a whole "
                           "record of %2 bytes\n")
                .arg(contents->tail.size())
                .arg(rec::kSize));
        ++problems;
    }
    out(QStringLiteral("%1 records, %2\n")
            .arg(contents->records.size())
            .arg(problems == 0
                     ? QStringLiteral("no problems")
                     : QStringLiteral("%1 problem%2").arg(problems).arg(problems == 1 ? "" : "s")));
    return problems == 0 ? 0 : 1;
}

/// The text in the register's code page, or nothing when a character has no place there.
std::optional<QByteArray> encoded(const QString& text)
{
    const QByteArray bytes = cp1252::fromUnicode(text);
    if (cp1252::toUnicode(bytes) != text)
        return std::nullopt;
    return bytes;
}

int add(DiagnosisRegister& reg, const QString& name, const QString& password)
{
    const auto nameBytes = encoded(name);
    const auto passwordBytes = encoded(password);
    if (name.trimmed().isEmpty())
        return fail(QStringLiteral("a pupil needs a name"));
    if (!nameBytes || !passwordBytes)
        return fail(QStringLiteral("the name and the password may use only the characters of the "
                                   "Windows code page 1252"));
    if (name.size() > 20)
        return fail(QStringLiteral("a name has at most 20 characters"));
    if (password.size() > rec::kPasswordWidth)
        return fail(
            QStringLiteral("a password has at most %1 characters").arg(rec::kPasswordWidth));
    // The register window takes this name for the teacher's login; a pupil of that name
    // would lock the teacher out.
    if (name.toUpper() == QStringLiteral("VÄKTOR"))
        return fail(QStringLiteral("the name %1 is kept for the teacher").arg(name));

    DiagnosisRecord r = rec::cleared();
    r.name = *nameBytes;
    r.password = *passwordBytes;
    recordfile::Error error;
    switch (reg.store(r, DiagnosisRegister::StoreMode::AddOnly, &error)) {
    case DiagnosisRegister::StoreResult::Saved:
        out(QStringLiteral("added %1\n").arg(name));
        return 0;
    case DiagnosisRegister::StoreResult::NameTaken:
        return fail(
            QStringLiteral("%1 is already in the register (names ignore letter case)").arg(name));
    case DiagnosisRegister::StoreResult::Failed:
        break;
    }
    return fail(QStringLiteral("the register %1 could not be written: %2")
                    .arg(reg.registerPath(), recordfile::describe(error)));
}

int run(int argc, char* argv[])
{
    const auto app = registerApplication(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--help")})
        return usage(stdout);
    if (args == QStringList{QStringLiteral("--version")}) {
        out(QStringLiteral("vindra-register " VINDRA_VERSION "\n"));
        return 0;
    }

    StderrMessages messages;
    SystemClock clock;
    Engine engine(messages, clock, 1);

    const qsizetype dirAt = args.indexOf(QStringLiteral("--dir"));
    if (dirAt >= 0) {
        if (dirAt + 1 >= args.size())
            return usage();
        engine.dirs.results = cp1252::fromUnicode(args[dirAt + 1]);
        args.remove(dirAt, 2);
    } else {
        engine.readDirectories(findWindowsDirectory(QCoreApplication::applicationDirPath()));
    }
    if (args.isEmpty())
        return usage();

    DiagnosisRegister reg(engine);
    const QString command = args.takeFirst();
    if (command == QLatin1String("list") && args.isEmpty())
        return list(reg);
    if (command == QLatin1String("export") && args == QStringList{QStringLiteral("--csv")})
        return exportCsv(reg);
    if (command == QLatin1String("check") && args.isEmpty())
        return check(reg);
    if (command == QLatin1String("report")) {
        if (const auto code = report(engine, args))
            return *code;
        return usage();
    }
    if (command == QLatin1String("add") && !args.isEmpty()) {
        const QString name = args.takeFirst();
        QString password;
        if (args.size() == 2 && args[0] == QLatin1String("--password"))
            password = args[1];
        else if (!args.isEmpty())
            return usage();
        return add(reg, name, password);
    }
    return usage();
}

} // namespace

int main(int argc, char* argv[])
{
    vindra::tools::guardStandardStreams();
    return vindra::tools::finishOutput("vindra-register", run(argc, argv));
}
