#include "exerciseform.h"

#include "aster.h"
#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "formtimer.h"
#include "look.h"
#include "platform/screen.h"
#include "regel.h"
#include "stallinu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vindra {

namespace {
constexpr int kHeaderWidth = 300;
constexpr int kHeaderHeight = 80;
} // namespace

ExerciseForm::ExerciseForm(Engine& engine, const Services& services, QWidget* parent,
                           const ButtonBarNames& barNames)
    : QDialog(parent), m_engine(engine), m_services(services), m_round(engine)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kSilver);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    setFont(font(19, true));

    m_header = new HeaderBox(this);
    InstruktionsLabel = new QLabel(this);
    InstruktionsLabel->setObjectName(QStringLiteral("InstruktionsLabel"));
    InstruktionsLabel->setStyleSheet(look::colourStyle(look::kGreen));

    Aster1 = new TAster(screen().height(), this);
    m_diagCaption = new DiagnosisCaption(this);
    m_diagPanel = new DiagnosisPanel(this);
    BildPanelen = new EndingPanel(this);
    LovordPanel = new PraisePanel(this);

    Panel1 = new ButtonBar(barNames, this);
    for (QPushButton* b :
         {Panel1->correctErrors, Panel1->continueButton, Panel1->leave, Panel1->settings})
        b->setFont(font(19, true));
    connect(Panel1->correctErrors, &QPushButton::clicked, this, &ExerciseForm::Button1Click);
    connect(Panel1->continueButton, &QPushButton::clicked, this, &ExerciseForm::Button2Click);
    connect(Panel1->leave, &QPushButton::clicked, this, &ExerciseForm::Button3Click);
    connect(Panel1->settings, &QPushButton::clicked, this, &ExerciseForm::Button4Click);

    SkrivutOverskrift = new WorksheetHeading(this);
    SkrivutOverskrift->hide();
    SkrivutHelaPanelen = new WorksheetPanel(m_engine, m_services.utskrift, this);
    SkrivutHelaPanelen->hide();
    WorksheetHooks hooks;
    hooks.nextItem = [this] { NyPost(); };
    hooks.addItemLines = [this](const QByteArray& prefix, WorksheetSend how) {
        worksheetItemLines(prefix, how);
    };
    hooks.itemCount = [this] { return worksheetItemCount(); };
    hooks.closeForm = [this] { accept(); };
    hooks.startBlock = [this](WorksheetSend how) { worksheetStartBlock(how); };
    SkrivutHelaPanelen->setHooks(std::move(hooks));

    Timer1 = new FormTimer(
        QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
    Timer3 = new FormTimer(
        QStringLiteral("Timer3"), [this] { Timer3Timer(); }, this);
}

ExerciseForm::~ExerciseForm() = default;

QSize ExerciseForm::screen() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont ExerciseForm::font(int size, bool pixels, bool bold) const
{
    return look::arial(look::scaled(size, m_engine.screenScale), pixels, bold);
}

QString ExerciseForm::text(const QByteArray& cp1252)
{
    return cp1252::toUnicode(cp1252);
}

// ---- Creation and layout ---------------------------------------------------------------------

