#include "worksheetpanel.h"

#include "framework/skrivut.h"
#include "platform/qtplatform.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace vindra {

namespace {

const QString kMaroon = QStringLiteral("rgb(128, 0, 0)");

QFrame* makeBar(QWidget* parent, const char* name)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(bar->objectName(), kMaroon));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(8);
    return bar;
}

} // namespace

// ---- The "Utskrifter" box ----------------------------------------------------------------

WorksheetHeading::WorksheetHeading(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("SkrivutOverskriftPanel"));
    SkrivutOverskriftShape1 = new QFrame(this);
    SkrivutOverskriftShape1->setObjectName(QStringLiteral("SkrivutOverskriftShape1"));
    SkrivutOverskriftShape1->setStyleSheet(
        QStringLiteral("#SkrivutOverskriftShape1 { background: yellow; border-radius: 8px; }"));
    SkrivutOverskriftShape2 = new QFrame(this);
    SkrivutOverskriftShape2->setObjectName(QStringLiteral("SkrivutOverskriftShape2"));
    SkrivutOverskriftShape2->setStyleSheet(
        QStringLiteral("#SkrivutOverskriftShape2 { background: %1; border-radius: 6px; }")
            .arg(kMaroon));
    SkrivutOverskriftLabel = new QLabel(QStringLiteral("Utskrifter"), this);
    SkrivutOverskriftLabel->setObjectName(QStringLiteral("SkrivutOverskriftLabel"));
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    SkrivutOverskriftLabel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 16, false, true}));
    SkrivutOverskriftLabel->setStyleSheet(
        QStringLiteral("color: yellow; background: transparent;"));
    hide();
}

void WorksheetHeading::RitaUtskriftOverskriftRuta(bool show, int inset, int shrink)
{
    setVisible(show);
    if (!show)
        return;
    SkrivutOverskriftShape1->setGeometry(0, 0, width(), height());
    SkrivutOverskriftShape2->setGeometry(inset, inset, width() - shrink, height() - shrink);
    const QRect inner = SkrivutOverskriftShape2->geometry();
    const int labelH = SkrivutOverskriftLabel->sizeHint().height();
    SkrivutOverskriftLabel->setGeometry(inner.left(), inner.top() + (inner.height() - labelH) / 2,
                                        inner.width(), labelH);
    SkrivutOverskriftLabel->raise();
}

// ---- The panel ---------------------------------------------------------------------------

