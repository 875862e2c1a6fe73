#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>
#include <QLabel>

#include <array>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vindra {

class Engine;

/// "Reveal": a story hidden behind stars, revealed word by word, by dragging words of an
/// alphabetical list onto their places or by typing guesses. Counters show the share of right
/// answers, the share of the text solved and the attempts; a solved text is congratulated
/// and the choice of story returns. Esc returns to the choice, and closes the window there.
class Tavsloj : public QDialog {
    Q_OBJECT
public:
    Tavsloj(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void FormShow();
    /// Back to the choice of story, counters at zero.
    void Resett();
    /// Starts the story selected in the list.
    void ListBox2DblClick();
    /// Drops word-list entry `entry` on slot `slot` (from 0).
    void utruta(int slot, int entry);
    /// Checks the guess in the guess box (Enter).
    void Textkoll();
    void Button1Click();

    const storytext::RevealGame& game() const { return m_game; }
    bool playing() const { return m_playing; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void letastorys();
    void showSlots(bool fullWords);
    void UpdateInfo();
    void layoutWindow();

    Engine& m_engine;
    Services m_services;
    QByteArray m_file;
    QList<QByteArray> m_lines;
    storytext::RevealGame m_game;
    bool m_playing = false;
    bool m_storyShown = false;

    QLabel* Title = nullptr;
    QWidget* Panel4 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* Button2 = nullptr;
    QWidget* Panel1 = nullptr;
    std::array<QLabel*, storytext::kRevealSlots> Labels{};
    std::array<QLabel*, storytext::kRevealRows> Names{};
    QListWidget* ListBox1 = nullptr;
    QWidget* Panel7 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QWidget* Counters = nullptr;
    QLabel* Panel5 = nullptr;
    QLabel* Panel6 = nullptr;
    QLabel* Panel8 = nullptr;
};

} // namespace vindra
