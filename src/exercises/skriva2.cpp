#include "skriva2.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "framework/formtimer.h"
#include "framework/look.h"

#include <QLabel>
#include <QPushButton>

#include <span>

namespace vindra {

namespace {

QLabel* makeLabel(const QString& name, const QColor& colour, QWidget* parent)
{
    QLabel* l = look::colouredLabel(name, colour, parent);
    l->hide();
    return l;
}

/// Worksheet title of a comparison block whose header names no heading.
constexpr char kComparisonTitle[] = "Komparation";

} // namespace

Tskriv2::Tskriv2(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("skriv2"));
    FrageLabel1 = makeLabel(QStringLiteral("FrageLabel1"), look::kNavy, this);
    FrageLabel2 = makeLabel(QStringLiteral("FrageLabel2"), look::kNavy, this);

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("First answer"));
    Edit2 = new AnswerBox(QStringLiteral("Edit2"), this);
    Edit2->setAccessibleName(QStringLiteral("Second answer"));
    for (AnswerBox* box : {Edit1, Edit2}) {
        box->setMaxLength(40);
        box->setFont(font(19, true));
        connect(box, &AnswerBox::pauseRequested, this, &Tskriv2::pause);
    }
    connect(Edit1, &AnswerBox::answered, this, &Tskriv2::Edit1KeyPress);
    connect(Edit2, &AnswerBox::answered, this, &Tskriv2::Edit2KeyPress);
    connect(Edit1, &QLineEdit::textChanged, this, &Tskriv2::KollaEdit1);
    connect(Edit2, &QLineEdit::textChanged, this, &Tskriv2::KollaEdit2);

    SvarsLabel1 = makeLabel(QStringLiteral("SvarsLabel1"), look::kMaroon, this);
    SvarsLabel2 = makeLabel(QStringLiteral("SvarsLabel2"), look::kMaroon, this);
    SvenskaLabel = makeLabel(QStringLiteral("SvenskaLabel"), look::kNavy, this);
    HjalpLabel = makeLabel(QStringLiteral("HjalpLabel"), look::kNavy, this);
    Label6 = makeLabel(QStringLiteral("Label6"), look::kNavy, this);
    Label9 = makeLabel(QStringLiteral("Label9"), look::kNavy, this);

    for (QFrame** bar : {&SkiljeShape1, &SkiljeShape2}) {
        *bar = new QFrame(this);
        (*bar)->setAutoFillBackground(true);
        QPalette pal = (*bar)->palette();
        pal.setColor(QPalette::Window, look::kLime);
        (*bar)->setPalette(pal);
    }
    SkiljeShape1->setObjectName(QStringLiteral("SkiljeShape1"));
    SkiljeShape2->setObjectName(QStringLiteral("SkiljeShape2"));

    auto makeButton = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(font(19, true));
        b->hide();
        return b;
    };
    BitBtn2 = makeButton(QStringLiteral("BitBtn2"), QStringLiteral("&Help"));
    Regelknapp = makeButton(QStringLiteral("Regelknapp"), QStringLiteral("&Rules"));
    Lampknapp = makeButton(QStringLiteral("Lampknapp"), QStringLiteral("?"));
    Lampknapp->setToolTip(QStringLiteral("Show if letter is wrong"));
    Lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong"));
    connect(BitBtn2, &QPushButton::clicked, this, &Tskriv2::BitBtn2Click);
    connect(Regelknapp, &QPushButton::clicked, this, &Tskriv2::RegelknappClick);
    connect(Lampknapp, &QPushButton::clicked, this, &Tskriv2::LampknappClick);

    LampShape1 =
        new Lamp(QStringLiteral("LampShape1"), QStringLiteral("Click here to disappear"), this);
    LampShape2 =
        new Lamp(QStringLiteral("LampShape2"), QStringLiteral("Click here to disappear"), this);
    connect(LampShape1, &Lamp::pressed, this, &Tskriv2::LampShapeMouseDown);
    connect(LampShape2, &Lamp::pressed, this, &Tskriv2::LampShapeMouseDown);
}

QByteArray Tskriv2::field(int n) const
{
    return m_engine.item.fields[static_cast<size_t>(n)];
}

bool Tskriv2::itemHasHelp() const
{
    return m_layoutA && !field(4).isEmpty();
}

bool Tskriv2::swedishCaptions() const
{
    return catalogue::swedishCaptions(code());
}

QWidget* Tskriv2::answerFocus() const
{
    return m_awaitingSecond ? Edit2 : Edit1;
}