void ExerciseForm::FormCreate()
{
    Engine& e = m_engine;
    e.item.exerciseCode = exerciseCodeAtCreation();
    Inled();
    Panel1->setCaptions(swedishCaptions());

    m_round.start();
    if (const int length = roundLength(m_round.state().sessionLength);
        length != m_round.state().sessionLength)
        m_round.setLength(length);
    m_firstItem = true;
    m_diagPanel->hide();
    SkrivutOverskrift->RitaUtskriftOverskriftRuta(false);

    if (mode() == SessionMode::Worksheet) {
        SkrivutOverskrift->RitaUtskriftOverskriftRuta(true);
        SkrivutHelaPanelen->place(Panel1->geometry());
        SkrivutHelaPanelen->openForWorksheet();
        Panel1->hide();
        if (e.item.worksheetInstruction.isEmpty())
            e.item.worksheetInstruction = "Translate.";
        NyStartaAster(false);
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
    }

    InstruktionsLabel->setFont(font(19, true));
    InstruktionsLabel->setText(text(e.item.instructionLine));
    InstruktionsLabel->setWordWrap(false);
    InstruktionsLabel->adjustSize();
    const int instructionLine = InstruktionsLabel->height();
    // A long instruction is broken into lines left of the right-hand column (the progress
    // boxes, or the diagnosis panel and its caption), never run under it.
    const int column =
        isDiagnosisRound(mode()) ? std::min(m_diagPanel->x(), m_diagCaption->x()) : Aster1->x();
    const int room = column - unit() - m_header->x();
    if (InstruktionsLabel->width() > room && room > 0) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->resize(room, InstruktionsLabel->heightForWidth(room));
    }
    InstruktionsLabel->move(m_header->x(), m_header->geometry().bottom() + 1 + instructionLine / 2);
    placeQuestionArea();

    RitaOverskriften(e.item.headerLines[1], e.item.headerLines[2], e.item.headerLines[3]);
    m_header->setMode(mode());

    if (mode() == SessionMode::Practice) {
        NyStartaAster(true);
    } else if (isDiagnosisRound(mode())) {
        NyStartaAster(false);
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    if (mode() != SessionMode::Worksheet)
        SkrivutHelaPanelen->hide();
    // Buttons are placed in layout units and captioned in the scaled form font; where the two
    // disagree (a tall font on a wide screen) the caption's font is made to fit its button. The
    // worksheet panel's rows size their own captions.
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->testAttribute(Qt::WA_Resized) && // placed by the layout, not left at Qt's default
            !SkrivutHelaPanelen->isAncestorOf(b))
            look::fitFont(b, b->text(), b->size());
    NyPost();
}

quint16 ExerciseForm::exerciseCodeAtCreation() const
{
    return Engine::GeProgramtal(m_engine.item.currentFileName);
}

void ExerciseForm::Inled()
{
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    setGeometry(0, 0, W, H);

    const int scale = m_engine.screenScale;
    m_header->place(QPoint(u, u),
                    QSize(look::scaled(kHeaderWidth, scale), look::scaled(kHeaderHeight, scale)));

    const int asterHeight = H / 48 * 43;
    const int asterWidth = asterHeight / 10 - u / 5;
    Aster1->setGeometry(W - asterWidth - u / 2, u, asterWidth, asterHeight);

    const int barHeight = H / 48 * 4;
    Panel1->place(QRect(u, H - barHeight - u / 5, W / 64 * 58, barHeight));

    const int pictureTop = m_header->geometry().bottom() + 1 + 2;
    BildPanelen->setGeometry(u, pictureTop, Aster1->x() - 2 * u, Panel1->y() - pictureTop - 4);
    const int praiseHeight = H / 48 * 5;
    LovordPanel->setGeometry(u, (H - Panel1->height()) - praiseHeight - u / 5, BildPanelen->width(),
                             praiseHeight);
    BildPanelen->Image1->setGeometry(
        QRect(QPoint(0, 0), QSize(W / 64 * 58, H / 48 * 35).boundedTo(BildPanelen->size())));
    BildPanelen->setScreen(W, m_services.screen ? m_services.screen->pixelRatio() : 1.0);

    // The diagnosis panel stands where the progress boxes stand, as wide as its texts need.
    const int right = W - u / 2;
    m_diagCaption->place(right, u, std::max(asterWidth * 2, 9 * u), 3 * u);
    m_diagPanel->place(right, m_diagCaption->geometry().bottom() + 1 + u, m_diagCaption->width(),
                       u);

    // In worksheet mode the "Utskrifter" box stands where the instruction would.
    SkrivutOverskrift->setGeometry(m_header->x(), m_header->geometry().bottom() + 1 + u / 2, 14 * u,
                                   3 * u);
}

