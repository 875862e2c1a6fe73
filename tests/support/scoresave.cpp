// Saves entries into a high-score list the way the high-score window does, for the test of
// two programs saving into one list at the same moment.
//
//   vindra-score-save FILE NAME COUNT    saves COUNT entries NAME1 … NAMECOUNT with scores
//                                        1 … COUNT into FILE (a be-game list: lower first)

#include "engine/highscore.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    const int count = args[3].toInt();
    for (int i = 1; i <= count; ++i) {
        vindra::highscore::Entry e;
        e.name = args[2].toLatin1() + QByteArray::number(i);
        e.score = static_cast<quint16>(i);
        const auto result = vindra::highscore::save(args[1], e, vindra::highscore::Kind::Time);
        if (result.status != vindra::recordfile::Status::Saved)
            return 1;
    }
    return 0;
}
