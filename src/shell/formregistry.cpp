#include "formregistry.h"

namespace vindra {

const FormRegistry& programForms()
{
    static const FormRegistry forms = [] {
        FormRegistry r;
        return r;
    }();
    return forms;
}

} // namespace vindra
