#include "answerrows.h"

#include "engine/cp1252.h"
#include "engine/engine.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace vindra {

const QColor AnswerRows::kPlain(240, 240, 240);
const QColor AnswerRows::kChosen(0, 255, 255);

AnswerRows::AnswerRows(QWidget* form) : QObject(form)
{
    setObjectName(QStringLiteral("AnswerRows"));
    for (int i = 0; i < kRows; ++i) {
        const QString n = QString::number(i + 1);
        auto* number = new QLabel(n, form);
        number->setObjectName(QStringLiteral("NrPanel") + n);
        number->setAlignment(Qt::AlignCenter);
        number->setFrameStyle(QFrame::Panel | QFrame::Raised);
        number->setAutoFillBackground(true);
        number->setStyleSheet(QStringLiteral("QLabel { color: navy; }"));
        auto* box = new QFrame(form);
        box->setObjectName(QStringLiteral("AlternativPanel") + n);
        box->setFrameStyle(QFrame::Panel | QFrame::Raised);
        box->setAutoFillBackground(true);
        auto* label = new QLabel(box);
        label->setObjectName(QStringLiteral("AltLabel") + n);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The texts stay readable while the rows are disabled (the right answer is shown).
        label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
        for (QWidget* w : std::initializer_list<QWidget*>{number, box, label}) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
            w->setCursor(Qt::PointingHandCursor);
        }
        number->setAccessibleName(QStringLiteral("Alternative ") + n);
        NrPanel[static_cast<size_t>(i)] = number;
        AlternativPanel[static_cast<size_t>(i)] = box;
        AltLabel[static_cast<size_t>(i)] = label;
    }
    restoreColours();
}

void AnswerRows::placeRow(int row, const QRect& numberBox, const QRect& alternativeBox, int indent)
{
    if (row < 1 || row > kRows)
        return;
    const auto i = static_cast<size_t>(row - 1);
    NrPanel[i]->setGeometry(numberBox);
    AlternativPanel[i]->setGeometry(alternativeBox);
    AltLabel[i]->setGeometry(indent, 2, std::max(1, alternativeBox.width() - indent - 4),
                             std::max(1, alternativeBox.height() - 4));
}

void AnswerRows::fill(const QStringList& texts)
{
    m_count = static_cast<int>(std::min<qsizetype>(texts.size(), kRows));
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        AltLabel[r]->setText(i < m_count ? texts[i] : QString());
        const bool used = i < m_count;
        NrPanel[r]->setVisible(used);
        AlternativPanel[r]->setVisible(used);
    }
}

QString AnswerRows::alternative(int row) const
{
    if (row < 1 || row > m_count)
        return {};
    return AltLabel[static_cast<size_t>(row - 1)]->text();
}

int AnswerRows::rowOfKey(int key) const
{
    const int row = key - Qt::Key_0;
    return row >= 1 && row <= m_count ? row : 0;
}

void AnswerRows::fitTexts(QFont font, const QStringList& texts, int maxWidth)
{
    auto widest = [&] {
        const QFontMetrics fm(font);
        int w = 0;
        for (const QString& t : texts)
            w = std::max(w, fm.horizontalAdvance(t));
        return w;
    };
    while (widest() > maxWidth && font.pointSize() > 6)
        font.setPointSize(font.pointSize() - 1);
    for (QLabel* l : AltLabel)
        l->setFont(font);
}

void AnswerRows::clear()
{
    for (QLabel* l : AltLabel)
        l->clear();
    m_count = 0;
}

void AnswerRows::restoreColours()
{
    for (int row = 1; row <= kRows; ++row)
        colourRow(row, kPlain);
}

void AnswerRows::setRowsEnabled(bool on)
{
    m_enabled = on;
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        NrPanel[r]->setEnabled(on);
        AlternativPanel[r]->setEnabled(on);
        AltLabel[r]->setEnabled(on);
    }
}

void AnswerRows::setState(int code, QWidget* rightAnswer)
{
    if (code == 0)
        clear();
    if (code <= 3 || code > 10)
        restoreColours();
    if (code == 0 || code == 2 || code == 4)
        setRowsEnabled(true);
    if (code == 3 || code == 5)
        setRowsEnabled(false);
    if (code < 4)
        rightAnswer->hide();
    if (code > 10) {
        rightAnswer->show();
        highlight(code - 10);
    }
}

void AnswerRows::highlight(int row)
{
    for (int r = 1; r <= kRows; ++r)
        colourRow(r, r == row ? kChosen : kPlain);
}

void AnswerRows::colourRow(int row, const QColor& colour)
{
    const auto i = static_cast<size_t>(row - 1);
    for (QWidget* w :
         {static_cast<QWidget*>(NrPanel[i]), static_cast<QWidget*>(AlternativPanel[i])}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, colour);
        w->setPalette(pal);
    }
}

int AnswerRows::rowOf(QObject* control) const
{
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        if (control == NrPanel[r] || control == AlternativPanel[r] || control == AltLabel[r])
            return i + 1;
    }
    return 0;
}

bool AnswerRows::eventFilter(QObject* watched, QEvent* event)
{
    const int row = rowOf(watched);
    if (row == 0 || row > m_count)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        if (!m_highlightBlocked && m_enabled)
            highlight(row);
    } else if (event->type() == QEvent::MouseButtonPress && m_enabled) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            Q_EMIT chosen(row);
        else if (mouse->button() == Qt::RightButton)
            Q_EMIT pauseRequested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// ---- The figure keys ----------------------------------------------------------------------

FigureBox::FigureBox(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Type 1, 2 or 3"));
}

void FigureBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        Q_EMIT figure(key);
        return;
    }
    if (key == Qt::Key_Escape) {
        Q_EMIT pauseRequested();
        return;
    }
    QWidget::keyPressEvent(event); // Space and the rest go on to the form
}

bool AnswerRows::isRight(const Engine& engine, int row, int rightRow, const QByteArray& right) const
{
    return row == rightRow || engine.svarstest(right, cp1252::fromUnicode(alternative(row)), 1) ==
                                  Engine::kAnswerRight;
}

void AnswerRows::showRight(int rightRow, QWidget* rightAnswer)
{
    setState(10 + rightRow, rightAnswer);
    setHighlightBlocked(true);
}

} // namespace vindra
