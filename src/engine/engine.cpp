#include "engine.h"

#include "cipher.h"
#include "cp1252.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/messages.h"
#include "platform/textmeasure.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace vindra {

namespace {

QString u(const QByteArray& cp)
{
    return cp1252::toUnicode(cp);
}

bool endsWithSeparator(const QByteArray& s)
{
    return s.endsWith('\\') || s.endsWith('/');
}

/// Sorts names in ascending byte order of their cp1252 spelling and keeps the first `max`.
QList<QByteArray> sortedNames(const QStringList& found, int max)
{
    QList<QByteArray> names;
    for (const QString& n : found)
        names << cp1252::fromUnicode(n);
    std::sort(names.begin(), names.end());
    if (names.size() > max)
        names.resize(max);
    return names;
}

} // namespace

Engine::Engine(Messages& messages, Clock& clock, std::uint32_t seed)
    : m_messages(messages), m_clock(clock), m_random(seed)
{
}

// ---- Start-up -------------------------------------------------------------------------------

bool Engine::unitStartup(const QString& windowsDirectory)
{
    dirs.cd.clear();
    session.correctionRound = false;
    item.currentItemNumber = 1;
    session.selectedProtocolRow = 1;
    session.mode = SessionMode::Practice;
    worksheet = Worksheet{};

    readDirectories(windowsDirectory);
    if (!buildDataFileList())
        return false;
    if (praise.names.isEmpty())
        buildPraiseFileList();
    pictureCount = 26;
    engineReset(1, kPermutationSize);
    return true;
}

void Engine::readDirectories(const QString& windowsDirectory)
{
    const IniFile ini = IniFile::load(windowsDirectory + QStringLiteral("/Kelvo97.Ini"));
    const QString section = QStringLiteral("Path");
    // The directories are kept in the Windows code page; a file written in UTF-8 is
    // converted (a letter the code page lacks becomes "?").
    auto text = [&](const QString& key) {
        const QByteArray v = ini.value(section, key);
        return ini.isUtf8() ? cp1252::fromUnicode(QString::fromUtf8(v)) : v;
    };
    // A relative directory is taken relative to the directories file, so an installation
    // (and the build tree) can be moved as a whole.
    auto located = [&](QByteArray v) {
        if (v.isEmpty() || v.startsWith('\\') || v.startsWith('/'))
            return v;
        QString local = u(v);
        local.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return cp1252::fromUnicode(QDir::cleanPath(QDir(windowsDirectory).absoluteFilePath(local)));
    };

    // The material directories are taken whole, however long: a Linux path such as
    // /home/<teacher>/Dokument/... easily passes the 80 characters a value once had.
    dirs.cd = located(text(QStringLiteral("Kelvo97CDPath")));
    dirs.hardDisk = located(text(QStringLiteral("Kelvo97PCPath")));

    dirs.score = located(text(QStringLiteral("KELVO97ScoreDirectory")));
    if (!dirs.score.isEmpty() && !endsWithSeparator(dirs.score))
        dirs.score += '\\';

    const QByteArray results = text(QStringLiteral("KELVO97DiagnosPath"));
    if (results.isEmpty()) {
        dirs.results = dirs.hardDisk + "\\RESULTAT";
    } else {
        dirs.results = located(results);
        if (endsWithSeparator(dirs.results) && dirs.results.size() > 1)
            dirs.results.chop(1);
    }
}

bool Engine::buildDataFileList()
{
    dataFiles.clear();
    praise.names.clear();

    QByteArray content;
    if (files::readAll(materialPath("\\DATA\\datfiler.eng"), content)) {
        for (const QByteArray& raw : datafile::splitLines(content)) {
            const QByteArray name = raw.trimmed().left(kFileNameWidth);
            const QByteArray ext = datafile::extensionOf(name);
            if (ext == ".DAT" && dataFiles.size() < kCacheSlots)
                dataFiles << name;
            else if (ext == ".LOV" && praise.names.size() < kMaxPraiseFiles)
                praise.names << name;
        }
        return true;
    }

    QByteArray dir = dirs.hardDisk + "\\DATA";
    if (!files::isDir(u(dir))) {
        dir = dirs.cd + "\\DATA";
        if (!files::isDir(u(dir))) {
            message(MessageKind::Warning, "Kan inte hitta katalogen " + dirs.cd + "\\DATA");
            return false;
        }
    }
    for (const QByteArray& n :
         sortedNames(files::listMatching(u(dir), QStringLiteral("EN*.DAT")), kCacheSlots))
        dataFiles << n.left(kFileNameWidth);
    return true;
}

