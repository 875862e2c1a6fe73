#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vindra {

class Engine;

/// "Storygin": a photo album of random three-part sentences, one per photo; after twenty
/// photos the album closes.
class TStorygin : public QDialog {
    Q_OBJECT
public:
    TStorygin(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void Button1Click(); ///< "&Continue": open the album
    void Button2Click(); ///< "&Next": the next photo

    const storytext::Album& album() const { return m_album; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Laddafil();
    void Genr();
    void layoutWindow();

    Engine& m_engine;
    Services m_services;
    storytext::Album m_album;

    QWidget* Header = nullptr;
    QLabel* rubrik = nullptr;
    QWidget* info = nullptr;
    QPushButton* Button1 = nullptr;
    QWidget* kort = nullptr;
    QLabel* Memo2 = nullptr;
    QLabel* Message = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};

} // namespace vindra
