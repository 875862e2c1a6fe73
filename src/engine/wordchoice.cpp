#include "wordchoice.h"

#include "cp1252.h"
#include "datafile.h"

namespace vindra::wordchoice {

QList<QByteArray> markedWords(const QList<QByteArray>& lines, int max)
{
    QList<QByteArray> words;
    for (const QByteArray& line : lines) {
        if (words.size() >= max)
            break;
        if (!datafile::isItem(line))
            continue;
        const datafile::ItemFields fields = datafile::splitFields(line);
        QByteArray word;
        int markers = 0;
        for (const char c : fields.field[1]) {
            if (c == '<' || c == '>') {
                if (++markers == 2)
                    break;
            } else if (markers == 1) {
                word += c;
            }
        }
        word = cp1252::fromUnicode(cp1252::toUnicode(word).toLower());
        if (!word.isEmpty() && !words.contains(word))
            words.append(word);
    }
    return words;
}

} // namespace vindra::wordchoice