WorksheetPanel::WorksheetPanel(Engine& engine, TUtskrift* utskrift, QWidget* parent)
    : QFrame(parent), m_engine(engine), m_utskrift(utskrift)
{
    setObjectName(QStringLiteral("SkrivutHelaPanelen"));
    setFont(toQFont(FontSpec{QStringLiteral("Arial"), 16, true, true}));

    SkrivutPanel1 = makeBar(this, "SkrivutPanel1");
    addButton(SkrivutPanel1, "SkrivutAntalButton", "Välja &antal",
              &WorksheetPanel::SkrivutAntalButtonClick, "Datorn väljer uppgifter");
    addButton(SkrivutPanel1, "SkrivutValjUtButton", "Välja &ut",
              &WorksheetPanel::SkrivutValjUtButtonClick, "Du själv väljer uppgifter");
    m_viewButtons << addButton(SkrivutPanel1, "SkrivutSeValButton", "Se ditt &val",
                               &WorksheetPanel::SkrivutSeValButtonClick, "Förhandsgranskning");
    m_printButtons << addButton(SkrivutPanel1, "SkrivutSkrivUtButton", "&Skriv ut",
                                &WorksheetPanel::SkrivutSkrivUtButtonClick,
                                "Du får välja utskrift med eller utan svar här. ");
    m_clearButton = addButton(SkrivutPanel1, "SkrivutRensaButton", "&Rensa",
                              &WorksheetPanel::SkrivutRensaButtonClick,
                              "Tar bort allt som valts till utskrift. ");
    addButton(SkrivutPanel1, "SkrivutMenynButton", "Till &menyn",
              &WorksheetPanel::SkrivutMenynButtonClick, "Utskriften kan utökas med andra förhör.");

    SkrivutValPanel = makeBar(this, "SkrivutValPanel");
    addButton(SkrivutValPanel, "SkrivutNastaButton", "&Nästa uppgift",
              &WorksheetPanel::SkrivutNastaButtonClick);
    addButton(SkrivutValPanel, "SkrivutSkickaButton", "Skickas &till utskrift",
              &WorksheetPanel::SkrivutSkickaButtonClick);
    m_viewButtons << addButton(SkrivutValPanel, "SkrivutValSeValButton", "Se ditt &val",
                               &WorksheetPanel::SkrivutValSeValButtonClick);
    m_printButtons << addButton(SkrivutValPanel, "SkrivutValSkrivUtButton", "&Skriv ut",
                                &WorksheetPanel::SkrivutValSkrivUtButtonClick);
    addButton(SkrivutValPanel, "SkrivutValAvbrytButton", "&Avbryt",
              &WorksheetPanel::SkrivutValAvbrytButtonClick);

    SkrivutSvarPanel = makeBar(this, "SkrivutSvarPanel");
    m_printBarButtons << addButton(SkrivutSvarPanel, "SkrivutUtanSvarButton",
                                   "Skriv ut &utan svaren",
                                   &WorksheetPanel::SkrivutUtanSvarButtonClick)
                      << addButton(SkrivutSvarPanel, "SkrivutMedSvarButton", "Skriv ut &med svaren",
                                   &WorksheetPanel::SkrivutMedSvarButtonClick)
                      << addButton(SkrivutSvarPanel, "SkrivutSvarAvbrytButton", "&Avbryt",
                                   &WorksheetPanel::SkrivutSvarAvbrytButtonClick);

    SkrivutAntalPanel = makeBar(this, "SkrivutAntalPanel");
    m_countLabel = new QLabel(QStringLiteral("Antal :"), SkrivutAntalPanel);
    m_countLabel->setObjectName(QStringLiteral("SkrivutAntalLabel"));
    m_countLabel->setStyleSheet(QStringLiteral("color: white;"));
    SkrivutAntalPanel->layout()->addWidget(m_countLabel);
    m_countValue = new QLabel(QStringLiteral("1"), SkrivutAntalPanel);
    m_countValue->setObjectName(QStringLiteral("SkrivutAntalVarde"));
    m_countValue->setAccessibleName(QStringLiteral("Antal uppgifter"));
    m_countValue->setStyleSheet(QStringLiteral("color: yellow;"));
    m_countValue->setMinimumWidth(60);
    SkrivutAntalPanel->layout()->addWidget(m_countValue);
    auto spinButton = [&](const char* name, Qt::ArrowType arrow, const char* accessible,
                          void (WorksheetPanel::*handler)()) {
        auto* b = new QToolButton(SkrivutAntalPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(arrow);
        b->setAccessibleName(QString::fromUtf8(accessible));
        b->setFocusPolicy(Qt::NoFocus);
        SkrivutAntalPanel->layout()->addWidget(b);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    m_up = spinButton("SkrivutAntalUpp", Qt::UpArrow, "Fler uppgifter",
                      &WorksheetPanel::SkrivutUppButtonClick);
    m_down = spinButton("SkrivutAntalNed", Qt::DownArrow, "Färre uppgifter",
                        &WorksheetPanel::SkrivutNedButtonClick);
    addButton(SkrivutAntalPanel, "SkrivutKlartButton", "&Klart",
              &WorksheetPanel::SkrivutKlartButtonClick);
    addButton(SkrivutAntalPanel, "SkrivutAntalAvbrytButton", "&Avbryt",
              &WorksheetPanel::SkrivutAntalAvbrytButtonClick);

    SkrivutListValPanel = makeBar(this, "SkrivutListValPanel");
    addButton(SkrivutListValPanel, "SkrivutSeUtanButton", "Se ditt val &utan svar",
              &WorksheetPanel::SkrivutSeUtanButtonClick);
    addButton(SkrivutListValPanel, "SkrivutSeMedButton", "Se ditt val &med svar",
              &WorksheetPanel::SkrivutSeMedButtonClick);
    addButton(SkrivutListValPanel, "SkrivutListAvbrytButton", "&Avbryt",
              &WorksheetPanel::SkrivutListAvbrytButtonClick);

    // Up and Down change the count wherever the focus is: on a button of the panel (which
    // would otherwise move the focus) or anywhere else on the form.
    if (parent)
        parent->installEventFilter(this);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->installEventFilter(this);
    showBar(SkrivutPanel1);
    hide();
}

QPushButton* WorksheetPanel::addButton(QFrame* bar, const char* name, const char* caption,
                                       void (WorksheetPanel::*handler)(), const char* hint)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), bar);
    b->setObjectName(QString::fromLatin1(name));
    if (hint)
        b->setToolTip(QString::fromUtf8(hint));
    bar->layout()->addWidget(b);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void WorksheetPanel::place(const QRect& geometry)
{
    setGeometry(geometry);
    layoutBars();
}

