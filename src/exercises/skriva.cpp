#include "skriva.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "framework/aster.h"
#include "framework/look.h"

#include <QLabel>
#include <QPushButton>

namespace vindra {

namespace {

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

TSKRIV::TSKRIV(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("SKRIV"));
    FrageLabel1 = makeLabel(QStringLiteral("FrageLabel1"), this);
    FrageLabel2 = makeLabel(QStringLiteral("FrageLabel2"), this);
    for (QLabel* l : {FrageLabel1, FrageLabel2})
        l->setStyleSheet(look::colourStyle(look::kNavy));

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    connect(Edit1, &AnswerBox::answered, this, &TSKRIV::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TSKRIV::pause);
    connect(Edit1, &QLineEdit::textChanged, this, &TSKRIV::Edit1Change);

    Label4 = makeLabel(QStringLiteral("Label4"), this);
    Label5 = makeLabel(QStringLiteral("Label5"), this);
    Label5->setStyleSheet(look::colourStyle(look::kMaroon));
    Label6 = makeLabel(QStringLiteral("Label6"), this);
    Label7 = makeLabel(QStringLiteral("Label7"), this);
    for (QLabel* l : {Label4, Label5, Label6, Label7})
        l->hide();

    auto makeButton = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(font(19, true));
        b->hide();
        return b;
    };
    BitBtn2 = makeButton(QStringLiteral("BitBtn2"), QStringLiteral("&Rules"));
    BitBtn3 = makeButton(QStringLiteral("BitBtn3"), QStringLiteral("&More help"));
    connect(BitBtn2, &QPushButton::clicked, this, &TSKRIV::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TSKRIV::BitBtn3Click);

