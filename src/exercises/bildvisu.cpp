#include "bildvisu.h"

#include "engine/catalogue.h"
#include "engine/pictureitem.h"
#include "engine/readingtext.h"
#include "framework/answerrows.h"
#include "framework/aster.h"
#include "framework/look.h"
#include "platform/files.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace vindra {

namespace {
/// The size the item pictures are drawn at on a 1024x768 screen; larger screens show them
/// larger, scaled smoothly from the bitmap.
constexpr int kPictureWidth = 280;
constexpr int kPictureHeight = 210;

} // namespace

TBildvis::TBildvis(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("Bildvis"));
    SvensktOrd = look::colouredLabel(QStringLiteral("SvensktOrd"), look::kNavy, this);
    RattSvarLabel = look::colouredLabel(QStringLiteral("RattSvarLabel"), look::kMaroon, this);
    RattSvarLabel->hide();
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->hide();

    HoraLjudetButton = new QPushButton(QStringLiteral("&Hear the sound"), this);
    HoraLjudetButton->setObjectName(QStringLiteral("HoraLjudetButton"));
    HoraLjudetButton->setFocusPolicy(Qt::NoFocus); // the figure keys keep their input
    HoraLjudetButton->hide();
    connect(HoraLjudetButton, &QPushButton::clicked, this, &TBildvis::HoraLjudetButtonClick);

    m_rows = new AnswerRows(this);
    connect(m_rows, &AnswerRows::chosen, this, [this](int row) { RaettTest(row, 0); });
    connect(m_rows, &AnswerRows::pauseRequested, this, [this] { RaettTest(1, 1); });

    Edit1 = new FigureBox(QStringLiteral("Edit1"), this);
    connect(Edit1, &FigureBox::figure, this, &TBildvis::FormKeyPress);
    connect(Edit1, &FigureBox::pauseRequested, this, &TBildvis::pause);
}

int TBildvis::roundLength(int standard) const
{
    const CacheSlot* slot = m_engine.currentCacheSlot();
    return slot && slot->itemCount > 0 ? std::min(standard, slot->itemCount) : standard;
}

QByteArray TBildvis::rightAnswer() const
{
    return m_engine.item.fields[1];
}

QWidget* TBildvis::answerFocus() const
{
    return Edit1;
}

int TBildvis::shownItemNumber() const
{
    const ItemState& item = m_engine.item;
    return m_round.state().correctionRound ? item.reAskedItemNumber : item.currentItemNumber;
}

// ---- Creation --------------------------------------------------------------------------------

void TBildvis::placeQuestionArea()
{
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    const int wu = std::max(1, W / 32);
    const int left = InstruktionsLabel->x();
    m_birds = code() == 21510;

    for (QLabel* l : {SvensktOrd, RattSvarLabel}) {
        l->setFont(font(18));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    const int lineHeight = SvensktOrd->height();

    // The rows stand from the bottom up, the lowest just above the button bar.
    m_box = QFontMetrics(font(18)).height() + 12;
    int y = Panel1->y() - u / 2 - m_box;
    for (int row = AnswerRows::kRows; row >= 1; --row) {
        m_rowTop[static_cast<size_t>(row - 1)] = y;
        y -= m_box * 8 / 7;
    }
    m_altLeft = left + m_box + u / 2;
    m_altRight = Aster1->x() - u;
    for (int row = 1; row <= AnswerRows::kRows; ++row) {
        const int top = m_rowTop[static_cast<size_t>(row - 1)];
        m_rows->NrPanel[static_cast<size_t>(row - 1)]->setFont(font(14));
        m_rows->placeRow(row, QRect(left, top, m_box, m_box),
                         QRect(m_altLeft, top, std::min(25 * wu, m_altRight - m_altLeft), m_box),
                         wu / 2);
    }
    RattSvarLabel->move(left, m_rowTop[0] - lineHeight * 3 / 2);
    SvensktOrd->move(left, RattSvarLabel->y() - lineHeight * 5 / 4);

    // The picture at the top right, left of the progress boxes, as large as the screen
    // allows above the Swedish name and right of the header box.
    const int right = Aster1->x() - u;
    const int top = u / 2;
    const int roomWidth = right - (header().geometry().right() + 1 + u);
    const int roomHeight = SvensktOrd->y() - u / 2 - top;
    const double scale = std::min({std::max(1.0, H / 768.0), double(roomWidth) / kPictureWidth,
                                   double(roomHeight) / kPictureHeight});
    const QSize picture(std::max(1, int(kPictureWidth * scale)),
                        std::max(1, int(kPictureHeight * scale)));
    m_pictureRoom = QRect(QPoint(right - picture.width() + 1, top), picture);

    // The instruction and the sound button stand left of the picture.
    const int textRoom = m_pictureRoom.left() - u - left;
    if (InstruktionsLabel->width() > textRoom && textRoom > 0) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->resize(textRoom, InstruktionsLabel->heightForWidth(textRoom));
    }
    const QFont buttonFont = font(19, true);
    HoraLjudetButton->setFont(buttonFont);
    const QFontMetrics fm(buttonFont);
    HoraLjudetButton->setGeometry(
        left, InstruktionsLabel->geometry().bottom() + 1 + lineHeight * 3 / 2,
        std::min(textRoom, fm.horizontalAdvance(QStringLiteral("Hear the sound")) + 3 * u),
        fm.height() + 12);
    Edit1->setGeometry(HoraLjudetButton->geometry().right() + u, HoraLjudetButton->y(), 1, 1);

    m_rows->setRowsEnabled(mode() != SessionMode::Worksheet);
}

