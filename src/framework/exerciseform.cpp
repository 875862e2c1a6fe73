#include "exerciseform.h"

#include "aster.h"
#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "formtimer.h"
#include "framework/skrivut.h"
#include "engine/worksheet.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "shell/regel.h"
#include "shell/stallinu.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace vindra {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);

constexpr int kHeaderWidth = 300;
constexpr int kHeaderHeight = 80;

QString colourStyle(const QColor& c)
{
    return QStringLiteral("color: %1; background: transparent;").arg(c.name());
}

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

// ---- RoundedBox ------------------------------------------------------------------------------

RoundedBox::RoundedBox(const QString& name, const QColor& fill, int radius, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_radius(radius)
{
    setObjectName(name);
}

void RoundedBox::setFill(const QColor& c)
{
    m_fill = c;
    update();
}

void RoundedBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(m_fill);
    p.drawRoundedRect(rect(), m_radius, m_radius);
}

void RoundedBox::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed();
    QWidget::mousePressEvent(event);
}

// ---- ExerciseForm: building ------------------------------------------------------------------

ExerciseForm::ExerciseForm(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
}

ExerciseForm::~ExerciseForm() = default;

QSize ExerciseForm::screen() const
{
    return m_services.screen ? m_services.screen->size() : QSize(1024, 768);
}

QFont ExerciseForm::font(int size, bool pixels, bool bold) const
{
    return toQFont(FontSpec{QStringLiteral("Arial"), size * m_engine.screenScale / 100, pixels, bold});
}

QString ExerciseForm::text(const QByteArray& cp1252) const
{
    return cp1252::toUnicode(cp1252);
}