    lampknapp = makeButton(QStringLiteral("lampknapp"), QStringLiteral("?"));
    lampknapp->setToolTip(QStringLiteral("Show if letter is wrong"));
    lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong"));
    connect(lampknapp, &QPushButton::clicked, this, &TSKRIV::LampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    connect(LampShape, &Lamp::pressed, this, &TSKRIV::LampShapeMouseDown);
}

bool TSKRIV::swedishCaptions() const
{
    return catalogue::swedishCaptions(code());
}

QWidget* TSKRIV::answerFocus() const
{
    return Edit1;
}

// ---- Creation --------------------------------------------------------------------------------

void TSKRIV::placeQuestionArea()
{
    const int u = unit();
    const int left = InstruktionsLabel->x();
    const int insTop = InstruktionsLabel->y();
    const int insHeight = InstruktionsLabel->height();
    for (QLabel* l : {FrageLabel1, FrageLabel2, Label5}) {
        l->setFont(font(19, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    // One line's height under the instruction, which may take two lines.
    FrageLabel1->move(left, insTop + insHeight + FrageLabel1->height());
    FrageLabel2->move(left, FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    Edit1->setFont(font(19, true));
    Edit1->move(left, FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    Edit1->resize(20 * u, Edit1->sizeHint().height());
    Edit1->clear();
    Label5->move(left, Edit1->geometry().bottom() + 1 + u / 2);
    Label6->move(left, Label5->y() + 2 * Label5->height());
    Label7->move(left, Label6->y() + 2 * Label5->height());
    lampknapp->setGeometry(Edit1->geometry().right() + u, Edit1->y(), 2 * u, Edit1->height());
    LampShape->setGeometry(lampknapp->geometry().right() + u, Edit1->y(), Edit1->height(),
                           Edit1->height());
    lampknapp->hide();

    const QRect headerBox = header().geometry();
    BitBtn2->setGeometry(headerBox.right() + 2 * u, u, 12 * u, 3 * u);
    BitBtn3->move(BitBtn2->pos());
    if (swedishCaptions())
        BitBtn2->setText(QStringLiteral("&Regler"));
    if (catalogue::rulesButtonIsHelp(code()))
        BitBtn2->setText(QStringLiteral("&Help"));
    BitBtn2->setVisible(catalogue::rulesButtonAtStart(code()));

    if (mode() == SessionMode::Worksheet) {
        Edit1->setEnabled(false);
        Edit1->hide();
    }
}

// ---- Items -----------------------------------------------------------------------------------

void TSKRIV::NollaLabeller()
{
    FrageLabel2->clear();
    for (QLabel* l : {Label4, Label5, Label6, Label7}) {
        l->clear();
        l->hide();
    }
    Edit1->clear();
    BitBtn2->hide();
    BitBtn3->hide();
}

void TSKRIV::showItem()
{
    const ItemState& item = m_engine.item;
    lampknapp->setEnabled(true);
    if (mode() != SessionMode::Worksheet)
        setHelpUsed(isDiagnosisPractice(mode()) && m_lampOn ? 1 : 0);
    if (catalogue::rulesButtonWithItem(code(), mode() == SessionMode::Worksheet))
        BitBtn2->show();
    FrageLabel1->show();
    FrageLabel2->show();

    const QByteArray question = item.fields[static_cast<size_t>(catalogue::questionField(code()))];
    Label5->setText(text(rightAnswer()));
    Label5->adjustSize();

    const int right = screen().width() - Aster1->width() - 2 * unit();
    m_engine.dela_mening(FrageLabel1->x(), right, question, 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    if (second.isEmpty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(text(first));
    } else {
        FrageLabel1->setText(text(first));
        FrageLabel2->setText(text(second));
    }
    FrageLabel1->adjustSize();
    Edit1->resize(Label5->width() + 6 * unit(), Edit1->height());
    const QByteArray prefix = catalogue::questionPrefix(code());
    if (!prefix.isEmpty())
        FrageLabel2->setText(text(prefix + first));
    FrageLabel2->adjustSize();

    if (mode() == SessionMode::Worksheet) {
        Label5->show();
        Label4->hide();
        return;
    }
    Edit1->setEnabled(true);
    Edit1->show();
    Label4->show();
    if (!firstItem())
        Edit1->setFocus();
}

// ---- The answer ------------------------------------------------------------------------------

void TSKRIV::Edit1KeyPress()
{
    if (!m_round.answerDue())
        return;
    setAnswerActive(false);
    const bool ok = m_engine.svarstest(rightAnswer(), cp1252::fromUnicode(Edit1->text()), 3) ==
                    Engine::kAnswerRight;
    if (!ok)
        Label5->show();
    answerChecked(ok);
}

void TSKRIV::roundComplete()
{
    lampknapp->setEnabled(false);
}

void TSKRIV::setHelpEnabled(bool on)
{
    BitBtn2->setEnabled(on);
    BitBtn3->setEnabled(on);
}

// ---- Rules and help --------------------------------------------------------------------------

void TSKRIV::BitBtn2Click()
{
    if (rulesCountAsHelp(mode()))
        addHelp();
    Label6->show();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
    showRulePage();
    BitBtn2->show();
}

void TSKRIV::BitBtn3Click()
{
    if (isDiagnosisPractice(mode()))
        addHelp();
    Label7->show();
    BitBtn3->hide();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- The lamp --------------------------------------------------------------------------------

void TSKRIV::newRoundControls(bool correction)
{
    FrageLabel2->show();
    if (correction) {
        if (mode() == SessionMode::Worksheet || mode() == SessionMode::DiagnosisTest) {
            lampknapp->hide();
            if (m_lampOffered)
                LampShape->hide();
        } else {
            lampknapp->setVisible(!m_lampOn);
            LampShape->setVisible(m_lampOn);
        }
        return;
    }
    // A lamp switched on in a correction round goes out with it: in a practice round it
    // would count every answer as helped.
    if (!m_lampOffered) {
        m_lampOn = false;
        LampShape->hide();
        lampknapp->hide();
        return;
    }
    if (mode() == SessionMode::Worksheet || mode() == SessionMode::DiagnosisTest) {
        lampknapp->hide();
        LampShape->hide();
    } else {
        lampknapp->show();
        LampShape->setVisible(m_lampOn);
    }
}

void TSKRIV::rensa()
{
    if (!m_lampOffered)
        return;
    if (mode() == SessionMode::Worksheet || mode() == SessionMode::DiagnosisTest) {
        lampknapp->hide();
        LampShape->hide();
    } else {
        lampknapp->show();
        lampknapp->setEnabled(true);
    }
}

void TSKRIV::colourLamp()
{
    LampShape->showGood(
        m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), rightAnswer(), 3) == 1);
}

void TSKRIV::LampknappClick()
{
    lampknapp->hide();
    m_lampOn = !m_lampOn;
    if (!m_lampOn) {
        LampShape->hide();
        return;
    }
    LampShape->show();
    Edit1->setFocus();
    if (colorsLamp(mode()))
        colourLamp();
    if (isDiagnosisPractice(mode()))
        addHelp();
}

void TSKRIV::Edit1Change()
{
    if (LampShape->isVisible() && colorsLamp(mode()))
        colourLamp();
}

void TSKRIV::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    if (m_lampOffered)
        lampknapp->show();
}

} // namespace vindra
