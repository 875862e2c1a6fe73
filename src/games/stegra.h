#pragma once

#include "engine/engine.h"
#include "engine/xact.h"
#include "framework/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vindra {

class AnswerBox;
class FormTimer;
class HeaderBox;
class Lamp;
class RoundedBox;
class WorksheetHeading;
class WorksheetPanel;

/// X-act, the climbing game on English numerals: the pupil answers one item after another,
/// climbs a level after every third right answer and drops one after every wrong answer;
/// the top level shows a diploma with the pupil's name. A level can be saved under the
/// pupil's name and fetched again later from the save file in the results directory. In
/// worksheet mode the form offers the items for a printed worksheet instead.
class TStegran : public QDialog {
    Q_OBJECT
public:
    /// Ticks of 100 ms after a right answer (1000 ms after a wrong one) before the next item.
    static constexpr int kWaitTicks = 3;

    TStegran(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~TStegran() override;

    void FormCreate();

    // ---- Handlers ----
    void Edit1KeyPress(); ///< Enter in the answer box
    void Edit2KeyPress(); ///< Enter in the name box
    void Timer1Timer();
    void Button1Click();      ///< "&Continue"
    void Button2Click();      ///< "&Save level"
    void HaemtaNivaa2Click(); ///< "C&hoose level"
    void Button3Click();      ///< "&Leave"
    void LampknappClick();
    void LampShapeMouseDown();
    void pause();

    // ---- What the game stands at (for tests) ----
    int level() const { return m_level; }
    int topLevel() const { return m_levels.top(); }
    FormTimer* timer1() const { return Timer1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void NyPost();
    void VisaDiplom();
    void UppgraderaNivRutan(int level, int step);
    void sparastegring(bool save);
    void showNameBox();
    void showBar();
    void colourLamp();
    void drawOrders();
    QByteArray nextLevelItem();
    int unit() const { return std::max(1, m_engine.layoutUnit); }
    QSize screen() const;
    QFont font(int size, bool pixels = false) const;
    bool worksheet() const { return m_engine.session.mode == SessionMode::Worksheet; }

    Engine& m_engine;
    Services m_services;

    HeaderBox* m_header = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    QLabel* Label5 = nullptr; ///< the task
    AnswerBox* Edit1 = nullptr;
    QLabel* Label6 = nullptr; ///< the right answer after a wrong one
    QLabel* Label7 = nullptr; ///< field 2, never shown

    QFrame* NivPanel = nullptr;
    RoundedBox* NivYtterShape = nullptr;
    RoundedBox* NivInnerShape = nullptr;
    QLabel* NivLabel1 = nullptr;
    QLabel* NivLabel2 = nullptr;
    QProgressBar* Gauge1 = nullptr;

    QFrame* namnruta = nullptr;
    QLabel* m_nameLabel1 = nullptr;
    QLabel* m_nameLabel2 = nullptr;
    QLineEdit* Edit2 = nullptr;

    QFrame* DiplomPanel = nullptr;
    QLabel* Image1 = nullptr;

    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* HaemtaNivaa2 = nullptr;
    QPushButton* Button3 = nullptr;

    QPushButton* Lampknapp = nullptr;
    Lamp* LampShape = nullptr;
    WorksheetHeading* SkrivutOverskrift = nullptr;
    WorksheetPanel* SkrivutHelaPanelen = nullptr;
    FormTimer* Timer1 = nullptr;

    xact::Levels m_levels;
    std::array<QList<int>, xact::kMaxLevels + 1> m_order; ///< item numbers 1..n per level
    std::array<int, xact::kMaxLevels + 1> m_position{};   ///< 1-based, per level
    int m_level = 1;
    int m_ticks = 0;
    bool m_save = false; ///< the name box saves (else it fetches)
    bool m_firstItem = true;
    bool m_answerDue = false;
    bool m_diploma = false;
    bool m_started = false; ///< a name has been given: the game has begun
    bool m_lampOn = false;
};

} // namespace vindra