void ExerciseForm::buildControls()
{
    setFont(font(19, true));

    OverskriftYtterShape = new RoundedBox(QStringLiteral("OverskriftYtterShape"), kYellow, 12, this);
    OverskriftInnerShape = new RoundedBox(QStringLiteral("OverskriftInnerShape"), kNavy, 10, this);
    Overs1Label = makeLabel(QStringLiteral("Overs1Label"), this);
    Overs2Label = makeLabel(QStringLiteral("Overs2Label"), this);
    Overs3Label = makeLabel(QStringLiteral("Overs3Label"), this);
    for (QLabel* l : {Overs1Label, Overs2Label, Overs3Label}) {
        l->setStyleSheet(colourStyle(kYellow));
        l->setAlignment(Qt::AlignCenter);
    }

    InstruktionsLabel = makeLabel(QStringLiteral("InstruktionsLabel"), this);
    InstruktionsLabel->setStyleSheet(colourStyle(kGreen));
    FrageLabel1 = makeLabel(QStringLiteral("FrageLabel1"), this);
    FrageLabel2 = makeLabel(QStringLiteral("FrageLabel2"), this);
    for (QLabel* l : {FrageLabel1, FrageLabel2})
        l->setStyleSheet(colourStyle(kNavy));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Answer"));
    Edit1->setStyleSheet(QStringLiteral("background: white; color: navy;"));
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &ExerciseForm::Edit1Change);

    Label4 = makeLabel(QStringLiteral("Label4"), this);
    Label5 = makeLabel(QStringLiteral("Label5"), this);
    Label5->setStyleSheet(colourStyle(kMaroon));
    Label6 = makeLabel(QStringLiteral("Label6"), this);
    Label7 = makeLabel(QStringLiteral("Label7"), this);
    for (QLabel* l : {Label4, Label5, Label6, Label7})
        l->hide();

    Aster1 = new TAster(screen().height(), this);

    DiagPanel1 = new QFrame(this);
    DiagPanel1->setObjectName(QStringLiteral("DiagPanel1"));
    DiagPanel2 = new RoundedBox(QStringLiteral("DiagPanel2"), kYellow, 10, this);
    DiagLabel1 = makeLabel(QStringLiteral("DiagLabel1"), DiagPanel2);
    DiagLabel1->setStyleSheet(colourStyle(kGreen));
    DiagLabel1->setAlignment(Qt::AlignCenter);
    DiagShape2 = new RoundedBox(QStringLiteral("DiagShape2"), kGreen, 10, DiagPanel1);
    DiagLabel2 = makeLabel(QStringLiteral("DiagLabel2"), DiagShape2);
    DiagLabel2->setText(QStringLiteral("Question"));
    DiagLabel3 = makeLabel(QStringLiteral("DiagLabel3"), DiagShape2);
    DiagShape4 = new RoundedBox(QStringLiteral("DiagShape4"), kGreen, 10, DiagPanel1);
    DiagLabel4 = makeLabel(QStringLiteral("DiagLabel4"), DiagShape4);
    DiagLabel4->setText(QStringLiteral("Correct"));
    DiagLabel5 = makeLabel(QStringLiteral("DiagLabel5"), DiagShape4);
    for (QLabel* l : {DiagLabel2, DiagLabel3, DiagLabel4, DiagLabel5}) {
        l->setStyleSheet(colourStyle(kYellow));
        l->setAlignment(Qt::AlignCenter);
    }
    DiagPanel1->hide();
    DiagPanel2->hide();

    BildPanelen = new QFrame(this);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    Image1 = makeLabel(QStringLiteral("Image1"), BildPanelen);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BildTextPanel = new QFrame(BildPanelen);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildTextPanel->setStyleSheet(QStringLiteral("#BildTextPanel { background: navy; }"));
    BildLabel = makeLabel(QStringLiteral("BildLabel"), BildTextPanel);
    BildLabel->setStyleSheet(colourStyle(Qt::white));
    BildPanelen->hide();

    LovordPanel = new QFrame(this);
    LovordPanel->setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = new RoundedBox(QStringLiteral("LovordYttershape"), QColor(0, 0, 255), 14, LovordPanel);
    lovordinnershape = new RoundedBox(QStringLiteral("lovordinnershape"), kYellow, 12, LovordPanel);
    LovordLabel1 = makeLabel(QStringLiteral("LovordLabel1"), lovordinnershape);
    LovordLabel1->setStyleSheet(colourStyle(kNavy));
    LovordPanel->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: navy; }"));
    auto makeButton = [this](const QString& name, QWidget* parent) {
        auto* b = new QPushButton(parent);
        b->setObjectName(name);
        b->setFont(font(19, true));
        return b;
    };
    Button1 = makeButton(QStringLiteral("Button1"), Panel1);
    Button2 = makeButton(QStringLiteral("Button2"), Panel1);
    Button3 = makeButton(QStringLiteral("Button3"), Panel1);
    Button4 = makeButton(QStringLiteral("Button4"), Panel1);
    connect(Button1, &QPushButton::clicked, this, &ExerciseForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &ExerciseForm::Button4Click);
    Panel1->hide();

    BitBtn2 = makeButton(QStringLiteral("BitBtn2"), this);
    BitBtn2->setText(QStringLiteral("&Rules"));
    BitBtn3 = makeButton(QStringLiteral("BitBtn3"), this);
    BitBtn3->setText(QStringLiteral("&More help"));
    connect(BitBtn2, &QPushButton::clicked, this, &ExerciseForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &ExerciseForm::BitBtn3Click);
    BitBtn2->hide();
    BitBtn3->hide();

    lampknapp = makeButton(QStringLiteral("lampknapp"), this);
    lampknapp->setToolTip(QStringLiteral("Show if letter is wrong"));
    lampknapp->setAccessibleName(QStringLiteral("Show if letter is wrong"));
    lampknapp->setText(QStringLiteral("?"));
    connect(lampknapp, &QPushButton::clicked, this, &ExerciseForm::LampknappClick);
    lampknapp->hide();
    LampShape = new RoundedBox(QStringLiteral("LampShape"), kLime, 100, this);
    LampShape->setToolTip(QStringLiteral("Click here for disappearing"));
    LampShape->setAccessibleName(QStringLiteral("Lamp"));
    connect(LampShape, &RoundedBox::pressed, this, &ExerciseForm::LampShapeMouseDown);
    LampShape->hide();

    SkrivutOverskrift = new WorksheetHeading(this);
    SkrivutOverskrift->hide();
    SkrivutHelaPanelen = new WorksheetPanel(m_engine, m_services.utskrift, this);
    SkrivutHelaPanelen->hide();
    WorksheetHooks hooks;
    hooks.nextItem = [this] { NyPost(); };
    hooks.addItemLines = [this](const QByteArray& prefix, WorksheetSend how) {
        worksheetItemLines(prefix, how);
    };
    hooks.itemCount = [this] {
        const int slot = m_engine.item.cacheSlot;
        return slot >= 1 && slot <= Engine::kCacheSlots
                   ? m_engine.cache[static_cast<size_t>(slot)].itemCount
                   : 0;
    };
    hooks.closeForm = [this] { accept(); };
    SkrivutHelaPanelen->setHooks(std::move(hooks));

    Timer1 = new FormTimer(QStringLiteral("Timer1"), [this] { Timer1Timer(); }, this);
    Timer3 = new FormTimer(QStringLiteral("Timer3"), [this] { Timer3Timer(); }, this);
}

// ---- Creation and layout ---------------------------------------------------------------------

