#include "flerabar.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/sentencefont.h"
#include "engine/wordchoice.h"
#include "framework/aster.h"
#include "framework/look.h"

#include <QFile>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace vindra {

namespace {

/// The word buttons' colour, and the colour of the one pointed at.
const QColor kWordButton(128, 255, 0);
const QColor kAqua(0, 255, 255);
/// Left edge of the sentence and of the word buttons' panel.
constexpr int kLeft = 30;
constexpr int kExplanationLeft = 50;
/// Worksheet lines: where the sentence is split, and the indent of its second line.
constexpr int kSheetLeft = 20;
constexpr int kSheetWidth = 650;
constexpr char kSecondLineIndent[] = "       ";

QLabel* makeLabel(const QString& name, const QString& style, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setStyleSheet(style);
    l->hide();
    return l;
}

QByteArray firstUpper(const QByteArray& word)
{
    QString w = cp1252::toUnicode(word);
    if (!w.isEmpty())
        w[0] = w[0].toUpper();
    return cp1252::fromUnicode(w);
}

/// A marked word beginning with a capital (A to Z, Ä, Å, Ö) is shown with capital buttons.
bool beginsWithCapital(const QByteArray& word)
{
    if (word.isEmpty())
        return false;
    const auto c = static_cast<unsigned char>(word.front());
    return (c >= 'A' && c <= 'Z') || c == 0xC4 || c == 0xC5 || c == 0xD6;
}

/// The after-gap part as the explanations quote it: without the blank before it and the
/// full stop after it ("h uttalas inte i hour.").
QByteArray quotedPart(const QByteArray& afterGap)
{
    QByteArray part = afterGap.trimmed();
    while (!part.isEmpty() && QByteArray(".!?,").contains(part.back()))
        part.chop(1);
    return part.trimmed();
}

/// `line` with every "<word>" written as `gap`.
QByteArray blankGaps(const QByteArray& line, const QByteArray& gap)
{
    QByteArray out;
    bool inGap = false;
    for (const char c : line) {
        if (c == '<') {
            inGap = true;
            out += gap;
        } else if (c == '>') {
            inGap = false;
        } else if (!inGap) {
            out += c;
        }
    }
    return out;
}

} // namespace

// ---- The word button -------------------------------------------------------------------------

WordButton::WordButton(int index, QWidget* parent) : QPushButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("Panel%1").arg(index + 1));
    setAutoDefault(false);
    setLit(false);
}

void WordButton::setLit(bool lit)
{
    m_lit = lit;
    const QColor fill = lit ? look::kYellow : kWordButton;
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 3px %2 "
                                 "%1; padding: 0; } QPushButton:disabled { color: gray; }")
                      .arg(fill.name(), lit ? QStringLiteral("inset") : QStringLiteral("outset")));
}

void WordButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    Q_EMIT pointedAt(m_index);
}

void WordButton::keyPressEvent(QKeyEvent* event)
{
    // Enter chooses the word as Space does; the word buttons are never the dialog's default.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void WordButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    // Moving along the buttons with the keyboard points at them as the mouse does; the
    // focus the form gives the first button at each item does not.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        Q_EMIT pointedAt(m_index);
}

// ---- The form --------------------------------------------------------------------------------

