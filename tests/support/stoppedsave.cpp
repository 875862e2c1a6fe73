// A save of the diagnosis register that stops for good after the new register is on disk
// and before it replaces the old one, so that a test can kill it at that moment.
//
//   vindra-stopped-save DIR NAME    saves a fresh record of NAME into DIR/RDIAG.DIA; prints
//                                   "ready" when it has stopped

#include "engine/cp1252.h"
#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    vindra::RecordingMessages messages;
    vindra::SystemClock clock;
    vindra::Engine engine(messages, clock, 1);
    engine.dirs.results = vindra::cp1252::fromUnicode(args[1]);
    vindra::DiagnosisRegister reg(engine);
    reg.RensaDiagnos();
    engine.diagnosis.current.name = vindra::cp1252::fromUnicode(args[2]);
    reg.beforeCommit = [] {
        std::puts("ready");
        std::fflush(stdout);
        QThread::sleep(600);
    };
    return reg.SparaProtokoll() ? 0 : 1;
}