void ExerciseForm::RitaOverskriften(const QByteArray& line1, const QByteArray& line2,
                                    const QByteArray& line3)
{
    m_header->RitaOverskriften(line1, line2, line3, unit());
}

// ---- Items -----------------------------------------------------------------------------------

void ExerciseForm::stopWaits()
{
    Timer1->setInterval(0);
    Timer3->setInterval(0);
    Timer3->setEnabled(false);
}

void ExerciseForm::NyPost()
{
    if (!m_round.drawItem())
        return;
    stopWaits();
    Panel1->correctErrors->setEnabled(false);
    Panel1->hide();
    NollaLabeller();
    if (isDiagnosisRound(mode()))
        UppDateraDiagnosResultatet();
    showItem();
    if (isDiagnosisRound(mode()))
        UppDateraDiagnosResultatet();
    m_firstItem = false;
}

QByteArray ExerciseForm::rightAnswer() const
{
    return m_engine.item.fields[static_cast<size_t>(catalogue::answerField(code()))];
}

void ExerciseForm::setAnswerActive(bool on)
{
    QWidget* box = answerFocus();
    if (!box)
        return;
    if (!on && box->hasFocus())
        setFocus(); // Space during a wait must reach the form, not a button
    box->setEnabled(on);
    if (on) {
        box->show();
        box->setFocus();
    }
}

void ExerciseForm::answerChecked(bool right, bool changesErrorList)
{
    if (!m_round.answerDue())
        return;
    m_round.record(right, m_helpUsed != 0, changesErrorList);
    if (showsProgressBoxes(mode()) && hasProgressBoxes()) {
        Aster1->setRutNummer(
            Aster1->RutNummer() == Aster1->MaxAntalRutor() ? 0 : Aster1->RutNummer() + 1);
        if (!right)
            Aster1->setRatt(false);
        Aster1->setVisa(true);
        Aster1->show();
        Aster1->repaint();
    }
    if (isDiagnosisRound(mode()))
        UppDateraDiagnosResultatet();
    if (!right) {
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    }

    switch (m_round.advance()) {
    case RoundSession::Next::NextItem:
        NyPost();
        break;
    case RoundSession::Next::ShowAnswer:
        break;
    case RoundSession::Next::End:
        roundComplete();
        Timer1->setInterval(0);
        setAnswerActive(false);
        setHelpEnabled(false);
        Avslutning();
        break;
    case RoundSession::Next::ShowAnswerThenEnd:
        roundComplete();
        Timer1->setInterval(0);
        Timer3->setEnabled(true);
        Timer3->setInterval(100);
        break;
    }
}

// ---- Waits -----------------------------------------------------------------------------------

void ExerciseForm::Timer1Timer()
{
    if (m_round.tick() && !m_round.state().roundOver())
        rightAnswerShown();
}

void ExerciseForm::rightAnswerShown()
{
    NyPost();
}

void ExerciseForm::Timer3Timer()
{
    if (m_round.tick()) {
        Timer1->setEnabled(true);
        Timer1->setInterval(0);
        Panel1->show();
        Timer3->setInterval(0);
        Avslutning();
    }
}

void ExerciseForm::skipWait()
{
    m_round.skipWait();
}

// ---- Ending ----------------------------------------------------------------------------------

void ExerciseForm::Avslutning()
{
    if (showsEndingPicture())
        BildPanelen->showEnding(m_engine, unit());
    const RoundSession::Ending ending = m_round.end();
    if (ending.close) {
        accept();
        return;
    }
    if (ending.praise && praisesRound())
        LovordPanel->showPraise(m_engine, unit());
    Panel1->present(ending.offerCorrection);
}

// ---- Diagnosis panel and progress boxes ------------------------------------------------------

void ExerciseForm::UppDateraDiagnosResultatet()
{
    m_diagPanel->UppDateraDiagnosResultatet(m_round.state().itemCounter,
                                            m_round.state().rightCount);
}

