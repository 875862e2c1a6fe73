#include "insetxt.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/readingtext.h"
#include "framework/answerrows.h"
#include "framework/aster.h"
#include "framework/look.h"
#include "platform/files.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vindra {

namespace {
const char kToQuestions[] = "&To the questions";
const char kToText[] = "&Read the text";
} // namespace

TInseTxt::TInseTxt(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("InseTxt"));
    FrageLabel1 = look::colouredLabel(QStringLiteral("FrageLabel1"), look::kNavy, this);
    FrageLabel2 = look::colouredLabel(QStringLiteral("FrageLabel2"), look::kNavy, this);
    RattSvarLabel = look::colouredLabel(QStringLiteral("RattSvarLabel"), look::kMaroon, this);
    RattSvarLabel->hide();

    m_rows = new AnswerRows(this);
    connect(m_rows, &AnswerRows::chosen, this, [this](int row) { RaettTest(row, 0); });
    connect(m_rows, &AnswerRows::pauseRequested, this, [this] { RaettTest(1, 1); });

    SeTextButton = new QPushButton(QString::fromLatin1(kToQuestions), this);
    SeTextButton->setObjectName(QStringLiteral("SeTextButton"));
    connect(SeTextButton, &QPushButton::clicked, this, &TInseTxt::SeTextButtonClick);

    Edit1 = new FigureBox(QStringLiteral("Edit1"), this);
    connect(Edit1, &FigureBox::figure, this, &TInseTxt::Edit1KeyPress);
    connect(Edit1, &FigureBox::pauseRequested, this, &TInseTxt::pause);

    // The reading text lies over the question area while the pupil reads it.
    TextPanel1 = new QFrame(this);
    TextPanel1->setObjectName(QStringLiteral("TextPanel1"));
    look::setLiesOnTop(TextPanel1);
    Memo1 = new QPlainTextEdit(TextPanel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setStyleSheet(QStringLiteral("background: white; color: black;"));
    auto* layout = new QVBoxLayout(TextPanel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);

    // Only "Continue", "Leave" and "Settings": errors are not recorded here.
    Panel1->correctErrors->hide();
}

int TInseTxt::roundLength(int standard) const
{
    const CacheSlot* slot = m_engine.currentCacheSlot();
    return slot && slot->itemCount > 0 ? std::min(standard, slot->itemCount) : standard;
}

QByteArray TInseTxt::rightAnswer() const
{
    return m_engine.item.fields[2];
}

QWidget* TInseTxt::answerFocus() const
{
    return Edit1;
}

// ---- Creation --------------------------------------------------------------------------------

void TInseTxt::placeQuestionArea()
{
    const int W = screen().width();
    const int u = unit();
    const int wu = std::max(1, W / 32);
    const int left = InstruktionsLabel->x();

    InstruktionsLabel->setText(QStringLiteral("Click with the mouse or hit a figure."));
    InstruktionsLabel->adjustSize();
    const int insTop = InstruktionsLabel->y();
    const int insHeight = InstruktionsLabel->height();
    m_questionRight = Aster1->x() - u;

    for (QLabel* l : {FrageLabel1, FrageLabel2, RattSvarLabel}) {
        l->setFont(font(18));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    FrageLabel2->move(left, insTop + insHeight * 3 / 2);
    FrageLabel1->move(left, FrageLabel2->y() + FrageLabel2->height() * 5 / 4);

    const int box = QFontMetrics(font(18)).height() + 12;
    int y = FrageLabel1->y() + FrageLabel1->height() + box / 2;
    const int altLeft = left + box + u / 2;
    const int altWidth = std::min(25 * wu, m_questionRight - altLeft);
    for (int row = 1; row <= AnswerRows::kRows; ++row) {
        m_rows->NrPanel[static_cast<size_t>(row - 1)]->setFont(font(14));
        m_rows->placeRow(row, QRect(left, y, box, box), QRect(altLeft, y, altWidth, box), wu);
        y += box * 5 / 4;
    }
    RattSvarLabel->move(left, y - box * 5 / 4 + box * 4 / 3);

    const QFont buttonFont = font(19, true);
    SeTextButton->setFont(buttonFont);
    const int buttonHeight = QFontMetrics(buttonFont).height() + 12;
    const int buttonWidth = std::max(
        14 * u,
        QFontMetrics(buttonFont).horizontalAdvance(QStringLiteral("To the questions")) + 4 * u);
    SeTextButton->setGeometry(left, Panel1->y() - buttonHeight - u / 2, buttonWidth, buttonHeight);
    Edit1->setGeometry(SeTextButton->geometry().right() + u, SeTextButton->y(), u, u);

    // The text covers the screen from the instruction (or the worksheet box) down to just
    // above the button, a layout unit from each.
    const int textTop =
        mode() == SessionMode::Worksheet ? SkrivutOverskrift->geometry().bottom() + 1 + u : insTop;
    TextPanel1->setGeometry(left, textTop, m_questionRight - left, SeTextButton->y() - u - textTop);
    QFont textFont = font(14);
    Memo1->setFont(textFont);

    m_rows->setRowsEnabled(mode() != SessionMode::Worksheet);
    HaemtaText();
    showText(true);
}

void TInseTxt::HaemtaText()
{
    const QByteArray name = catalogue::readingTextFile(m_engine.item.currentFileName);
    QByteArray content;
    if (!files::readAll(m_engine.materialPath("\\DATA\\" + name), content)) {
        // The questions still work without their text.
        m_engine.fileError(m_engine.dirs.cd + "\\DATA\\" + name);
        Memo1->clear();
        return;
    }
    const QList<QByteArray> lines = reading::adjust(reading::splitText(content));
    Memo1->setPlainText(text(lines.join('\n')));
}

// ---- Text and questions ----------------------------------------------------------------------

void TInseTxt::showText(bool on)
{
    m_textVisible = on;
    TextPanel1->setVisible(on);
    if (on)
        TextPanel1->raise();
    SeTextButton->setText(QString::fromLatin1(on ? kToQuestions : kToText));
    drawHeader();
    const bool boxes = !on && showsProgressBoxes(mode()) && !m_round.state().roundOver();
    Aster1->setVisible(boxes);
    if (Edit1->isEnabled())
        Edit1->setFocus();
}

void TInseTxt::drawHeader()
{
    if (m_textVisible)
        RitaOverskriften("Read the text.", "Then answer the questions.", "");
    else
        RitaOverskriften("Answer the questions", "", "");
}

void TInseTxt::SeTextButtonClick()
{
    showText(!m_textVisible);
}

// ---- Items -----------------------------------------------------------------------------------

void TInseTxt::NollaLabeller()
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    Paneler(0);
}