void ExerciseForm::FormCreate()
{
    Engine& e = m_engine;
    auto& s = e.session;

    e.item.exerciseCode = Engine::GeProgramtal(e.item.currentFileName);
    Button4->setEnabled(true);
    Inled();

    if (swedishCaptions()) {
        Button1->setText(QStringLiteral("&R\u00e4tta felen"));
        Button2->setText(QStringLiteral("&Forts\u00e4tta"));
        Button3->setText(QStringLiteral("&Avbryt"));
        Button4->setText(QStringLiteral("&Inst\u00e4llningar"));
        BitBtn2->setText(QStringLiteral("&Regler"));
    } else {
        Button1->setText(QStringLiteral("Correct &errors"));
        Button2->setText(QStringLiteral("&Continue"));
        Button3->setText(QStringLiteral("&Leave"));
        Button4->setText(QStringLiteral("&Settings"));
    }

    m_lampOffered = false;
    s.correctionRound = false;
    m_lampOn = false;
    m_firstItem = true;
    s.itemCounter = 1;
    s.rightCount = 0;
    DiagPanel1->hide();
    Edit1->clear();
    SkrivutOverskrift->RitaUtskriftOverskriftRuta(false);

    if (mode() == 1) {
        Edit1->setEnabled(false);
        Edit1->hide();
        SkrivutOverskrift->RitaUtskriftOverskriftRuta(true);
        SkrivutHelaPanelen->place(Panel1->geometry());
        SkrivutHelaPanelen->openForWorksheet();
        Panel1->hide();
        if (e.item.worksheetInstruction.isEmpty())
            e.item.worksheetInstruction = "Translate.";
        s.sessionLength = s.savedSessionLength = kPracticeLength;
        NyStartaAster(false);
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
    }

    InstruktionsLabel->setFont(font(19, true));
    InstruktionsLabel->setText(text(e.item.instructionLine));
    InstruktionsLabel->adjustSize();
    InstruktionsLabel->move(OverskriftYtterShape->x(),
                            OverskriftYtterShape->geometry().bottom() + 1 +
                                InstruktionsLabel->height() / 2);
    placeQuestionArea();

    RitaOverskriften(e.item.headerLines[1], e.item.headerLines[2], e.item.headerLines[3]);
    OverskriftInnerShape->setFill(mode() == 0 ? kNavy : mode() == 1 ? kMaroon : kGreen);

    if (mode() == 0) {
        s.sessionLength = s.savedSessionLength = kPracticeLength;
        NyStartaAster(true);
    } else if (mode() >= 2 && mode() <= 4) {
        NyStartaAster(false);
        s.sessionLength = s.savedSessionLength = kDiagnosisLength;
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }

    BitBtn3->move(BitBtn2->pos());
    if (mode() != 1)
        SkrivutHelaPanelen->hide();
    lampknapp->hide();
    BitBtn2->hide();
    rulesButtonAtCreation();
    NyPost();
}

void ExerciseForm::Inled()
{
    const int W = screen().width();
    const int H = screen().height();
    const int u = unit();
    setGeometry(0, 0, W, H);

    const int scale = m_engine.screenScale;
    OverskriftYtterShape->setGeometry(u, u, kHeaderWidth * scale / 100, kHeaderHeight * scale / 100);
    OverskriftInnerShape->setGeometry(OverskriftYtterShape->x() + 6, OverskriftYtterShape->y() + 5,
                                      OverskriftYtterShape->width() - 12,
                                      OverskriftYtterShape->height() - 10);

    const int asterHeight = H / 48 * 43;
    const int asterWidth = asterHeight / 10 - u / 5;
    Aster1->setGeometry(W - asterWidth - u / 2, u, asterWidth, asterHeight);

    const int barHeight = H / 48 * 4;
    Panel1->setGeometry(u, H - barHeight - u / 5, W / 64 * 58, barHeight);
    Panel1->raise();
    layoutButtonBar();

    const int pictureTop = OverskriftYtterShape->geometry().bottom() + 1 + 2;
    BildPanelen->setGeometry(u, pictureTop, Aster1->x() - 2 * u, Panel1->y() - pictureTop - 4);
    const int praiseHeight = H / 48 * 5;
    LovordPanel->setGeometry(u, (H - Panel1->height()) - praiseHeight - u / 5,
                             BildPanelen->width(), praiseHeight);
    Image1->setGeometry(0, 0, W / 64 * 58, H / 48 * 35);

    // The diagnosis panel stands where the progress boxes stand.
    const int diagWidth = std::max(asterWidth * 2, 9 * u);
    DiagPanel2->setGeometry(W - diagWidth - u / 2, u, diagWidth, 3 * u);
    DiagLabel1->setGeometry(0, 0, diagWidth, 3 * u);
    DiagPanel1->setGeometry(W - diagWidth - u / 2, 5 * u, diagWidth, 12 * u);
    DiagShape2->setGeometry(0, 0, diagWidth, 5 * u);
    DiagShape4->setGeometry(0, 6 * u, diagWidth, 5 * u);
    DiagLabel2->setGeometry(8, u / 2, diagWidth - 16, 2 * u);
    DiagLabel4->setGeometry(8, u / 2, diagWidth - 16, 2 * u);
    DiagLabel3->setGeometry(8, 5 * u / 2, diagWidth - 16, 2 * u);
    DiagLabel5->setGeometry(8, 5 * u / 2, diagWidth - 16, 2 * u);

    BitBtn2->setGeometry(OverskriftYtterShape->geometry().right() + 2 * u, u, 12 * u, 3 * u);

    // In worksheet mode the "Utskrifter" box stands where the instruction would.
    SkrivutOverskrift->setGeometry(OverskriftYtterShape->x(),
                                   OverskriftYtterShape->geometry().bottom() + 1 + u / 2, 14 * u,
                                   3 * u);
}

