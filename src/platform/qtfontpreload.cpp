#include "platform/qtfontpreload.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <dlfcn.h>

#include <condition_variable>
#include <future>
#include <mutex>

#include <pthread.h>
#include <sched.h>

namespace vindra {

namespace {

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

// The second thread: it reads the font configuration, and once the program has its
// application (FontPreload) lists the installed fonts into Qt's font database. One thread does
// both so that the list follows the reading at once: handed to a second waiting thread, it
// began up to two milliseconds later, while that thread was woken.
class Reading {
public:
    static Reading& instance()
    {
        static Reading reading;
        return reading;
    }

    void start()
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        if (m_started)
            return;
        m_started = true;
        // The thread is started on another processor than this thread's (where there is
        // one): left to the scheduler it was as often queued behind this thread, which is
        // busy starting the program, and began up to three milliseconds late. Once running,
        // it is free to go anywhere (run()).
        sched_getaffinity(0, sizeof m_processors, &m_processors);
        cpu_set_t elsewhere = m_processors;
        if (const int here = sched_getcpu(); here >= 0 && here < CPU_SETSIZE)
            CPU_CLR(here, &elsewhere);
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        if (CPU_COUNT(&elsewhere) > 0)
            pthread_attr_setaffinity_np(&attributes, sizeof elsewhere, &elsewhere);
        m_running = pthread_create(&m_thread, &attributes, &Reading::run, this) == 0 ||
                    pthread_create(&m_thread, nullptr, &Reading::run, this) == 0;
        pthread_attr_destroy(&attributes);
        if (!m_running)
            m_configured.set_value(); // Qt reads the configuration itself
    }

    bool started()
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        return m_started;
    }

    void waitForConfiguration() { m_configuredRead.wait(); }

    // The application exists: the fonts are listed once the configuration is read.
    void applicationReady() { setApplication(Application::Ready); }

    // Waits until the thread is done (it never outlives the application that it fills the
    // font database of).
    void finish()
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        if (m_running) {
            pthread_join(m_thread, nullptr);
            m_running = false;
        }
    }

    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

private:
    enum class Application { Awaited, Ready, None };

    Reading() = default;

    // A run that ends without an application (main() returned before making one) lets the
    // thread end without listing.
    ~Reading()
    {
        setApplication(Application::None);
        finish();
    }

    void setApplication(Application application)
    {
        {
            const std::lock_guard<std::mutex> hold(m_stateLock);
            if (m_application == Application::Awaited)
                m_application = application;
        }
        m_changed.notify_all();
    }

    static void* run(void* self)
    {
        auto& reading = *static_cast<Reading*>(self);
        pthread_setaffinity_np(pthread_self(), sizeof reading.m_processors, &reading.m_processors);
        readFontConfiguration();
        reading.m_configured.set_value();
        std::unique_lock<std::mutex> hold(reading.m_stateLock);
        reading.m_changed.wait(hold, [&] { return reading.m_application != Application::Awaited; });
        const bool list = reading.m_application == Application::Ready;
        hold.unlock();
        if (list)
            (void)QFontDatabase::families(); // any query fills the whole database
        return nullptr;
    }

    std::mutex m_lock; // m_started, m_running, m_thread
    bool m_started = false;
    bool m_running = false;
    pthread_t m_thread{};
    cpu_set_t m_processors{};
    std::promise<void> m_configured;
    std::shared_future<void> m_configuredRead = m_configured.get_future().share();
    std::mutex m_stateLock; // m_application
    std::condition_variable m_changed;
    Application m_application = Application::Awaited;
};

} // namespace

void startReadingFontConfiguration()
{
    // fontconfig is loaded with Qt's GUI library; found here, it is the one Qt will ask.
    if (fontconfig<void*>("FcInit"))
        Reading::instance().start();
}

void waitForFontConfiguration()
{
    if (Reading::instance().started())
        Reading::instance().waitForConfiguration();
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
    if (Reading::instance().started()) {
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
{
    startReadingFontConfiguration();
    Reading::instance().applicationReady();
}

FontPreload::~FontPreload()
{
    Reading::instance().finish();
}

} // namespace vindra
