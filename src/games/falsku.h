#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindra {

class HeaderBox;
class PraisePanel;

/// The counting game against the computer: five words (or word pairs) at a time and one
/// question about them answered with a number from 0 to 5. "False Friends" (25001) asks how
/// many of the five translations are right; "Duel" (31081) in how many of the five nouns the
/// final -s is pronounced [z]. A right number lights that many squares of the pupil's row, a
/// wrong one that many of the computer's; the first full row of 20 wins.
class TFalska : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 5;
    static constexpr int kTrack = 20; ///< squares in each player's row
    static constexpr int kNameLength = 12;

    TFalska(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~TFalska() override;

    void FormCreate();

    // ---- Handlers ----
    void Edit1KeyPress();          ///< Enter in the name box
    void chooseNumber(int number); ///< the buttons "0" … "5" and the keys 0 … 5
    void NextPanelClick();
    void Button3Click(); ///< continue
    void Button4Click(); ///< leave

    // ---- What the game stands at (for tests and the screenshots) ----
    int rightNumber() const { return m_rightNumber; }
    int pupilScore() const { return m_pupilScore; }
    int computerScore() const { return m_computerScore; }
    bool gameOver() const { return m_gameOver; }
    bool pupilWon() const { return m_pupilWon; }
    /// Whether row `row` (0..4) counts: a right translation, or a final s pronounced [z].
    bool rowCounts(int row) const { return m_counts[static_cast<size_t>(row)]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void layOut();
    void layOutTrack();
    void NyPost();
    void Kollasvar();
    void Avslutning();
    void VisTexterna(bool show);
    void SvarsTexterna(bool show);
    void setNumbersEnabled(bool on);
    void light(int firstTag, int lastTag);
    void showBar();
    void showEndPicture();
    void nameReminder();
    int unit() const { return std::max(1, m_engine.layoutUnit); }
    QSize screen() const;
    QFont font(int pixels, bool bold = true) const;
    bool duel() const { return m_engine.item.exerciseCode == 31081; }

    Engine& m_engine;
    Services m_services;

    HeaderBox* m_title = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    QLabel* InstruktionsLabel2 = nullptr;
    std::array<QLabel*, kRows> m_words{};   ///< sv1 … Sv5
    std::array<QLabel*, kRows> m_reveals{}; ///< RSvar1 … RSvar5
    std::array<QLabel*, kRows> m_red{};     ///< ord1 … Ord5
    QFrame* AntalPanel = nullptr;
    std::array<QPushButton*, 6> m_numbers{}; ///< SpeedButton1 … SpeedButton6
    QLabel* SpeedPanel1 = nullptr;           ///< the right number after a wrong answer
    QPushButton* NextPanel = nullptr;

    QFrame* Panel3 = nullptr; ///< the name panel
    QFrame* Panel4 = nullptr;
    QLabel* m_namePrompt = nullptr;
    QLabel* m_nameEnter = nullptr;
    QLineEdit* Edit1 = nullptr;

    QFrame* Panel1 = nullptr; ///< the track's blue frame
    QFrame* MellanPanel = nullptr;
    QFrame* Panel2 = nullptr;
    std::array<QFrame*, 2 * kTrack> m_squares{}; ///< Shape1 … Shape40
    QLabel* Label1 = nullptr;                    ///< "Computer"
    QLabel* Label2 = nullptr;                    ///< the pupil's name

    QFrame* Escapepanel = nullptr;
    QPushButton* Button3 = nullptr; ///< "&Continue"
    QPushButton* Button4 = nullptr; ///< "&Leave"
    QPushButton* BitBtn1 = nullptr; ///< "&Settings", never shown

    QFrame* BildPanelen = nullptr;
    QLabel* m_endPicture = nullptr;
    PraisePanel* LovordPanel = nullptr;

    QByteArray m_marker; ///< "SANT" or "Z"
    std::array<bool, kRows> m_counts{};
    int m_rightNumber = 0;
    int m_chosenNumber = 0;
    int m_pupilScore = 0;
    int m_computerScore = 0;
    bool m_gameOver = false;
    bool m_pupilWon = false;
    bool m_answerDue = false; ///< five rows wait for their number
    bool m_playing = false;   ///< the name is given: the window takes every key
    int m_nameReminders = 0;
};

} // namespace vindra
