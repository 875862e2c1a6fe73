// Random draws, praise words, pictures and sounds.

#include "engine.h"

#include "catalogue.h"

#include "cp1252.h"
#include "datafile.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/sound.h"

#include <QFile>

#include <algorithm>

namespace vindra {

namespace {

/// The position-th entry of the permutation that is at most n; the last such entry when
/// there are fewer (a position beyond the item count, or a file of more than 1000 items).
/// 0 when no entry qualifies. A position below 1 is taken as 1.
int drawFrom(const std::array<int, Engine::kPermutationSize + 1>& permutation, int position, int n)
{
    position = std::max(position, 1);
    int found = 0;
    int last = 0;
    for (int p = 1; p <= Engine::kPermutationSize; ++p) {
        const int v = permutation[static_cast<size_t>(p)];
        if (v < 1 || v > n)
            continue;
        last = v;
        if (++found == position)
            return v;
    }
    return last;
}

void advance(int& next, int n)
{
    next = next < n ? next + 1 : 1;
}

struct SlotEntry {
    quint16 code;
    int slot;
};

constexpr SlotEntry kSlotTable[] = {
    {1001, 1},   {1002, 2},   {1003, 3},   {1004, 4},   {31041, 5},  {31051, 6},
    {31052, 7},  {32014, 8},  {32015, 8},  {35021, 9},  {35033, 10}, {35034, 11},
    {35011, 12}, {35045, 13}, {35081, 14}, {35082, 14}, {35107, 15}, {35108, 16},
    {35112, 17}, {35116, 17}, {35117, 18}, {36011, 19}, {36012, 20},
};

// Captions of pictures 1..26 (index 0 unused).
constexpr const char* kMainWindowCaptions[] = {
    "",
    "Mayfair in London.",
    "Pub near Albert Hall in London.",
    "The Royal Guard.",
    "Street musicians in London.",
    "Tower Bridge, London.",
    "Do you want to know your destiny?",
    "Demonstration, London.",
    "Peter Pan, Kensington Gardens.",
    "Giant Panda, London Zoo.",
    "Round Pond, Kensington Gardens.",
    "Chime in a London Park.",
    "Westminster.",
    "Sidmouth, a town in Devon.",
    "King Alfred the Great (848-900.",
    "Royal Pavillion, Brighton.",
    "The ancient Queen Boadicea.",
    "Lombard Street, City of London.",
    "Golders Green, Northern London.",
    "France lies beyond the horizon.",
    "A soldier in The Queen's Life Guard.",
    "Tower Bridge (detail).",
    "Tower Bridge.",
    "The tube.",
    "Piper.",
    "Stonehenge.",
    "Cricket.",
};

constexpr const char* kEndingCaptions[] = {
    "",
    "Mayfair in London.",
    "Pub near Albert Hall in London.",
    "The Royal Guard.",
    "Street musicians in London.",
    "Tower Bridge, London.",
    "Do you want to know your destiny?",
    "Demonstration, London.",
    "Peter Pan, Kensington Gardens",
    "Giant Panda, London Zoo",
    "Round Pond, Kensington Gardens",
    "Chime in a London Park",
    "Westminster.",
    "Sidmouth, a town in Devon",
    "King Alfred the Great (848-900), the oldest statue in London",
    "Royal Pavillion, Brighton",
    "The ancient Queen Boadicea with her daughters in her war chariot",
    "Lombard Street, City of London",
    "Golders Green, Northern London",
    "France lies beyond the horizon",
    "A soldier in The Queen's Life Guard",
    "Tower Bridge (detail)",
    "Tower Bridge",
    "Stonehenge",
    "Piper",
    "", // 25 depends on the screen width
    "Highlands, Scotland",
};

} // namespace

Engine::~Engine()
{
    // The player outlives the engine in the program; it must not call back into it.
    if (m_sound)
        m_sound->setErrorHandler({});
}

// ---- Random draws -----------------------------------------------------------------------------

int Engine::haemta_slumptal(int position, int cacheSlot)
{
    if (cacheSlot < 1 || cacheSlot > kCacheSlots)
        return 0;
    CacheSlot& slot = cache[static_cast<size_t>(cacheSlot)];
    const int n = slot.itemCount;
    const int result = drawFrom(permutation, position, n);
    advance(slot.nextDraw, n);
    return result;
}

int Engine::drawCompanion(const QByteArray& name)
{
    CacheSlot& slot = companionCache[name.toUpper()];
    if (slot.itemCount == 0) {
        QFile f(dataFilePath(name));
        if (!files::isFile(dataFilePath(name)) || !f.open(QIODevice::ReadOnly)) {
            fileError(name);
            return 0;
        }
        for (const QByteArray& line : datafile::splitLines(f.readAll()))
            slot.itemCount += datafile::isItem(line) ? 1 : 0;
    }
    const int n = slot.itemCount;
    const int result = drawFrom(permutation, slot.nextDraw, n);
    advance(slot.nextDraw, n);
    return result;
}

int Engine::haemta_Lovordslumptal(int position, int praiseIndex)
{
    if (praiseIndex < 1 || praiseIndex > kMaxPraiseFiles)
        return 0;
    const auto i = static_cast<size_t>(praiseIndex);
    const int n = praise.lineCount[i];
    const int result = drawFrom(permutation, position, n);
    advance(praise.nextDraw[i], n);
    return result;
}

// ---- Praise words -----------------------------------------------------------------------------

int Engine::diagnosisSlotOf(quint16 exerciseCode)
{
    for (const SlotEntry& e : kSlotTable) {
        if (e.code == exerciseCode)
            return e.slot;
    }
    return 0;
}

int Engine::diagnosisResultOf(int slot) const
{
    if (slot < 1 || slot > kDiagnosisSlots)
        return 0;
    return diagnosis.current.result[static_cast<size_t>(slot)];
}

QByteArray Engine::HaemtaLovordFilNamn(int rightCount, int sessionLength)
{
    const bool named = !diagnosis.current.name.isEmpty();
    const int s = diagnosisSlotOf(item.exerciseCode);
    const int d = diagnosisResultOf(s);
    // Column of the table: 0 no slot, 1 no result yet, 2 a result below full marks, 3 full
    // marks. A result outside 0..20 (a damaged register) counts as the nearest end.
    const int column = s == 0 ? 0 : d <= 0 ? 1 : d < 20 ? 2 : 3;

    int number = 9001;
    if (rightCount == sessionLength) {
        constexpr int unnamed[] = {9001, 9003, 9009, 9011};
        constexpr int withName[] = {9005, 9007, 9009, 9011};
        number = named ? withName[column] : unnamed[column];
    } else if (rightCount == sessionLength - 1) {
        constexpr int unnamed[] = {9002, 9004, 9010, 9012};
        constexpr int withName[] = {9006, 9008, 9010, 9012};
        number = named ? withName[column] : unnamed[column];
    } else if (rightCount == sessionLength - 2) {
        if (column == 0)
            number = named ? 9015 : 9013;
        else
            number = named ? 9016 : 9014;
    }
    praise.fileName = "REOM" + QByteArray::number(number) + ".LOV";
    return praise.fileName;
}

bool Engine::KollaLovOrd(const QByteArray& name)
{
    const int count = static_cast<int>(std::min<qsizetype>(praise.names.size(), kMaxPraiseFiles));
    if (count == 0)
        return false;
    int index = count;
    const QByteArray wanted = cp1252::toUpper(name);
    for (int i = 1; i < count; ++i) {
        if (cp1252::toUpper(praise.names[i - 1]) == wanted) {
            index = i;
            break;
        }
    }
    praise.index = index;
    // The counted file and the file the line is read from are one and the same.
    praise.fileName = praise.names[index - 1];
    const auto i = static_cast<size_t>(index);
    if (praise.lineCount[i] == 0)
        ordantal(praise.fileName, index, 1, true);
    return praise.lineCount[i] > 0;
}

void Engine::LovordMen(const QByteArray& text, QByteArray& result) const
{
    QByteArray out;
    const int slot = diagnosisSlotOf(item.exerciseCode);
    for (qsizetype i = 0; i < text.size();) {
        const QByteArray rest = text.mid(i);
        if (rest.startsWith("<namn>")) {
            out += diagnosis.current.name;
            i += 6;
        } else if (rest.startsWith("<diagnos>")) {
            out += QByteArray::number(slot);
            i += 9;
        } else if (rest.startsWith("<res>")) {
            out += QByteArray::number(diagnosisResultOf(slot));
            i += 5;
        } else {
            out += text.at(i);
            ++i;
        }
    }
    out.replace(">", "");
    result = out;
}

// ---- Pictures ---------------------------------------------------------------------------------

QByteArray Engine::mainWindowCaption(int picture)
{
    if (picture < 1 || picture > kPictures)
        return {};
    return kMainWindowCaptions[picture];
}

QByteArray Engine::endingCaption(int picture, int screenWidth)
{
    if (picture == 25)
        return screenWidth >= 700 ? "Beefeater and cricket" : "Beefeater";
    if (picture < 1 || picture > kPictures)
        return {};
    return kEndingCaptions[picture];
}

int Engine::haemta_Bildslumptal()
{
    if (!pictureOrderBuilt) {
        int j = 1;
        for (int p = 1; p <= kPermutationSize && j <= kPictures; ++p) {
            const int v = permutation[static_cast<size_t>(p)];
            if (v >= 1 && v <= kPictures)
                pictureOrder[static_cast<size_t>(j++)] = v;
        }
        for (; j <= kPictures; ++j)
            pictureOrder[static_cast<size_t>(j)] = j;
        pictureOrderBuilt = true;
    }
    if (picturePosition < 1 || picturePosition > kPictures)
        picturePosition = 1;
    const int picture = pictureOrder[static_cast<size_t>(picturePosition)];
    pictureCaption = endingCaption(picture, screenWidth);
    picturePosition = picturePosition % kPictures + 1;
    return picture;
}

// ---- Sounds -----------------------------------------------------------------------------------

void Engine::setSoundPlayer(SoundPlayer* player)
{
    if (m_sound && m_sound != player)
        m_sound->setErrorHandler({});
    m_sound = player;
    if (m_sound)
        m_sound->setErrorHandler(
            [this](const QString& text) { m_messages.show(MessageKind::Error, text); });
}

void Engine::SpelaUppWavLjud(const QByteArray& name)
{
    QByteArray relative = "\\LJUD\\";
    if (!soundPrefix.isEmpty())
        relative += soundPrefix + "\\";
    relative += name;
    QString path = localPath(dirs.hardDisk, relative);
    if (!files::isFile(path)) {
        path = localPath(dirs.cd, relative);
        if (!files::isFile(path)) {
            message(MessageKind::Information,
                    "Ljudfilen  " + cp1252::toUpper(name) + "  finns inte eller \xE4r felaktig.");
            return;
        }
    }
    if (!m_sound)
        return;
    const QString error = m_sound->play(path);
    if (!error.isEmpty())
        m_messages.show(MessageKind::Error, error);
}

void Engine::stopSound()
{
    if (m_sound)
        m_sound->stop();
}

void Engine::GeLjudDirectory()
{
    const QByteArray prefix = catalogue::soundPrefix(item.exerciseCode);
    if (!prefix.isEmpty())
        soundPrefix = prefix;
}

} // namespace vindra
