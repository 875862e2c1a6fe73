#pragma once

#include "framework/formregistry.h"

namespace vindra {

/// The program's own forms by class name, each as a creator: the one place that says which
/// forms have been built. A catalogue target that is missing here is an exercise that is not
/// yet available.
const QHash<QByteArray, FormCreator>& programFormCreators();

/// The same forms as runners that show them modally: what the menus and the protocol open.
const FormRegistry& programForms();

} // namespace vindra
