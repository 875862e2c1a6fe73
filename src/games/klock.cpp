#include "klock.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "framework/aster.h"
#include "framework/look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>

#include <cmath>

namespace vindra {

namespace {

constexpr int kBoxWidth = 300;

QLabel* makeLabel(const QString& name, QWidget* parent, const QColor& colour)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setStyleSheet(look::colourStyle(colour));
    return l;
}

/// x / 12 rounded to the nearest whole number, halves to the even one (2.5 gives 2, 7.5
/// gives 8), as the hour hand's angle is rounded.
int divideRoundingHalfToEven(int x, int by)
{
    const int q = x / by;
    const int r = x % by;
    if (2 * r > by || (2 * r == by && q % 2 != 0))
        return q + 1;
    return q;
}

} // namespace

// ---- The hands -------------------------------------------------------------------------------

ClockHands ClockHands::forItem(int itemNumber)
{
    ClockHands h;
    const int n = std::clamp(itemNumber, 1, 144);
    h.hourIndex = (n - 1) / 12;
    const int step = (n - 1) % 12;
    h.minutes = 5 * step;
    h.minuteAngle = 30 * step;
    h.hourAngle = 30 * h.hourIndex + divideRoundingHalfToEven(h.minuteAngle, 12);
    return h;
}

// ---- The clock face --------------------------------------------------------------------------

ClockFace::ClockFace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("Clock"));
}

void ClockFace::setItem(int itemNumber)
{
    m_item = itemNumber;
    const ClockHands h = ClockHands::forItem(itemNumber);
    setAccessibleDescription(QStringLiteral("%1:%2")
                                 .arg(h.hourIndex == 0 ? 12 : h.hourIndex)
                                 .arg(h.minutes, 2, 10, QLatin1Char('0')));
    update();
}

QPoint ClockFace::pointAt(QPoint centre, double angle, double distance)
{
    const double rad = (angle + 90.0) * M_PI / 180.0;
    return QPoint(static_cast<int>(std::lround(centre.x() - std::cos(rad) * distance)),
                  static_cast<int>(std::lround(centre.y() - std::sin(rad) * distance)));
}

void ClockFace::paintEvent(QPaintEvent*)
{
    const int W = width();
    const int H = height();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::cyan);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QPoint c(W / 2, H / 2);
    const int s = W * 9 / 24;
    const int L = (W * 9 / 288) * 9;
    const int q = H / 25;
    QFont f = look::arial(std::max(6, H / 12), true, false);
    p.setFont(f);
    const QFontMetrics fm(f);
    for (int number = 1; number <= 12; ++number) {
        const QString t = QString::number(number);
        const QPoint at = pointAt(c, 30.0 * number, s + 8);
        const QRect box(at.x() - fm.horizontalAdvance(t) / 2, at.y() - fm.height() / 2,
                        fm.horizontalAdvance(t), fm.height());
        p.drawText(box, Qt::AlignCenter, t);
    }

    const ClockHands h = ClockHands::forItem(m_item);
    auto hand = [&](double angle, int length, int sideDistance, const QColor& colour) {
        p.setPen(colour);
        p.setBrush(colour);
        const QPoint tip = pointAt(c, angle, length);
        p.drawPolygon(QPolygon({c, tip, pointAt(c, angle - 10, sideDistance)}));
        p.drawPolygon(QPolygon({c, tip, pointAt(c, angle + 10, sideDistance)}));
    };
    hand(h.hourAngle, L, L / 2, Qt::blue);
    p.setPen(Qt::green);
    p.setBrush(Qt::green);
    p.drawEllipse(pointAt(c, h.hourAngle, L / 2.0), q, q);
    hand(h.minuteAngle, s, s / 3, Qt::red);
}

// ---- The form --------------------------------------------------------------------------------