void WorksheetPanel::layoutBars()
{
    const QList<QFrame*> bars = {SkrivutPanel1, SkrivutValPanel, SkrivutSvarPanel,
                                 SkrivutAntalPanel, SkrivutListValPanel};
    // The captions in a font for the bar's height (a quarter of it), smaller only where a bar's
    // row would not fit its width.
    QFont captions = font();
    captions.setBold(true);
    const auto fits = [&](int pixels) {
        captions.setPixelSize(pixels);
        const QFontMetrics metrics(captions);
        for (QFrame* bar : bars) {
            const QList<QWidget*> items = bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            int need = 16 + 8 * std::max<int>(0, int(items.size()) - 1);
            for (QWidget* w : items) {
                if (auto* b = qobject_cast<QPushButton*>(w))
                    need +=
                        metrics.horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) + 24;
                else if (auto* l = qobject_cast<QLabel*>(w))
                    need += std::max(l->minimumWidth(), metrics.horizontalAdvance(l->text()));
                else
                    need += w->sizeHint().width();
            }
            if (need > width())
                return false;
        }
        return true;
    };
    int pixels = std::max(10, height() / 4);
    while (pixels > 10 && !fits(pixels))
        --pixels;
    captions.setPixelSize(pixels);
    const int buttonHeight = std::max(height() * 2 / 3, QFontMetrics(captions).height() + 8);
    for (QFrame* bar : bars) {
        for (QWidget* w : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            w->setFont(captions);
            if (qobject_cast<QPushButton*>(w))
                w->setMinimumHeight(std::min(buttonHeight, height() - 8));
        }
        bar->setGeometry(0, 0, width(), height());
    }
}

QFrame* WorksheetPanel::frontBar() const
{
    for (QFrame* bar :
         {SkrivutPanel1, SkrivutValPanel, SkrivutSvarPanel, SkrivutAntalPanel, SkrivutListValPanel})
        if (!bar->isHidden())
            return bar;
    return nullptr;
}

void WorksheetPanel::showBar(QFrame* bar)
{
    for (QFrame* b :
         {SkrivutPanel1, SkrivutValPanel, SkrivutSvarPanel, SkrivutAntalPanel, SkrivutListValPanel})
        b->setVisible(b == bar);
    bar->raise();
}

void WorksheetPanel::setOutputButtonsEnabled(bool on)
{
    for (QPushButton* b : m_viewButtons)
        b->setEnabled(on);
    for (QPushButton* b : m_printButtons)
        b->setEnabled(on);
}

void WorksheetPanel::openForWorksheet()
{
    Worksheet& w = m_engine.worksheet;
    w.withAnswersFlag = false;
    w.newBlock = true;
    const bool hasLines = !w.isEmpty();
    setOutputButtonsEnabled(hasLines);
    m_clearButton->setEnabled(hasLines);
    m_cameFromChoosing = false;
    m_returnToMain = false;
    showBar(SkrivutPanel1);
    show();
    raise();
}

void WorksheetPanel::SkrivutAv(bool off)
{
    for (QPushButton* b : m_printBarButtons)
        b->setEnabled(!off);
}

// ---- Adding items ------------------------------------------------------------------------

void WorksheetPanel::startBlockIfDue(WorksheetSend how)
{
    Worksheet& w = m_engine.worksheet;
    if (!w.newBlock)
        return;
    if (m_hooks.startBlock)
        m_hooks.startBlock(how);
    else
        w.startBlock(m_engine.item.headerLines, m_engine.item.worksheetInstruction);
    w.newBlock = false;
    setOutputButtonsEnabled(true);
    m_clearButton->setEnabled(true);
}

void WorksheetPanel::addDisplayedItem(WorksheetSend how)
{
    startBlockIfDue(how);
    const QByteArray prefix = m_engine.worksheet.nextItemPrefix();
    if (m_hooks.addItemLines)
        m_hooks.addItemLines(prefix, how);
    linesChanged();
    if (m_hooks.nextItem)
        m_hooks.nextItem();
}

void WorksheetPanel::linesChanged()
{
    if (m_utskrift)
        m_utskrift->refresh();
}

void WorksheetPanel::SkrivutSkickaButtonClick()
{
    addDisplayedItem(WorksheetSend::Single);
}

void WorksheetPanel::SkrivutKlartButtonClick()
{
    startBlockIfDue(WorksheetSend::Counted);
    const int count = m_engine.worksheet.chosenCount;
    for (int k = 0; k < count; ++k)
        addDisplayedItem(WorksheetSend::Counted);
    linesChanged();
    showBar(SkrivutPanel1);
}

