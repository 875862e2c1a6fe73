#pragma once

#include <QByteArray>
#include <QHash>

#include <functional>

class QWidget;

namespace vindra {

class Engine;
struct Services;

/// Creates a form, shows it modally on top of `parent` and frees it when it closes. Inputs
/// and results pass through the engine-wide state, never through parameters.
using FormRunner = std::function<void(Engine& engine, const Services& services, QWidget* parent)>;

/// The forms that exist, by class name as the catalogue names them ("TSKRIV").
using FormRegistry = QHash<QByteArray, FormRunner>;

/// The program's own forms: the one place that says which exercise forms have been built.
/// A catalogue target that is missing here is an exercise that is not yet available.
const FormRegistry& programForms();

/// Shown instead of opening a form that is not in the registry.
inline constexpr char kFormNotAvailable[] =
    "Den h\xC3\xA4r \xC3\xB6vningen finns inte \xC3\xA4nnu i Vindra.";

/// A runner for a form class with the constructor (Engine&, const Services&, QWidget*) and
/// exec().
template <class Form> FormRunner modalForm()
{
    return [](Engine& engine, const Services& services, QWidget* parent) {
        Form form(engine, services, parent);
        form.exec();
    };
}

} // namespace vindra
