#include "diaproto.h"

#include "diagnosis/diagut.h"
#include "diagnosis/nylos.h"
#include "diagnosis/registersave.h"
#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/diagnosisregister.h"
#include "framework/formregistry.h"
#include "framework/look.h"
#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vindra {

const char* const Tdiaprot::kNotAvailable = "Den h\u00e4r diagnosen finns inte \u00e4nnu i Vindra.";

namespace {

const catalogue::DiagnosisSlot* slotEntry(int slot)
{
    for (const catalogue::DiagnosisSlot& s : catalogue::diagnosisSlots())
        if (s.slot == slot)
            return &s;
    return nullptr;
}

QString subjectOf(int slot)
{
    const catalogue::DiagnosisSlot* s = slotEntry(slot);
    return s ? QString::fromUtf8(s->subject) : QString();
}

/// A number right-aligned the way the grid aligns results: ten blanks before one digit,
/// eight before two, `wide` before more.
QString padded(qint64 value, int wide)
{
    const int blanks = value <= 9 ? 10 : value <= 99 ? 8 : wide;
    return QString(blanks, QLatin1Char(' ')) + QString::number(value);
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v % 100, 2, 10, QLatin1Char('0'));
}

const QString kHeader[Tdiaprot::kColumns] = {
    QStringLiteral("  No."), QStringLiteral("                  Subject"),
    QStringLiteral("    Result"), QStringLiteral("    Occasion"), QStringLiteral("    State")};

} // namespace

Tdiaprot::Tdiaprot(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_register(engine), m_services(services)
{
    FormCreate();
    m_engine.diagnosis.protocol = this;
}

Tdiaprot::~Tdiaprot()
{
    if (m_engine.diagnosis.protocol == this)
        m_engine.diagnosis.protocol = nullptr;
}

int Tdiaprot::scaled(int v) const
{
    const int scale = m_engine.screenScale > 0 ? m_engine.screenScale : 100;
    return v * scale / 100;
}

int Tdiaprot::textWidth(const QString& text, const FontSpec& font) const
{
    if (m_services.measure)
        return m_services.measure->width(text, font);
    return QFontMetrics(toQFont(font)).horizontalAdvance(text);
}

void Tdiaprot::FormCreate()
{
    setObjectName(QStringLiteral("diaprot"));
    setWindowTitle(QStringLiteral("Diagnosis"));
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const int W = screen.width() > 0 ? screen.width() : 1024;
    const int H = screen.height();
    const int u = std::max(1, m_engine.layoutUnit);
    setFont(toQFont(FontSpec{QStringLiteral("Arial"), scaled(12), false, true}));
    m_gridFont = FontSpec{QStringLiteral("Arial"), scaled(12), false, true};
    m_boxFont = FontSpec{QStringLiteral("Arial"), scaled(12), false, true};

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("Body"));
    TitleLabel = new QLabel(m_body);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), scaled(14), false, true}));

    StringGrid1 = new QTableWidget(kRows, kColumns, m_body);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Diagnosis protocol"));
    StringGrid1->setFont(toQFont(m_gridFont));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);

    ButtonPanel = new QFrame(m_body);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, ButtonPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    AvbrytButton = button(QStringLiteral("&Leave"), "AvbrytButton");
    LosenButton = button(QStringLiteral("&New password"), "LosenButton");
    HjalpButton = button(QStringLiteral("&Help"), "HjalpButton");
    SkrivutButton = button(QStringLiteral("&Print out"), "SkrivutButton");

    auto box = [this](const char* name, const char* colour, QLabel*& first, QLabel*& second) {
        auto* f = new QFrame(m_body);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
        f->setAutoFillBackground(true);
        f->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; }")
                             .arg(QString::fromLatin1(name), QString::fromLatin1(colour)));
        f->setFont(toQFont(m_boxFont));
        auto* layout = new QVBoxLayout(f);
        layout->setContentsMargins(4, 2, 4, 2);
        layout->setSpacing(0);
        first = new QLabel(f);
        second = new QLabel(f);
        first->setObjectName(QString::fromLatin1(name) + QStringLiteral("Line1"));
        second->setObjectName(QString::fromLatin1(name) + QStringLiteral("Line2"));
        layout->addWidget(first);
        layout->addWidget(second);
        f->installEventFilter(this);
        return f;
    };
    Panel1 = box("Panel1", "#ffffe1", HjalpLabel1, HjalpLabel2);
    Panel2 = box("Panel2", "yellow", InfoLabel1, InfoLabel2);

    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);
    connect(LosenButton, &QPushButton::clicked, this, &Tdiaprot::LosenButtonClick);
    connect(HjalpButton, &QPushButton::clicked, this, &Tdiaprot::HjalpButtonClick);
    connect(SkrivutButton, &QPushButton::clicked, this, &Tdiaprot::SkrivutButtonClick);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { StringGrid1DblClick(); });
    // StringGrid1SelectCell
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 1 && row <= kTotalRow)
            m_engine.session.selectedProtocolRow = row;
        hideWaitPanel();
    });

    // The window fills the screen: title, grid, and the button panel down to the bottom.
    setGeometry(0, 0, W, H);
    m_body->setGeometry(0, 0, W, H);
    const int titleH = TitleLabel->sizeHint().height();
    TitleLabel->setGeometry(0, 0, W, titleH);
    const int panelH = titleH * 7 / 4;
    const int avail = H - titleH - panelH;
    const int rowH = std::max(1, avail / 22 - 2);
    const int gridH = std::max(1, avail / 22 * 23 - 24);
    StringGrid1->setGeometry(0, titleH, W, gridH);
    for (int r = 0; r < kRows; ++r)
        StringGrid1->setRowHeight(r, rowH);

    const int D = textWidth(QStringLiteral("  970523 24:55  "), m_gridFont);
    StringGrid1->setColumnWidth(0, 4 * u);
    StringGrid1->setColumnWidth(1, std::max(1, W - 3 * u - 3 * D));
    for (int c = 2; c <= 4; ++c)
        StringGrid1->setColumnWidth(c, D);

    // Column starts of the printout, from the screen's proportions.
    const int a = roundHalfEven(3.0 * u / W * 100);
    const int share = roundHalfEven(static_cast<double>(D) / W * 100);
    const int b = share - 1;
    const int c = share + 1;
    m_printColumns = {a, 100 - 3 * b, 100 - 2 * b, 100 - 2 * b + c};

    for (int r = 0; r < kRows; ++r)
        for (int col = 0; col < kColumns; ++col)
            setCell(col, r, QString());
    for (int col = 0; col < kColumns; ++col)
        setCell(col, 0, kHeader[col]);
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        setCell(0, s, QString(s <= 9 ? 3 : 2, QLatin1Char(' ')) + QString::number(s));
    setCell(1, kTotalRow, QString(56, QLatin1Char(' ')) + QStringLiteral("Total:"));

    const int panelTop = titleH + gridH;
    ButtonPanel->setGeometry(0, panelTop, W, std::max(1, H - panelTop));
    const int buttonH = std::min(std::max(titleH, 1), ButtonPanel->height());
    const int buttonW = W / 6;
    const int buttonTop = (ButtonPanel->height() - buttonH) * 5 / 16;
    int left = u;
    for (QPushButton* b : {AvbrytButton, LosenButton, HjalpButton, SkrivutButton}) {
        b->setGeometry(left, buttonTop, buttonW, buttonH);
        look::fitFont(b, b->text(), b->size());
        left += buttonW + u;
    }

    Panel1->hide();
    Panel2->hide();
    HjalpText();
    m_engine.diagnosis.recordChanged = false;
}

