#include "passakt.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "framework/aster.h"
#include "framework/look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace vindra {

namespace {

const QColor kChoiceLime(128, 255, 0);

QLabel* makeLabel(const QString& name, const QColor& colour, QWidget* parent)
{
    QLabel* l = look::colouredLabel(name, colour, parent);
    l->hide();
    return l;
}

/// A choice's text as a button caption: an "&" in the material is a character, not a
/// shortcut.
QString caption(const QByteArray& choice)
{
    return cp1252::toUnicode(choice).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

// ---- The choice buttons ----------------------------------------------------------------------

ChoiceButton::ChoiceButton(int number, QWidget* parent) : QPushButton(parent), m_number(number)
{
    setObjectName(QStringLiteral("Panel%1").arg(number + 1));
    // The figures choose; the focus stays with the form so that they, Space and Esc reach it.
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setHot(false);
}

void ChoiceButton::setHot(bool hot)
{
    m_hot = hot;
    const QString fill = (hot ? look::kYellow : kChoiceLime).name();
    const QString bevel = hot ? QStringLiteral("inset") : QStringLiteral("outset");
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 3px %2 %1; "
                                 "padding: 0px; }")
                      .arg(fill, bevel));
}

void ChoiceButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    Q_EMIT hovered(m_number);
}

void ChoiceButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightClicked();
        return;
    }
    QPushButton::mousePressEvent(event);
}

// ---- The form --------------------------------------------------------------------------------

TPassAkt::TPassAkt(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent,
                   ButtonBarNames{QStringLiteral("Panel9"),
                                  {QStringLiteral("Button1"), QStringLiteral("Button2"),
                                   QStringLiteral("Button3"), QStringLiteral("Bitbtn1")},
                                  {}})
{
    setObjectName(QStringLiteral("PassAkt"));
    Label3 = makeLabel(QStringLiteral("Label3"), look::kBlue, this);
    Label4 = makeLabel(QStringLiteral("Label4"), look::kBlue, this);
    Label5 = makeLabel(QStringLiteral("Label5"), look::kGreen, this);
    Label6 = makeLabel(QStringLiteral("Label6"), look::kBlue, this);
    Label7 = makeLabel(QStringLiteral("Label7"), look::kMaroon, this);
    Label8 = makeLabel(QStringLiteral("Label8"), look::kMaroon, this);
    Oversattlabel = makeLabel(QStringLiteral("Oversattlabel"), look::kGreen, this);
    templabel = makeLabel(QStringLiteral("templabel"), Qt::black, this);

    Valpanel = new QFrame(this);
    Valpanel->setObjectName(QStringLiteral("Panel1"));
    Valpanel->setAutoFillBackground(true);
    QPalette pal = Valpanel->palette();
    pal.setColor(QPalette::Window, kChoiceLime);
    Valpanel->setPalette(pal);
    Valpanel->hide();
    for (int k = 1; k <= category::kMaxChoices; ++k) {
        auto* b = new ChoiceButton(k, Valpanel);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, k] { RaettTest(k); });
        connect(b, &ChoiceButton::hovered, this, &TPassAkt::hover);
        connect(b, &ChoiceButton::rightClicked, this, &TPassAkt::rightClickPause);
        m_buttons << b;
    }

    bitbtn2 = new QPushButton(QStringLiteral("&Rules"), this);
    bitbtn2->setObjectName(QStringLiteral("bitbtn2"));
    bitbtn2->hide();
    connect(bitbtn2, &QPushButton::clicked, this, &TPassAkt::bitbtn2Click);
}

bool TPassAkt::swedishCaptions() const
{
    return catalogue::categorySwedishCaptions(code());
}

QWidget* TPassAkt::answerFocus() const
{
    return Valpanel;
}

QByteArray TPassAkt::rightAnswer() const
{
    return m_item.right;
}

QList<ChoiceButton*> TPassAkt::shownChoices() const
{
    return m_buttons.mid(0, std::min<qsizetype>(m_item.choices.size(), m_buttons.size()));
}

// ---- Creation --------------------------------------------------------------------------------

void TPassAkt::placeQuestionArea()
{
    m_engine.GeLjudDirectory();
    m_soundFlag = catalogue::categoryItemSounds(code());

    if (catalogue::categoryLargeType(code())) {
        m_questionPoints = 22;
        m_buttonPoints = 20;
    } else if (catalogue::categoryOptions(code()).tenseDigit) {
        m_questionPoints = 22;
        m_buttonPoints = screen().width() < 700 ? 12 : 14;
    }
    for (QLabel* l : {Label3, Label4, Label5, Label6})
        l->setFont(font(m_questionPoints));
    const int explanationPoints = catalogue::categoryLargeType(code()) ? 22 : 14;
    for (QLabel* l : {Label7, Label8, Oversattlabel})
        l->setFont(font(explanationPoints));
    templabel->setFont(font(m_buttonPoints));

    bitbtn2->setText(swedishCaptions() ? QStringLiteral("&Regler") : QStringLiteral("&Rules"));
    bitbtn2->setFont(font(19, true));
    bitbtn2->resize(12 * unit(), 3 * unit());
    bitbtn2->setVisible(mode() != SessionMode::Worksheet &&
                        catalogue::categoryRulesAtStart(code()));
    Valpanel->hide();
}

