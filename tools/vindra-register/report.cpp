#include "report.h"

#include "diagnosis/classreport.h"
#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "platform/qtimageprinter.h"
#include "platform/qtprinter.h"

#include <QGuiApplication>

#include <cstdio>

using namespace vindra;

namespace {

int complain(const QString& text, int code = 1)
{
    std::fprintf(stderr, "vindra-register: %s\n", text.toUtf8().constData());
    return code;
}

} // namespace

std::unique_ptr<QCoreApplication> registerApplication(int& argc, char** argv)
{
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || qstrcmp(argv[i], "report") == 0;
    if (!drawing)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<int> report(Engine& engine, const QStringList& args)
{
    QString pdf;
    QString png;
    bool wrongUse = args.isEmpty() || args.size() % 2 != 0;
    for (qsizetype i = 0; !wrongUse && i < args.size(); i += 2) {
        const bool isPdf = args[i] == QLatin1String("--pdf");
        QString& target = isPdf ? pdf : png;
        wrongUse = (!isPdf && args[i] != QLatin1String("--png")) || !target.isEmpty() ||
                   args[i + 1].isEmpty();
        target = args[i + 1];
    }
    if (wrongUse)
        return std::nullopt;

    const auto overview = classReportOf(engine);
    if (!overview)
        return complain(QStringLiteral("cannot read the register %1")
                            .arg(DiagnosisRegister(engine).registerPath()));
    for (const QString& problem : overview->overview().unreadable)
        complain(QStringLiteral("warning: %1").arg(problem));

    int code = 0;
    if (!pdf.isEmpty()) {
        QtPrinter printer;
        printer.printToPdf(pdf);
        printClassReport(printer, *overview);
        if (printer.lastDocumentWritten())
            std::printf("wrote %s\n", pdf.toUtf8().constData());
        else
            code = complain(QStringLiteral("the PDF %1 could not be written").arg(pdf));
    }
    if (!png.isEmpty()) {
        QtImagePrinter printer;
        printClassReport(printer, *overview);
        if (printer.savePng(png))
            std::printf("wrote %s\n", png.toUtf8().constData());
        else
            code = complain(QStringLiteral("the picture %1 could not be written").arg(png));
    }
    return code;
}