void ExerciseForm::layoutButtonBar()
{
    const int w = Panel1->width();
    const int h = Panel1->height();
    const int bw = w / 5;
    const int bh = std::max(h * 2 / 3, 10);
    const int gap = (w - 4 * bw) / 5;
    int x = gap;
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) {
        b->setGeometry(x, (h - bh) / 2, bw, bh);
        x += bw + gap;
    }
}

void ExerciseForm::placeQuestionArea()
{
    const int left = InstruktionsLabel->x();
    const int insTop = InstruktionsLabel->y();
    const int insHeight = InstruktionsLabel->height();
    for (QLabel* l : {FrageLabel1, FrageLabel2, Label5}) {
        l->setFont(font(19, true));
        l->setText(QStringLiteral("Xg"));
        l->adjustSize();
        l->clear();
    }
    FrageLabel1->move(left, insTop + 2 * insHeight);
    FrageLabel2->move(left, FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    Edit1->setFont(font(19, true));
    Edit1->move(left, FrageLabel2->y() + FrageLabel2->height() * 3 / 2);
    Edit1->resize(20 * unit(), Edit1->sizeHint().height());
    Label5->move(left, Edit1->geometry().bottom() + 1 + unit() / 2);
    Label6->move(left, Label5->y() + 2 * Label5->height());
    Label7->move(left, Label6->y() + 2 * Label5->height());
    lampknapp->setGeometry(Edit1->geometry().right() + unit(), Edit1->y(), 2 * unit(), Edit1->height());
    LampShape->setGeometry(lampknapp->geometry().right() + unit(), Edit1->y(), Edit1->height(), Edit1->height());
}

void ExerciseForm::RitaOverskriften(const QByteArray& line1, const QByteArray& line2,
                                    const QByteArray& line3)
{
    const int u = unit();
    const QRect inner = OverskriftInnerShape->geometry();
    const int n = (line1.isEmpty() ? 0 : 1) + (line2.isEmpty() ? 0 : 1) + (line3.isEmpty() ? 0 : 1);
    QLabel* l1 = Overs1Label;
    QLabel* l2 = Overs2Label;
    QLabel* l3 = Overs3Label;
    l1->setText(text(line1));
    l2->setText(text(line2));
    l3->setText(text(line3));

    auto width = [](QLabel* l, int pt) { return QFontMetrics(QFont(l->font().family(), pt, QFont::Bold)).horizontalAdvance(l->text()); };
    auto height = [](QLabel* l, int pt) { return QFontMetrics(QFont(l->font().family(), pt, QFont::Bold)).height(); };
    const QString family = font(12).family();
    for (QLabel* l : {l1, l2, l3})
        l->setFont(QFont(family, 12, QFont::Bold));

    int size1 = n <= 1 ? 30 : 20;
    int size2 = 20;
    int size3 = 8;
    while (width(l1, size1) > inner.width() - 2 * u && size1 > 10)
        --size1;
    if (n > 1) {
        while (width(l2, size2) > inner.width() - 2 * u && size2 > 10)
            --size2;
        size1 = size2 = std::min(size1, size2);
        while ((inner.height() - 2 * height(l1, size1)) / 3 + inner.y() < 3 * u / 2 && size1 > 10)
            --size1;
        size2 = size1;
        if (n == 3) {
            size3 = std::max(size1 - 2, 8);
            while (width(l3, size3) > inner.width() - 2 * u && size3 > 8)
                --size3;
            while (inner.height() - 2 * height(l1, size1) < height(l3, size3) && size3 > 8)
                --size3;
        }
    }
    l1->setFont(QFont(family, size1, QFont::Bold));
    l2->setFont(QFont(family, size2, QFont::Bold));
    l3->setFont(QFont(family, size3, QFont::Bold));

    const int h = height(l1, size1);
    const int H = inner.height();
    const int T = inner.y();
    const int left = inner.x() + u / 2;
    for (QLabel* l : {l1, l2, l3})
        l->resize(inner.width() - u, height(l, l->font().pointSize()));
    if (n <= 1) {
        l1->move(left, (H - h) / 2 + T);
        l2->hide();
        l3->hide();
    } else if (n == 2) {
        l1->move(left, T + (H - 2 * h) / 3);
        l2->move(left, T + 2 * (H - 2 * h) / 3 + h);
        l2->show();
        l3->hide();
    } else {
        const int R = H - 2 * h - height(l3, size3);
        l1->move(left, T + R / 4);
        l2->move(left, T + 2 * R / 4 + 3 * h / 4);
        l3->move(left, l2->y() + l2->height());
        l2->show();
        l3->show();
    }
    l1->show();
    for (QLabel* l : {l1, l2, l3})
        l->raise();
}

// ---- Items -----------------------------------------------------------------------------------

void ExerciseForm::NyPost()
{
    Engine& e = m_engine;
    auto& s = e.session;
    lampknapp->setEnabled(true);

    const int slot = e.item.cacheSlot;
    if (s.correctionRound) {
        e.haemtafel(e.item.currentFileName, 0);
    } else if (slot >= 1 && slot <= Engine::kCacheSlots) {
        e.item.currentItemNumber =
            static_cast<quint16>(e.haemta_slumptal(e.cache[static_cast<size_t>(slot)].nextDraw, slot));
        e.haemtaord(e.item.currentFileName, e.item.currentItemNumber);
    }
    e.str_postarray(e.item.currentItemLine);

    Timer1->setInterval(0);
    Timer3->setInterval(0);
    Timer3->setEnabled(false);
    s.tickCounter = 0;
    NollaLabeller();

    if (mode() != 1) {
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        if (mode() == 0 || mode() >= 3)
            lampknapp->setEnabled(true);
        m_helpUsed = ((mode() == 3 || mode() == 4) && m_lampOn) ? 1 : 0;
    }
    rulesButtonForItem();
    FrageLabel1->show();
    FrageLabel2->show();
    showItem();
    if (mode() >= 2 && mode() <= 4)
        UppDateraDiagnosResultatet();

    if (mode() == 1) {
        Label5->show();
        Label4->hide();
    } else {
        Edit1->setEnabled(true);
        Edit1->show();
        Label4->show();
        if (!m_firstItem)
            Edit1->setFocus();
        m_firstItem = false;
    }
}

void ExerciseForm::NollaLabeller()
{
    FrageLabel2->clear();
    for (QLabel* l : {Label4, Label5, Label6, Label7}) {
        l->clear();
        l->hide();
    }
    Edit1->clear();
    Button1->setEnabled(false);
    Panel1->hide();
    BitBtn2->hide();
    BitBtn3->hide();
}

void ExerciseForm::worksheetItemLines(const QByteArray& prefix, WorksheetSend)
{
    const ItemState& item = m_engine.item;
    m_engine.worksheet.addWrittenItem(
        prefix, item.fields[1],
        worksheet::UtSkriftSvar(item.fields[2], item.fields, item.alternativesCount,
                                item.fieldCount));
}

QByteArray ExerciseForm::lampAnswer() const
{
    return cp1252::fromUnicode(Label5->text());
}

void ExerciseForm::setAnswerBoxActive(bool on)
{
    if (!on && Edit1->hasFocus())
        setFocus(); // Space during a wait must reach the form, not a button
    Edit1->setEnabled(on);
    if (on) {
        Edit1->show();
        Edit1->setFocus();
    }
}

void ExerciseForm::Edit1KeyPress()
{
    Engine& e = m_engine;
    setAnswerBoxActive(false);
    const QByteArray right = e.item.exerciseCode == 16 ? e.item.fields[1] : e.item.fields[2];
    const bool ok = e.svarstest(right, cp1252::fromUnicode(Edit1->text()), 3) == 0;
    if (!ok)
        Label5->show();
    answerChecked(ok);
}

void ExerciseForm::answerChecked(bool right)
{
    Engine& e = m_engine;
    auto& s = e.session;
    auto advanceBoxes = [this](bool markWrong) {
        Aster1->setRutNummer(Aster1->RutNummer() == Aster1->MaxAntalRutor() ? 0 : Aster1->RutNummer() + 1);
        if (markWrong)
            Aster1->setRatt(false);
        Aster1->setVisa(true);
        Aster1->show();
        Aster1->repaint();
    };

    if (!right) {
        s.lastAnswerRight = false;
        if (mode() == 0 || mode() == 5)
            advanceBoxes(true);
        e.haemtafel(e.item.currentFileName, s.correctionRound ? 2 : 3);
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        Timer1->setEnabled(true);
        Timer1->setInterval(100);
    } else {
        s.lastAnswerRight = true;
        if (m_helpUsed == 0)
            ++s.rightCount;
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        if (mode() == 0 || mode() == 5)
            advanceBoxes(false);
        if (s.correctionRound)
            e.haemtafel(e.item.currentFileName, 1);
    }
    ++s.itemCounter;

    if (right && s.itemCounter <= s.sessionLength) {
        NyPost();
        return;
    }
    if (s.itemCounter > s.sessionLength) {
        lampknapp->setEnabled(false);
        if (right) {
            Timer1->setInterval(0);
            setAnswerBoxActive(false);
            BitBtn2->setEnabled(false);
            BitBtn3->setEnabled(false);
            Avslutning();
        } else {
            Timer1->setInterval(0);
            Timer3->setEnabled(true);
            Timer3->setInterval(100);
        }
    }
}

// ---- Waits -----------------------------------------------------------------------------------

void ExerciseForm::Timer1Timer()
{
    auto& s = m_engine.session;
    ++s.tickCounter;
    if (s.tickCounter >= 10 * m_engine.settings.TIMESHOWINGCORRECTANSWER &&
        s.itemCounter <= s.sessionLength)
        NyPost();
}

void ExerciseForm::Timer3Timer()
{
    auto& s = m_engine.session;
    ++s.tickCounter;
    if (s.tickCounter >= 10 * m_engine.settings.TIMESHOWINGCORRECTANSWER) {
        Timer1->setEnabled(true);
        Timer1->setInterval(0);
        Panel1->show();
        Timer3->setInterval(0);
        Avslutning();
    }
}

// ---- Ending ----------------------------------------------------------------------------------

void ExerciseForm::Avslutning()
{
    Engine& e = m_engine;
    auto& s = e.session;
    BildPanelen->show();
    BildPanelen->raise();
    BildTextPanel->hide();
    if (e.settings.ENGLANDPICTURES == 1 || e.settings.ENGLANDPICTURES == 3)
        showEndingPicture();
    else
        Image1->hide();

    if (mode() == 2)
        s.diagnosisRoundMarker = 0;
    if ((mode() == 3 || mode() == 4) && !s.correctionRound && s.rightCount >= kPracticePassMark) {
        if (mode() == 4) {
            practisePassed();
            accept();
            return;
        }
        s.mode = 4;
    }
    if (mode() == 2) {
        e.diagnosback(s.rightCount);
        accept();
        return;
    }
    if (mode() == 0 && !s.correctionRound && s.rightCount >= s.sessionLength - 2)
        showPraise();
    showButtonBar(mode() == 0 || mode() >= 3);
}

void ExerciseForm::showEndingPicture()
{
    Engine& e = m_engine;
    const int n = e.haemta_Bildslumptal();
    const QString path =
        n >= 1 && n <= 999 ? e.materialPath("\\BILD\\" + catalogue::endingPictureFile(n)) : QString();
    QPixmap picture;
    if (path.isEmpty() || !picture.load(path)) {
        Image1->hide();
        return;
    }
    const QSize room(Image1->width(), Image1->height());
    Image1->setPixmap(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->show();
    BildLabel->setFont(font(12));
    BildLabel->setText(text(e.pictureCaption));
    BildLabel->adjustSize();
    BildTextPanel->setGeometry(Image1->x(), Image1->y(), BildLabel->width() + 2 * unit(),
                               BildLabel->height() + unit() / 2);
    BildLabel->move(unit(), unit() / 4);
    BildTextPanel->show();
    BildTextPanel->raise();
}

void ExerciseForm::showPraise()
{
    Engine& e = m_engine;
    e.HaemtaLovordFilNamn(e.session.rightCount, e.session.sessionLength);
    if (!e.KollaLovOrd(e.praise.fileName)) {
        LovordPanel->hide();
        return;
    }
    const int index = e.praise.index;
    const int line = e.haemta_Lovordslumptal(e.praise.nextDraw[static_cast<size_t>(index)], index);
    e.haemtaord(e.praise.fileName, line);
    e.str_postarray(e.item.currentItemLine);
    QByteArray a, b, c;
    e.LovordMen(e.item.fields[1], a);
    e.LovordMen(e.item.fields[2], b);
    e.LovordMen(e.item.fields[3], c);
    LovordPanel->show();
    LovordPanel->raise();
    RitaLovord(a, b, c);
}

void ExerciseForm::RitaLovord(const QByteArray& a, const QByteArray& b, const QByteArray& c)
{
    const int u = unit();
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(u / 2, u / 2, LovordPanel->width() - u, LovordPanel->height() - u);
    const QRect inner = lovordinnershape->geometry();
    LovordLabel1->setText(text(a + ' ' + b + ' ' + c));
    int size = 30;
    auto fit = [&](int pt) {
        LovordLabel1->setFont(QFont(font(12).family(), pt, QFont::Bold));
        LovordLabel1->adjustSize();
    };
    fit(size);
    while (LovordLabel1->width() > inner.width() - u && size > 10)
        fit(--size);
    while (LovordLabel1->height() > inner.height() - u / 2 && size > 10)
        fit(--size);
    LovordLabel1->move((inner.width() - LovordLabel1->width()) / 2,
                       (inner.height() - u / 2 - LovordLabel1->height()) / 2);
}

int ExerciseForm::errorCountOfFile() const
{
    const int slot = m_engine.item.cacheSlot;
    if (slot < 1 || slot > Engine::kCacheSlots)
        return 0;
    return m_engine.cache[static_cast<size_t>(slot)].errorCount;
}

void ExerciseForm::showButtonBar(bool offerCorrection)
{
    Panel1->show();
    Panel1->raise();
    if (offerCorrection && errorCountOfFile() > 0) {
        Button1->setEnabled(true);
        Button1->setFocus();
    } else {
        Button1->setEnabled(false);
        Button2->setFocus();
    }
}

void ExerciseForm::practisePassed()
{
    Engine& e = m_engine;
    const int slot = e.diagnosis.currentSlot;
    if (slot >= 1 && slot <= kDiagnosisSlots) {
        e.diagnosis.current.state[static_cast<size_t>(slot)] = 2;
        e.GeStatusTal(slot);
        e.diagnosis.recordChanged = true;
    }
    e.session.diagnosisRoundMarker = 5;
    if (e.diagnosis.protocol && slot >= 1 && slot <= kDiagnosisSlots) {
        e.diagnosis.protocol->setStateCell(slot, "    " + diagnosisrecord::stateText(e.diagnosis.current.state[static_cast<size_t>(slot)]));
        e.diagnosis.protocol->hideWaitPanel();
    }
    e.session.mode = 2;
    e.session.rightCount = 0;
    if (e.diagnosis.protocol)
        e.diagnosis.protocol->setProtocolEnabled(true);
}

// ---- Diagnosis panel and progress boxes ------------------------------------------------------

void ExerciseForm::UppDateraDiagnosResultatet()
{
    const auto& s = m_engine.session;
    DiagPanel1->show();
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(s.itemCounter).arg(kDiagnosisLength));
    DiagLabel3->resize(DiagShape2->width() - 16, DiagLabel3->height());
    DiagLabel5->setText(QString::number(s.rightCount));
    DiagLabel5->resize(DiagShape4->width() - 16, DiagLabel5->height());
    DiagLabel3->repaint();
    DiagLabel5->repaint();
}

void ExerciseForm::TestOverSkrift()
{
    switch (mode()) {
    case 2: DiagLabel1->setText(QStringLiteral("Diagnosis: Test")); break;
    case 3: DiagLabel1->setText(QStringLiteral("Practise 1")); break;
    case 4: DiagLabel1->setText(QStringLiteral("Practise 2")); break;
    default: DiagPanel2->hide(); return;
    }
    DiagPanel2->show();
}

void ExerciseForm::NyStartaAster(bool show)
{
    if (!show) {
        Aster1->setVisa(false);
        return;
    }
    DiagPanel1->hide();
    Aster1->setRutNummer(0);
    Aster1->setMaxAntalRutor(m_engine.session.sessionLength);
    Aster1->setStarta(true);
    Aster1->setVisa(true);
    Aster1->repaint();
}

// ---- The button bar --------------------------------------------------------------------------

void ExerciseForm::Button1Click()
{
    Engine& e = m_engine;
    auto& s = e.session;
    BildPanelen->hide();
    if ((mode() == 0 || mode() >= 3) && errorCountOfFile() > 0) {
        if (mode() == 0)
            LovordPanel->hide();
        s.rightCount = 0;
        s.correctionRound = true;
        const int cap = s.savedSessionLength <= kPracticeLength ? s.savedSessionLength : kPracticeLength;
        s.sessionLength = std::min(errorCountOfFile(), cap);
        s.itemCounter = 1;
        NyStartaAster(true);
        if (mode() == 3 || mode() == 4)
            s.mode = 5;
    }
    if (mode() == 1 || mode() == 2) {
        lampknapp->hide();
        if (m_lampOffered)
            LampShape->hide();
    } else {
        lampknapp->setVisible(!m_lampOn);
        LampShape->setVisible(m_lampOn);
    }
    setAnswerBoxActive(true);
    Panel1->hide();
    Button4->setEnabled(true);
    FrageLabel2->show();
    if (DiagPanel1->isVisible())
        NyStartaAster(false);
    NyPost();
    setAnswerBoxActive(true);
}

void ExerciseForm::Button2Click()
{
    auto& s = m_engine.session;
    Panel1->hide();
    if (s.itemCounter >= s.sessionLength) {
        BildPanelen->hide();
        if (mode() == 0)
            LovordPanel->hide();
        if (mode() == 1 || mode() == 2) {
            if (m_lampOffered) {
                lampknapp->hide();
                LampShape->hide();
            }
        } else {
            if (m_lampOffered)
                lampknapp->show();
            if (!m_lampOn)
                LampShape->hide();
            else if (m_lampOffered)
                LampShape->show();
        }
        s.rightCount = 0;
        s.correctionRound = false;
        s.sessionLength = s.savedSessionLength;
        if (mode() == 5)
            s.mode = 3;
        if (mode() >= 2 && mode() <= 4)
            UppDateraDiagnosResultatet();
        if (mode() != 0) {
            NyStartaAster(false);
            TestOverSkrift();
        } else {
            NyStartaAster(true);
        }
        s.itemCounter = 1;
        if (DiagPanel1->isVisible())
            NyStartaAster(false);
        NyPost();
    }
    setAnswerBoxActive(true);
    rensa();
    Button4->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void ExerciseForm::rensa()
{
    if (m_lampOffered) {
        if (mode() == 1 || mode() == 2) {
            lampknapp->hide();
            LampShape->hide();
        } else {
            lampknapp->show();
            lampknapp->setEnabled(true);
        }
    }
    m_engine.session.rightCount = 0;
}

void ExerciseForm::Button3Click()
{
    Engine& e = m_engine;
    auto& s = e.session;
    if (mode() >= 2 && e.diagnosis.protocol)
        e.diagnosis.protocol->setProtocolEnabled(true);
    if ((mode() == 3 || mode() == 4) && !s.correctionRound && s.rightCount >= kPracticePassMark) {
        if (mode() == 4)
            practisePassed();
        else
            s.mode = 4;
    }
    if (mode() == 2) {
        if (s.diagnosisRoundMarker == 5)
            s.diagnosisRoundMarker = 0;
        else
            e.diagnosback(s.rightCount);
    }
    accept();
}

void ExerciseForm::Button4Click()
{
    if (mode() == 1)
        return;
    TStallin dialog(m_engine, m_services, this);
    dialog.exec();
    setAnswerBoxActive(true);
    if (m_engine.session.itemCounter <= m_engine.session.sessionLength)
        Panel1->hide();
}

void ExerciseForm::BitBtn2Click()
{
    if (mode() >= 2 && mode() <= 4)
        ++m_helpUsed;
    Label6->show();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
    if (const int number = ruleNumber()) {
        TRegelform viewer(m_engine, m_services, number, this);
        viewer.exec();
    }
    BitBtn2->show();
}

void ExerciseForm::BitBtn3Click()
{
    if (mode() == 3 || mode() == 4)
        ++m_helpUsed;
    Label7->show();
    BitBtn3->hide();
    if (Edit1->isVisible() && Edit1->isEnabled())
        Edit1->setFocus();
}

// ---- The lamp --------------------------------------------------------------------------------

void ExerciseForm::LampknappClick()
{
    lampknapp->hide();
    m_lampOn = !m_lampOn;
    if (m_lampOn) {
        LampShape->show();
        Edit1->setFocus();
        if (mode() == 0 || mode() >= 3) {
            const QByteArray right = m_engine.item.exerciseCode == 16 ? m_engine.item.fields[1]
                                                                      : m_engine.item.fields[2];
            LampShape->setFill(m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), right) == 1
                                   ? kLime
                                   : QColor(255, 0, 0));
        }
        if (mode() == 3 || mode() == 4)
            ++m_helpUsed;
    } else {
        LampShape->hide();
    }
}

