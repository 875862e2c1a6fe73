#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vindra {

class Engine;

/// "Prank": the pupil types adjectives and nouns without seeing the story; they are put
/// into the story's gaps in random order, and the funny result can be printed.
class TPrank : public QDialog {
    Q_OBJECT
public:
    TPrank(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void FormShow();
    /// Chooses the story selected in the list.
    void ListBox1Click();
    /// Enter in the word input.
    void Edit1KeyPress();
    void BitBtn1Click(); ///< print
    void Button2Click(); ///< a new story

    /// The story as laid out, line by line.
    QStringList result() const;
    /// The words asked so far, by kind.
    const std::array<QList<QByteArray>, 3>& words() const { return m_words; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AntalHistorier();
    void MataInOrd();
    void SlumpaOrd();
    void SettInOrd();
    void placeInput();
    void layoutWindow();

    Engine& m_engine;
    Services m_services;
    QList<storytext::PrankStory> m_stories;
    int m_story = -1;
    int m_kind = 0;    ///< the kind of word being asked for
    int m_entered = 0; ///< Enters for the current kind
    std::array<QList<QByteArray>, 3> m_words;

    QLabel* Header = nullptr;
    QLabel* ChooseLabel = nullptr;
    QListWidget* ListBox1 = nullptr;
    QWidget* Panel3 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QLabel*, storytext::kPrankWords> ord{};
    QLineEdit* Edit1 = nullptr;
    QWidget* Panel4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace vindra
