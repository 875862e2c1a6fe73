#include "skrivin.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "framework/aster.h"
#include "framework/formtimer.h"
#include "framework/look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace vindra {

namespace {

QLabel* makeLabel(const QString& name, const QColor& colour, QWidget* parent)
{
    QLabel* l = look::colouredLabel(name, colour, parent);
    l->setTextFormat(Qt::PlainText);
    l->hide();
    return l;
}

/// One prompt line as rich text: the marked part green, the rest in the label's blue.
/// `inMark` carries a mark that the line split left open into the next line.
QString promptHtml(const QString& line, bool& inMark)
{
    QString html;
    QString run;
    auto flush = [&](bool marked) {
        if (run.isEmpty())
            return;
        const QString escaped =
            run.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        html += marked ? QStringLiteral("<span style=\"color:%1\">%2</span>")
                             .arg(look::kGreen.name(), escaped)
                       : escaped;
        run.clear();
    };
    for (const QChar c : line) {
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            flush(inMark);
            inMark = c == QLatin1Char('<');
            continue;
        }
        run += c;
    }
    flush(inMark);
    return html;
}

/// The lamp's hint, as the other forms spell it but with its full stop.
constexpr char kLampHint[] = "Show if letter is wrong.";

} // namespace

TSkrivinf::TSkrivinf(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("Skrivinf"));
    Label3 = makeLabel(QStringLiteral("Label3"), look::kBlue, this);
    Label4 = makeLabel(QStringLiteral("Label4"), look::kBlue, this);
    for (QLabel* l : {Label3, Label4})
        l->setTextFormat(Qt::RichText);
    for (size_t i = 0; i < m_pieces.size(); ++i)
        m_pieces[i] = makeLabel(QStringLiteral("Label%1").arg(5 + i), look::kNavy, this);
    Label14 = makeLabel(QStringLiteral("Label14"), look::kMaroon, this);
    Label15 = makeLabel(QStringLiteral("Label15"), look::kMaroon, this);
    Label16 = makeLabel(QStringLiteral("Label16"), look::kNavy, this);
    Label17 = makeLabel(QStringLiteral("Label17"), look::kNavy, this);

    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("First gap"));
    Edit2 = new AnswerBox(QStringLiteral("Edit2"), this);
    Edit2->setAccessibleName(QStringLiteral("Second gap"));
    for (AnswerBox* b : {Edit1, Edit2}) {
        b->hide();
        connect(b, &AnswerBox::pauseRequested, this, &TSkrivinf::pause);
        connect(b, &QLineEdit::textChanged, this, &TSkrivinf::KollaEdit);
    }
    connect(Edit1, &AnswerBox::answered, this, &TSkrivinf::Edit1KeyPress);
    connect(Edit2, &AnswerBox::answered, this, &TSkrivinf::Edit2KeyPress);

    auto makeButton = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->hide();
        return b;
    };
    bitbtn2 = makeButton(QStringLiteral("bitbtn2"), QStringLiteral("&Help"));
    regelknapp = makeButton(QStringLiteral("regelknapp"), QStringLiteral("&Rules"));
    lampknapp = makeButton(QStringLiteral("lampknapp"), QStringLiteral("?"));
    lampknapp->setToolTip(QString::fromLatin1(kLampHint));
    lampknapp->setAccessibleName(QString::fromLatin1(kLampHint));
    connect(bitbtn2, &QPushButton::clicked, this, &TSkrivinf::BitBtn2Click);
    connect(regelknapp, &QPushButton::clicked, this, &TSkrivinf::RegelknappClick);
    connect(lampknapp, &QPushButton::clicked, this, &TSkrivinf::LampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    connect(LampShape, &Lamp::pressed, this, &TSkrivinf::LampShapeMouseDown);
}

bool TSkrivinf::swedishCaptions() const
{
    return catalogue::swedishCaptions(code());
}

QWidget* TSkrivinf::answerFocus() const
{
    return m_awaited == 0 ? nullptr : box(m_awaited);
}

// ---- Creation --------------------------------------------------------------------------------

void TSkrivinf::Inled()
{
    ExerciseForm::Inled();
    // The ending picture stands lower and larger than in the plain written exercise.
    const int H = screen().height();
    const int u = unit();
    BildPanelen->setGeometry(BildPanelen->x(), H / 48 * 10 - u / 2, BildPanelen->width(),
                             H / 48 * 35 + u / 2);
}