TKlockan::TKlockan(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("Klockan"));
    Shape1 = new RoundedBox(QStringLiteral("Shape1"), look::kYellow, 12, this);
    Shape2 = new RoundedBox(QStringLiteral("Shape2"), look::kNavy, 10, Shape1);
    Label1 = makeLabel(QStringLiteral("Label1"), Shape2, look::kYellow);
    Label2 = makeLabel(QStringLiteral("Label2"), Shape2, look::kYellow);
    Label3 = makeLabel(QStringLiteral("Label3"), Shape2, look::kYellow);
    Label1->setText(QStringLiteral("What time"));
    Label2->setText(QStringLiteral("is it?"));
    Label3->setText(QStringLiteral(" It is ..."));

    PaintBox1 = new ClockFace(this);

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("It is ..."));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    // The answer box offers no edit menu: its entries would have nothing to paste.
    Edit1->setContextMenuPolicy(Qt::NoContextMenu);
    connect(Edit1, &AnswerBox::answered, this, &TKlockan::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TKlockan::pause);
    connect(Edit1, &QLineEdit::textChanged, this, &TKlockan::Edit1Change);

    Label4 = makeLabel(QStringLiteral("Label4"), this, look::kMaroon);

    lampknapp = new QPushButton(QStringLiteral("?"), this);
    lampknapp->setObjectName(QStringLiteral("lampknapp"));
    lampknapp->setToolTip(QStringLiteral("Show if letter is wrong."));
    lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong."));
    connect(lampknapp, &QPushButton::clicked, this, &TKlockan::lampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    connect(LampShape, &Lamp::pressed, this, &TKlockan::LampShapeMouseDown);
    LampShape->hide();
}

QWidget* TKlockan::answerFocus() const
{
    return Edit1;
}

QByteArray TKlockan::rightAnswer() const
{
    return m_engine.item.fields[1];
}

// ---- Layout ----------------------------------------------------------------------------------

void TKlockan::Inled()
{
    ExerciseForm::Inled();
    // No header box and no instruction: the question box stands in their place.
    if (auto* headerBox = findChild<QWidget*>(QStringLiteral("OverskriftYtterShape")))
        headerBox->hide();
    InstruktionsLabel->hide();
}

void TKlockan::placeQuestionArea()
{
    InstruktionsLabel->hide();
    const int u = unit();
    const QSize scr = screen();
    for (QLabel* l : {Label1, Label2, Label3}) {
        l->setFont(font(22, true));
        l->adjustSize();
    }
    const int line = Label1->height();

    // The left column: the question box, the answer box with the lamp, the right answer. It
    // is as wide as the longest time needs.
    Edit1->setFont(font(19, true));
    Label4->setFont(font(19, true));
    const QFontMetrics am(Edit1->font());
    const int answerWidth =
        am.horizontalAdvance(QStringLiteral("twenty-five minutes past twelve")) + 2 * u;
    const int lampSide = Edit1->sizeHint().height();
    const int column = std::min(std::max(look::scaled(kBoxWidth, m_engine.screenScale),
                                         lampSide + u + answerWidth + u + 2 * u),
                                scr.width() * 38 / 100);

    Shape1->setGeometry(u, u, std::min(column, scr.width() / 2), 3 * line + 2 * u);
    Shape2->setGeometry(6, 5, Shape1->width() - 12, Shape1->height() - 10);
    Label1->move(u, u / 2);
    Label2->move(u, u / 2 + line);
    Label3->move(u, u / 2 + 2 * line);

    const int editTop = Shape1->geometry().bottom() + 1 + 2 * u;
    LampShape->setGeometry(u, editTop, lampSide, lampSide);
    const int editLeft = LampShape->geometry().right() + 1 + u / 2;
    const int buttonWidth = 2 * u;
    const int editWidth =
        std::max(4 * u, Shape1->geometry().right() - editLeft - u / 2 - buttonWidth);
    Edit1->setGeometry(editLeft, editTop, editWidth, lampSide);
    lampknapp->setGeometry(Edit1->geometry().right() + 1 + u / 2, editTop, buttonWidth, lampSide);
    lampknapp->setFont(font(19, true));
    Label4->setGeometry(editLeft, Edit1->geometry().bottom() + 1 + u,
                        Shape1->geometry().right() - editLeft, line);
    lampknapp->setVisible(mode() == SessionMode::Practice);
    if (mode() == SessionMode::Worksheet) {
        // Collecting items: the time in words stands where the answer box would.
        Edit1->setEnabled(false);
        Edit1->hide();
        SkrivutOverskrift->move(u, Shape1->geometry().bottom() + 1 + u);
        Label4->move(editLeft, SkrivutOverskrift->geometry().bottom() + 1 + u);
    }

    // The clock two layout units right of the question box, as large as the room to the
    // progress boxes and above the button bar allows.
    const int left = Shape1->geometry().right() + 1 + 2 * u;
    const int room = Aster1->x() - u - left;
    const int height = std::max(40, std::min(room - 8, Panel1->y() - 2 * u));
    PaintBox1->setGeometry(left, u, height + 8, height);
}

