#include "programforms.h"

#include "exercises/skriva.h"
#include "exercises/skriva2.h"
#include "exercises/skrivin.h"

namespace vindra {

const FormRegistry& programForms()
{
    static const FormRegistry forms = {
        {"TSKRIV", modalForm<TSKRIV>()},
        {"Tskriv2", modalForm<Tskriv2>()},
        {"TSkrivinf", modalForm<TSkrivinf>()},
    };
    return forms;
}

} // namespace vindra