void TInseTxt::showItem()
{
    const ItemState& item = m_engine.item;
    SeTextButton->setEnabled(true);
    drawHeader();
    m_showingRight = false;
    m_rows->setHighlightBlocked(false);

    m_engine.dela_mening(FrageLabel1->x(), m_questionRight, item.fields[1], 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    FrageLabel2->setText(second.isEmpty() ? QString() : text(first));
    FrageLabel1->setText(text(second.isEmpty() ? first : second));
    for (QLabel* l : {FrageLabel1, FrageLabel2}) {
        l->setFont(font(18));
        l->adjustSize();
        look::fitFont(l, l->text(), QSize(m_questionRight - l->x(), l->height() + 8));
        l->adjustSize();
    }

    datafile::ItemFields fields;
    fields.field = item.fields;
    fields.fieldCount = item.fieldCount;
    fields.alternativesCount = item.alternativesCount;
    // A line without alternatives still shows one row, so that the round can go on.
    const int n = std::max(1, reading::alternativesOf(fields));
    const QList<int> order = reading::drawOrder(n, [this](int k) {
        return static_cast<int>(m_engine.random().below(static_cast<std::uint32_t>(k)));
    });
    QStringList texts;
    for (int pos = 0; pos < n; ++pos) {
        const int alternative = order[pos];
        texts << text(item.fields[static_cast<size_t>(1 + alternative)]);
        if (alternative == 1)
            m_rightRow = pos + 1;
    }
    const int wu = std::max(1, screen().width() / 32);
    const int room = std::min(24 * wu, m_rows->AltLabel[0]->width());
    m_rows->fitTexts(font(18), texts, room);
    m_rows->fill(texts);
    Paneler(2);
    RattSvarLabel->setText(text(rightAnswer()));
    RattSvarLabel->adjustSize();

    if (mode() == SessionMode::Worksheet) {
        // The answer shows while the items are chosen; nothing is asked.
        Paneler(10 + m_rightRow);
        m_rows->setRowsEnabled(false);
        Edit1->setEnabled(false);
        return;
    }
    Aster1->setVisible(!m_textVisible && showsProgressBoxes(mode()));
    Edit1->setEnabled(true);
    Edit1->show();
    if (!firstItem())
        Edit1->setFocus();
}

void TInseTxt::Paneler(int code)
{
    m_rows->setState(code, RattSvarLabel);
}

// ---- The answer ------------------------------------------------------------------------------

void TInseTxt::Edit1KeyPress(int key)
{
    if (const int row = m_rows->rowOfKey(key))
        RaettTest(row, 0);
}

void TInseTxt::RaettTest(int row, int button)
{
    if (mode() == SessionMode::Worksheet)
        return;
    if (button == 1) {
        if (m_rows->rowsEnabled() && m_round.answerDue()) {
            Paneler(5);
            pause();
        }
        return;
    }
    // Nothing is answered while the right answer is shown, nor a question that is not on
    // the screen.
    if (!m_round.answerDue() || m_showingRight || m_textVisible || row < 1 || row > m_rows->count())
        return;
    const bool right = m_rows->isRight(m_engine, row, m_rightRow, rightAnswer());
    setAnswerActive(false);
    if (!right) {
        m_rows->showRight(m_rightRow, RattSvarLabel);
        m_showingRight = true;
    }
    answerChecked(right, false);
}

void TInseTxt::setAnswerActive(bool on)
{
    if (mode() == SessionMode::Worksheet)
        on = false;
    m_rows->setRowsEnabled(on);
    if (!on && Edit1->hasFocus())
        setFocus();
    Edit1->setEnabled(on);
    if (on) {
        Edit1->show();
        Edit1->setFocus();
    }
}

void TInseTxt::roundComplete()
{
    SeTextButton->setEnabled(false);
}

void TInseTxt::paused()
{
    Paneler(5);
    Edit1->setEnabled(false);
    ExerciseForm::paused();
}

void TInseTxt::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3 && !Panel1->isVisible()) {
        Edit1KeyPress(key);
        return;
    }
    ExerciseForm::keyPressEvent(event);
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TInseTxt::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    w.addToBoth(prefix + m_engine.item.fields[1]);
    for (int row = 1; row <= m_rows->count(); ++row)
        w.addToBoth(worksheet::kAnswerIndent + QByteArray::number(row) + "  " +
                    cp1252::fromUnicode(m_rows->alternative(row)));
    w.add(worksheet::kAnswerIndent + QByteArray("Answer: ____"),
          worksheet::kAnswerIndent + QByteArray("Answer: ") + QByteArray::number(m_rightRow) +
              "  " + rightAnswer());
}

} // namespace vindra
