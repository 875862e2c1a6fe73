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

void startReadingFontConfiguration()
{
    // fontconfig is loaded with Qt's GUI library; found here, it is the one Qt will ask.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init && !configurationRead().valid())
        configurationRead() = std::async(std::launch::async, [init] { init(); }).share();
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
