#pragma once

#include <QByteArray>
#include <QDialog>
#include <QHash>

#include <functional>
#include <memory>

class QWidget;

namespace vindra {

class Engine;
struct Services;

/// Creates a form, shows it modally on top of `parent` and frees it when it closes. Inputs
/// and results pass through the engine-wide state, never through parameters.
using FormRunner = std::function<void(Engine& engine, const Services& services, QWidget* parent)>;

/// The forms that exist, by class name as the catalogue names them ("TSKRIV"). The program's
/// own list is made where the program is put together (src/app); the menus and the
/// diagnosis protocol receive it through Services, so tests can hand them their own.
using FormRegistry = QHash<QByteArray, FormRunner>;

/// Shown instead of opening a form that is not in the registry.
inline constexpr char kFormNotAvailable[] = "Den här övningen finns inte ännu i Vindra.";

/// Creates `Form` (constructor (Engine&, const Services&, QWidget*)), then runs its
/// `FormCreate()`, so that every override of the most derived form is in place when the
/// session starts. Tests create forms through this too, then show or exec them.
template <class Form>
std::unique_ptr<Form> createForm(Engine& engine, const Services& services,
                                 QWidget* parent = nullptr)
{
    auto form = std::make_unique<Form>(engine, services, parent);
    form->FormCreate();
    return form;
}

/// Creates a form ready to show (constructed and started), for the windows that show forms
/// other than modally: screenshots, benchmarks.
using FormCreator = std::function<std::unique_ptr<QDialog>(Engine& engine, const Services& services,
                                                           QWidget* parent)>;

template <class Form> FormCreator formCreator()
{
    return
        [](Engine& engine, const Services& services, QWidget* parent) -> std::unique_ptr<QDialog> {
            return createForm<Form>(engine, services, parent);
        };
}

/// A runner for a form class: created by createForm(), shown modally, freed when it closes.
template <class Form> FormRunner modalForm()
{
    return [](Engine& engine, const Services& services, QWidget* parent) {
        createForm<Form>(engine, services, parent)->exec();
    };
}

} // namespace vindra
