#pragma once

#include "framework/formregistry.h"

namespace vindra {

/// The program's own forms: the one place that says which exercise forms have been built.
/// A catalogue target that is missing here is an exercise that is not yet available.
const FormRegistry& programForms();

} // namespace vindra
