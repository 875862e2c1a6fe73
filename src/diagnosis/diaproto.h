#pragma once

#include "engine/engine.h"
#include "platform/services.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vindra {

/// The diagnosis protocol of the current pupil: the name, and for every slot its result and
/// state. "&Leave" saves the record into the register and sets the session mode to practice.
/// While it is open, a test result reported through Engine::diagnosback redraws it and saves
/// the record.
class Tdiaprot : public QDialog, public ProtocolView {
    Q_OBJECT
public:
    Tdiaprot(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~Tdiaprot() override;

    // What a running exercise does to the protocol.
    void setStateCell(int slot, const QByteArray& text) override;
    void hideWaitPanel() override {}
    void setProtocolEnabled(bool enabled) override { setEnabled(enabled); }
    void refreshProtocol() override;

    /// Fills the table from the current diagnosis record; saves the record when it has
    /// changed since the last save.
    void rita_prot();

private:
    void AvbrytButtonClick();

    Engine& m_engine;
    Services m_services;

    QLabel* TitleLabel = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QPushButton* AvbrytButton = nullptr;
};

} // namespace vindra
