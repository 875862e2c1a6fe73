#pragma once

#include "framework/services.h"

#include <QByteArray>
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

/// The Five: a one-player speed quiz. The player answers questions drawn at random from
/// three files (two of choices to click, one of verbs to type) until five are right; each
/// right answer lights a circle and shows the seconds it took, and the total time can go
/// into the game's high-score list.
class Tfive : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRoundLength = 5;
    static constexpr int kMaxChoices = 7;

    Tfive(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~Tfive() override;

    void FormCreate();

    // ---- Routines -------------------------------------------------------------------------
    void slumpafil();
    void NyPost();
    /// Checks choice box `box` (0-based), or the typed answer when `box` is -1.
    void RaettTest(int box);
    void UpdateR();
    void RestoreR();
    void Avslutning();
    void Button1Click();              ///< "&Prize list"
    void Button2Click();              ///< "&Continue"
    void Button3Click() { accept(); } ///< "&Leave"
    void BitBtn1Click();              ///< "&Settings"
    void Timer1Timer();
    void Timer3Timer() { ++m_stopwatch; }
    void Timer5Timer();
    /// Enter in the name box.
    void nameEntered();
    /// Esc, or a right click: the button bar.
    void pause(bool onChoiceBox = false);

    // ---- State, for the tests -----------------------------------------------------------
    int fileKind() const { return m_kind; }
    /// Sets the file kind of the next question (tests choose what is asked).
    void setFileKind(int kind);
    int rightCount() const { return m_rightCount; }
    int itemCounter() const { return m_itemCounter; }
    int stopwatch() const { return m_stopwatch; }
    int totalTenths() const { return m_totalTenths; }
    bool answerDue() const { return m_answerDue; }
    QByteArray rightAnswer() const { return m_right; }
    const QList<QByteArray>& choices() const { return m_choices; }
    /// The box (0-based) that shows `choice`, -1 when none does.
    int boxOf(const QByteArray& choice) const;

    FormTimer* Timer1 = nullptr;
    FormTimer* Timer3 = nullptr;
    FormTimer* Timer5 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int unit() const;
    QSize screenSize() const;
    QFont font(int points) const;
    void Inled();
    void layOut();
    void pointAt(int box);
    void showQuestion(const QByteArray& field1);
    void setAnswerControls(bool on);
    void startStopwatch();
    void stopStopwatch();

    Engine& m_engine;
    Services m_services;

    QFrame* YShape = nullptr;
    QFrame* IShape = nullptr;
    QLabel* rubrik = nullptr;
    QFrame* rpanel = nullptr;
    QLabel* StartPanel = nullptr;
    QLabel* GoalPanel = nullptr;
    std::array<QWidget*, 5> circles{}; ///< Shape1 .. Shape5
    std::array<QLabel*, 5> rLabels{};  ///< r1 .. r5
    std::array<QLabel*, 5> tid{};      ///< tid1 .. tid5
    QLabel* ttid = nullptr;
    QFrame* info = nullptr;
    QLabel* infoText = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Instruktion = nullptr;
    std::array<std::array<QLabel*, 3>, 2> lines{}; ///< question lines: before, marked, after
    QFrame* Panel1 = nullptr;                      ///< the choice row
    std::array<QLabel*, kMaxChoices> boxes{};      ///< Panel2 .. Panel8
    QLineEdit* Edit1 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Oversattlabel = nullptr;
    QFrame* Panel9 = nullptr; ///< the button bar
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Bitbtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    std::array<QByteArray, 4> m_files{};
    int m_menuSlot = 0; ///< the cache slot the menu's `Kolla` gave ENG41031.DAT
    int m_kind = 1;
    int m_itemCounter = 1;
    int m_rightCount = 0;
    int m_stopwatch = 0;   ///< 100 ms ticks
    int m_totalTenths = 0; ///< the round's time in tenths of a second
    int m_ticks = 0;
    int m_animation = 0;
    bool m_answerDue = false;
    bool m_lastRight = false;
    bool m_prizeTaken = false;
    QByteArray m_right;
    QList<QByteArray> m_choices;
};

} // namespace vindra