void Tdiaprot::setCell(int column, int row, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    if (row == 0 || column == 0) {
        // The header row and the number column are fixed: never selected, drawn grey.
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(QColor(192, 192, 192));
    } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    StringGrid1->setItem(row, column, item);
}

QString Tdiaprot::cell(int column, int row) const
{
    const QTableWidgetItem* item = StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void Tdiaprot::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    rita_prot();
    StringGrid1->setFocus();
}

void Tdiaprot::refreshProtocol()
{
    setProtocolEnabled(true);
    rita_prot();
}

void Tdiaprot::setProtocolEnabled(bool enabled)
{
    // The controls, not the dialog: the exercise form is a child window of the protocol and
    // must stay usable while the protocol is disabled under it.
    m_body->setEnabled(enabled);
}

bool Tdiaprot::protocolEnabled() const
{
    return m_body->isEnabled();
}

void Tdiaprot::hideWaitPanel()
{
    Panel2->hide();
}

void Tdiaprot::setStateCell(int slot, const QByteArray& text)
{
    if (slot >= 1 && slot <= kDiagnosisSlots)
        setCell(4, slot, cp1252::toUnicode(text));
}

void Tdiaprot::rita_prot()
{
    const DiagnosisRecord& r = m_engine.diagnosis.current;
    TitleLabel->setText(QStringLiteral("Report of the diagnosises for ") +
                        cp1252::toUnicode(r.name));
    TitleLabel->setGeometry(0, 0, width(), TitleLabel->height());
    for (int s = 1; s <= kDiagnosisSlots; ++s) {
        const auto i = static_cast<size_t>(s);
        setCell(1, s, QStringLiteral("  ") + subjectOf(s));
        setCell(2, s, padded(r.result[i], 6));
        QString occasion;
        if (r.result[i] > 0)
            occasion = twoDigits(r.year[i]) + twoDigits(r.month[i]) + twoDigits(r.day[i]) +
                       QLatin1Char(' ') + twoDigits(r.hour[i]) + QLatin1Char(':') +
                       twoDigits(r.minute[i]);
        setCell(3, s, QStringLiteral("  ") + occasion);
        setCell(4, s,
                QStringLiteral("    ") + cp1252::toUnicode(diagnosisrecord::stateText(r.state[i])));
    }
    selectRow(m_engine.session.selectedProtocolRow);
    // A record that could not be saved stays marked as changed, so that the next redraw and
    // leaving try again.
    if (m_engine.diagnosis.recordChanged && save())
        m_engine.diagnosis.recordChanged = false;
    summa();
}

