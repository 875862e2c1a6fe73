#include "rekordu.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "games/gamelook.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/screen.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace vindra {

using namespace gamelook;

namespace {

constexpr int kRows = highscore::kTableSize + 2; // header row, rows 1..100, the row without place

} // namespace

TRekord::TRekord(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Rekord"));
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kSilver);
    setPalette(pal);

    Panel1 = panel(this, "Panel1", look::kNavy);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(look::colourStyle(look::kYellow));
    Label1->setAlignment(Qt::AlignCenter);
    Panel2 = panel(this, "Panel2", look::kNavy);
    Panel3 = panel(Panel2, "Panel3", look::kSilver);
    StringGrid1 = new QTableWidget(kRows, 4, Panel3);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    // Row 0 is the fixed header row: its texts stand in the grid's header, which stays in
    // view while the rows scroll.
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setRowHidden(0, true);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->installEventFilter(this);
    Panel4 = panel(this, "Panel4", look::kNavy);
    Sluta = new QPushButton(QStringLiteral("Leave without saving - Esc"), Panel4);
    Sluta->setObjectName(QStringLiteral("Sluta"));
    Button1 = new QPushButton(QStringLiteral("Leave and save - Enter"), Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {Sluta, Button1})
        b->setAutoDefault(false);
    Panel5 = panel(this, "Panel5", look::kSilver);
    Panel6 = panel(this, "Panel6", look::kSilver);
    connect(Button1, &QPushButton::clicked, this, &TRekord::Button1Click);
    connect(Sluta, &QPushButton::clicked, this, &TRekord::SlutaClick);
}

QString TRekord::title() const
{
    const int code = m_engine.item.exerciseCode;
    const QString name = catalogue::gameTitle(code);
    if (!name.isEmpty())
        return QStringLiteral("Score for  \"") + name + QLatin1Char('"');
    return QStringLiteral("Score for  ") + cp1252::toUnicode(m_engine.highScore.listTitle);
}

void TRekord::FormCreate()
{
    m_kind = highscore::kindOf(m_engine.item.exerciseCode);
    layOut();
    Datumet();
    Tabell();
}

void TRekord::layOut()
{
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const int W = screen.width();
    const int H = screen.height();
    const int u = std::max(m_engine.layoutUnit, 4);
    const int scale = m_engine.screenScale;
    setGeometry(0, 0, W, H);

    Panel1->setGeometry(W / 8, 0, W * 3 / 4, H / 8);
    Label1->setText(title());
    // The title starts at 40 points and loses a point at a time until it fits its panel.
    int points = 40;
    auto fits = [&] {
        const QFontMetrics fm(look::arial(points));
        return fm.horizontalAdvance(Label1->text()) <= Panel1->width() - 2 * u &&
               fm.height() <= Panel1->height() - u;
    };
    while (points > 10 && !fits())
        --points;
    Label1->setFont(look::arial(points));
    Label1->setGeometry(u, u / 2, Panel1->width() - 2 * u, Panel1->height() - u);

    Panel2->setGeometry(W / 16, H / 8, W * 7 / 8, H * 3 / 4);
    Panel3->setGeometry(u, u, Panel2->width() - 2 * u, Panel2->height() - 2 * u);
    StringGrid1->setGeometry(u, u, Panel3->width() - 2 * u, Panel3->height() - 2 * u);

    Panel4->setGeometry(Panel2->x(), Panel2->geometry().bottom() + 1, Panel2->width(), H / 8);
    const int bw = Panel4->width() * 30 / 64;
    const int bh = std::min(Panel4->height() - 8, std::max(3 * u, Panel4->height() / 2));
    const int by = (Panel4->height() - bh) / 2;
    Sluta->setGeometry(Panel4->width() / 64, by, bw, bh);
    Button1->setGeometry(Panel4->width() * 33 / 64, by, bw, bh);
    for (QPushButton* b : {Sluta, Button1}) {
        b->setFont(look::arial(look::scaled(12, scale)));
        look::fitFont(b, b->text(), b->size());
    }
    // The side panels fill the margins beside the table, never under it.
    Panel5->setGeometry(0, 0, Panel2->x(), H);
    const int right = Panel2->geometry().right() + 1;
    Panel6->setGeometry(right, 0, W - right, H);

    // The grid's font shrinks until the number, name and date columns leave room for the score.
    const int gridWidth =
        StringGrid1->width() - StringGrid1->verticalScrollBar()->sizeHint().width() - 4;
    int pixels = look::scaled(16, scale);
    QFont font = look::arial(pixels, true, true);
    auto widths = [&](const QFontMetrics& fm) {
        return std::array<int, 3>{fm.horizontalAdvance(QStringLiteral(" 400  ")),
                                  fm.horizontalAdvance(QString(32, QLatin1Char('n'))),
                                  fm.horizontalAdvance(QStringLiteral(" 3970523 24:553 "))};
    };
    while (pixels > 8) {
        const auto w = widths(QFontMetrics(font));
        if (w[0] + w[1] + w[2] +
                QFontMetrics(font).horizontalAdvance(QStringLiteral("  Score, sec 00")) <=
            gridWidth)
            break;
        font.setPixelSize(--pixels);
    }
    StringGrid1->setFont(font);
    const QFontMetrics fm(font);
    const auto w = widths(fm);
    const int rowHeight = fm.height() * 8 / 7 + 1;
    for (int r = 0; r < kRows; ++r)
        StringGrid1->setRowHeight(r, rowHeight);
    StringGrid1->setColumnWidth(0, w[0]);
    StringGrid1->setColumnWidth(1, w[1]);
    StringGrid1->setColumnWidth(2, w[2]);
    StringGrid1->setColumnWidth(3, std::max(gridWidth - w[0] - w[1] - w[2], 10));

    const QStringList header = {QStringLiteral("  Nr."), QStringLiteral("       Name"),
                                QStringLiteral("  Date and time"), highscore::scoreHeader(m_kind)};
    for (int c = 0; c < 4; ++c)
        StringGrid1->setItem(0, c, new QTableWidgetItem(header[c]));
    StringGrid1->setHorizontalHeaderLabels(header);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->horizontalHeader()->setFont(font);
    for (int r = 1; r <= highscore::kTableSize; ++r)
        StringGrid1->setItem(r, 0, new QTableWidgetItem(highscore::rowNumberText(r)));
}