void Engine::buildPraiseFileList()
{
    QByteArray dir = dirs.hardDisk + "\\DATA";
    if (!files::isDir(u(dir))) {
        dir = dirs.cd + "\\DATA";
        if (!files::isDir(u(dir))) {
            message(MessageKind::Warning, "Kan inte hitta katalogen " + dirs.cd + "\\DATA");
            return;
        }
    }
    for (const QByteArray& n :
         sortedNames(files::listMatching(u(dir), QStringLiteral("REOM*.LOV")), kMaxPraiseFiles))
        praise.names << n.left(kFileNameWidth);
}

void Engine::engineReset(int first, int last)
{
    for (CacheSlot& c : cache) {
        c.nextDraw = 1;
        c.itemCount = 0;
    }
    praise.lineCount.fill(0);
    praise.nextDraw.fill(1);
    companionCache.clear();
    picturePosition = 1;

    first = std::max(first, 1);
    last = std::min(last, kPermutationSize);
    // The unused numbers stay in ascending order; each position takes a uniformly drawn
    // one of them.
    QList<int> unused;
    for (int v = first; v <= last; ++v)
        unused << v;
    for (int pos = first; pos <= last; ++pos) {
        const auto i =
            static_cast<qsizetype>(m_random.below(static_cast<std::uint32_t>(unused.size())));
        permutation[static_cast<size_t>(pos)] = unused.takeAt(i);
    }

    errors.clear();
    for (CacheSlot& c : cache)
        c.errorCount = 0;
    item.cacheSlot = 0;
}

void Engine::resetSettings()
{
    pictureOrderBuilt = false;
    settings = Settings{};
    session.dictationMode = 0;
    session.diagnosisRoundMarker = 0;
    scoreDirectoryUsable = true;
    highScoreFirstDisplay = true;
}

void Engine::checkDirectories()
{
    if (!files::isDir(u(dirs.score)))
        message(MessageKind::Plain, "Katalogen " + dirs.score + " finns inte.");

    if (!files::isDir(u(dirs.results))) {
        message(MessageKind::Plain, "Katalogen " + dirs.results + " finns inte.");
        return;
    }
    if (files::isWritableDir(u(dirs.results)))
        return;

    const QByteArray fallback = dirs.hardDisk + "\\RESULTAT";
    message(MessageKind::Plain,
            "Katalogen " + dirs.results +
                " \xE4r skrivskyddad. Programmet f\xF6rs\xF6ker nu med katalogen " + fallback +
                " i st\xE4llet");
    if (!files::isDir(u(fallback))) {
        message(MessageKind::Plain, "Katalogen " + fallback + " finns inte.");
        return;
    }
    if (!files::isWritableDir(u(fallback))) {
        message(MessageKind::Plain, "\xC4ven katalogen " + fallback + " \xE4r skrivskyddad.");
        return;
    }
    dirs.results = fallback;
}

void Engine::Skaltest(int screenWidth, const TextMeasure& measure, int screenHeight)
{
    // n is the fewest capital A's in 19-point bold Arial that are as wide as the screen. The
    // width grows with every letter and almost in proportion, so the search starts from the
    // screen width divided by one letter's width, and gallops from there: two or three
    // measurements where counting one letter at a time took some sixty. The bound keeps a
    // broken measurement from searching for ever.
    const FontSpec testLabel{QStringLiteral("Arial"), 19, true, true};
    constexpr int kMaxLetters = 10000;
    const auto width = [&](int letters) {
        return measure.width(QString(letters, QLatin1Char('A')), testLabel);
    };
    const auto wideEnough = [&](int letters) {
        return letters >= kMaxLetters || width(letters) >= screenWidth;
    };
    int n = 0;
    if (!wideEnough(0)) {
        const int letter = width(1);
        const int guess =
            letter > 0 ? std::clamp((screenWidth + letter - 1) / letter, 1, kMaxLetters) : 1;
        int narrow = 0, wide = kMaxLetters; // wideEnough(narrow) is false, wideEnough(wide) true
        if (wideEnough(guess)) {
            wide = guess;
            for (int step = 1; wide - step > 0; step *= 2) {
                if (!wideEnough(wide - step)) {
                    narrow = wide - step;
                    break;
                }
                wide -= step;
            }
        } else {
            narrow = guess;
            for (int step = 1; narrow + step < kMaxLetters; step *= 2) {
                if (wideEnough(narrow + step)) {
                    wide = narrow + step;
                    break;
                }
                narrow += step;
            }
        }
        while (wide - narrow > 1) {
            const int middle = narrow + (wide - narrow) / 2;
            (wideEnough(middle) ? wide : narrow) = middle;
        }
        n = wide;
    }
    int scale = 2 * (n - 1);
    if ((scale >= 96 && scale <= 101) || scale <= 0)
        scale = 100;
    // On a wide screen the scale from the width alone would push the main menu off the
    // bottom of the screen (1920x1080 gives 278 %), and its buttons out of reach.
    constexpr int kMenuColumnHeight = 20 + 429 + 29;
    if (screenHeight > 0 && scale > screenHeight * 100 / kMenuColumnHeight)
        scale = screenHeight * 100 / kMenuColumnHeight;
    screenScale = scale;
    layoutUnit =
        measure.width(QStringLiteral("L"), FontSpec{QStringLiteral("Arial"), 12, false, true});
}