bool Tdiaprot::save()
{
    switch (saveWithRetry(m_engine, m_register)) {
    case DiagnosisRegister::StoreResult::Saved:
        return true;
    case DiagnosisRegister::StoreResult::NameTaken:
        m_engine.messages().show(
            MessageKind::Warning,
            QStringLiteral("Någon annan har hunnit spara en diagnos med namnet \"") +
                cp1252::toUnicode(m_engine.diagnosis.current.name) +
                QStringLiteral("\". Ditt resultat har inte sparats. Be din lärare om hjälp."));
        return false;
    case DiagnosisRegister::StoreResult::Failed:
        break;
    }
    return false;
}

void Tdiaprot::summa()
{
    qint64 total = 0;
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        total += m_engine.diagnosis.current.result[static_cast<size_t>(s)];
    setCell(2, kTotalRow, padded(total, 7));
}

void Tdiaprot::selectRow(int row)
{
    if (row < 1 || row > kTotalRow)
        row = 1;
    m_engine.session.selectedProtocolRow = row;
    StringGrid1->setCurrentCell(row, 1);
    StringGrid1->setRangeSelected(QTableWidgetSelectionRange(row, 1, row, 4), true);
}

void Tdiaprot::StringGrid1KeyPress()
{
    startSelected();
}

void Tdiaprot::StringGrid1DblClick()
{
    startSelected();
}

void Tdiaprot::startSelected()
{
    const int slot = m_engine.session.selectedProtocolRow;
    if (slot < 1 || slot > kDiagnosisSlots)
        return;
    m_engine.session.mode = SessionMode::DiagnosisTest;
    hideWaitPanel();
    m_engine.diagnosis.currentSlot = slot;
    setProtocolEnabled(false);
    switch (m_engine.diagnosis.current.state[static_cast<size_t>(slot)]) {
    case 0:
    case 2:
        UtseDiagProgram(slot);
        break;
    case 3:
        UtseOvaProgram(slot, SessionMode::Practise1);
        break;
    case 1:
        InfoText();
        break;
    default:
        break;
    }
    setProtocolEnabled(true);
    StringGrid1->setFocus();
}

bool Tdiaprot::formBuilt(const char* formClass) const
{
    return m_services.forms && m_services.forms->contains(QByteArray(formClass));
}

void Tdiaprot::runForm(const char* formClass)
{
    if (!m_services.forms)
        return;
    if (const auto run = m_services.forms->value(QByteArray(formClass)))
        run(m_engine, m_services, this);
}

void Tdiaprot::UtseDiagProgram(int slot)
{
    const catalogue::DiagnosisSlot* s = slotEntry(slot);
    if (!s)
        return;
    if (!formBuilt(s->testForm)) {
        m_engine.messages().show(MessageKind::Information, QString::fromUtf8(kNotAvailable));
        return;
    }
    m_engine.setCurrentFileName(s->testFile);
    hideWaitPanel();
    if (m_engine.Kolla(s->testFile))
        runForm(s->testForm);
    // A redraw rather than the total alone: it also saves what the test changed, should the
    // form have closed without handing its result over.
    rita_prot();
}

void Tdiaprot::UtseOvaProgram(int slot, SessionMode mode)
{
    const catalogue::DiagnosisSlot* s = slotEntry(slot);
    if (!s)
        return;
    if (!formBuilt(s->practiceForm)) {
        m_engine.messages().show(MessageKind::Information, QString::fromUtf8(kNotAvailable));
        return;
    }
    m_engine.session.mode = mode;
    m_engine.session.diagnosisRoundMarker = 0;
    m_engine.setCurrentFileName(s->practiceFile);
    if (m_engine.Kolla(s->practiceFile))
        runForm(s->practiceForm);
    // A passed practice has set the slot back to "Test"; this saves it at once.
    rita_prot();
}

