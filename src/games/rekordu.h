#pragma once

#include "engine/highscore.h"
#include "framework/services.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;

namespace vindra {

class Engine;

/// The high-score window: the list of the calling game's level with the new entry in its
/// place, saved into the list by "Leave and save - Enter" or left alone by "Leave without
/// saving - Esc". The caller fills in `Engine::highScore` (name, score, path) and the
/// exercise code before it opens the window.
class TRekord : public QDialog {
    Q_OBJECT
public:
    TRekord(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    /// Stamps the new entry with the current date and time.
    void Datumet();
    /// Reads the list and fills the grid.
    void Tabell();
    /// Writes one entry into a grid row.
    void IniGrid(int row, const highscore::Entry& entry);
    /// Saves and closes; on a failure says so and stays open.
    void Button1Click();
    void SlutaClick() { reject(); }

    /// The new entry's row (1..100, 101 without a place); 0 before the list is shown.
    int entryRow() const { return m_row; }
    /// The grid's top visible row.
    int topRow() const;

    QLabel* Label1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Sluta = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString title() const;
    void layOut();
    void scrollToEntry();
    QString failureText(const recordfile::Error& error, bool saving) const;

    Engine& m_engine;
    Services m_services;
    highscore::Kind m_kind = highscore::Kind::Points;
    int m_row = 0;
    QFrame* Panel1 = nullptr; ///< title panel
    QFrame* Panel2 = nullptr; ///< table panel
    QFrame* Panel3 = nullptr; ///< inner table panel
    QFrame* Panel4 = nullptr; ///< bottom panel
    QFrame* Panel5 = nullptr; ///< left side
    QFrame* Panel6 = nullptr; ///< right side
};

} // namespace vindra