// ---- Data files -----------------------------------------------------------------------------

QString Engine::localPath(const QByteArray& directory, const QByteArray& relative)
{
    return files::resolve(u(directory + relative));
}

QString Engine::highScorePath(const QByteArray& dataFileName) const
{
    return scoreListPath(highscore::fileNameFor(dataFileName));
}

QString Engine::scoreListPath(const QByteArray& name) const
{
    if (dirs.score.isEmpty())
        return localPath(dirs.hardDisk, "\\RESULTAT\\" + name);
    return localPath(dirs.score, name);
}

QString Engine::materialPath(const QByteArray& relative) const
{
    const QString hd = localPath(dirs.hardDisk, relative);
    if (files::isFile(hd))
        return hd;
    return localPath(dirs.cd, relative);
}

QString Engine::dataFilePath(const QByteArray& name) const
{
    return materialPath("\\DATA\\" + name);
}

void Engine::message(MessageKind kind, const QByteArray& text)
{
    m_messages.show(kind, u(text));
}

void Engine::fileError(const QByteArray& name)
{
    message(MessageKind::Plain, "Filen " + name + " finns inte eller \xE4r felaktig");
}

void Engine::setCurrentFileName(const QByteArray& name)
{
    item.currentFileName = name.left(kFileNameWidth);
}

