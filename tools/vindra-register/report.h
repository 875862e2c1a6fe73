#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <optional>

namespace vindra {
class Engine;
}

/// The application object for a run of the tool: the report draws text and needs a GUI
/// application (on Qt's offscreen platform unless another is asked for, so that it runs
/// without a display); the other commands need only the core.
std::unique_ptr<QCoreApplication> registerApplication(int& argc, char** argv);

/// `report --pdf FILE` and/or `--png FILE`: the class overview of the register as a PDF and
/// as a picture of its pages. What cannot be read from the register is printed on the page and
/// warned about here. The exit code, or nothing when the arguments are wrong.
std::optional<int> report(vindra::Engine& engine, const QStringList& args);