void ExerciseForm::TestOverSkrift()
{
    m_diagCaption->TestOverSkrift(mode());
}

void ExerciseForm::NyStartaAster(bool show)
{
    if (!show || !hasProgressBoxes()) {
        // Without boxes the column is hidden, so that the diagnosis panel stands alone there.
        Aster1->setVisa(false);
        Aster1->hide();
        return;
    }
    m_diagPanel->hide();
    Aster1->show();
    Aster1->setRutNummer(0);
    Aster1->setMaxAntalRutor(m_round.state().sessionLength);
    Aster1->setStarta(true);
    Aster1->setVisa(true);
    Aster1->repaint();
}

// ---- The button bar --------------------------------------------------------------------------

void ExerciseForm::Button1Click()
{
    const bool practice = mode() == SessionMode::Practice;
    if (!m_round.correctErrors())
        return; // no correction round in this mode, or nothing to correct
    BildPanelen->hide();
    if (practice)
        LovordPanel->hide();
    NyStartaAster(true);
    newRoundControls(true);
    Panel1->hide();
    NyPost();
    setAnswerActive(true);
}

void ExerciseForm::Button2Click()
{
    Panel1->hide();
    if (m_round.continueRound(keepsRightCountOnContinue())) {
        BildPanelen->hide();
        if (mode() == SessionMode::Practice)
            LovordPanel->hide();
        newRoundControls(false);
        if (mode() != SessionMode::Practice) {
            NyStartaAster(false);
            TestOverSkrift();
        } else {
            NyStartaAster(true);
        }
        if (m_diagPanel->isVisible())
            NyStartaAster(false);
        NyPost();
    }
    setAnswerActive(true);
    rensa();
    setHelpEnabled(true);
}

bool ExerciseForm::keepsRightCountOnContinue() const
{
    return isDiagnosisRound(mode());
}

void ExerciseForm::Button3Click()
{
    m_round.leave();
    accept();
}

void ExerciseForm::Button4Click()
{
    if (mode() == SessionMode::Worksheet && !settingsInWorksheetMode())
        return;
    TStallin dialog(m_engine, m_services, this);
    dialog.exec();
    if (m_round.state().roundOver())
        return; // the round has ended: nothing is asked until the pupil goes on
    setAnswerActive(true);
    Panel1->hide();
}

void ExerciseForm::showRulePage()
{
    if (const int number = catalogue::ruleNumberOf(code())) {
        TRegelform viewer(m_engine, m_services, number, this);
        viewer.exec();
    }
}

// ---- Keys ------------------------------------------------------------------------------------

void ExerciseForm::pause()
{
    if (m_round.state().roundOver())
        return;
    paused();
}

void ExerciseForm::paused()
{
    Panel1->present(m_round.correctionOffered());
}

void ExerciseForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && (Timer1->interval() != 0 || Timer3->interval() != 0)) {
        skipWait();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExerciseForm::reject()
{
    // Esc is the leave button's key while the button bar is shown; otherwise it pauses.
    if (Panel1->isVisible() && Panel1->leave->isEnabled()) {
        Panel1->leave->click();
        return;
    }
    QWidget* box = answerFocus();
    if (box && box->isVisible() && box->isEnabled())
        pause();
}

// ---- Worksheet mode --------------------------------------------------------------------------

void ExerciseForm::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    const ItemState& item = m_engine.item;
    m_engine.worksheet.addWrittenItem(prefix, item.fields[1],
                                      worksheet::UtSkriftSvar(item.fields[2], item.fields,
                                                              item.alternativesCount,
                                                              item.fieldCount));
}

int ExerciseForm::worksheetItemCount() const
{
    const CacheSlot* slot = m_engine.currentCacheSlot();
    return slot ? slot->itemCount : 0;
}

void ExerciseForm::worksheetStartBlock(WorksheetSend)
{
    m_engine.worksheet.startBlock(m_engine.item.headerLines, m_engine.item.worksheetInstruction);
}

} // namespace vindra
