#include "pictureitem.h"

namespace vindra::picture {

QuizItem readQuiz(const datafile::ItemFields& item)
{
    QuizItem quiz;
    for (int i = 1; i <= kMaxNames && i < int(item.field.size()); ++i) {
        const QByteArray& name = item.field[static_cast<size_t>(i)];
        if (name.trimmed().isEmpty())
            break;
        quiz.names << name;
    }
    if (quiz.names.isEmpty())
        quiz.names << QByteArray();
    if (item.field.size() > 4)
        quiz.swedish = item.field[4];
    return quiz;
}

QByteArray joinLines(const QByteArray& second, const QByteArray& third)
{
    if (third.isEmpty())
        return second;
    if (second.isEmpty())
        return third;
    if (second.endsWith(' ') || third.startsWith(' '))
        return second + third;
    return second + ' ' + third;
}

} // namespace vindra::picture