int Engine::slotOf(const QByteArray& name) const
{
    const qsizetype limit = std::min<qsizetype>(dataFiles.size(), kCacheSlots - 1);
    for (qsizetype i = 0; i < limit; ++i) {
        // Letter case is ignored, as it is when the file is opened: a name spelt
        // differently from the list must not fall into the shared last slot.
        if (dataFiles[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i + 1);
    }
    return kCacheSlots;
}

bool Engine::Kolla(const QByteArray& name)
{
    for (QByteArray& h : item.headerLines)
        h.clear();
    item.instructionLine.clear();
    item.worksheetInstruction.clear();

    const int slot = slotOf(name);
    item.cacheSlot = slot;
    if (cache[static_cast<size_t>(slot)].itemCount == 0) {
        ordantal(name, slot, 0, true);
        if (cache[static_cast<size_t>(slot)].itemCount == 0) {
            fileError(item.currentFileName);
            return false;
        }
    } else {
        ordantal(name, slot, 0, false);
    }
    return true;
}

bool Engine::Kolla2(const QByteArray& name)
{
    setCurrentFileName(name);
    const QString path = dataFilePath(name);
    QFile f(path);
    if (!name.isEmpty() && files::isFile(path) && f.open(QIODevice::ReadOnly)) {
        f.close();
        return true;
    }
    fileError(name);
    return false;
}

void Engine::ordantal(const QByteArray& name, int index, int counterKind, bool fullRead)
{
    const QString path = dataFilePath(name);
    QFile f(path);
    if (name.isEmpty() || !files::isFile(path) || !f.open(QIODevice::ReadOnly)) {
        fileError(name);
        return;
    }

    datafile::Headers headers;
    headers.header = item.headerLines;
    headers.instruction = item.instructionLine;
    headers.worksheetInstruction = item.worksheetInstruction;

    int count = 0;
    auto take = [&](const QByteArray& line) {
        switch (datafile::classify(line)) {
        case datafile::LineKind::Empty:
        case datafile::LineKind::Comment:
            break;
        case datafile::LineKind::Item:
            ++count;
            break;
        default:
            headers.take(line);
        }
    };
    if (fullRead) {
        for (const QByteArray& line : datafile::splitLines(f.readAll()))
            take(line);
    } else {
        for (int i = 0; i < 6 && !f.atEnd(); ++i) {
            const QByteArray line = datafile::chompLine(f.readLine());
            if (datafile::classify(line) != datafile::LineKind::Item)
                take(line);
        }
    }
    f.close();

    item.headerLines = headers.header;
    item.instructionLine = headers.instruction;
    item.worksheetInstruction = headers.worksheetInstruction;
    if (!fullRead)
        return;
    if (counterKind == 0 && index >= 1 && index <= kCacheSlots)
        cache[static_cast<size_t>(index)].itemCount += count;
    else if (counterKind == 1 && index >= 1 && index <= kMaxPraiseFiles)
        praise.lineCount[static_cast<size_t>(index)] += count;
}

bool Engine::readItemLine(const QByteArray& name, int n)
{
    const QString path = dataFilePath(name);
    QFile f(path);
    if (!files::isFile(path) || !f.open(QIODevice::ReadOnly)) {
        message(MessageKind::Plain,
                "Filen " + dirs.cd + "\\DATA\\" + name + " finns inte eller \xE4r felaktig");
        return false;
    }
    int read = 0;
    while (read < n && !f.atEnd()) {
        item.currentItemLine = datafile::chompLine(f.readLine());
        if (datafile::isItem(item.currentItemLine))
            ++read;
    }
    return true;
}

CacheSlot* Engine::currentCacheSlot()
{
    const int s = item.cacheSlot;
    return s >= 1 && s <= kCacheSlots ? &cache[static_cast<size_t>(s)] : nullptr;
}

const CacheSlot* Engine::currentCacheSlot() const
{
    const int s = item.cacheSlot;
    return s >= 1 && s <= kCacheSlots ? &cache[static_cast<size_t>(s)] : nullptr;
}

void Engine::haemtaord(const QByteArray& name, int n)
{
    readItemLine(name, n);
}

void Engine::str_postarray(const QByteArray& line)
{
    const datafile::ItemFields f = datafile::splitFields(line);
    item.fields = f.field;
    item.fieldCount = f.fieldCount;
    item.alternativesCount = f.alternativesCount;
}

void Engine::haemtafel(const QByteArray& name, int operation)
{
    const int s = item.cacheSlot;
    if (s < 1 || s > kCacheSlots)
        return;
    CacheSlot& slot = cache[static_cast<size_t>(s)];
    auto oldest = [&]() -> qsizetype {
        for (qsizetype i = 0; i < errors.size(); ++i) {
            if (errors[i].slot == s)
                return i;
        }
        return -1;
    };

    switch (operation) {
    case 3: {
        if (errors.size() >= kMaxErrors) {
            const ErrorEntry dropped = errors.takeFirst();
            CacheSlot& d = cache[static_cast<size_t>(dropped.slot)];
            if (d.errorCount > 0)
                --d.errorCount;
        }
        errors.append({item.currentItemNumber, s});
        if (slot.errorCount < kMaxErrors)
            ++slot.errorCount;
        break;
    }
    case 0: {
        if (slot.errorCount == 0)
            return;
        const qsizetype i = oldest();
        if (i < 0)
            return;
        item.reAskedItemNumber = errors[i].itemNumber;
        if (item.reAskedItemNumber == 0 || item.reAskedItemNumber > slot.itemCount)
            return;
        readItemLine(name, item.reAskedItemNumber);
        break;
    }
    case 1: {
        const qsizetype i = oldest();
        if (i >= 0)
            errors.removeAt(i);
        if (slot.errorCount > 0)
            --slot.errorCount;
        break;
    }
    case 2: {
        const qsizetype i = oldest();
        if (i >= 0)
            errors.append(errors.takeAt(i));
        break;
    }
    default:
        break;
    }
}

void Engine::kryptrad(const QByteArray& line, QByteArray& result)
{
    result = cipher::kryptrad(line);
}

void Engine::dekryptrad(const QByteArray& line, QByteArray& result)
{
    result = cipher::dekryptrad(line);
}

// ---- Diagnosis: slot states and results -----------------------------------------------------

quint8 Engine::GeStatusTal(int slot)
{
    return diagnosisrecord::GeStatusTal(diagnosis.current, slot);
}

void Engine::diagnosback(int value)
{
    const int s = diagnosis.currentSlot;
    if (s < 1 || s > kDiagnosisSlots)
        return;
    DiagnosisRecord& r = diagnosis.current;
    const auto i = static_cast<size_t>(s);
    if (r.result[i] > 0 && value == 0) {
        r.state[i] = 3;
        r.result[i] = 0;
    } else {
        r.result[i] = value;
        r.state[i] = GeStatusTal(s);
    }
    const QDateTime now = m_clock.now();
    r.year[i] = static_cast<quint16>(now.date().year());
    r.month[i] = static_cast<quint16>(now.date().month());
    r.day[i] = static_cast<quint16>(now.date().day());
    r.hour[i] = static_cast<quint16>(now.time().hour());
    r.minute[i] = static_cast<quint16>(now.time().minute());
    diagnosis.recordChanged = true;
    if (diagnosis.protocol)
        diagnosis.protocol->refreshProtocol();
}

} // namespace vindra