// ---- Items -----------------------------------------------------------------------------------

void TBildvis::NollaLabeller()
{
    stopSong();
    SvensktOrd->clear();
    Paneler(0);
}

void TBildvis::showItem()
{
    const ItemState& item = m_engine.item;
    const int wu = std::max(1, screen().width() / 32);
    m_showingRight = false;
    m_rows->setHighlightBlocked(false);

    datafile::ItemFields fields;
    fields.field = item.fields;
    fields.fieldCount = item.fieldCount;
    fields.alternativesCount = item.alternativesCount;
    const picture::QuizItem quiz = picture::readQuiz(fields);
    const int n = static_cast<int>(quiz.names.size());
    const QList<int> order = reading::drawOrder(n, [this](int k) {
        return static_cast<int>(m_engine.random().below(static_cast<std::uint32_t>(k)));
    });
    QStringList texts;
    for (int pos = 0; pos < n; ++pos) {
        texts << text(quiz.names[order[pos] - 1]);
        if (order[pos] == 1)
            m_rightRow = pos + 1;
    }
    SvensktOrd->setText(text(quiz.swedish));
    SvensktOrd->adjustSize();
    m_rows->fitTexts(font(18), texts, 24 * wu);
    int widest = 0;
    const QFontMetrics fm(m_rows->AltLabel[0]->font());
    for (const QString& t : texts)
        widest = std::max(widest, fm.horizontalAdvance(t));
    const int boxWidth = std::clamp(std::max(widest + 2 * wu, InstruktionsLabel->width() - unit()),
                                    m_box, m_altRight - m_altLeft);
    for (int row = 1; row <= AnswerRows::kRows; ++row) {
        const int top = m_rowTop[static_cast<size_t>(row - 1)];
        m_rows->placeRow(row, QRect(InstruktionsLabel->x(), top, m_box, m_box),
                         QRect(m_altLeft, top, boxWidth, m_box), wu / 2);
    }
    m_rows->fill(texts);
    Paneler(2);
    RattSvarLabel->setFont(font(18));
    RattSvarLabel->setText(text(rightAnswer()));
    RattSvarLabel->adjustSize();

    showPicture();
    showSongButton();

    if (mode() == SessionMode::Worksheet) {
        // The answer shows while the items are chosen; nothing is asked.
        Paneler(10 + m_rightRow);
        m_rows->setRowsEnabled(false);
        Edit1->setEnabled(false);
        return;
    }
    Edit1->setEnabled(true);
    Edit1->show();
    if (!firstItem())
        Edit1->setFocus();
}

