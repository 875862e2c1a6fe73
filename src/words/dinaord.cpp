#include "dinaord.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/worksheet.h"
#include "framework/formtimer.h"
#include "framework/look.h"
#include "games/rekordu.h"
#include "platform/clock.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <cmath>

namespace vindra {

namespace {

QLabel* makeLabel(const QString& name, QWidget* parent, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame* makePanel(const QString& name, const QColor& colour, QWidget* parent)
{
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, colour);
    p->setPalette(pal);
    return p;
}

ButtonBarNames barNames()
{
    // The bar's third place is the form's leave button and its fourth the table button; they
    // are shown in the order correct errors, continue, table, leave.
    ButtonBarNames names;
    names.buttons = {QStringLiteral("Button1"), QStringLiteral("Button2"),
                     QStringLiteral("Button4"), QStringLiteral("Button3")};
    names.captions = {QStringLiteral("Correct &errors"), QStringLiteral("&Continue"),
                      QStringLiteral("&Leave"), QStringLiteral("&Table")};
    return names;
}

/// A worksheet block's title before the list's name: "Ordförrådet ---" in cp1252.
constexpr char kBlockTitle[] = "Ordf\xF6rr\xE5"
                               "det ---";

/// The list of "Find the opposite" keeps its instruction to itself: each word is its own
/// question.
constexpr char kOppositeList[] = "Find the opposite";

} // namespace

TDinaOrd::TDinaOrd(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent, barNames()),
      m_kind(wordlist::kindOfCode(engine.item.exerciseCode)),
      m_menuCode(m_kind == wordlist::Kind::Special ? wordlist::kSpecialCode
                                                   : wordlist::kGeneralCode),
      m_list(engine)
{
    setObjectName(QStringLiteral("DinaOrd"));
    m_round.setItemSource(&m_list);
    timer3()->setObjectName(QStringLiteral("Timer2"));

    // Nothing of the exercise opened before is shown: the header is the form's own, and the
    // instruction is the chosen list's.
    ItemState& item = engine.item;
    item.headerLines = {QByteArray(), "Vocabulary", wordlist::headerLine2(m_kind), QByteArray()};
    item.instructionLine.clear();
    item.worksheetInstruction.clear();

    disconnect(Panel1->settings, &QPushButton::clicked, this, nullptr);
    connect(Panel1->settings, &QPushButton::clicked, this, &TDinaOrd::Button3Click);
    setTabOrder(Panel1->continueButton, Panel1->settings);
    setTabOrder(Panel1->settings, Panel1->leave);

    FilPanel = makeLabel(QStringLiteral("FilPanel"), this);
    FilPanel->setAlignment(Qt::AlignCenter);

    ValPanel = makePanel(QStringLiteral("ValPanel"), look::kNavy, this);
    makeLabel(QStringLiteral("ValRubrik"), ValPanel, QStringLiteral("Pick a file"))
        ->setStyleSheet(look::colourStyle(look::kYellow));
    ListBox1 = new QListWidget(ValPanel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Pick a file"));
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDinaOrd::Filvald);

    NamnPanel = makePanel(QStringLiteral("NamnPanel"), look::kNavy, this);
    makeLabel(QStringLiteral("NamnRubrik"), NamnPanel, QStringLiteral("Type your name."))
        ->setStyleSheet(look::colourStyle(look::kYellow));
    Edit2 = new AnswerBox(QStringLiteral("Edit2"), NamnPanel);
    Edit2->setAccessibleName(QStringLiteral("Type your name."));
    Edit2->setMaxLength(Engine::kPlayerNameLength);
    makeLabel(QStringLiteral("NamnEnter"), NamnPanel, QStringLiteral("Press Enter"))
        ->setStyleSheet(look::colourStyle(look::kYellow));
    connect(Edit2, &AnswerBox::answered, this, &TDinaOrd::Edit2KeyPress);
    connect(Edit2, &AnswerBox::pauseRequested, this, [this] { showScreen(Screen::Picker); });
    NamnPanel->hide();

    FrageLabel1 = look::colouredLabel(QStringLiteral("FrageLabel1"), look::kNavy, this);
    FrageLabel2 = look::colouredLabel(QStringLiteral("FrageLabel2"), look::kNavy, this);
    Edit1 = new AnswerBox(QStringLiteral("Edit1"), this);
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setMaxLength(catalogue::limits::kAnswerBoxLength);
    connect(Edit1, &AnswerBox::answered, this, &TDinaOrd::Edit1KeyPress);
    connect(Edit1, &AnswerBox::pauseRequested, this, &TDinaOrd::pause);
    connect(Edit1, &QLineEdit::textChanged, this, &TDinaOrd::Edit1Change);
    SvarsLabel = look::colouredLabel(QStringLiteral("SvarsLabel"), look::kMaroon, this);
    for (QWidget* w : {static_cast<QWidget*>(FrageLabel1), static_cast<QWidget*>(FrageLabel2),
                       static_cast<QWidget*>(Edit1), static_cast<QWidget*>(SvarsLabel)})
        w->hide();

    DiagPanel1 = makePanel(QStringLiteral("DiagPanel1"), look::kNavy, this);
    makeLabel(QStringLiteral("FragaLabel"), DiagPanel1, QStringLiteral("Question"));
    FragaNummer = makeLabel(QStringLiteral("FragaNummer"), DiagPanel1);
    makeLabel(QStringLiteral("PoangLabel"), DiagPanel1, QStringLiteral(" Score "));
    PoangNummer = makeLabel(QStringLiteral("PoangNummer"), DiagPanel1);
    FelPanel = makePanel(QStringLiteral("FelPanel"), look::kMaroon, this);
    makeLabel(QStringLiteral("FelLabel1"), FelPanel, QStringLiteral("Resting"));
    makeLabel(QStringLiteral("FelLabel2"), FelPanel, QStringLiteral("mistakes:"));
    FelAntal = makeLabel(QStringLiteral("FelAntal"), FelPanel);
    for (QFrame* panel : {DiagPanel1, FelPanel}) {
        for (QLabel* l : panel->findChildren<QLabel*>()) {
            l->setStyleSheet(look::colourStyle(look::kYellow));
            l->setAlignment(Qt::AlignCenter);
        }
        panel->hide();
    }

    lampknapp = new QPushButton(QStringLiteral("?"), this);
    lampknapp->setObjectName(QStringLiteral("lampknapp"));
    lampknapp->setToolTip(QStringLiteral("Show if letter is wrong"));
    lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong"));
    lampknapp->hide();
    connect(lampknapp, &QPushButton::clicked, this, &TDinaOrd::LampknappClick);
    LampShape =
        new Lamp(QStringLiteral("LampShape"), QStringLiteral("Click here for disappearing"), this);
    LampShape->hide();
    connect(LampShape, &Lamp::pressed, this, &TDinaOrd::LampKnappMouseDown);

    // The picker: the kind's lists by their long names.
    const Directories& d = engine.dirs;
    m_files = wordlist::listFiles(Engine::localPath(d.hardDisk, "\\DATA"),
                                  Engine::localPath(d.cd, "\\DATA"), m_kind);
    for (const QByteArray& file : m_files)
        ListBox1->addItem(text(wordlist::longName(wordlist::shortName(file))));
    ListBox1->setCurrentRow(ListBox1->count() > 0 ? 0 : -1);
}

QPushButton* TDinaOrd::tableButton() const
{
    return Panel1->settings;
}

QByteArray TDinaOrd::rightAnswer() const
{
    return m_engine.item.fields[2];
}

QWidget* TDinaOrd::answerFocus() const
{
    return m_screen == Screen::Session ? Edit1 : nullptr;
}

bool TDinaOrd::isOppositeList() const
{
    return m_listName == kOppositeList;
}

// ---- Layout ----------------------------------------------------------------------------------

void TDinaOrd::Inled()
{
    ExerciseForm::Inled();
    const int W = screen().width();
    const int u = unit();
    const QRect head = header().geometry();
    const QFont panelFont = font(19, true);

    // The table button before the leave button.
    const QRect third = Panel1->leave->geometry();
    Panel1->leave->setGeometry(Panel1->settings->geometry());
    Panel1->settings->setGeometry(third);

    // The result and mistakes panels stand in the right-hand column.
    const QFontMetrics metrics(panelFont);
    const int columnWidth =
        std::max({11 * u, W / 7, metrics.horizontalAdvance(QStringLiteral("Question")) + u});
    const int lineHeight = metrics.height() + u / 2;
    for (QFrame* panel : {DiagPanel1, FelPanel}) {
        panel->setFont(panelFont);
        panel->setGeometry(W - columnWidth - u / 2, u, columnWidth, 4 * lineHeight + u);
        int y = u / 2;
        for (QLabel* l : panel->findChildren<QLabel*>()) {
            l->setFont(panelFont);
            l->setGeometry(u / 4, y, columnWidth - u / 2, lineHeight);
            y += lineHeight;
        }
    }

    const int filLeft = head.right() + 1 + 2 * u;
    FilPanel->setGeometry(filLeft, head.y(), DiagPanel1->x() - u - filLeft, head.height());
    FilPanel->setStyleSheet(
        QStringLiteral("color: white; background: %1;")
            .arg((mode() == SessionMode::Worksheet ? look::kMaroon : look::kNavy).name()));

    // The picker and the name box below the header, left of the column.
    const int top = head.bottom() + 1 + 4 * u;
    const int bottom = Panel1->y() - u;
    // As wide as the longest name needs, within the room left of the column.
    int widest = metrics.horizontalAdvance(QStringLiteral("Pick a file"));
    for (int i = 0; i < ListBox1->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(ListBox1->item(i)->text()));
    const int scrollBar = ListBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width =
        std::min(DiagPanel1->x() - 2 * u - head.x(), std::max(widest + scrollBar + 3 * u, 24 * u));
    ValPanel->setGeometry(head.x(), top, width, bottom - top);
    auto* pickHeading = ValPanel->findChild<QLabel*>(QStringLiteral("ValRubrik"));
    pickHeading->setFont(panelFont);
    pickHeading->setGeometry(u, u / 2, width - 2 * u, lineHeight);
    ListBox1->setFont(panelFont);
    ListBox1->setGeometry(u, pickHeading->geometry().bottom() + 1 + u / 2, width - 2 * u,
                          ValPanel->height() - pickHeading->geometry().bottom() - 1 - 3 * u / 2);

    NamnPanel->setGeometry(head.x(), top, width, std::min(4 * lineHeight + 2 * u, bottom - top));
    int y = u;
    for (QWidget* w :
         {static_cast<QWidget*>(NamnPanel->findChild<QLabel*>(QStringLiteral("NamnRubrik"))),
          static_cast<QWidget*>(Edit2),
          static_cast<QWidget*>(NamnPanel->findChild<QLabel*>(QStringLiteral("NamnEnter")))}) {
        w->setFont(panelFont);
        const int h = w == Edit2 ? Edit2->sizeHint().height() : lineHeight;
        w->setGeometry(u, y, width - 2 * u, h);
        y += h + u / 2;
    }
}

void TDinaOrd::placeQuestionArea()
{
    for (QLabel* l : {FrageLabel1, FrageLabel2}) {
        l->setFont(font(22, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    SvarsLabel->setFont(font(19, true));
    SvarsLabel->setText(QStringLiteral("Xg"));
    SvarsLabel->adjustSize();
    SvarsLabel->clear();
    Edit1->setFont(font(19, true));
    lampknapp->setFont(font(19, true));
    placeItemArea(header().geometry().bottom() + 1 + 4 * unit());

    InstruktionsLabel->hide();
    tableButton()->setEnabled(false);
    if (mode() == SessionMode::Worksheet)
        SkrivutHelaPanelen->hide(); // shown when a list is chosen
}

void TDinaOrd::placeItemArea(int top)
{
    const int u = unit();
    const int left = InstruktionsLabel->x();
    FrageLabel1->move(left, top);
    FrageLabel2->move(left, FrageLabel1->y() + FrageLabel1->height() * 5 / 4);
    Edit1->setGeometry(left, FrageLabel2->y() + FrageLabel2->height() * 3 / 2, 24 * u,
                       Edit1->sizeHint().height());
    SvarsLabel->move(left, Edit1->geometry().bottom() + 1 + u);
    lampknapp->setGeometry(Edit1->geometry().right() + u, Edit1->y(), Edit1->height(),
                           Edit1->height());
    LampShape->setGeometry(lampknapp->geometry().right() + u, Edit1->y(), Edit1->height(),
                           Edit1->height());
}

void TDinaOrd::placeInstruction()
{
    const int u = unit();
    InstruktionsLabel->setWordWrap(false);
    InstruktionsLabel->setText(text(m_engine.item.instructionLine));
    InstruktionsLabel->adjustSize();
    const int room = DiagPanel1->x() - u - InstruktionsLabel->x();
    if (InstruktionsLabel->width() > room && room > 0) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->resize(room, InstruktionsLabel->heightForWidth(room));
    }
    // The question stands below the instruction, however many lines it takes.
    const int below =
        InstruktionsLabel->text().isEmpty() ? 0 : InstruktionsLabel->geometry().bottom() + 1 + u;
    placeItemArea(std::max(header().geometry().bottom() + 1 + 4 * u, below));
}

void TDinaOrd::showEvent(QShowEvent* event)
{
    ExerciseForm::showEvent(event);
    if (m_screen == Screen::Picker && !ValPanel->isHidden())
        ListBox1->setFocus();
}

// ---- Screens ---------------------------------------------------------------------------------

void TDinaOrd::showScreen(Screen screen)
{
    m_screen = screen;
    ValPanel->setVisible(screen == Screen::Picker);
    NamnPanel->setVisible(screen == Screen::NameBox);
    if (screen == Screen::Picker) {
        InstruktionsLabel->hide();
        FilPanel->clear();
        ListBox1->setFocus();
    } else if (screen == Screen::NameBox) {
        Edit2->setText(text(m_engine.playerNames[0]));
        Edit2->selectAll();
        Edit2->setFocus();
    }
}

void TDinaOrd::Filvald()
{
    const int row = ListBox1->currentRow();
    if (m_screen != Screen::Picker || ValPanel->isHidden() || row < 0 || row >= m_files.size())
        return;
    m_engine.item.exerciseCode = wordlist::kListCode;
    // A list that cannot be read leaves the pupil in the picker.
    if (!m_list.choose(m_kind, m_files[row]))
        return;
    m_listName =
        wordlist::longName(wordlist::shortName(m_files[row])).left(wordlist::kListNameWidth);
    TestOverSkrift();
    ValPanel->hide();
    placeInstruction();

    if (mode() == SessionMode::Worksheet) {
        m_round.setLength(m_list.itemCount());
        lampknapp->hide();
        SkrivutHelaPanelen->show();
        SkrivutHelaPanelen->raise();
        NyPost();
        return;
    }
    showScreen(Screen::NameBox);
}

void TDinaOrd::Edit2KeyPress()
{
    const QByteArray name =
        cp1252::fromUnicode(Edit2->text().trimmed()).left(Engine::kPlayerNameLength);
    if (name.isEmpty())
        return; // an empty name would end the high-score list it is saved into
    m_engine.playerNames[0] = name;
    showScreen(Screen::Session);
    m_score = 0;
    NyPost();
    showLampState();
}

// ---- Items -----------------------------------------------------------------------------------

void TDinaOrd::NollaLabeller()
{
    FrageLabel1->clear();
    FrageLabel2->clear();
    SvarsLabel->clear();
    SvarsLabel->hide();
    Edit1->clear();
}

void TDinaOrd::showItem()
{
    const ItemState& item = m_engine.item;
    if (m_round.state().correctionRound)
        UppDateraFelKvarRutan(m_list.errorCount());
    else if (mode() != SessionMode::Worksheet)
        UppDateraResultatet();

    // The question is split for the labels' font: the engine measures a word list's lines in
    // its 14-point font, so the room is given in that font's terms.
    const int left = FrageLabel1->x();
    const int right = std::min(screen().width() - 3 * left, DiagPanel1->x() - unit());
    const double labelPoints = 22.0 * std::max(1, m_engine.screenScale) / 100.0;
    const int room = static_cast<int>((right - left) * 14.0 / labelPoints);
    m_engine.dela_mening(left, left + room, item.fields[1], 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    FrageLabel1->setText(text(second.isEmpty() ? QByteArray() : first));
    FrageLabel2->setText(text(second.isEmpty() ? first : second));
    FrageLabel1->setVisible(!second.isEmpty());
    FrageLabel2->show();
    for (QLabel* l : {FrageLabel1, FrageLabel2})
        l->adjustSize();
    SvarsLabel->setText(text(rightAnswer()));
    SvarsLabel->adjustSize();

    if (mode() == SessionMode::Worksheet) {
        SvarsLabel->show();
        Edit1->hide();
        return;
    }
    m_shownAt = m_engine.clock().now();
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
    InstruktionsLabel->setVisible(!isOppositeList());
}

void TDinaOrd::UppDateraResultatet()
{
    FelPanel->hide();
    DiagPanel1->show();
    const SessionState& s = m_round.state();
    FragaNummer->setText(QString::number(std::min(s.itemCounter, s.savedSessionLength)) +
                         QLatin1Char('/') + QString::number(s.savedSessionLength));
    // Rounded to the nearest whole number, a half to the even neighbour.
    PoangNummer->setText(QString::number(static_cast<long long>(std::nearbyint(m_score))));
    TestOverSkrift();
}

void TDinaOrd::UppDateraFelKvarRutan(int left)
{
    DiagPanel1->hide();
    FelPanel->show();
    FelAntal->setText(QString::number(left));
}

void TDinaOrd::TestOverSkrift()
{
    FilPanel->setFont(font(22, true));
    FilPanel->setText(text(wordlist::panelText(m_listName)));
    look::fitFont(FilPanel, FilPanel->text(), FilPanel->size() - QSize(unit(), 0));
}

// ---- The answer ------------------------------------------------------------------------------

void TDinaOrd::Edit1KeyPress()
{
    if (!m_round.answerDue())
        return;
    setAnswerActive(false);
    const bool right = m_engine.svarstest(rightAnswer(), cp1252::fromUnicode(Edit1->text()), 1) ==
                       Engine::kAnswerRight;
    const bool correction = m_round.state().correctionRound;
    if (right && !correction && mode() == SessionMode::Practice) {
        const qint64 ms = std::max<qint64>(0, m_shownAt.msecsTo(m_engine.clock().now()));
        m_score += wordlist::answerScore(static_cast<int>(rightAnswer().size()),
                                         static_cast<int>(std::min<qint64>(ms / 10, 1 << 30)),
                                         !LampShape->isHidden());
    }
    if (!right)
        SvarsLabel->show();
    if (correction)
        UppDateraFelKvarRutan(std::max(0, m_list.errorCount() - (right ? 1 : 0)));
    else
        UppDateraResultatet();
    answerChecked(right);
}

void TDinaOrd::roundComplete()
{
    lampknapp->setEnabled(false);
    InstruktionsLabel->hide();
    // Only an ordinary round has a score to enter; a correction round scores nothing.
    if (mode() == SessionMode::Practice && !m_round.state().correctionRound)
        tableButton()->setEnabled(true);
}

void TDinaOrd::newRoundControls(bool correction)
{
    m_score = 0;
    tableButton()->setEnabled(false);
    showLampState();
    if (correction)
        UppDateraFelKvarRutan(m_list.errorCount());
    else
        UppDateraResultatet();
}

void TDinaOrd::paused()
{
    lampknapp->setEnabled(false);
    Edit1->setEnabled(false);
    timer1()->setInterval(0);
    ExerciseForm::paused();
}

void TDinaOrd::rensa()
{
    lampknapp->setEnabled(true);
    showLampState();
}

// ---- High-score list -------------------------------------------------------------------------

void TDinaOrd::Button3Click()
{
    if (!tableButton()->isEnabled())
        return;
    tableButton()->setEnabled(false);
    HighScoreState& hs = m_engine.highScore;
    hs.entry.name = m_engine.playerNames[0];
    hs.entry.score = highscore::clampScore(std::nearbyint(m_score));
    hs.path = m_engine.scoreListPath(wordlist::scoreFileName(m_kind, m_list.fileName()));
    hs.listTitle = m_listName;
    m_engine.item.exerciseCode = wordlist::kListCode;
    TRekord list(m_engine, m_services, this);
    list.FormCreate();
    list.exec();
    BildPanelen->show();
    Panel1->continueButton->setFocus();
}

// ---- The lamp --------------------------------------------------------------------------------

void TDinaOrd::showLampState()
{
    if (mode() == SessionMode::Worksheet || m_screen != Screen::Session) {
        lampknapp->hide();
        LampShape->hide();
        return;
    }
    lampknapp->setVisible(!m_lampOn);
    LampShape->setVisible(m_lampOn);
    if (m_lampOn)
        colourLamp();
}

void TDinaOrd::colourLamp()
{
    LampShape->showGood(
        m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), rightAnswer(), 1) == 1);
}

void TDinaOrd::LampknappClick()
{
    m_lampOn = true;
    showLampState();
    if (Edit1->isEnabled())
        Edit1->setFocus();
}

void TDinaOrd::LampKnappMouseDown()
{
    m_lampOn = false;
    showLampState();
}

void TDinaOrd::Edit1Change()
{
    if (!LampShape->isHidden())
        colourLamp();
}

// ---- Keys ------------------------------------------------------------------------------------

bool TDinaOrd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Filvald();
            return true;
        case Qt::Key_Escape:
            done(QDialog::Rejected);
            return true;
        case Qt::Key_Up:
            ListBox1->setCurrentRow(std::max(0, ListBox1->currentRow() - 1));
            return true;
        case Qt::Key_Down:
            ListBox1->setCurrentRow(std::min(ListBox1->count() - 1, ListBox1->currentRow() + 1));
            return true;
        default:
            break;
        }
    }
    return ExerciseForm::eventFilter(watched, event);
}

