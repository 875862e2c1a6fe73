// libFuzzer target over the readers of the reading and writing games: the reveal story and
// its game, the reading-speed text and its eraser, the story starters, the photo album's
// sections, the prank stories with their gaps and the horoscope.

#include "engine/random.h"
#include "engine/storytext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    using namespace vindra::storytext;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = readLines(content);
    const int parts = std::min(countEnds(lines) + 1, 6);
    Random random(1);

    for (int n = 1; n <= parts; ++n) {
        RevealStory story = readRevealStory(lines, n);
        if (story.cells.size() > kRevealSlots || story.words != story.wordList.size())
            std::abort();
        RevealGame game(story);
        for (const QByteArray& w : story.wordList.mid(0, 10))
            game.guess(w);
        game.drop(0, 0);
        if (game.right() > story.words || game.solvedPercent() > 100)
            std::abort();

        const QList<QByteArray> text = speedText(lines, n);
        if (text.size() > kSpeedLines)
            std::abort();
        const SpeedStats stats = speedStats(text);
        Eraser eraser(text);
        int cuts = 0;
        while (!eraser.done()) {
            if (eraser.next().line < 0 || ++cuts > stats.words)
                std::abort();
        }
        if (cuts != stats.words)
            std::abort();
    }

    const Starters starters = readStarters(lines);
    for (int n = 0; n <= starters.count() + 1; ++n)
        starters.starter(n);

    Album album(readSections(lines));
    if (album.usable()) {
        for (int photo = 0; photo < 25; ++photo)
            if (!album.next(random).endsWith('.'))
                std::abort();
    }

    for (const PrankStory& story : readPrankStories(lines).mid(0, 4)) {
        std::array<QList<QByteArray>, 3> words;
        for (size_t k = 0; k < 3; ++k)
            for (int i = 0; i < wordsToAsk(story.gaps[k]); ++i)
                words[k] << "w";
        const QList<QByteArray> filled = fillGaps(story, words);
        const auto wrap = [](const QByteArray& t) {
            QList<QByteArray> out;
            for (qsizetype i = 0; i < t.size(); i += 40)
                out << t.mid(i, 40);
            return out.isEmpty() ? QList<QByteArray>{t} : out;
        };
        qsizetype before = 0;
        for (const QByteArray& l : filled)
            before += l.size();
        qsizetype after = 0;
        for (const QByteArray& l : flowLines(filled, wrap))
            after += l.size();
        if (after < before)
            std::abort();
    }

    for (int sign = 0; sign < 12; ++sign) {
        const QList<int> chosen = drawSentenceLines(sign, random);
        if (horoscope(lines, sign, chosen).size() > kHoroscopeSentences + kClosingLines)
            std::abort();
    }
    readWordList(lines);
    return 0;
}
