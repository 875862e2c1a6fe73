#include "platform/qtfontpreload.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <dlfcn.h>

#include <future>
#include <mutex>

namespace vindra {

namespace {

// The reading begun by startReadingFontConfiguration(); its future waits at the end of the run
// for a reading that no program was started to use.
std::shared_future<void>& configurationRead()
{
    static std::shared_future<void> read;
    return read;
}

// A function of fontconfig, found in the process (Qt's GUI library loads it); null when
// fontconfig is not there.
template <typename Function> Function fontconfig(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// fontconfig's own start (FcInit) also parses every configuration file the system offers but
// does not use, only for their descriptions, which nothing here reads: half of its time. The
// configuration is read here the same way without them; on any failure FcInit does it all.
void readFontConfiguration()
{
    using Config = int (*)(void*);
    const auto init = fontconfig<int (*)()>("FcInit");
    const auto create = fontconfig<void* (*)()>("FcConfigCreate");
    const auto parseAndLoad =
        fontconfig<int (*)(void*, const unsigned char*, int)>("FcConfigParseAndLoad");
    const auto buildFonts = fontconfig<Config>("FcConfigBuildFonts");
    const auto setCurrent = fontconfig<Config>("FcConfigSetCurrent");
    const auto destroy = fontconfig<void (*)(void*)>("FcConfigDestroy");
    if (create && parseAndLoad && buildFonts && setCurrent && destroy) {
        if (void* config = create()) {
            // The default configuration file, its includes and the installed fonts' caches.
            const bool ready =
                parseAndLoad(config, nullptr, 1) && buildFonts(config) && setCurrent(config);
            destroy(config); // the current configuration keeps its own reference
            if (ready)
                return;
        }
    }
    if (init)
        init();
}

} // namespace

void startReadingFontConfiguration()
{
    // fontconfig is loaded with Qt's GUI library; found here, it is the one Qt will ask.
    if (fontconfig<void*>("FcInit") && !configurationRead().valid())
        configurationRead() = std::async(std::launch::async, readFontConfiguration).share();
}

void waitForFontConfiguration()
{
    if (configurationRead().valid())
        configurationRead().wait();
}

namespace {

// The family the font configuration chooses for `family`, asked as Qt asks it when a family
// is not installed (the family and an upright slant, the configuration's substitutions, the
// best match); empty when fontconfig is not there or chooses nothing.
QString matchedFamily(const QString& family)
{
    const auto create = fontconfig<void* (*)()>("FcPatternCreate");
    const auto addString =
        fontconfig<int (*)(void*, const char*, const unsigned char*)>("FcPatternAddString");
    const auto addInteger = fontconfig<int (*)(void*, const char*, int)>("FcPatternAddInteger");
    const auto substitute = fontconfig<int (*)(void*, void*, int)>("FcConfigSubstitute");
    const auto defaults = fontconfig<void (*)(void*)>("FcDefaultSubstitute");
    const auto match = fontconfig<void* (*)(void*, void*, int*)>("FcFontMatch");
    const auto getString =
        fontconfig<int (*)(void*, const char*, int, unsigned char**)>("FcPatternGetString");
    const auto destroy = fontconfig<void (*)(void*)>("FcPatternDestroy");
    if (!create || !addString || !addInteger || !substitute || !defaults || !match || !getString ||
        !destroy)
        return {};
    void* pattern = create();
    if (!pattern)
        return {};
    constexpr int kMatchPattern = 0; // FcMatchPattern
    constexpr int kSlantRoman = 0;   // FC_SLANT_ROMAN
    QString chosen;
    const QByteArray name = family.toUtf8();
    if (addString(pattern, "family", reinterpret_cast<const unsigned char*>(name.constData())) &&
        addInteger(pattern, "slant", kSlantRoman) && substitute(nullptr, pattern, kMatchPattern)) {
        defaults(pattern);
        int result = 0;
        if (void* best = match(nullptr, pattern, &result)) {
            unsigned char* value = nullptr;
            if (getString(best, "family", 0, &value) == 0 && value) // FcResultMatch
                chosen = QString::fromUtf8(reinterpret_cast<const char*>(value));
            destroy(best);
        }
    }
    destroy(pattern);
    return chosen;
}

} // namespace

QString installedFamily(const QString& family)
{
    static std::mutex lock;
    static QHash<QString, QString> known;
    const std::lock_guard<std::mutex> hold(lock);
    if (const auto found = known.constFind(family); found != known.constEnd())
        return *found;
    QString chosen = family;
    if (configurationRead().valid()) {
        // A family that is installed is its own best match.
        waitForFontConfiguration();
        const QString matched = matchedFamily(family);
        if (!matched.isEmpty())
            chosen = matched;
    }
    known.insert(family, chosen);
    return chosen;
}

FontPreload::FontPreload()
    : m_thread([] {
          waitForFontConfiguration();
          // Any query fills the whole database; the list itself is not needed.
          (void)QFontDatabase::families();
      })
{
}

FontPreload::~FontPreload()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace vindra