void TSkrivinf::placeQuestionArea()
{
    const int u = unit();
    m_lampOffered = catalogue::gapLampOffered(code());
    const QFont f = font(19, true);
    for (QLabel* l : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (l != InstruktionsLabel && l->objectName().startsWith(QLatin1String("Label")))
            l->setFont(f);
    }
    for (AnswerBox* b : {Edit1, Edit2}) {
        b->setFont(f);
        b->resize(10 * u, b->sizeHint().height());
    }
    for (QPushButton* b : {bitbtn2, regelknapp, lampknapp})
        b->setFont(f);
    if (swedishCaptions())
        regelknapp->setText(QStringLiteral("&Regler"));

    m_left = InstruktionsLabel->x();
    m_right = Aster1->x() - u;
    // In a diagnosis round the wider diagnosis panel stands where the progress boxes stand.
    if (isDiagnosisRound(mode()))
        m_right =
            std::min(m_right, screen().width() - u / 2 - std::max(2 * Aster1->width(), 9 * u) - u);
    const int labelHeight = QFontMetrics(f).height();
    const int boxHeight = Edit1->height();
    m_linePitch = boxHeight * 3 / 2;
    const int below = InstruktionsLabel->y() + InstruktionsLabel->height();
    Label3->move(m_left, below + labelHeight);
    Label4->move(m_left, Label3->y() + labelHeight * 4 / 3);
    // Where items have a prompt, room for its two lines whether an item has one or not, so
    // the sentence keeps its place from item to item.
    m_sentenceTop =
        catalogue::gapPromptKind(code()) ? Label4->y() + labelHeight * 2 : below + labelHeight * 2;

    // The lamp button, the rules button and "&Help" in one row under the sentence's three
    // possible lines, the help texts under the row; the buttons as large as their captions.
    const int rowTop = m_sentenceTop + 3 * m_linePitch + u;
    const int buttonHeight = std::max(3 * u, bitbtn2->sizeHint().height());
    auto buttonWidth = [u](QPushButton* b) { return std::max(10 * u, b->sizeHint().width() + u); };
    lampknapp->setGeometry(m_left, rowTop, buttonHeight, buttonHeight);
    regelknapp->setGeometry(lampknapp->geometry().right() + 1 + u, rowTop, buttonWidth(regelknapp),
                            buttonHeight);
    LampShape->resize(boxHeight, boxHeight);
    Label16->move(m_left, rowTop + buttonHeight + u);
    Label17->move(m_left, Label16->y() + labelHeight * 4 / 3);

    const bool practice = mode() == SessionMode::Practice;
    regelknapp->setVisible(practice && catalogue::gapRulesButton(code()));
    // Without a rules button "&Help" follows the lamp button more closely.
    const QWidget* before = regelknapp->isVisibleTo(this) ? regelknapp : lampknapp;
    const int gapToHelp = regelknapp->isVisibleTo(this) ? u : u / 2;
    bitbtn2->setGeometry(before->geometry().right() + 1 + gapToHelp, rowTop, buttonWidth(bitbtn2),
                         buttonHeight);
    lampknapp->setVisible(m_lampOffered && colorsLamp(mode()));
}

// ---- Items -----------------------------------------------------------------------------------

void TSkrivinf::NollaLabeller()
{
    for (QLabel* l : {Label3, Label4, Label14, Label15, Label16, Label17})
        l->clear(), l->hide();
    for (QLabel* l : m_pieces)
        l->clear(), l->hide();
    for (AnswerBox* b : {Edit1, Edit2}) {
        if (b->hasFocus())
            setFocus();
        b->clear();
        b->hide();
        b->setEnabled(false);
    }
    bitbtn2->hide();
    m_placed.clear();
}

int TSkrivinf::lineTop(int line) const
{
    return m_sentenceTop + line * m_linePitch;
}