void ExerciseForm::Edit1Change()
{
    if (!LampShape->isVisible() || !(mode() == 0 || mode() == 3 || mode() == 4))
        return;
    const bool good = m_engine.GreenRedTest(cp1252::fromUnicode(Edit1->text()), lampAnswer()) == 1;
    LampShape->setFill(good ? kLime : QColor(255, 0, 0));
    LampShape->setAccessibleDescription(good ? QStringLiteral("right so far")
                                             : QStringLiteral("a letter is wrong"));
}

void ExerciseForm::LampShapeMouseDown()
{
    LampShape->hide();
    m_lampOn = false;
    if (m_lampOffered)
        lampknapp->show();
}

// ---- Keys ------------------------------------------------------------------------------------

void ExerciseForm::pause()
{
    auto& s = m_engine.session;
    if (s.itemCounter > s.sessionLength)
        return;
    Panel1->show();
    Panel1->raise();
    if ((mode() == 0 || mode() >= 3) && errorCountOfFile() > 0) {
        Button1->setEnabled(true);
        Button1->setFocus();
    } else {
        Button1->setEnabled(false);
        Button2->setFocus();
    }
}

bool ExerciseForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Edit1KeyPress();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            pause();
            return true;
        }
        const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
        if (key->key() == Qt::Key_S && (mods == Qt::ControlModifier || mods == Qt::AltModifier)) {
            QApplication::clipboard()->setText(QStringLiteral("\u00df"));
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                edit->paste();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExerciseForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && (Timer1->interval() != 0 || Timer3->interval() != 0)) {
        m_engine.session.tickCounter = 20000;
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
    if (Panel1->isVisible() && Button3->isEnabled())
        Button3->click();
    else if (Edit1->isVisible() && Edit1->isEnabled())
        pause();
}

} // namespace vindra