// ---- Creation --------------------------------------------------------------------------------

void Tskriv2::Inled()
{
    ExerciseForm::Inled();
    // The picture stands higher and larger than in the other forms.
    const int H = screen().height();
    const int u = unit();
    const int top = H / 48 * 10 - u / 2;
    BildPanelen->setGeometry(BildPanelen->x(), top, BildPanelen->width(), H / 48 * 35 + u / 2);
}

void Tskriv2::placeQuestionArea()
{
    const int u = unit();
    m_layoutA = catalogue::twoAnswerLayoutA(code());
    m_lampOffered = m_layoutA;

    InstruktionsLabel->move(header().x(), header().geometry().bottom() + 1 + 4);
    const int left = InstruktionsLabel->x();
    for (QLabel* l : {FrageLabel1, FrageLabel2, SvarsLabel1, SvarsLabel2, SvenskaLabel, HjalpLabel,
                      Label6, Label9}) {
        l->setFont(font(19, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    int questionTop = InstruktionsLabel->y() + InstruktionsLabel->height() * 3 / 2;
    // In worksheet mode the "Utskrifter" box stands where the instruction would.
    if (mode() == SessionMode::Worksheet)
        questionTop = std::max(questionTop, SkrivutOverskrift->geometry().bottom() + 1 + u / 2);
    FrageLabel1->move(left, questionTop);
    FrageLabel1->show();
    const int boxHeight = Edit1->sizeHint().height();
    Edit1->setGeometry(left, FrageLabel1->y() + FrageLabel1->height() * 4 / 3, 20 * u, boxHeight);
    Edit2->resize(20 * u, boxHeight);
    const int barHeight = 9;
    const int barWidth = std::max(30 * u, screen().width() / 3);
    SkiljeShape1->resize(barWidth, barHeight);
    SkiljeShape2->resize(barWidth, barHeight);

    // Each control 4/3 of the previous one's height lower; after a separator bar a third
    // of the bar's height.
    auto below = [](QWidget* previous) {
        if (previous->height() <= 9)
            return previous->geometry().bottom() + 1 + previous->height() / 3;
        return previous->y() + previous->height() * 4 / 3;
    };
    QWidget* last = nullptr;
    if (m_layoutA) {
        QWidget* order[] = {Edit1, SvarsLabel1, SkiljeShape1, Edit2, SvarsLabel2, SkiljeShape2};
        last = order[0];
        for (QWidget* w : std::span(order).subspan(1)) {
            w->move(left, below(last));
            last = w;
        }
        FrageLabel2->move(Edit2->pos());
        Lampknapp->setGeometry(left, below(last), 2 * u, boxHeight);
    } else {
        QWidget* order[] = {Edit1, Edit2, SkiljeShape1, SvarsLabel1, SvarsLabel2, SkiljeShape2};
        last = order[0];
        for (QWidget* w : std::span(order).subspan(1)) {
            w->move(left, below(last));
            last = w;
        }
        SvenskaLabel->move(FrageLabel1->x(), below(last));
        Lampknapp->setGeometry(left, SvenskaLabel->y() + SvenskaLabel->height() * 3 / 2, 2 * u,
                               boxHeight);
    }
    LampShape1->setGeometry(Edit1->geometry().right() + u, Edit1->y(), boxHeight, boxHeight);
    LampShape2->setGeometry(Edit2->geometry().right() + u, Edit2->y(), boxHeight, boxHeight);
    Regelknapp->setGeometry(left, Lampknapp->geometry().bottom() + 1 + 10, 12 * u, 3 * u);
    BitBtn2->setGeometry(Lampknapp->x() + Lampknapp->width() * 3 / 2 + u, Lampknapp->y(), 12 * u,
                         3 * u);
    HjalpLabel->move(BitBtn2->geometry().right() + u, BitBtn2->y());

    const bool worksheet = mode() == SessionMode::Worksheet;
    Edit1->hide();
    Edit1->setEnabled(false);
    Edit2->hide();
    Edit2->setEnabled(false);
    SkiljeShape1->setVisible(!worksheet);
    SkiljeShape2->setVisible(!worksheet);
    Lampknapp->setVisible(m_lampOffered && !worksheet && mode() != SessionMode::DiagnosisTest);
    if (!m_layoutA) {
        InstruktionsLabel->hide();
        m_engine.item.worksheetInstruction.clear();
    }
}

// ---- Items -----------------------------------------------------------------------------------

void Tskriv2::NollaLabeller()
{
    for (QLabel* l : {SvenskaLabel, SvarsLabel1, SvarsLabel2, Label6, HjalpLabel, Label9}) {
        l->clear();
        l->hide();
    }
    BitBtn2->hide();
    Edit1->clear();
    Edit2->clear();
}

void Tskriv2::showItem()
{
    const bool worksheet = mode() == SessionMode::Worksheet;
    Regelknapp->setVisible(catalogue::twoAnswerRulesButton(code()));
    m_awaitingSecond = false;
    m_firstRight = false;
    if (itemHasHelp() && !worksheet)
        BitBtn2->show();

    FrageLabel1->setText(text(field(1)));
    FrageLabel1->adjustSize();
    SvarsLabel1->setText(text(field(2)));
    SvarsLabel1->adjustSize();
    SvarsLabel2->setText(text(field(3)));
    SvarsLabel2->adjustSize();
    Edit1->resize(SvarsLabel1->width() + 60, Edit1->height());
    Edit2->resize(SvarsLabel2->width() + 60, Edit2->height());
    LampShape1->move(Edit1->geometry().right() + unit(), Edit1->y());
    LampShape2->move(Edit2->geometry().right() + unit(), Edit2->y());
    if (m_layoutA) {
        HjalpLabel->setText(text(field(4)));
        HjalpLabel->adjustSize();
    } else {
        SvenskaLabel->setText(text(field(4)));
        SvenskaLabel->adjustSize();
        SvenskaLabel->show();
    }

    if (colorsLamp(mode()))
        Lampknapp->setEnabled(true);
    setHelpUsed(isDiagnosisPractice(mode()) && m_lampOn ? 1 : 0);

    if (worksheet) {
        SvarsLabel1->show();
        SvarsLabel2->show();
        BitBtn2->hide();
        SvenskaLabel->hide();
        return;
    }
    Edit2->hide();
    Edit2->setEnabled(false);
    LampShape2->hide();
    LampShape1->showGood(true);
    LampShape2->showGood(true);
    Edit1->show();
    Edit1->setEnabled(true);
    if (!firstItem())
        Edit1->setFocus();
}

// ---- The answers -----------------------------------------------------------------------------

void Tskriv2::Edit1KeyPress()
{
    if (!m_round.answerDue() || m_awaitingSecond)
        return;
    m_awaitingSecond = true;
    const bool right = m_engine.svarstestPart(field(2), cp1252::fromUnicode(Edit1->text()), 1, 1) ==
                       Engine::kAnswerRight;
    if (right) {
        m_firstRight = helpUsed() == 0;
        Timer1->setInterval(0);
    } else {
        SvarsLabel1->show();
        m_round.resetTicks();
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    }
    if (m_layoutA)
        FrageLabel2->show();
    if (Edit1->hasFocus())
        setFocus();
    Edit1->setEnabled(false);
    if (colorsLamp(mode()) && m_lampOn) {
        LampShape2->show();
        colourLamps();
    }
    Edit2->show();
    Edit2->setEnabled(true);
    Edit2->setFocus();
}

void Tskriv2::Edit2KeyPress()
{
    if (!m_round.answerDue() || !m_awaitingSecond)
        return;
    Lampknapp->setEnabled(false);
    m_awaitingSecond = false;
    const bool secondRight = m_engine.svarstestPart(field(3), cp1252::fromUnicode(Edit2->text()), 2,
                                                    1) == Engine::kAnswerRight;
    if (!secondRight)
        SvarsLabel2->show();
    if (Edit2->hasFocus())
        setFocus();
    Edit2->setEnabled(false);
    // The right answers stay for the whole display time, however long the second answer
    // took.
    m_round.resetTicks();
    Timer1->setInterval(0);
    answerChecked(secondRight && m_firstRight);
}

void Tskriv2::rightAnswerShown()
{
    if (m_awaitingSecond) {
        // The first answer's display is over; the second box keeps the input and the wait
        // stops, so the pupil is not pulled back into the box at every tick.
        Timer1->setInterval(0);
        Edit1->setEnabled(false);
        Edit2->show();
        Edit2->setEnabled(true);
        if (!Edit2->hasFocus())
            Edit2->setFocus();
        return;
    }
    Edit2->hide();
    Edit1->show();
    Edit1->setEnabled(true);
    NyPost();
    Edit1->setFocus();
}

void Tskriv2::skipWait()
{
    if (Timer1->interval() != 0 && !m_awaitingSecond && !m_round.state().roundOver()) {
        Edit2->hide();
        Edit2->clear();
        NyPost();
        Edit1->setFocus();
        return;
    }
    ExerciseForm::skipWait();
}

void Tskriv2::roundComplete()
{
    Lampknapp->setEnabled(false);
    BitBtn2->hide();
}

void Tskriv2::setHelpEnabled(bool on)
{
    BitBtn2->setEnabled(on);
    Regelknapp->setEnabled(on);
}

void Tskriv2::paused()
{
    // Esc in either box: the running display stops and the button bar is shown in every
    // mode, so the pupil is never left without a control.
    Timer1->setInterval(0);
    Lampknapp->setEnabled(false);
    Edit1->setEnabled(false);
    Edit2->setEnabled(false);
    BitBtn2->hide();
    ExerciseForm::paused();
}

void Tskriv2::newRoundControls(bool correction)
{
    m_awaitingSecond = false;
    Edit2->hide();
    if (correction) {
        if (mode() == SessionMode::Worksheet || mode() == SessionMode::DiagnosisTest) {
            Lampknapp->hide();
            LampShape1->hide();
        } else {
            Lampknapp->setVisible(!m_lampOn);
            LampShape1->setVisible(m_lampOn);
        }
        LampShape2->hide();
        return;
    }
    if (!m_lampOffered) {
        m_lampOn = false;
        Lampknapp->hide();
        LampShape1->hide();
        LampShape2->hide();
        return;
    }
    Lampknapp->setVisible(mode() != SessionMode::DiagnosisTest);
    LampShape1->setVisible(m_lampOn);
    LampShape2->hide();
}

void Tskriv2::rensa()
{
    if (!m_lampOffered)
        return;
    if (mode() == SessionMode::Worksheet || mode() == SessionMode::DiagnosisTest) {
        Lampknapp->hide();
        LampShape1->hide();
        LampShape2->hide();
    } else {
        Lampknapp->setVisible(!m_lampOn);
        Lampknapp->setEnabled(true);
    }
}

// ---- Help, rules and lamps -------------------------------------------------------------------

void Tskriv2::BitBtn2Click()
{
    if (isDiagnosisRound(mode()))
        addHelp();
    HjalpLabel->show();
    if (QWidget* box = answerFocus(); box->isVisible() && box->isEnabled())
        box->setFocus();
}

void Tskriv2::RegelknappClick()
{
    showRulePage();
    if (QWidget* box = answerFocus(); box->isVisible() && box->isEnabled())
        box->setFocus();
}

void Tskriv2::colourLamps()
{
    if (!colorsLamp(mode()))
        return;
    LampShape1->showGood(m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), field(2)) == 1);
    LampShape2->showGood(m_engine.GreenRedTest(cp1252::fromUnicode(Edit2->text()), field(3)) == 1);
}

void Tskriv2::LampknappClick()
{
    if (m_lampOffered)
        Lampknapp->hide();
    m_lampOn = true;
    LampShape1->show();
    if (m_awaitingSecond || !Edit1->isEnabled())
        LampShape2->show();
    colourLamps();
    if (isDiagnosisPractice(mode()))
        addHelp();
    if (QWidget* box = answerFocus(); box->isVisible() && box->isEnabled())
        box->setFocus();
}

void Tskriv2::LampShapeMouseDown()
{
    LampShape1->hide();
    LampShape2->hide();
    m_lampOn = false;
    if (m_lampOffered)
        Lampknapp->show();
}

void Tskriv2::KollaEdit1()
{
    if (LampShape1->isVisible())
        colourLamps();
}

void Tskriv2::KollaEdit2()
{
    if (LampShape2->isVisible())
        colourLamps();
}

// ---- Worksheet mode --------------------------------------------------------------------------

void Tskriv2::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    // A question too long for one printed line goes on a second line, question text only.
    m_engine.dela_mening(20, 720, field(1), 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    w.addToBoth(prefix + (second.isEmpty() ? field(1) : first));
    if (!second.isEmpty())
        w.addToBoth("      " + second);
    QByteArray answer = worksheet::kAnswerIndent + field(2) + ", " + field(3);
    if (!m_layoutA && !field(4).isEmpty())
        answer += " (" + field(4) + ")";
    w.add(worksheet::kWritingLine, answer);
}

void Tskriv2::worksheetStartBlock(WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    ++w.blockNumber;
    w.rebuildTitle(m_engine.item.headerLines);
    if (!m_layoutA && m_engine.item.headerLines[1].isEmpty())
        w.blockTitle = kComparisonTitle;
    w.addTitleLine();
    w.addInstruction(m_engine.item.worksheetInstruction);
    w.newBlock = false;
}

} // namespace vindra