// ---- Items -----------------------------------------------------------------------------------

void TPassAkt::NollaLabeller()
{
    for (QLabel* l : {Label3, Label4, Label5, Label6, Label7, Label8, Oversattlabel}) {
        l->clear();
        l->hide();
    }
    for (ChoiceButton* b : m_buttons)
        b->setHot(false);
}

int TPassAkt::showQuestion()
{
    const ItemState& item = m_engine.item;
    const int left = InstruktionsLabel->x();
    const int T = InstruktionsLabel->y() + 4 * InstruktionsLabel->height();
    const int h = QFontMetrics(Label3->font()).height();

    // The line split measures in its own 14-point type: the room is narrowed by the ratio of
    // the two sizes, so that the lines fit in the form's larger type.
    const int room =
        (screen().width() - Aster1->width() - 2 * unit() - left) * 14 / m_questionPoints;
    m_engine.dela_mening(left, left + room, item.fields[1], 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];

    auto place = [](QLabel* l, const QString& text, int x, int y) {
        l->setText(text);
        l->adjustSize();
        l->move(x, y);
        l->show();
    };
    auto placeMarked = [&](const QByteArray& line, int y) {
        m_engine.LetaPrep(line);
        place(Label4, text(m_engine.markedParts[1]), left, y);
        place(Label5, text(m_engine.markedParts[2]), Label4->geometry().right() + 1, y);
        place(Label6, text(m_engine.markedParts[3]), Label5->geometry().right() + 1, y);
    };

    const int secondTop = T + h * 3 / 2;
    if (item.fields[1].contains('<')) {
        const bool markOnSecond = !first.contains('<') && second.contains('<');
        if (second.isEmpty()) {
            placeMarked(first, T);
            return T + h;
        }
        if (markOnSecond) {
            place(Label3, text(first), left, T);
            placeMarked(second, secondTop);
        } else {
            placeMarked(first, T);
            place(Label3, text(second), left, secondTop);
        }
        return secondTop + h;
    }
    if (second.isEmpty()) {
        place(Label3, text(first), left, T);
        return T + h;
    }
    place(Label4, text(first), left, T);
    place(Label3, text(second), left, secondTop);
    return secondTop + h;
}

void TPassAkt::layChoices()
{
    const int u = unit();
    const QFontMetrics question(Label3->font());
    const int buttonHeight = question.height() + u / 4;
    const int room = screen().width() - Aster1->width() - 2 * u - Valpanel->x();

    // Every choice must stay on screen: a row too wide for the form is set in smaller type.
    QFont f = font(m_buttonPoints);
    QList<int> widths;
    int panelWidth = 0;
    for (;;) {
        templabel->setFont(f);
        const QFontMetrics fm(f);
        widths.clear();
        panelWidth = u / 2 + u;
        for (const QByteArray& c : m_item.choices) {
            widths << fm.horizontalAdvance(text(c));
            panelWidth += widths.last() + 2 * u;
        }
        const int pixels = QFontInfo(f).pixelSize();
        if (panelWidth <= room || pixels <= 8)
            break;
        f.setPixelSize(pixels - 1);
    }

    int x = u;
    for (int k = 0; k < m_buttons.size(); ++k) {
        ChoiceButton* b = m_buttons[k];
        if (k >= m_item.choices.size()) {
            b->hide();
            continue;
        }
        b->setFont(f);
        b->setText(caption(m_item.choices[k]));
        b->setAccessibleName(QStringLiteral("%1: %2").arg(k + 1).arg(text(m_item.choices[k])));
        b->setGeometry(x, u / 2, widths[k] + u + 4, buttonHeight);
        b->show();
        x += widths[k] + u + u;
    }
    Valpanel->resize(std::min(panelWidth, room), buttonHeight + u);
}

void TPassAkt::showItem()
{
    const ItemState& item = m_engine.item;
    datafile::ItemFields fields;
    fields.field = item.fields;
    fields.fieldCount = item.fieldCount;
    fields.alternativesCount = item.alternativesCount;
    m_item = category::read(fields, catalogue::categoryOptions(code()));

    const int u = unit();
    const int bottom = showQuestion();
    Valpanel->move(InstruktionsLabel->x(), bottom + QFontMetrics(Label3->font()).height() / 2);
    layChoices();

    if (!m_item.translation.isEmpty()) {
        Oversattlabel->setText(text(m_item.translation));
        Oversattlabel->adjustSize();
        Oversattlabel->show();
    }
    const int left = Valpanel->x();
    const int explanationHeight = QFontMetrics(Label7->font()).height();
    Label7->move(left, Valpanel->geometry().bottom() + 1 + explanationHeight / 3);
    Label8->move(left, Label7->y() + explanationHeight * 6 / 5);
    Oversattlabel->move(left, Label8->y() + explanationHeight * 6 / 5);
    bitbtn2->move(left, Oversattlabel->y() + 3 * u);

    if (mode() != SessionMode::Worksheet && catalogue::categoryRulesWithItem(code()))
        bitbtn2->show();
    bitbtn2->setEnabled(true);

    Valpanel->show();
    if (!m_item.choices.isEmpty() && mode() != SessionMode::Worksheet)
        m_buttons.first()->setHot(true);
    setAnswerActive(true);
}

