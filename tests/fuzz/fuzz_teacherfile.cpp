// libFuzzer target over the teacher password file: reading the password from any bytes,
// and writing and reading back a password a teacher can type.

#include "engine/registerfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vindra;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray password = registerfile::teacherPasswordOf(bytes);
    if (password.size() > 26)
        std::abort();
    if (registerfile::teacherRecord(password).size() != 54)
        std::abort();

    // A password of up to 25 characters of code 32 or more comes back as it was, unless it
    // begins with a character the line cipher never scrambles or takes as scrambled.
    const QByteArray typed = bytes.left(25);
    bool typable = !typed.isEmpty() && !QByteArray(";$#)").contains(typed.front());
    for (const char c : typed)
        typable = typable && static_cast<unsigned char>(c) >= 32;
    if (typable && registerfile::teacherPasswordOf(registerfile::teacherRecord(typed)) != typed)
        std::abort();
    return 0;
}
