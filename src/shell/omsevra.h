#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vindra {

/// The about box (silver, full screen, caption "Vindra"): a picture, the program's title
/// line with its version, the credit lines, and two pictures that act as buttons: the
/// second shows or hides the panel about the Vindra project, the third the panel about
/// help and support (showing one hides the other). A click on the first picture hides both
/// panels, a click on a panel hides it. "&Leave" and Esc close the box.
class TOmSevra : public QDialog {
    Q_OBJECT
public:
    TOmSevra(Engine& engine, const Services& services, QWidget* parent = nullptr);

    bool panel1Shown() const { return m_panel1Shown; }
    bool panel2Shown() const { return m_panel2Shown; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Panel1Click();
    void Panel2Click();
    void showPanels(bool first, bool second);

    Engine& m_engine;
    Services m_services;
    bool m_panel1Shown = false;
    bool m_panel2Shown = false;

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* CreditLabel = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace vindra