bool TSkrivinf::buildLines(int maxLines)
{
    for (QLabel* l : m_pieces)
        l->clear(), l->hide();
    m_placed.clear();
    // The split measures unscaled text; the boxes are somewhat wider than their answers.
    const int scale = std::max(1, m_engine.screenScale);
    const int width = std::max(100, (m_right - m_left) * 100 / scale - 80);
    m_engine.dela_mening(0, width, m_item.sentence, maxLines);

    size_t piece = 0;
    int nextGap = 1;
    bool placed[3] = {false, false, false};
    for (int line = 0; line < maxLines; ++line) {
        const QByteArray lineText = m_engine.sentenceLines[static_cast<size_t>(line + 1)];
        if (lineText.isEmpty())
            continue;
        const QList<gap::Segment> segs = gap::segments(lineText, nextGap);
        nextGap += gap::countMarks(lineText);
        for (const gap::Segment& s : segs) {
            if (s.gap != 0) {
                if (s.gap > gapCount() || placed[s.gap])
                    continue;
                placed[s.gap] = true;
                m_placed.append({box(s.gap), line, s.gap});
                continue;
            }
            if (piece == m_pieces.size())
                continue;
            QLabel* l = m_pieces[piece++];
            l->setText(text(s.text));
            m_placed.append({l, line, 0});
        }
    }
    bool all = true;
    for (int g = 1; g <= gapCount(); ++g) {
        if (placed[g])
            continue;
        all = false;
        // On a single line a box without a mark of its own ends the line, so the pupil
        // can always answer.
        if (maxLines == 1)
            m_placed.append({box(g), 0, g});
    }
    return all;
}

void TSkrivinf::layOutLines()
{
    int line = -1;
    int x = m_left;
    const int boxHeight = Edit1->height();
    for (const Placed& p : m_placed) {
        if (p.line != line) {
            line = p.line;
            x = m_left;
        }
        const int top = lineTop(line);
        if (p.gap == 0) {
            auto* l = static_cast<QLabel*>(p.widget);
            const int w = QFontMetrics(l->font()).horizontalAdvance(l->text()) + 1;
            const int h = QFontMetrics(l->font()).height();
            l->setGeometry(x, top + (boxHeight - h) / 2, w, h);
            l->show();
            x += w;
            continue;
        }
        QLabel* answer = shownAnswer(p.gap);
        if (!answer->text().isEmpty()) {
            // The answer stands in the box's place and the rest of the line follows it.
            const QFontMetrics fm(answer->font());
            const int w = fm.horizontalAdvance(answer->text()) + 1;
            answer->setGeometry(x, top + (boxHeight - fm.height()) / 2, w, fm.height());
            answer->show();
            x += w;
            continue;
        }
        AnswerBox* b = box(p.gap);
        const QByteArray right = m_item.answers.value(p.gap - 1);
        const QFontMetrics fm(b->font());
        const int w = fm.horizontalAdvance(QStringLiteral("ww")) +
                      fm.horizontalAdvance(text(right)) + 2 * b->textMargins().left() + 8;
        b->setGeometry(x, top, w, boxHeight);
        b->setMaxLength(static_cast<int>(right.size()) + 10);
        x += w;
    }
}

datafile::ItemFields TSkrivinf::itemFields() const
{
    const ItemState& it = m_engine.item;
    datafile::ItemFields fields;
    fields.field = it.fields;
    fields.fieldCount = it.fieldCount;
    fields.alternativesCount = it.alternativesCount;
    return fields;
}

void TSkrivinf::showItem()
{
    const bool worksheet = mode() == SessionMode::Worksheet;
    m_item = gap::read(itemFields(), catalogue::gapPromptKind(code()));
    if (m_item.answers.isEmpty())
        m_item.answers.append(QByteArray()); // a line without a gap: the box asks for nothing
    m_awaited = worksheet ? 0 : 1;
    m_firstRight = false;
    m_helpStep = 0;

    // The prompt, its marked part in green.
    if (!m_item.prompt.isEmpty()) {
        const int scale = std::max(1, m_engine.screenScale);
        m_engine.dela_mening(0, std::max(100, (m_right - m_left) * 100 / scale), m_item.prompt, 2);
        bool inMark = false;
        Label3->setText(promptHtml(text(m_engine.sentenceLines[1]), inMark));
        Label4->setText(promptHtml(text(m_engine.sentenceLines[2]), inMark));
        for (QLabel* l : {Label3, Label4}) {
            l->adjustSize();
            l->setVisible(!l->text().isEmpty());
        }
    }

    // The sentence on up to three lines; a sentence whose gap cannot be placed on a line of
    // its own (a mark wider than the line) stands on one line, however wide.
    if (!buildLines(3))
        buildLines(1);
    if (worksheet) {
        // The teacher sees the sentence with its answers in their places.
        for (int g = 1; g <= gapCount(); ++g) {
            shownAnswer(g)->setStyleSheet(look::colourStyle(look::kMaroon));
            shownAnswer(g)->setText(text(m_item.answers.value(g - 1)));
        }
        for (QLabel* l : m_pieces)
            l->setStyleSheet(look::colourStyle(look::kBlue));
        layOutLines();
        lampknapp->hide();
        return;
    }
    layOutLines();

    if (colorsLamp(mode()))
        lampknapp->setEnabled(true);
    setHelpUsed(isDiagnosisPractice(mode()) && m_lampOn ? 1 : 0);
    regelknapp->setEnabled(true);
    const int h = static_cast<int>(m_item.help.size());
    if (h > 0 && mode() != SessionMode::DiagnosisTest) {
        Label16->setText(text(m_item.help.value(0)));
        Label17->setText(text(m_item.help.value(1)));
        Label16->adjustSize();
        Label17->adjustSize();
        bitbtn2->setEnabled(true);
        bitbtn2->show();
    }

    Edit1->show();
    Edit1->setEnabled(true);
    if (gapCount() == 2) {
        Edit2->show();
        Edit2->setEnabled(false); // its turn comes after gap 1
    }
    if (m_lampOffered && colorsLamp(mode())) {
        lampknapp->setVisible(!m_lampOn);
        placeLamp();
        LampShape->setVisible(m_lampOn);
        if (m_lampOn)
            colourLamp();
    }
    if (!firstItem())
        Edit1->setFocus();
}

