#include "platform/qtfontpreload.h"

#include <QFontDatabase>
#include <QStringList>

#include <dlfcn.h>

#include <future>

namespace vindra {

namespace {

// The reading begun by startReadingFontConfiguration(); its future waits at the end of the run
// for a reading that no program was started to use.
std::shared_future<void>& configurationRead()
{
    static std::shared_future<void> read;
    return read;
}

} // namespace

namespace {

// fontconfig's own start (FcInit) also parses every configuration file the system offers but
// does not use, only for their descriptions, which nothing here reads: half of its time. The
// configuration is read here the same way without them; on any failure FcInit does it all.
void readFontConfiguration()
{
    using Init = int (*)();
    using Create = void* (*)();
    using ParseAndLoad = int (*)(void*, const unsigned char*, int);
    using Config = int (*)(void*);
    using Destroy = void (*)(void*);
    const auto symbol = [](const char* name) { return dlsym(RTLD_DEFAULT, name); };
    const auto init = reinterpret_cast<Init>(symbol("FcInit"));
    const auto create = reinterpret_cast<Create>(symbol("FcConfigCreate"));
    const auto parseAndLoad = reinterpret_cast<ParseAndLoad>(symbol("FcConfigParseAndLoad"));
    const auto buildFonts = reinterpret_cast<Config>(symbol("FcConfigBuildFonts"));
    const auto setCurrent = reinterpret_cast<Config>(symbol("FcConfigSetCurrent"));
    const auto destroy = reinterpret_cast<Destroy>(symbol("FcConfigDestroy"));
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
    if (dlsym(RTLD_DEFAULT, "FcInit") && !configurationRead().valid())
        configurationRead() = std::async(std::launch::async, readFontConfiguration).share();
}

void waitForFontConfiguration()
{
    if (configurationRead().valid())
        configurationRead().wait();
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
