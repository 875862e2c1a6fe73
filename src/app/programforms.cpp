#include "programforms.h"

#include "exercises/flerabar.h"
#include "exercises/skriva.h"
#include "exercises/skriva2.h"
#include "words/listu.h"

namespace vindra {

const FormRegistry& programForms()
{
    static const FormRegistry forms = {
        {"TSKRIV", modalForm<TSKRIV>()},
        {"Tskriv2", modalForm<Tskriv2>()},
        {"TFLERBAR", modalForm<TFLERBAR>()},
        {"Tlista", modalForm<Tlista>()},
    };
    return forms;
}

} // namespace vindra