// ---- The answers -----------------------------------------------------------------------------

bool TSkrivinf::checkGap(int g)
{
    AnswerBox* b = box(g);
    const QByteArray typed = cp1252::fromUnicode(b->text());
    const QByteArray right = m_item.answers.value(g - 1);
    // A one-gap item takes the line's alternatives whole; the two gaps of an item each take
    // their half of an alternative written "first/second".
    const quint16 result = gapCount() == 1 ? m_engine.svarstest(right, typed, 1)
                                           : m_engine.svarstestPart(right, typed, g, 1);
    const bool ok = result == Engine::kAnswerRight;
    QLabel* shown = shownAnswer(g);
    shown->setStyleSheet(look::colourStyle(ok ? look::kGreen : look::kMaroon));
    // An empty right answer (no word belongs in the gap) is shown as a dash.
    const QByteArray display = ok ? typed.trimmed() : right;
    shown->setText(display.isEmpty() ? QStringLiteral("\u2013") : text(display));
    if (b->hasFocus())
        setFocus();
    b->setEnabled(false);
    b->hide();
    layOutLines();
    return ok;
}

void TSkrivinf::Edit1KeyPress()
{
    if (!m_round.answerDue() || m_awaited != 1)
        return;
    if (mode() == SessionMode::Practice && gapCount() == 1)
        lampknapp->setEnabled(false);
    const bool ok = checkGap(1);
    const bool errorList = !catalogue::gapFirstAnswerKeepsErrorList(code());
    if (gapCount() == 1) {
        m_awaited = 0;
        LampShape->hide();
        if (!ok && showsProgressBoxes(mode()))
            setHelpEnabled(false);
        answerChecked(ok, errorList);
        return;
    }
    // The second gap decides the item; the first gap's result is kept until then.
    m_firstRight = ok;
    m_awaited = 2;
    Edit2->show();
    Edit2->setEnabled(true);
    Edit2->setFocus();
    placeLamp();
    colourLamp();
}

void TSkrivinf::Edit2KeyPress()
{
    if (!m_round.answerDue() || m_awaited != 2)
        return;
    if (colorsLamp(mode()))
        lampknapp->setEnabled(false);
    const bool ok = checkGap(2);
    m_awaited = 0;
    LampShape->hide();
    if (!ok && showsProgressBoxes(mode()))
        setHelpEnabled(false);
    // A wrong first gap has decided the item already; only where the first gap does not
    // count for the error list does a wrong first gap keep the item out of it.
    const bool errorList = m_firstRight || !catalogue::gapFirstAnswerKeepsErrorList(code());
    answerChecked(ok && m_firstRight, errorList);
}

// ---- Waits, pause, ending --------------------------------------------------------------------

void TSkrivinf::paused()
{
    lampknapp->setEnabled(false);
    LampShape->hide();
    for (AnswerBox* b : {Edit1, Edit2}) {
        if (b->hasFocus())
            setFocus();
        b->setEnabled(false);
    }
    bitbtn2->hide();
    ExerciseForm::paused();
}

void TSkrivinf::setHelpEnabled(bool on)
{
    regelknapp->setEnabled(on);
    const int h = static_cast<int>(m_item.help.size());
    const bool helpLeft = m_helpStep < h && m_awaited != 0;
    bitbtn2->setEnabled(on && helpLeft);
    if (on && helpLeft && mode() != SessionMode::DiagnosisTest && mode() != SessionMode::Worksheet)
        bitbtn2->show();
}