void TPassAkt::hover(int number)
{
    if (!Valpanel->isEnabled())
        return;
    for (ChoiceButton* b : m_buttons)
        b->setHot(b->number() == number);
}

// ---- The answer ------------------------------------------------------------------------------

void TPassAkt::RaettTest(int k)
{
    if (!m_round.answerDue() || mode() == SessionMode::Worksheet || !Valpanel->isEnabled())
        return;
    if (k < 1 || k > m_item.choices.size())
        return; // a figure without a button
    const QByteArray& choice = m_item.choices[k - 1];
    const bool right = m_engine.svarstest(m_item.right, choice, 1) == Engine::kAnswerRight;
    setAnswerActive(false);
    if (!right) {
        bitbtn2->setEnabled(false);
        for (ChoiceButton* b : m_buttons)
            b->setHot(false);
        // The button that shows the right answer turns yellow (in the tense exercise that is
        // the tense's name, not field 2 with its digit).
        for (ChoiceButton* b : shownChoices()) {
            if (m_item.choices[b->number() - 1] == m_item.right) {
                b->setHot(true);
                break;
            }
        }
        playItemSound();
        datafile::ItemFields fields;
        fields.field = m_engine.item.fields;
        fields.fieldCount = m_engine.item.fieldCount;
        const category::ExplanationLines why =
            category::explain(catalogue::categoryExplanation(code()), fields, m_item);
        if (!why.first.isEmpty()) {
            Label7->setText(text(why.first));
            Label7->adjustSize();
            Label7->show();
        }
        if (!why.second.isEmpty()) {
            Label8->setText(text(why.second));
            Label8->adjustSize();
            Label8->show();
        }
    }
    answerChecked(right);
}

void TPassAkt::playItemSound()
{
    const int sounds = m_engine.settings.SOUNDS;
    if (!m_soundFlag || (sounds != 1 && sounds != 3))
        return;
    const int n = m_engine.session.correctionRound ? m_engine.item.reAskedItemNumber
                                                   : m_engine.item.currentItemNumber;
    if (n < 1 || n >= 1000)
        return; // items from 1000 on have no sound
    m_engine.SpelaUppWavLjud(catalogue::itemSoundFile(m_engine.soundPrefix, n));
}

void TPassAkt::setAnswerActive(bool on)
{
    const bool enable = on && m_round.answerDue() && mode() != SessionMode::Worksheet;
    if (!enable && Valpanel->isAncestorOf(focusWidget()))
        setFocus();
    Valpanel->setEnabled(enable);
    if (enable) {
        Valpanel->show();
        setFocus(); // the figures, Space and Esc go to the form
    }
}

void TPassAkt::setHelpEnabled(bool on)
{
    bitbtn2->setEnabled(on);
}

void TPassAkt::paused()
{
    setAnswerActive(false);
    ExerciseForm::paused();
}

void TPassAkt::rightClickPause()
{
    if (Valpanel->isVisible() && Valpanel->isEnabled())
        pause();
}

void TPassAkt::bitbtn2Click()
{
    showRulePage();
    if (Valpanel->isEnabled())
        setFocus();
}

// ---- Keys and mouse --------------------------------------------------------------------------

void TPassAkt::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        playItemSound();
        return;
    }
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_8 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Valpanel->isVisible())
            RaettTest(event->key() - Qt::Key_0);
        return;
    }
    ExerciseForm::keyPressEvent(event);
}

void TPassAkt::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        rightClickPause();
        return;
    }
    ExerciseForm::mousePressEvent(event);
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TPassAkt::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    const ItemState& item = m_engine.item;
    datafile::ItemFields fields;
    fields.field = item.fields;
    fields.fieldCount = item.fieldCount;
    fields.alternativesCount = item.alternativesCount;
    const category::Item read = category::read(fields, catalogue::categoryOptions(code()));

    m_engine.dela_mening(20, 20 + 700, item.fields[1], 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    Worksheet& w = m_engine.worksheet;
    w.addToBoth(prefix + first);
    if (!second.isEmpty())
        w.addToBoth(worksheet::kAnswerIndent + second);
    w.add(QByteArray(worksheet::kAnswerIndent) + "____________________________",
          worksheet::kAnswerIndent + category::answerKey(read.right));
}

} // namespace vindra
