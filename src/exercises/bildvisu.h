#pragma once

#include "framework/exerciseform.h"

#include <array>

class QLabel;
class QPushButton;

namespace vindra {

class AnswerRows;
class FigureBox;

/// The picture quiz: a picture of a plant or an animal with its Swedish name, and its
/// English name to be chosen among two or three alternatives (clicked, or typed as a
/// figure). Item fields: 1 the right name, 2 and 3 the wrong ones, 4 the Swedish name. The
/// item's picture is BILD\VAXTER or BILD\DJUR\E + the code's first four digits + the item
/// number in two digits + ".BMP". In the birds exercise a button plays the bird's song.
class TBildvis : public ExerciseForm {
    Q_OBJECT
public:
    TBildvis(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// The answer on row `row` (1..3); `button` 0 is the left mouse button (and a figure
    /// key), 1 the right one, which pauses.
    void RaettTest(int row, int button);
    /// A figure key (Qt::Key_1..Key_3).
    void FormKeyPress(int key);
    /// "&Hear the sound": the song of the item on screen.
    void HoraLjudetButtonClick();
    /// The row the right answer stands on.
    int rightRow() const { return m_rightRow; }
    /// The item number whose picture and song are shown (the re-asked one in a correction
    /// round).
    int shownItemNumber() const;

protected:
    int roundLength(int standard) const override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override;
    QWidget* answerFocus() const override;
    void setAnswerActive(bool on) override;
    void roundComplete() override;
    void paused() override;
    bool keepsRightCountOnContinue() const override { return true; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The state of the rows by code (AnswerRows::setState), the right answer being
    /// RattSvarLabel.
    void Paneler(int code);
    /// Plays the song of the item on screen.
    void Ljudet();
    /// Stops a song started since the last item.
    void stopSong();
    /// Shows "&Hear the sound" where the item has a song and spoken sounds are on.
    void showSongButton();
    /// Loads and places the item's picture; hides it when there is none.
    void showPicture();

    QPushButton* HoraLjudetButton = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* SvensktOrd = nullptr;
    QLabel* RattSvarLabel = nullptr;
    AnswerRows* m_rows = nullptr;
    FigureBox* Edit1 = nullptr;

    int m_rightRow = 1;
    bool m_showingRight = false;
    bool m_songPlayed = false;
    bool m_birds = false;
    QRect m_pictureRoom;           ///< where the picture stands, right-aligned at the top
    std::array<int, 3> m_rowTop{}; ///< rows 1..3, from the top
    int m_box = 0;                 ///< height of a row, width of a number box
    int m_altLeft = 0;             ///< left edge of the alternative boxes
    int m_altRight = 0;            ///< right edge of the room for the alternative boxes
};

} // namespace vindra