// ---- The count panel ---------------------------------------------------------------------

void WorksheetPanel::showCount()
{
    m_countValue->setText(QString::number(m_engine.worksheet.chosenCount));
}

void WorksheetPanel::SkrivutAntalButtonClick()
{
    m_engine.worksheet.chosenCount = 1;
    showCount();
    showBar(SkrivutAntalPanel);
}

void WorksheetPanel::SkrivutUppButtonClick()
{
    int& count = m_engine.worksheet.chosenCount;
    const int most = m_hooks.itemCount ? m_hooks.itemCount() : 0;
    if (count + 1 <= most)
        ++count;
    showCount();
}

void WorksheetPanel::SkrivutNedButtonClick()
{
    int& count = m_engine.worksheet.chosenCount;
    if (count - 1 >= 0)
        --count;
    showCount();
}

void WorksheetPanel::SkrivutAntalAvbrytButtonClick()
{
    m_cameFromChoosing = false;
    showBar(SkrivutPanel1);
}

bool WorksheetPanel::handleKey(int key)
{
    if (!isVisible() || SkrivutAntalPanel->isHidden())
        return false;
    if (key == Qt::Key_Up) {
        SkrivutUppButtonClick();
        return true;
    }
    if (key == Qt::Key_Down) {
        SkrivutNedButtonClick();
        return true;
    }
    return false;
}

void WorksheetPanel::keyPressEvent(QKeyEvent* event)
{
    if (handleKey(event->key()))
        event->accept();
    else
        QFrame::keyPressEvent(event);
}

bool WorksheetPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QFrame::eventFilter(watched, event);
}

// ---- Choosing, viewing, printing, clearing -----------------------------------------------

void WorksheetPanel::SkrivutValjUtButtonClick()
{
    showBar(SkrivutValPanel);
    m_cameFromChoosing = true;
}

void WorksheetPanel::SkrivutNastaButtonClick()
{
    if (m_hooks.nextItem)
        m_hooks.nextItem();
}

void WorksheetPanel::SkrivutValAvbrytButtonClick()
{
    showBar(SkrivutPanel1);
}

void WorksheetPanel::SkrivutSeValButtonClick()
{
    m_cameFromChoosing = false;
    showBar(SkrivutListValPanel);
    m_returnToMain = true;
}

void WorksheetPanel::SkrivutValSeValButtonClick()
{
    m_cameFromChoosing = true;
    showBar(SkrivutListValPanel);
    m_returnToMain = false;
}

void WorksheetPanel::SkrivutSeUtanButtonClick()
{
    if (m_utskrift)
        m_utskrift->showList(1);
}

void WorksheetPanel::SkrivutSeMedButtonClick()
{
    if (m_utskrift)
        m_utskrift->showList(2);
}

void WorksheetPanel::SkrivutListAvbrytButtonClick()
{
    showBar(m_returnToMain ? SkrivutPanel1 : SkrivutValPanel);
}

// The print bar's cancel goes back to the bar that "&Skriv ut" was pressed on.
void WorksheetPanel::SkrivutSkrivUtButtonClick()
{
    m_cameFromChoosing = false;
    showBar(SkrivutSvarPanel);
}

void WorksheetPanel::SkrivutValSkrivUtButtonClick()
{
    m_cameFromChoosing = true;
    showBar(SkrivutSvarPanel);
}

void WorksheetPanel::print(bool withAnswers)
{
    SkrivutAv(true);
    Worksheet& w = m_engine.worksheet;
    w.headingDue = true;
    w.withAnswersFlag = withAnswers;
    if (m_utskrift)
        m_utskrift->SkrivutFraga();
    SkrivutAv(false);
}

void WorksheetPanel::SkrivutUtanSvarButtonClick()
{
    print(false);
}

void WorksheetPanel::SkrivutMedSvarButtonClick()
{
    print(true);
}

void WorksheetPanel::SkrivutSvarAvbrytButtonClick()
{
    show();
    showBar(m_cameFromChoosing ? SkrivutValPanel : SkrivutPanel1);
}

void WorksheetPanel::SkrivutRensaButtonClick()
{
    if (m_utskrift)
        m_utskrift->clearWorksheet(true);
    else
        m_engine.worksheet.clear(true);
    setOutputButtonsEnabled(false);
}

void WorksheetPanel::SkrivutMenynButtonClick()
{
    if (m_utskrift)
        m_utskrift->hide();
    m_engine.worksheet.newBlock = false;
    if (m_hooks.closeForm)
        m_hooks.closeForm();
}

} // namespace vindra
