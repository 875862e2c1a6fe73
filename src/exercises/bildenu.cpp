#include "bildenu.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/pictureitem.h"
#include "framework/aster.h"
#include "framework/look.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace vindra {

TBilden::TBilden(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("Bilden"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->hide();

    // An empty panel laid over the questions when the round has ended.
    Bildpanelen = new QFrame(this);
    Bildpanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Bildpanelen->setAutoFillBackground(true);
    look::setLiesOnTop(Bildpanelen);
    Bildpanelen->hide();

    FrageLabel1 = look::colouredLabel(QStringLiteral("FrageLabel1"), look::kNavy, this);
    FrageLabel2 = look::colouredLabel(QStringLiteral("FrageLabel2"), look::kNavy, this);
    FrageLabel2->setWordWrap(true); // lines 2 and 3 of a long question stand together here
    SvarsLabel = look::colouredLabel(QStringLiteral("SvarsLabel"), look::kMaroon, this);
    SvarsLabel->hide();

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    connect(Edit1, &AnswerBox::answered, this, &TBilden::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TBilden::pause);

    // The empty panel covers the questions once the button bar ends the round.
    Panel1->installEventFilter(this);
}

QWidget* TBilden::answerFocus() const
{
    return Edit1;
}

// ---- Creation --------------------------------------------------------------------------------

void TBilden::Inled()
{
    ExerciseForm::Inled();
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();

    // The picture fills the height between the top and the button bar at the left edge,
    // keeping the 3:4 shape of the body pictures, and leaves room for the header box and a
    // third of the screen to the questions.
    const int height = Panel1->y() - 2 * u;
    const int questionsRoom = std::max(header().width() + u, W / 3);
    const int width = std::min(height * 3 / 4, Aster1->x() - 3 * u - questionsRoom);
    m_pictureRoom = QRect(u, u, width, std::min(height, width * 4 / 3));

    // The header box, the instruction and the questions stand right of the picture.
    const int left = m_pictureRoom.right() + 1 + u;
    if (auto* box = findChild<HeaderBox*>(QStringLiteral("OverskriftYtterShape")))
        box->place(QPoint(left, u), box->size());
    SkrivutOverskrift->move(left, header().geometry().bottom() + 1 + u / 2);
    m_textRight = Aster1->x() - u;

    const int top = H / 48 * 10;
    Bildpanelen->setGeometry(left, top, m_textRight - left,
                             std::min(H / 48 * 35, Panel1->y() - 2 - top));
    LovordPanel->setGeometry(left, LovordPanel->y(), m_textRight - left, LovordPanel->height());
}

void TBilden::placeQuestionArea()
{
    const int u = unit();
    const int left = InstruktionsLabel->x();
    for (QLabel* l : {FrageLabel1, FrageLabel2, SvarsLabel}) {
        l->setFont(font(19, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    const int line = FrageLabel1->height();
    FrageLabel1->move(left, InstruktionsLabel->geometry().bottom() + 1 + line);
    FrageLabel2->setGeometry(left, FrageLabel1->y() + line * 4 / 3, m_textRight - left, line);
    Edit1->setFont(font(19, true));
    Edit1->setGeometry(left, FrageLabel2->y() + line * 5 / 2, 20 * u, Edit1->sizeHint().height());
    Edit1->clear();
    SvarsLabel->move(left, Edit1->geometry().bottom() + 1 + u / 2);
    if (mode() == SessionMode::Worksheet) {
        Edit1->setEnabled(false);
        Edit1->hide();
    }
    loadPicture();
}

void TBilden::loadPicture()
{
    QPixmap picture;
    const QByteArray file = catalogue::bodyPictureFile(code());
    // A picture in neither directory is hidden, like every missing picture; the questions
    // still work without it.
    if (file.isEmpty() || !picture.load(m_engine.materialPath("\\BILD\\" + file))) {
        Image1->clear();
        Image1->hide();
        return;
    }
    picture = picture.scaled(m_pictureRoom.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(picture);
    Image1->setGeometry(QRect(m_pictureRoom.topLeft(), picture.size()));
    Image1->show();
}

// ---- Items -----------------------------------------------------------------------------------

void TBilden::NollaLabeller()
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    SvarsLabel->clear();
    SvarsLabel->hide();
    Edit1->clear();
}

void TBilden::showItem()
{
    const ItemState& item = m_engine.item;
    SvarsLabel->setText(text(item.fields[2]));
    SvarsLabel->adjustSize();

    // Up to three lines: one stands alone in the lower label; with more, the first stands
    // above and the others together below.
    m_engine.dela_mening(FrageLabel2->x(), m_textRight, item.fields[1], 3);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray rest =
        picture::joinLines(m_engine.sentenceLines[2], m_engine.sentenceLines[3]);
    if (rest.isEmpty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(text(first));
    } else {
        FrageLabel1->setText(text(first));
        FrageLabel1->setFont(font(19, true));
        FrageLabel1->adjustSize();
        look::fitFont(FrageLabel1, FrageLabel1->text(),
                      QSize(m_textRight - FrageLabel1->x(), FrageLabel1->height() + 8));
        FrageLabel1->adjustSize();
        FrageLabel1->show();
        FrageLabel2->setText(text(rest.trimmed()));
    }
    const int width = m_textRight - FrageLabel2->x();
    FrageLabel2->resize(width, FrageLabel2->heightForWidth(width));
    FrageLabel2->show();
    Edit1->move(Edit1->x(), FrageLabel2->geometry().bottom() + 1 + FrageLabel1->height() * 2 / 3);
    SvarsLabel->move(SvarsLabel->x(), Edit1->geometry().bottom() + 1 + unit() / 2);
    Edit1->resize(std::min(SvarsLabel->width() + 60, m_textRight - Edit1->x()), Edit1->height());

    if (mode() == SessionMode::Worksheet) {
        SvarsLabel->show();
        return;
    }
    Edit1->setEnabled(true);
    Edit1->show();
    if (!firstItem())
        Edit1->setFocus();
}

// ---- The answer ------------------------------------------------------------------------------

void TBilden::Edit1KeyPress()
{
    if (!m_round.answerDue())
        return;
    setAnswerActive(false);
    const bool ok = m_engine.svarstest(m_engine.item.fields[2], cp1252::fromUnicode(Edit1->text()),
                                       3) == Engine::kAnswerRight;
    if (!ok)
        SvarsLabel->show();
    answerChecked(ok);
}

// ---- The ending ------------------------------------------------------------------------------

void TBilden::newRoundControls(bool)
{
    Bildpanelen->hide();
}

bool TBilden::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Show && m_round.state().roundOver()) {
        Bildpanelen->show();
        Bildpanelen->raise();
        LovordPanel->raise();
        Panel1->raise();
    }
    return ExerciseForm::eventFilter(watched, event);
}

} // namespace vindra
