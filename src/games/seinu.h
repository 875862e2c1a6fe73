#pragma once

#include "framework/services.h"

#include <QByteArray>
#include <QDateTime>
#include <QDialog>
#include <QList>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindra {

class Engine;
class FormTimer;

/// The be-game: a car race for one to three players who take turns completing sentences with
/// the right form of "be". A right answer moves the player's car on, the further the faster
/// it came; the race ends after the round of turns in which a car reaches the goal, and the
/// winner's total answer time can go into the level's high-score list.
class TSEIN : public QDialog {
    Q_OBJECT
public:
    TSEIN(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~TSEIN() override;

    void FormCreate();

    // ---- The race's rules, without a window -------------------------------------------
    /// The distance a right answer after `hundredths` gains: 50 less its whole seconds
    /// (a half rounded to the even neighbour), never below 0.
    static int gain(qint64 hundredths);
    /// The winner's time in tenths of a second for the high-score list (a half rounded to
    /// the even neighbour).
    static qint64 tenthsOf(double hundredths);
    /// "45,67 seconds" for 4567 hundredths.
    static QString secondsText(double hundredths);

    // ---- Routines -------------------------------------------------------------------------
    void Hittapreppar();
    void rensa();
    void starta();
    void NyPost();
    /// A click on word button `button` (0-based); `pass` for the right mouse button.
    void RaettTest(int button, bool pass);
    void Timer1Timer();
    void SkrivSekunder();
    /// The player-count buttons "1", "2", "3".
    void chooseCount(int players);
    /// Enter in name field `player` (1..3).
    void nameEntered(int player);
    void SlutButtonClick();
    void Button1Click();              ///< "&Fortsätta"
    void Button2Click() { reject(); } ///< "&Avbryta"
    void showPause();

    // ---- State, for the tests -----------------------------------------------------------
    int players() const { return m_players; }
    int currentPlayer() const { return m_current; }
    int winner() const { return m_winner; }
    double distance(int player) const { return m_distance[player - 1]; }
    double totalTime(int player) const { return m_time[player - 1]; }
    int carLeft(int player) const;
    int goalPosition() const { return m_goal; }
    QByteArray rightAnswer() const { return m_answer; }
    const QList<QByteArray>& words() const { return m_lower; }
    /// The word shown on button `button` (0-based).
    QString buttonWord(int button) const;
    bool answerDue() const { return m_answerDue; }

    FormTimer* Timer1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int unit() const;
    QSize screenSize() const;
    QFont font(int points) const;
    void layOut();
    void showNameScreen(const QString& heading);
    void pointAt(int button);
    void moveCar(int player);
    void decideWinner();
    void highlightNames(int player);
    void placeSentence(const QByteArray& field1);
    void showGap(const QString& word, const QColor& colour);

    Engine& m_engine;
    Services m_services;

    // Controls, named as the window names them.
    QFrame* TitlePanel = nullptr;
    QLabel* Label1 = nullptr; ///< "THE BE-GAME"
    QLabel* Label2 = nullptr; ///< the level's title
    QFrame* CountPanel = nullptr;
    QLabel* CountLabel = nullptr;
    std::array<QPushButton*, 3> countButtons{}; ///< Button3 .. Button5
    QFrame* NamePanel = nullptr;
    QLabel* NameHeading = nullptr;
    std::array<QLabel*, 3> playerLabels{};
    std::array<QLineEdit*, 3> nameEdits{}; ///< Edit1 .. Edit3
    QPushButton* Button6 = nullptr;        ///< "&Start"
    QFrame* Road = nullptr;
    std::array<QWidget*, 3> cars{};
    std::array<QLabel*, 3> namePanels{};
    std::array<QLabel*, 3> timePanels{};
    QFrame* Panel13 = nullptr; ///< the goal line
    QLabel* GoalLabel = nullptr;
    QLabel* Instruction = nullptr;
    QLabel* PlainLine = nullptr;
    QLabel* BeforeGap = nullptr;
    QLabel* Gap = nullptr;
    QLabel* AfterGap = nullptr;
    QFrame* WordRow = nullptr;
    std::array<QLabel*, 8> wordButtons{}; ///< Panel2 .. Panel9
    QFrame* ResultPanel = nullptr;
    QLabel* ResultLabel = nullptr;
    QPushButton* SlutButton = nullptr;
    QFrame* PausePanel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    QList<QByteArray> m_lower;   ///< the gap words as collected
    QList<QByteArray> m_capital; ///< the same with a capital first letter
    const QList<QByteArray>* m_set = &m_lower;
    QByteArray m_answer;
    int m_players = 1;
    int m_current = 1;
    int m_winner = 0;
    std::array<double, 3> m_distance{};
    std::array<double, 3> m_time{}; ///< hundredths of a second
    int m_goal = 0;
    int m_carWidth = 0;
    int m_ticks = 0;
    bool m_waitingToStart = true;
    bool m_showingRight = false;
    bool m_gameOver = false;
    bool m_answerDue = false;
    bool m_namesShown = false;
    QDateTime m_shownAt;
};

} // namespace vindra
