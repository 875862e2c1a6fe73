#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vindra {

class Engine;

/// "Tell a story": the pupil picks a three-line starter (the arrows, PageUp and PageDown)
/// and continues the story line by line; an empty line ends it, and the whole story can be
/// printed. A line too long for the writing area keeps its overflow in the input.
class Tberaetta : public QDialog {
    Q_OBJECT
public:
    Tberaetta(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void SpeedButton1Click(); ///< next starter
    void SpeedButton2Click(); ///< previous starter
    void BitBtn1Click();      ///< OK: write on from this starter
    void Edit1KeyPress();     ///< Enter in the input
    void BitBtn2Click();      ///< print the story
    void Button2Click();      ///< a new story

    int starter() const { return m_starter; }
    const QStringList& story() const { return m_story; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStarter();
    void VisaStory();
    void layoutWindow();

    Engine& m_engine;
    Services m_services;
    storytext::Starters m_starters;
    int m_starter = 1;
    QStringList m_story;
    int m_areaWidth = 600;

    QLabel* TitlePanel = nullptr;
    QWidget* ChoicePanel = nullptr;
    QLabel* HintLabel = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* StarterLabel = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel6 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};

} // namespace vindra