// ---- Items -----------------------------------------------------------------------------------

void TKlockan::NollaLabeller()
{
    Label4->clear();
    Edit1->clear();
}

void TKlockan::showItem()
{
    const ItemState& item = m_engine.item;
    PaintBox1->setItem(m_engine.session.correctionRound ? item.reAskedItemNumber
                                                        : item.currentItemNumber);
    Label4->setText(text(rightAnswer()));
    look::fitFont(Label4, Label4->text(), Label4->size());
    if (mode() == SessionMode::Worksheet) {
        Label4->show();
        return;
    }
    Label4->hide();
    Edit1->show();
    Edit1->setEnabled(true);
    if (!firstItem())
        Edit1->setFocus();
}

QByteArray TKlockan::withoutItIs(const QByteArray& typed)
{
    QByteArray t = typed.trimmed();
    QByteArray lower = t.toLower();
    // The apostrophe's look-alikes (acute and grave accents, typographic quote) count as one.
    for (char& c : lower)
        if (c == '\xB4' || c == '`' || c == '\x92')
            c = '\'';
    for (const char* prefix : {"it is ", "it's "}) {
        const QByteArray p(prefix);
        if (lower.startsWith(p))
            return t.mid(p.size()).trimmed();
    }
    return t;
}

void TKlockan::Edit1KeyPress()
{
    if (!m_round.answerDue())
        return;
    setAnswerActive(false);
    // Letter case does not count: "Half past two" at the start of the sentence is right.
    const bool ok =
        m_engine.svarstest(rightAnswer(), withoutItIs(cp1252::fromUnicode(Edit1->text())), 3) ==
        Engine::kAnswerRight;
    if (!ok)
        Label4->show();
    answerChecked(ok);
}

void TKlockan::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    // A worksheet cannot show the clock: the question gives the time in figures.
    const ItemState& item = m_engine.item;
    const ClockHands h = ClockHands::forItem(item.currentItemNumber);
    const QByteArray figures = QByteArray::number(h.hourIndex == 0 ? 12 : h.hourIndex) + ':' +
                               QByteArray::number(h.minutes).rightJustified(2, '0');
    m_engine.worksheet.addWrittenItem(prefix, figures,
                                      worksheet::UtSkriftSvar(item.fields[1], item.fields,
                                                              item.alternativesCount,
                                                              item.fieldCount));
}

// ---- The round -------------------------------------------------------------------------------

void TKlockan::roundComplete()
{
    lampknapp->hide();
    LampShape->hide();
}

void TKlockan::newRoundControls(bool)
{
    Label4->hide();
    lampknapp->setEnabled(true);
    lampknapp->setVisible(!m_lampOn && mode() == SessionMode::Practice);
    LampShape->setVisible(m_lampOn);
}

void TKlockan::paused()
{
    lampknapp->setEnabled(false);
    LampShape->hide();
    setAnswerActive(false);
    ExerciseForm::paused();
}

void TKlockan::rensa()
{
    lampknapp->setEnabled(true);
    if (!m_round.state().roundOver()) {
        lampknapp->setVisible(!m_lampOn && mode() == SessionMode::Practice);
        LampShape->setVisible(m_lampOn);
        if (m_lampOn)
            colourLamp();
    }
}

// ---- The lamp --------------------------------------------------------------------------------

void TKlockan::colourLamp()
{
    LampShape->showGood(m_engine.GreenRedTest(withoutItIs(cp1252::fromUnicode(Edit1->text())),
                                              rightAnswer(), 3) == 1);
}

void TKlockan::lampknappClick()
{
    lampknapp->hide();
    m_lampOn = !m_lampOn;
    if (!m_lampOn) {
        LampShape->hide();
        return;
    }
    LampShape->show();
    Edit1->setFocus();
    colourLamp();
}

void TKlockan::Edit1Change()
{
    if (LampShape->isVisible())
        colourLamp();
}

void TKlockan::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    // The lamp can be had again: the button comes back.
    lampknapp->setVisible(mode() == SessionMode::Practice);
}

} // namespace vindra
