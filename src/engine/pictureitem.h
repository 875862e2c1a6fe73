#pragma once

#include "datafile.h"

#include <QByteArray>
#include <QList>

/// The item lines of the picture exercises, read from their fields.
namespace vindra::picture {

/// Names a picture-quiz item offers at most.
constexpr int kMaxNames = 3;

/// A picture-quiz item: the English names to choose from, the right one first, and the
/// Swedish name shown under the picture.
struct QuizItem {
    QList<QByteArray> names; ///< 1..3 names: the non-empty fields from field 1 on
    QByteArray swedish;      ///< field 4, may be empty
};

/// Reads a quiz line: the names are the consecutive non-empty fields from field 1 on, at most
/// three. A line without any still offers one (empty) name, so that the round can go on.
QuizItem readQuiz(const datafile::ItemFields& item);

/// Lines 2 and 3 of a split question, as they stand together in one label: joined with one
/// blank between them when neither brings one.
QByteArray joinLines(const QByteArray& second, const QByteArray& third);

} // namespace vindra::picture
