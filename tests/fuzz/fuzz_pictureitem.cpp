// libFuzzer target over the reading of the picture exercises' lines: the quiz's names and
// Swedish name, and the body questions' lines as they are joined for their label.

#include "engine/datafile.h"
#include "engine/pictureitem.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = datafile::splitLines(content);
    for (const QByteArray& line : lines) {
        const datafile::ItemFields f = datafile::splitFields(line);
        const picture::QuizItem quiz = picture::readQuiz(f);
        // Every line offers one to three names, the right one (field 1) first.
        if (quiz.names.isEmpty() || quiz.names.size() > picture::kMaxNames)
            std::abort();
        if (!f.field[1].trimmed().isEmpty() && quiz.names.first() != f.field[1])
            std::abort();
        for (const QByteArray& name : quiz.names)
            if (quiz.names.size() > 1 && name.trimmed().isEmpty())
                std::abort();
        // A question split over three lines loses no text when lines 2 and 3 are joined.
        const QByteArray joined = picture::joinLines(f.field[1], f.field[2]);
        if (joined.size() < f.field[1].size() + f.field[2].size())
            std::abort();
    }
    return 0;
}