void TDinaOrd::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        SkrivutHelaPanelen->isVisible() && SkrivutHelaPanelen->handleKey(event->key()))
        return;
    ExerciseForm::keyPressEvent(event);
}

void TDinaOrd::reject()
{
    switch (m_screen) {
    case Screen::Picker:
        done(QDialog::Rejected);
        return;
    case Screen::NameBox:
        showScreen(Screen::Picker);
        return;
    case Screen::Session:
        ExerciseForm::reject();
        return;
    }
}

// ---- Worksheet mode --------------------------------------------------------------------------

void TDinaOrd::worksheetStartBlock(WorksheetSend)
{
    Worksheet& w = m_engine.worksheet;
    ++w.blockNumber;
    const QByteArray blockTitle = kBlockTitle + m_listName;
    w.blockTitle = blockTitle.left(worksheet::kTitleWidth);
    const QByteArray title = QByteArray::number(w.blockNumber) + ".  " + w.blockTitle;
    w.add(title, title + ". Facit.");
    w.addToBoth("     \xD6vers\xE4tt f\xF6ljande ord:");
    w.newBlock = false;
}

void TDinaOrd::worksheetItemLines(const QByteArray& prefix, WorksheetSend how)
{
    const ItemState& item = m_engine.item;
    Worksheet& w = m_engine.worksheet;
    m_engine.dela_mening(20, 720, item.fields[1], 2);
    w.addToBoth(prefix + m_engine.sentenceLines[1]);
    if (!m_engine.sentenceLines[2].isEmpty())
        w.addToBoth(QByteArray(6, ' ') + m_engine.sentenceLines[2]);
    const int underscores = how == WorksheetSend::Counted ? 36 : 37;
    w.add(QByteArray(7, ' ') + QByteArray(underscores, '_'),
          QByteArray(7, ' ') + worksheet::UtSkriftSvar(item.fields[2], item.fields,
                                                       item.alternativesCount, item.fieldCount));
}

} // namespace vindra
