#pragma once

#include "britainwindow.h"

#include <QList>

class QKeyEvent;

namespace vindra {

/// The map of Great Britain with basic facts (silver, full screen): the map at the left, the
/// title "STORBRITANNIEN" and eight fact lines to its right, and "&Avbryt". Esc and Alt+A
/// close it as "&Avbryt" does, so it can be left without the mouse.
class TKarta : public BritainWindow {
    Q_OBJECT
public:
    TKarta(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();

    /// The fact lines in their order (Label2 … Label9).
    const QList<QLabel*>& factLines() const { return m_facts; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Panel1Click();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Panel1 = nullptr;
    QList<QLabel*> m_facts;
};

} // namespace vindra
