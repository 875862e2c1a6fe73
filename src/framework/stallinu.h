#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vindra {

/// The settings dialog: how many seconds (0..9) the right answer stays on screen after a
/// wrong answer. A change takes effect at once; both buttons keep it.
class TStallin : public QDialog {
    Q_OBJECT
public:
    TStallin(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void SparaButtonClick() { accept(); }
    void AvbrytButtonClick() { accept(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void showValue();

    Engine& m_engine;
    const Screen* m_screen = nullptr;
    QLabel* m_value = nullptr;
};

} // namespace vindra
