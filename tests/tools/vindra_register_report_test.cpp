#include "engine/diagnosisrecord.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;
namespace rec = vindra::diagnosisrecord;

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

/// The tool as a teacher's terminal or a CI job runs it: no display, no platform chosen.
Outcome report(const QString& dir, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VINDRA_REGISTER_TOOL), QStringList{"--dir", dir, "report"} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void writeRegister(const QString& dir, const QByteArray& bytes)
{
    QFile f(dir + "/RDIAG.DIA");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray record(const QByteArray& name, int result1, const QByteArray& password = {})
{
    DiagnosisRecord r = rec::cleared();
    r.name = name;
    r.password = password;
    r.result[1] = result1;
    r.state[1] = rec::GeStatusTal(r, 1);
    return rec::toBytes(r);
}

} // namespace

TEST(VindraRegisterReport, WritesPdfAndPictureWithoutADisplay)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    writeRegister(dir.path(), record("Anna", 16, "hemlig") +
                                  record("\xC5sa \xD6"
                                         "berg",
                                         9) +
                                  QByteArray(40, 'z'));
    const QString pdf = dir.filePath("klass.pdf");
    const QString png = dir.filePath("klass.png");

    const Outcome run = report(dir.path(), {"--pdf", pdf, "--png", png});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("warning: the register is truncated: the last 40 bytes"))
        << run.err.toStdString();

    const QString info = output("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)")))
        << "A4 landscape: " << info.toStdString();

    const QString text = output("pdftotext", {"-layout", pdf, "-"});
    for (const char* expected : {"Class overview of the diagnoses", "Anna", "Åsa Öberg",
                                 "DINA ORD, Översätt 1", "truncated", "50%"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    EXPECT_FALSE(text.contains("hemlig"));

    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), picture.height()) << "landscape";
}

TEST(VindraRegisterReport, WrongUseAndFailuresAreReported)
{
    QTemporaryDir dir;
    const struct {
        QStringList args;
        int code;
        const char* err;
    } cases[] = {
        {{}, 2, "usage"},
        {{"--pdf"}, 2, "usage"},
        {{"--doc", "x"}, 2, "usage"},
        {{"--pdf", "a.pdf", "--pdf", "b.pdf"}, 2, "usage"},
        {{"--pdf", dir.filePath("x.pdf")}, 1, "cannot read the register"},
    };
    for (const auto& c : cases) {
        const Outcome run = report(dir.path(), c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
    }

    writeRegister(dir.path(), record("Anna", 16));
    for (const char* option : {"--pdf", "--png"}) {
        const Outcome run = report(dir.path(), {option, dir.filePath("missing/x")});
        EXPECT_EQ(run.code, 1) << option;
        EXPECT_TRUE(run.err.contains("could not be written")) << run.err.toStdString();
    }
}