void TSkrivinf::roundComplete()
{
    InstruktionsLabel->hide(); // the ending picture takes its place
    lampknapp->setEnabled(false);
    bitbtn2->hide();
    regelknapp->setEnabled(false);
}

void TSkrivinf::newRoundControls(bool)
{
    if (mode() != SessionMode::Worksheet)
        InstruktionsLabel->show();
    const bool lamp = m_lampOffered && colorsLamp(mode());
    if (!lamp)
        m_lampOn = false;
    lampknapp->setVisible(lamp && !m_lampOn);
    lampknapp->setEnabled(true);
    LampShape->setVisible(lamp && m_lampOn);
}

void TSkrivinf::rensa()
{
    if (!m_lampOffered || !colorsLamp(mode()))
        return;
    lampknapp->setVisible(!m_lampOn);
    lampknapp->setEnabled(true);
    if (m_lampOn && m_awaited != 0) {
        placeLamp();
        LampShape->show();
        colourLamp();
    }
}

// ---- Help, rules and the lamp ----------------------------------------------------------------

void TSkrivinf::BitBtn2Click()
{
    const int h = static_cast<int>(m_item.help.size());
    if (m_helpStep >= h || m_awaited == 0)
        return;
    if (isDiagnosisPractice(mode()))
        addHelp();
    ++m_helpStep;
    if (m_helpStep == 1) {
        Label16->show();
        if (h == 1)
            bitbtn2->setEnabled(false);
    } else {
        Label17->show();
        bitbtn2->hide();
    }
    if (QWidget* b = answerFocus(); b && b->isVisible() && b->isEnabled())
        b->setFocus();
}

void TSkrivinf::RegelknappClick()
{
    showRulePage();
    if (QWidget* b = answerFocus(); b && b->isVisible() && b->isEnabled())
        b->setFocus();
}

void TSkrivinf::placeLamp()
{
    if (m_awaited == 0)
        return;
    const QRect r = box(m_awaited)->geometry();
    LampShape->move(r.right() + 1 + unit() / 2, r.y());
}

void TSkrivinf::colourLamp()
{
    if (m_awaited == 0 || !colorsLamp(mode()))
        return;
    // Only this gap's answer and its alternatives count: never the sentence or a help text.
    const int part = gapCount() == 1 ? 0 : m_awaited;
    LampShape->showGood(gap::rightBeginning(cp1252::fromUnicode(box(m_awaited)->text()),
                                            m_item.answers.value(m_awaited - 1), itemFields(),
                                            part));
}

void TSkrivinf::LampknappClick()
{
    lampknapp->hide();
    m_lampOn = true;
    placeLamp();
    LampShape->show();
    colourLamp();
    if (isDiagnosisPractice(mode()))
        addHelp();
    if (QWidget* b = answerFocus(); b && b->isVisible() && b->isEnabled())
        b->setFocus();
}

void TSkrivinf::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    if (m_lampOffered && colorsLamp(mode()))
        lampknapp->show();
}

void TSkrivinf::KollaEdit()
{
    if (LampShape->isVisible())
        colourLamp();
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TSkrivinf::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    const QByteArray indent = worksheet::kAnswerIndent;
    bool first = true;
    auto lead = [&] {
        const QByteArray l = first ? prefix : indent;
        first = false;
        return l;
    };
    // The prompt (never holding an answer) goes to both lists.
    if (!m_item.prompt.isEmpty()) {
        m_engine.dela_mening(20, 720, m_item.prompt, 2);
        for (int i = 1; i <= 2; ++i) {
            const QByteArray line = m_engine.sentenceLines[static_cast<size_t>(i)];
            if (!line.isEmpty())
                w.addToBoth(lead() + line);
        }
    }
    // The sentence, whole: the answer key keeps the marked answers, the pupil's list gets
    // a blank for each gap.
    m_engine.dela_mening(20, 720, m_item.sentence, 3);
    const std::array<QByteArray, 4> lines = m_engine.sentenceLines;
    int nextGap = 1;
    for (int i = 1; i <= 3; ++i) {
        const QByteArray& line = lines[static_cast<size_t>(i)];
        if (line.isEmpty())
            continue;
        const QByteArray l = lead();
        w.add(l + gap::blankedLine(line, nextGap), l + line);
        nextGap += gap::countMarks(line);
    }
}

} // namespace vindra
