// libFuzzer target over the INI reader of the directories file: sections, keys, quotes,
// comments after a value, and the choice between UTF-8 and the Windows code page.

#include "platform/ini.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::parse(bytes);
    if (ini.isUtf8() && !bytes.startsWith("\xEF\xBB\xBF") && !bytes.isValidUtf8())
        std::abort();
    for (const char* key :
         {"Kelvo97CDPath", "Kelvo97PCPath", "KELVO97ScoreDirectory", "KELVO97DiagnosPath"}) {
        const QByteArray value = ini.value(QStringLiteral("Path"), QString::fromLatin1(key));
        // A value is one line.
        if (value.contains('\n'))
            std::abort();
    }
    return 0;
}
