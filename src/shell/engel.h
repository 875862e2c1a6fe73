#pragma once

#include "engine/engine.h"
#include "platform/services.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QFrame;

namespace vindra {

/// The main window: the program's first and last screen. It owns the engine and hands it,
/// with the platform services, to every window it opens. Closing it ends the program.
class TEngel : public QWidget {
    Q_OBJECT
public:
    TEngel(std::unique_ptr<Engine> engine, const Services& services, QWidget* parent = nullptr);
    ~TEngel() override;

    Engine& engine() { return *m_engine; }
    const Services& services() const { return m_services; }
    /// The print-queue window, created after the main window and kept for the run.
    void setUtskrift(TUtskrift* utskrift) { m_services.utskrift = utskrift; }
    /// The diagnosis printout form, created after the main window and kept for the run.
    void setDiagutform(TDiagutform* form) { m_services.diagutform = form; }

    /// Main-menu button `Button<n>` (1..11).
    QPushButton* button(int n) const { return m_buttons[static_cast<size_t>(n)]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void layoutWindow();
    int scaled(int v) const;

    void Button10Click();
    void Button11Click();

    std::unique_ptr<Engine> m_engine;
    Services m_services;

    QFrame* Panel9 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QPushButton*, 12> m_buttons{}; ///< Button1..Button11
};

} // namespace vindra
