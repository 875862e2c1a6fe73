#pragma once

#include "britainwindow.h"

class QKeyEvent;

namespace vindra {

/// The Union Flag (white, full screen): the title "Union Jack", the flag picture chosen by
/// the screen's width, two lines about it and a third, empty one, and "&Avbryt". Esc and
/// Alt+A close it.
class TFlagga : public BritainWindow {
    Q_OBJECT
public:
    TFlagga(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();

    /// The picture file chosen for the screen ("ENFLAGG3.BMP").
    QByteArray pictureFile() const { return m_file; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Panel1Click();

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Panel1 = nullptr;
    QByteArray m_file;
};

} // namespace vindra