void TBildvis::showPicture()
{
    const QByteArray file = catalogue::quizPictureFile(code(), shownItemNumber());
    QPixmap picture;
    if (file.isEmpty() || !picture.load(m_engine.materialPath("\\BILD\\" + file))) {
        Image2->clear();
        Image2->hide();
        return;
    }
    if (picture.size() != m_pictureRoom.size())
        picture =
            picture.scaled(m_pictureRoom.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image2->setPixmap(picture);
    Image2->setGeometry(m_pictureRoom.right() + 1 - picture.width(), m_pictureRoom.y(),
                        picture.width(), picture.height());
    Image2->show();
}

void TBildvis::showSongButton()
{
    const bool spoken = m_engine.settings.SOUNDS == 1 || m_engine.settings.SOUNDS == 3;
    HoraLjudetButton->setVisible(m_birds && spoken && mode() != SessionMode::Worksheet &&
                                 !m_round.state().roundOver() &&
                                 !catalogue::birdSongFile(code(), shownItemNumber()).isEmpty());
}

void TBildvis::Paneler(int code)
{
    m_rows->setState(code, RattSvarLabel);
}

// ---- The song --------------------------------------------------------------------------------

void TBildvis::HoraLjudetButtonClick()
{
    Ljudet();
    if (Edit1->isEnabled())
        Edit1->setFocus();
}

void TBildvis::Ljudet()
{
    const QByteArray file = catalogue::birdSongFile(code(), shownItemNumber());
    if (file.isEmpty())
        return;
    m_songPlayed = true;
    // The song is looked for on the hard disk first, then on the CD, like every other file.
    const QByteArray relative = QByteArray("\\LJUD\\") + catalogue::kBirdSongPrefix + "\\" + file;
    if (!files::isFile(m_engine.materialPath(relative))) {
        m_engine.fileError(m_engine.dirs.cd + relative);
        return;
    }
    m_engine.soundPrefix = catalogue::kBirdSongPrefix;
    m_engine.SpelaUppWavLjud(file);
}

void TBildvis::stopSong()
{
    if (m_songPlayed)
        m_engine.stopSound();
    m_songPlayed = false;
}

// ---- The answer ------------------------------------------------------------------------------

void TBildvis::FormKeyPress(int key)
{
    if (const int row = m_rows->rowOfKey(key))
        RaettTest(row, 0);
}

void TBildvis::RaettTest(int row, int button)
{
    if (mode() == SessionMode::Worksheet)
        return;
    if (button == 1) {
        if (m_rows->rowsEnabled() && m_round.answerDue())
            pause();
        return;
    }
    // Nothing is answered while the right answer is shown.
    if (!m_round.answerDue() || m_showingRight || row < 1 || row > m_rows->count())
        return;
    const bool right = m_rows->isRight(m_engine, row, m_rightRow, rightAnswer());
    setAnswerActive(false);
    if (!right) {
        m_rows->showRight(m_rightRow, RattSvarLabel);
        m_showingRight = true;
    }
    answerChecked(right);
}

void TBildvis::setAnswerActive(bool on)
{
    if (mode() == SessionMode::Worksheet)
        on = false;
    m_rows->setRowsEnabled(on && !m_showingRight);
    if (!on && Edit1->hasFocus())
        setFocus();
    Edit1->setEnabled(on);
    if (on) {
        Edit1->show();
        Edit1->setFocus();
        showSongButton(); // the settings may have switched spoken sounds on or off
    }
}

void TBildvis::roundComplete()
{
    Image2->hide();
    stopSong();
    HoraLjudetButton->hide();
}

void TBildvis::paused()
{
    Paneler(5);
    Edit1->setEnabled(false);
    stopSong();
    ExerciseForm::paused();
}

void TBildvis::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3 && !Panel1->isVisible()) {
        FormKeyPress(key);
        return;
    }
    ExerciseForm::keyPressEvent(event);
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TBildvis::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    // The pupil writes the English name under the Swedish one; the key gives it.
    const ItemState& item = m_engine.item;
    m_engine.worksheet.addWrittenItem(prefix, item.fields[4], item.fields[1]);
}

} // namespace vindra