void TRekord::Datumet()
{
    m_engine.highScore.entry.stamp(m_engine.clock().now());
}

void TRekord::IniGrid(int row, const highscore::Entry& entry)
{
    auto set = [&](int column, const QString& text) {
        StringGrid1->setItem(row, column, new QTableWidgetItem(text));
    };
    set(1, QStringLiteral("   ") + cp1252::toUnicode(entry.name));
    set(2, QLatin1Char(' ') + highscore::dateText(entry));
    set(3, highscore::scoreText(entry.score, m_kind));
}

void TRekord::Tabell()
{
    const QString path = m_engine.highScore.path;
    recordfile::Error error;
    std::optional<highscore::Loaded> loaded = highscore::load(path, &error);
    if (!loaded) {
        // The list cannot be read: the entry is shown alone and nothing can be saved.
        m_engine.messages().show(MessageKind::Plain, failureText(error, false));
        loaded = highscore::Loaded{};
        Button1->setEnabled(false);
    } else if (!loaded->exists && !highscore::createEmpty(path, &error)) {
        m_engine.messages().show(MessageKind::Plain, failureText(error, true));
        Button1->setEnabled(false);
    }
    const highscore::Entry& entry = m_engine.highScore.entry;
    const highscore::Placement p = highscore::place(loaded->records, entry, m_kind);
    for (int r = 0; r < p.rows.size(); ++r)
        IniGrid(r + 1, p.rows[r]);
    m_row = p.row;
    if (m_row == highscore::kNoPlace) {
        StringGrid1->setItem(m_row, 0, new QTableWidgetItem(highscore::rowNumberText(m_row)));
        IniGrid(m_row, entry);
    }
    // An entry without a name is never stored: it would end the list for older readers.
    if (entry.name.isEmpty())
        Button1->setEnabled(false);
    for (int c = 1; c <= 3; ++c)
        if (QTableWidgetItem* item = StringGrid1->item(m_row, c)) {
            item->setBackground(look::kNavy);
            item->setForeground(Qt::white);
        }
    scrollToEntry();
}

void TRekord::scrollToEntry()
{
    const int visible =
        std::max(1, StringGrid1->viewport()->height() / std::max(1, StringGrid1->rowHeight(1)));
    int top = 0;
    if (m_row >= 10 && m_row < 90)
        top = std::max(0, m_row - visible / 2);
    else if (m_row >= 90)
        top = 90;
    StringGrid1->verticalScrollBar()->setValue(top);
    if (QTableWidgetItem* item = StringGrid1->item(m_row, 1))
        StringGrid1->scrollToItem(item, QAbstractItemView::EnsureVisible);
}

int TRekord::topRow() const
{
    return StringGrid1->rowAt(0);
}

void TRekord::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    scrollToEntry();
    StringGrid1->setFocus();
}

void TRekord::Button1Click()
{
    if (!Button1->isEnabled())
        return;
    Datumet();
    recordfile::Error error;
    const highscore::SaveResult result =
        highscore::save(m_engine.highScore.path, m_engine.highScore.entry, m_kind, &error);
    if (result.status == recordfile::Status::Saved ||
        result.status == recordfile::Status::Unchanged) {
        accept();
        return;
    }
    m_engine.messages().show(MessageKind::Plain, failureText(error, true));
}

QString TRekord::failureText(const recordfile::Error& error, bool saving) const
{
    const QString file = QFileInfo(m_engine.highScore.path).fileName();
    if (!saving)
        return QStringLiteral("Filen ") + m_engine.highScore.path +
               QStringLiteral(" finns inte eller är felaktig");
    QString why;
    switch (error.cause) {
    case recordfile::Cause::NoDirectory:
        why = QStringLiteral("Katalogen för poänglistorna finns inte.");
        break;
    case recordfile::Cause::NoPermission:
        why = QStringLiteral("Du har inte rätt att skriva i katalogen för poänglistorna.");
        break;
    case recordfile::Cause::LockHeld:
        why = QStringLiteral("Listan används av en annan dator just nu. Försök igen om en stund.");
        break;
    case recordfile::Cause::DiskFull:
        why = QStringLiteral("Disken är full.");
        break;
    default:
        why = error.detail;
    }
    return QStringLiteral("Poänglistan ") + file + QStringLiteral(" kunde inte sparas. ") + why;
}

void TRekord::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        SlutaClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Button1Click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TRekord::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