void Tdiaprot::InfoText()
{
    const int r = m_engine.session.selectedProtocolRow;
    if (r < 1 || r > kDiagnosisSlots)
        return;
    const auto& rec = m_engine.diagnosis.current;
    const quint8 state = rec.state[static_cast<size_t>(r)];
    if ((state != 1 && state != 3) || !diagnosisrecord::isChainFollower(r))
        return;
    const QString first = QStringLiteral("You have to do ") + subjectOf(r - 1);
    const QString second = rec.state[static_cast<size_t>(r - 1)] == 3
                               ? QStringLiteral("better before you do this test.")
                               : QStringLiteral("before you do this test .");
    InfoLabel1->setText(first);
    InfoLabel2->setText(second);
    const int width = std::max(textWidth(first, m_boxFont), textWidth(second, m_boxFont)) + 30;
    const int lineH = QFontMetrics(toQFont(m_boxFont)).height();
    const int top = (StringGrid1->currentRow() + 1) * StringGrid1->height() / 22 + StringGrid1->y();
    const int screenW = m_services.screen ? m_services.screen->size().width() : this->width();
    Panel2->setGeometry(screenW - 20 - width, top, width, 2 * lineH + 8);
    Panel2->show();
    Panel2->raise();
}

void Tdiaprot::HjalpText()
{
    const QString first = QStringLiteral("Move to the wanted line. Then double-");
    HjalpLabel1->setText(first);
    HjalpLabel2->setText(QStringLiteral("click or hit Enter to get the diagnosis."));
    const int u = std::max(1, m_engine.layoutUnit);
    const int lineH = QFontMetrics(toQFont(m_boxFont)).height();
    Panel1->setGeometry(u, StringGrid1->y() + StringGrid1->height() / 3,
                        textWidth(first, m_boxFont) + 2 * u, 2 * lineH + 8);
}

void Tdiaprot::HjalpButtonClick()
{
    HjalpText();
    Panel1->show();
    Panel1->raise();
    StringGrid1->setFocus();
}

void Tdiaprot::LosenButtonClick()
{
    const QByteArray before = m_engine.diagnosis.current.password;
    {
        TNLOS dialog(m_engine, m_services, this);
        dialog.exec();
    }
    // The new password reaches the register when the protocol is left; until then the
    // record has a change the register does not hold.
    if (m_engine.diagnosis.current.password != before)
        m_engine.diagnosis.recordChanged = true;
    StringGrid1->setFocus();
}

void Tdiaprot::SkrivutButtonClick()
{
    if (TDiagutform* out = m_services.diagutform) {
        out->setGridSize(kColumns, kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                out->setCell(c, r, cell(c, r));
        out->setColumnPositions(m_printColumns);
        out->SkrivutDiaggen();
    }
    StringGrid1->setFocus();
}

void Tdiaprot::AvbrytButtonClick()
{
    m_closing = true;
    DiagnosisState& d = m_engine.diagnosis;
    if (d.recordChanged || d.newRecord) {
        // The register does not hold the record as it is: it is saved, or left unsaved only
        // when the pupil says so.
        if (!save() &&
            !m_engine.messages().confirm(QStringLiteral("Diagnosen är inte sparad och går förlorad "
                                                        "om du lämnar nu. Vill du lämna ändå?"))) {
            m_closing = false;
            return;
        }
    } else {
        // The register already holds the record as it is; saving it again loses nothing if
        // it fails.
        m_register.SparaProtokoll();
    }
    d.recordChanged = false;
    d.newRecord = false;
    m_engine.session.mode = SessionMode::Practice;
    m_engine.diagnosis.diagnosisLeft = true;
    accept();
}

void Tdiaprot::reject()
{
    // Esc and the window's close button leave like "&Leave": the record is saved and the
    // session returns to practice, so no way out loses a pupil's results.
    if (!m_closing)
        AvbrytButtonClick();
}

bool Tdiaprot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            StringGrid1KeyPress();
            return true;
        }
        Panel1->hide();
    } else if (watched == StringGrid1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            Panel1->hide(); // StringGrid1Click
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // StringGrid1MouseUp
            const int row = StringGrid1->rowAt(static_cast<QMouseEvent*>(event)->position().y());
            if (row >= 1 && row <= kTotalRow)
                m_engine.session.selectedProtocolRow = row;
            InfoText();
        }
    } else if (watched == Panel1 && event->type() == QEvent::MouseButtonPress) {
        Panel1->hide(); // Panel1Click
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
