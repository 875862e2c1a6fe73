#include "wordlistsource.h"

#include "cp1252.h"
#include "engine.h"
#include "platform/files.h"

namespace vindra {

bool WordListSource::choose(wordlist::Kind kind, const QByteArray& fileName)
{
    Engine& e = m_engine;
    m_key.clear();
    m_bytes.clear();
    e.item.headerLines = {};
    e.item.instructionLine.clear();
    e.item.worksheetInstruction.clear();
    m_path = e.materialPath("\\DATA\\" + fileName);
    QByteArray bytes;
    const wordlist::Contents contents =
        files::readAll(m_path, bytes) ? wordlist::read(bytes) : wordlist::Contents{};
    if (contents.itemCount == 0) {
        e.fileError(cp1252::fromUnicode(m_path));
        return false;
    }
    e.item.headerLines = contents.headers.header;
    e.item.instructionLine = contents.headers.instruction;
    e.item.worksheetInstruction = contents.headers.worksheetInstruction;
    m_key = wordlist::keyOf(kind, fileName);
    m_fileName = fileName;
    m_bytes = bytes;
    // Counted again at every choice, so a list edited during the run is drawn over the items
    // it has now (errors beyond its end are dropped when they come up).
    e.wordLists.state(m_key).itemCount = contents.itemCount;
    return true;
}

int WordListSource::itemCount() const
{
    return loaded() ? m_engine.wordLists.lists.value(m_key).itemCount : 0;
}

bool WordListSource::draw(bool correctionRound)
{
    if (!loaded())
        return false;
    WordLists& lists = m_engine.wordLists;
    int n = 0;
    if (correctionRound) {
        while ((n = lists.oldestError(m_key)) != 0 && n > itemCount())
            lists.removeOldest(m_key);
    }
    if (n == 0)
        n = lists.draw(m_key, m_engine.permutation);
    m_engine.item.currentItemNumber = static_cast<quint16>(n);
    m_engine.item.currentItemLine = wordlist::itemLine(m_bytes, n);
    return true;
}

void WordListSource::record(bool right, bool correctionRound)
{
    if (!loaded())
        return;
    WordLists& lists = m_engine.wordLists;
    if (!correctionRound) {
        if (!right)
            lists.recordError(m_key, m_engine.item.currentItemNumber);
    } else if (right) {
        lists.removeOldest(m_key);
    } else {
        lists.moveOldestToBack(m_key);
    }
}

int WordListSource::errorCount() const
{
    return loaded() ? m_engine.wordLists.errorCount(m_key) : 0;
}

} // namespace vindra
