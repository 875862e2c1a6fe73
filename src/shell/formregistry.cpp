#include "formregistry.h"

#include "exercises/skriva.h"

namespace vindra {

const FormRegistry& programForms()
{
    static const FormRegistry forms = {
        {"TSKRIV", modalForm<TSKRIV>()},
    };
    return forms;
}

} // namespace vindra