TFLERBAR::TFLERBAR(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent,
                   ButtonBarNames{QStringLiteral("Escapepanel"),
                                  {QStringLiteral("Button1"), QStringLiteral("Button2"),
                                   QStringLiteral("Button3"), QStringLiteral("Bitbtn1")},
                                  {}})
{
    setObjectName(QStringLiteral("FLERBAR"));
    Escapepanel = ExerciseForm::Panel1;

    const QString navy = look::colourStyle(look::kNavy);
    const QString blue = look::colourStyle(look::kBlue);
    FrageLabel1 = makeLabel(QStringLiteral("FrageLabel1"), navy, this);
    FrageLabel2 = makeLabel(QStringLiteral("FrageLabel2"), navy, this);
    Label4 = makeLabel(QStringLiteral("Label4"), navy, this);
    Label5 = makeLabel(QStringLiteral("Label5"), blue, this);
    Label6 = makeLabel(QStringLiteral("Label6"), navy, this);
    Label8 = makeLabel(QStringLiteral("Label8"), navy, this);
    Label9 = makeLabel(QStringLiteral("Label9"), blue, this);
    Label10 = makeLabel(QStringLiteral("Label10"), blue, this);
    KorrektSvarLabel = makeLabel(
        QStringLiteral("KorrektSvarLabel"),
        QStringLiteral("color: %1; background: %2;").arg(kAqua.name(), QColor(Qt::gray).name()),
        this);
    EfterdelLabel = makeLabel(QStringLiteral("EfterdelLabel"), navy, this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setAccessibleName(QStringLiteral("Words"));
    for (int i = 1; i <= catalogue::limits::kWordButtons; ++i) {
        auto* b = new WordButton(i, Panel1);
        b->setFont(font(19, true));
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { RaettTest(i); });
        connect(b, &WordButton::pointedAt, this, &TFLERBAR::pointAt);
        m_buttons.append(b);
    }

    BitBtn2 = new QPushButton(QStringLiteral("&Rules"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setFont(font(19, true));
    BitBtn2->setAutoDefault(false);
    BitBtn2->hide();
    connect(BitBtn2, &QPushButton::clicked, this, &TFLERBAR::BitBtn2Click);
}

QWidget* TFLERBAR::answerFocus() const
{
    return Panel1;
}

bool TFLERBAR::choosing() const
{
    return mode() != SessionMode::Worksheet && m_round.answerDue() && Panel1->isVisible() &&
           Panel1->isEnabled();
}

// ---- Creation --------------------------------------------------------------------------------

void TFLERBAR::Inled()
{
    ExerciseForm::Inled();
    // The ending picture stands lower here, below the sentence's first line.
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    BildPanelen->setGeometry(u, H / 48 * 10 - u / 2, W / 64 * 58, H / 48 * 35 + u / 2);
}

void TFLERBAR::placeQuestionArea()
{
    Engine& e = m_engine;
    const int u = unit();
    const QFont sentence = font(catalogue::wordChoiceSentencePoints(code()));
    for (QLabel* l : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label8, KorrektSvarLabel,
                      EfterdelLabel}) {
        l->setFont(sentence);
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    for (QLabel* l : {Label9, Label10})
        l->setFont(font(19, true));

    Hittapreppar();
    layOutButtons();

    const QRect headerBox = header().geometry();
    BitBtn2->setGeometry(headerBox.right() + 2 * u, u, 12 * u, 3 * u);

    if (mode() == SessionMode::Worksheet) {
        // The block's number is taken when the form opens, whether or not an item is sent.
        Worksheet& w = e.worksheet;
        ++w.blockNumber;
        w.newBlock = true;
        w.rebuildTitle(e.item.headerLines);
        if (!m_lower.isEmpty())
            e.item.worksheetInstruction = wordListInstruction();
    } else {
        InstruktionsLabel->move(InstruktionsLabel->x(),
                                headerBox.bottom() + 1 + headerBox.height() / 12);
    }
    Panel1->move(kLeft, Panel1->y());
}

void TFLERBAR::Hittapreppar()
{
    m_lower.clear();
    m_upper.clear();
    m_longestWord = 0;
    QFile f(m_engine.materialPath("\\DATA\\" + m_engine.item.currentFileName));
    if (!f.open(QIODevice::ReadOnly))
        return; // no buttons: the exercise cannot be answered, but it opens
    // The material checker keeps a file to the buttons there are; a word beyond them gets
    // none.
    m_lower =
        wordchoice::markedWords(datafile::splitLines(f.readAll()), catalogue::limits::kWordButtons);
    for (const QByteArray& word : m_lower) {
        m_upper.append(firstUpper(word));
        m_longestWord = std::max(m_longestWord, static_cast<int>(word.size()));
    }
}

QByteArray TFLERBAR::wordListInstruction() const
{
    const qsizetype n = m_lower.size();
    QByteArray list;
    for (qsizetype i = 0; i + 1 < n; ++i)
        list += (i == 0 ? "" : ", ") + m_lower[i];
    list += " or " + m_lower[n - 1] + " ?";
    return firstUpper(list).left(datafile::kTextWidth);
}

void TFLERBAR::layOutButtons()
{
    const int u = unit();
    const qsizetype n = m_lower.size();
    m_rows = n < 8 ? 1 : 2;
    const int buttonHeight = QFontMetrics(m_buttons.front()->font()).height() * 3 / 2;
    Panel1->resize(Panel1->width(), m_rows == 1 ? buttonHeight + 2 * u : 2 * buttonHeight + 3 * u);
    for (WordButton* b : m_buttons)
        b->resize(b->width(), buttonHeight);
}

// ---- Items -----------------------------------------------------------------------------------

void TFLERBAR::NollaLabeller()
{
    for (QLabel* l :
         {Label4, Label5, Label6, Label8, Label9, Label10, KorrektSvarLabel, EfterdelLabel}) {
        l->clear();
        l->hide();
    }
}

void TFLERBAR::showItem()
{
    Engine& e = m_engine;
    const bool worksheet = mode() == SessionMode::Worksheet;

    FrageLabel2->move(kLeft, InstruktionsLabel->y() + InstruktionsLabel->height() * 3 / 2);
    FrageLabel1->move(kLeft, FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    const int lineStep = Label4->height() * 3 / 2;
    // The sentence is split in the engine's measuring font; the room is given in that font's
    // terms, so the lines fit at the size (and screen scale) they are shown in.
    const int room = screen().width() - Aster1->width() - 2 * unit() - kLeft;
    const int measured = sentencePoints(code(), e.captionFlag);
    const int shown = Label4->font().pointSize() > 0 ? Label4->font().pointSize() : measured;
    e.dela_mening(kLeft, kLeft + room * measured / shown, e.item.fields[1], 2);
    const QByteArray first = e.sentenceLines[1];
    const QByteArray second = e.sentenceLines[2];

    int gapTop = FrageLabel1->y() + FrageLabel1->height() * 3 / 2;
    QByteArray gapLine = first;
    if (!second.isEmpty()) {
        Label8->show();
        if (first.contains('<')) {
            Label8->setText(text(second));
            Label8->move(kLeft, gapTop + lineStep);
        } else {
            Label8->setText(text(first));
            Label8->move(kLeft, gapTop);
            gapTop += lineStep;
            gapLine = second;
        }
        Label8->adjustSize();
    }
    e.LetaPrep(gapLine);
    m_markedWord = e.markedParts[2];
    m_afterGap = e.markedParts[3];

    Label4->setText(text(e.markedParts[1]));
    Label4->adjustSize();
    Label4->move(kLeft, gapTop);
    Label5->setText(QStringLiteral("?"));
    Label5->adjustSize();
    // A gap that opens the sentence starts at its left edge.
    Label5->move(Label4->text().isEmpty() ? kLeft : Label4->geometry().right() + 1, gapTop);
    Label6->setText(text(m_afterGap));
    placeAfterGap();
    KorrektSvarLabel->setText(text(m_markedWord));
    KorrektSvarLabel->adjustSize();
    KorrektSvarLabel->move(Label5->pos());
    EfterdelLabel->setText(text(m_afterGap));
    EfterdelLabel->adjustSize();
    EfterdelLabel->move(KorrektSvarLabel->geometry().right() + 1, gapTop);

    m_upperInUse = beginsWithCapital(m_markedWord);
    Panel1->move(kLeft, FrageLabel1->y() + 5 * FrageLabel1->height());
    const QList<QByteArray>& words = tableInUse();
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        WordButton* b = m_buttons[i];
        b->setLit(false);
        b->setVisible(i < words.size());
        if (i < words.size())
            b->setText(text(words[i]));
    }
    placeButtons();

    Label4->show();
    Label5->show();
    Label6->show();
    Panel1->show();
    Panel1->raise();
    BitBtn2->setVisible(!worksheet && catalogue::wordChoiceRulesButton(code()));
    if (worksheet) {
        Panel1->setEnabled(false);
        return;
    }
    // The first button takes the focus from the first item on, so the keyboard can choose
    // at once; taking it points at nothing.
    setAnswerActive(true);
}

void TFLERBAR::placeButtons()
{
    const int u = unit();
    const QFontMetrics metrics(m_buttons.front()->font());
    const int gap = metrics.horizontalAdvance(QStringLiteral("n"));
    const int margin = metrics.horizontalAdvance(QStringLiteral("AA"));
    const qsizetype n = tableInUse().size();
    const qsizetype firstRow = m_rows == 1 ? n : (n + 1) / 2;
    const int buttonHeight = m_buttons.front()->height();
    int widest = 0;
    int left = gap;
    for (qsizetype i = 0; i < n; ++i) {
        if (i == firstRow)
            left = gap;
        WordButton* b = m_buttons[i];
        const int top = i < firstRow ? u : buttonHeight + 2 * u;
        b->setGeometry(left, top, metrics.horizontalAdvance(b->text()) + margin, buttonHeight);
        left += b->width() + gap;
        widest = std::max(widest, left);
    }
    Panel1->resize(std::max(widest, 2 * gap), Panel1->height());
}

void TFLERBAR::placeAfterGap()
{
    Label6->adjustSize();
    Label6->move(Label5->geometry().right() + 1, Label5->y());
}

void TFLERBAR::pointAt(int k)
{
    if (!choosing() || k < 1 || k > tableInUse().size())
        return;
    for (WordButton* b : m_buttons)
        b->setLit(b->index() == k);
    Label5->setText(text(tableInUse()[k - 1]));
    Label5->adjustSize();
    placeAfterGap();
}

// ---- The answer ------------------------------------------------------------------------------

void TFLERBAR::RaettTest(int k, bool left)
{
    if (!choosing() || k < 1 || k > tableInUse().size())
        return;
    if (!left) {
        pause();
        return;
    }
    const QByteArray chosen = tableInUse()[k - 1];
    const bool right = m_engine.svarstest(m_markedWord, chosen, 1) == Engine::kAnswerRight;
    if (!right) {
        setAnswerActive(false);
        Label5->hide();
        Label6->hide();
        Panel1->hide();
        KorrektSvarLabel->show();
        EfterdelLabel->show();
        if (catalogue::wordChoiceExplainsArticle(code()))
            explainArticle();
    }
    answerChecked(right);
}

void TFLERBAR::explainArticle()
{
    const QByteArray number = m_engine.item.fields[2].trimmed();
    if (number.isEmpty())
        return;
    const QByteArray part = quotedPart(m_afterGap);
    QByteArray first;
    QByteArray second;
    switch (number.toInt()) {
    case 0:
        first = "an f\xF6re vokalljud";
        break;
    case 1:
        first = "h uttalas inte i " + part + ".";
        second = "Uttalet best\xE4mmer.";
        break;
    case 2:
        first = "y uttalas [j] i " + part + ".";
        second = "Uttalet best\xE4mmer.";
        break;
    case 3:
        first = part + " b\xF6rjar med j-ljud.";
        second = "Uttalet best\xE4mmer.";
        break;
    case 4:
        first = "a f\xF6re konsonantljud";
        break;
    default:
        return;
    }
    Label9->setText(text(first));
    Label9->adjustSize();
    Label9->move(kExplanationLeft, Panel1->y());
    Label9->show();
    if (!second.isEmpty()) {
        Label10->setText(text(second));
        Label10->adjustSize();
        Label10->move(kExplanationLeft, Panel1->y() + 30);
        Label10->show();
    }
}

void TFLERBAR::setAnswerActive(bool on)
{
    const bool active = on && mode() != SessionMode::Worksheet && m_round.answerDue();
    if (!active) {
        // Space during a wait must reach the form, not a button that keeps the focus.
        if (QWidget* f = focusWidget(); f && Panel1->isAncestorOf(f))
            setFocus();
        Panel1->setEnabled(false);
        return;
    }
    Panel1->setEnabled(true);
    Panel1->show();
    if (!m_buttons.front()->isHidden())
        m_buttons.front()->setFocus();
    else
        setFocus();
}

void TFLERBAR::setHelpEnabled(bool on)
{
    BitBtn2->setEnabled(on);
}

void TFLERBAR::roundComplete()
{
    setAnswerActive(false);
    Panel1->hide();
    BitBtn2->hide();
}

void TFLERBAR::paused()
{
    setAnswerActive(false);
    ExerciseForm::paused();
}

void TFLERBAR::mousePressEvent(QMouseEvent* event)
{
    // A right click on the form or on a word button (which leaves it to the form) pauses.
    if (event->button() == Qt::RightButton) {
        if (choosing())
            pause();
        return;
    }
    ExerciseForm::mousePressEvent(event);
}

void TFLERBAR::BitBtn2Click()
{
    showRulePage();
    if (choosing())
        setAnswerActive(true);
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TFLERBAR::worksheetStartBlock(WorksheetSend how)
{
    Worksheet& w = m_engine.worksheet;
    if (w.blockNumber == 0)
        w.blockNumber = 1; // the worksheet was cleared since the form opened
    w.addTitleLine();
    w.addInstruction(m_engine.item.worksheetInstruction, how == WorksheetSend::Single ? 5 : 6);
    w.newBlock = false;
}

void TFLERBAR::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    m_engine.dela_mening(kSheetLeft, kSheetLeft + kSheetWidth, m_engine.item.fields[1], 2);
    const QByteArray gap(2 * std::max(1, m_longestWord), '_');
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    w.add(prefix + blankGaps(first, gap), prefix + first);
    if (!second.isEmpty())
        w.add(kSecondLineIndent + blankGaps(second, gap), kSecondLineIndent + second);
}

} // namespace vindra
