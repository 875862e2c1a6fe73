#include "horo.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "platform/printer.h"
#include "storygames.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtMath>

#include <cmath>

namespace vindra {

namespace {

constexpr char kTextFile[] = "ENG61031.DAT";
constexpr char kWordFile[] = "ENG61032.ORD";
const QColor kAqua(0, 255, 255);

/// The sign's symbol: the zodiac characters of Unicode stand in the signs' order.
QString symbol(int sign)
{
    return QString(QChar(0x2648 + std::clamp(sign, 0, 11)));
}

QString text(const QByteArray& b)
{
    return cp1252::toUnicode(b);
}

QStringList linesOf(const QPlainTextEdit* box)
{
    QStringList lines;
    for (QTextBlock b = box->document()->firstBlock(); b.isValid(); b = b.next())
        lines << b.text();
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

} // namespace

QPoint ZodiacPicture::toPicture(QPoint p) const
{
    if (width() <= 0 || height() <= 0)
        return p;
    return {p.x() * storytext::kZodiacWidth / width(), p.y() * storytext::kZodiacHeight / height()};
}

void ZodiacPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(toPicture(event->position().toPoint()));
}

void ZodiacPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(width()) / storytext::kZodiacWidth,
            static_cast<double>(height()) / storytext::kZodiacHeight);
    p.fillRect(QRect(0, 0, storytext::kZodiacWidth, storytext::kZodiacHeight), QColor(5, 5, 40));

    // A sky of small stars, the same at every drawing.
    p.setPen(Qt::NoPen);
    std::uint32_t seed = 12345;
    for (int i = 0; i < 160; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % storytext::kZodiacWidth);
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % storytext::kZodiacHeight);
        p.setBrush(QColor(255, 255, 200, 90 + static_cast<int>(seed % 150)));
        const double r = 0.8 + (seed % 3) * 0.6;
        p.drawEllipse(QPointF(x, y), r, r);
    }

    // The sun in the middle of the signs.
    const QPointF sun(318, 190);
    p.setPen(QPen(QColor(255, 200, 0), 4));
    for (int ray = 0; ray < 24; ++ray) {
        const double a = ray * M_PI / 12;
        const double inner = 70;
        const double outer = ray % 2 == 0 ? 120 : 100;
        p.drawLine(sun + QPointF(std::cos(a) * inner, std::sin(a) * inner),
                   sun + QPointF(std::cos(a) * outer, std::sin(a) * outer));
    }
    QRadialGradient glow(sun, 66);
    glow.setColorAt(0, QColor(255, 250, 160));
    glow.setColorAt(1, QColor(255, 170, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(sun, 66, 66);
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(22);
    face.setBold(true);
    p.setFont(face);
    p.setPen(QColor(120, 40, 0));
    p.drawText(QRectF(sun.x() - 66, sun.y() - 20, 132, 40), Qt::AlignCenter,
               QStringLiteral("ZODIAC"));

    // The signs, each in its square.
    const auto signs = storytext::signs();
    QFont glyph(QStringLiteral("DejaVu Sans"));
    glyph.setPixelSize(64);
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(15);
    name.setBold(true);
    for (int i = 0; i < 12; ++i) {
        const QRectF box(signs[static_cast<size_t>(i)].highlight + QPoint(8, 8),
                         QSizeF(storytext::kHighlightWidth - 16, storytext::kHighlightHeight - 16));
        p.setPen(QPen(QColor(90, 90, 200), 2));
        p.setBrush(QColor(20, 20, 90));
        p.drawRoundedRect(box, 14, 14);
        p.setFont(glyph);
        p.setPen(QColor(255, 220, 80));
        p.drawText(box.adjusted(0, 0, 0, -22), Qt::AlignCenter, symbol(i));
        p.setFont(name);
        p.setPen(Qt::white);
        p.drawText(box.adjusted(0, box.height() - 28, 0, -4), Qt::AlignCenter,
                   QString::fromLatin1(signs[static_cast<size_t>(i)].name));
    }

    // The horizon below the signs.
    QLinearGradient ground(0, 480, 0, storytext::kZodiacHeight);
    ground.setColorAt(0, QColor(20, 30, 80));
    ground.setColorAt(1, QColor(0, 0, 0));
    QPainterPath hills;
    hills.moveTo(0, 540);
    hills.cubicTo(200, 490, 420, 600, 772, 520);
    hills.lineTo(772, 618);
    hills.lineTo(0, 618);
    hills.closeSubpath();
    p.fillPath(hills, ground);

    if (m_sign >= 0 && m_sign < 12) {
        p.setPen(QPen(kAqua, 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(signs[static_cast<size_t>(m_sign)].highlight,
                         QSize(storytext::kHighlightWidth, storytext::kHighlightHeight)));
    }
}

Thoroskop::Thoroskop(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("horoskop"));
    setWindowTitle(QStringLiteral("Horoskop"));

    Image1 = new ZodiacPicture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1 = new QLabel(QStringLiteral("HOROSKOP"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    storygames::setTextColour(Label1, look::kYellow);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    for (QLabel* l : {Label2, Label3}) {
        storygames::setTextColour(l, kAqua);
        l->setAlignment(Qt::AlignCenter);
    }
    ListBox3 = new QListWidget(this);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setStyleSheet(QStringLiteral("QListWidget { background: black; color: yellow; }"));
    ListBox3->installEventFilter(this);
    Button4 = new QPushButton(QStringLiteral("Quit"), this);
    Button4->setObjectName(QStringLiteral("Button4"));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    storygames::setFill(Panel1, look::kNavy);
    look::setLiesOnTop(Panel1);
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Button3 = new QPushButton(QStringLiteral("&Wordlist"), Panel1);
    Button3->setObjectName(QStringLiteral("Button3"));
    BitBtn1 = new QPushButton(QStringLiteral("&Print"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Button1 = new QPushButton(QStringLiteral("&Leave"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    storygames::setFill(Panel2, look::kMaroon);
    look::setLiesOnTop(Panel2);
    Memo2 = new QPlainTextEdit(Panel2);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button2 = new QPushButton(QStringLiteral("&Leave"), Panel2);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2, Button3, Button4, BitBtn1}) {
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }

    connect(Image1, &ZodiacPicture::clicked, this,
            [this](QPoint at) { Image1MouseDown(at.x(), at.y()); });
    connect(ListBox3, &QListWidget::currentRowChanged, this, [this] { ListBox3Click(); });
    connect(ListBox3, &QListWidget::itemDoubleClicked, this, [this] { Horoscoptext(); });
    connect(Button1, &QPushButton::clicked, this, &Thoroskop::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Thoroskop::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Thoroskop::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Thoroskop::BitBtn1Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void Thoroskop::FormCreate()
{
    storygames::setUpWindow(this, m_services, Qt::black);
    m_file = storygames::currentFile(m_engine, kTextFile);
    layoutWindow();
    StjLista();
    FormShow();
}

void Thoroskop::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const int W = screen.width();
    const int H = screen.height();
    const int margin = std::max(6, W / 80);
    const QFont plain = storygames::arialPixels(m_engine, 18);
    for (QPushButton* b : {Button1, Button2, Button3, Button4, BitBtn1})
        b->setFont(plain);

    Label1->setFont(storygames::arialPixels(m_engine, 33));
    Label1->adjustSize();
    const int symbolSize = Label1->height() * 3 / 2;
    const int titleTop = margin + (symbolSize - Label1->height()) / 2;
    Label1->move((W - Label1->width()) / 2, titleTop);
    QFont symbols(QStringLiteral("DejaVu Sans"));
    symbols.setPixelSize(Label1->height());
    for (QLabel* l : {Label2, Label3}) {
        l->setFont(symbols);
        l->setText(symbol(0));
        l->setFixedSize(symbolSize, symbolSize);
    }
    const int titleMiddle = titleTop + Label1->height() / 2;
    Label2->move(Label1->x() - Label2->width() * 5 / 3, titleMiddle - Label2->height() / 2);
    Label3->move(Label1->x() + Label1->width() + Label3->width() * 4 / 5 - Label3->width() / 2,
                 titleMiddle - Label3->height() / 2);

    const int top = std::max(Label2->y() + Label2->height(), titleTop + Label1->height()) + margin;
    const int buttonH = QFontMetrics(plain).height() + 12;
    const double scale = std::min((W * 0.64) / storytext::kZodiacWidth,
                                  double(H - top - margin) / storytext::kZodiacHeight);
    Image1->setGeometry(margin, top, int(storytext::kZodiacWidth * scale),
                        int(storytext::kZodiacHeight * scale));

    const int listLeft = Image1->x() + Image1->width() + margin;
    const int listWidth = W - listLeft - margin;
    QFont listFont = storygames::arialPixels(m_engine, 18, false);
    // The list shrinks its font until the widest row fits.
    while (
        listFont.pixelSize() > 8 &&
        QFontMetrics(listFont).horizontalAdvance(QStringLiteral("SAGITTARUS  NOV 23 -  DEC 21")) +
                QFontMetrics(listFont).horizontalAdvance(QLatin1Char(' ')) * 8 >
            listWidth - 12)
        listFont.setPixelSize(listFont.pixelSize() - 1);
    ListBox3->setFont(listFont);
    const int rowH = QFontMetrics(listFont).height() + 4;
    const int listH = std::min(rowH * 12 + 8, H - top - 2 * margin - buttonH);
    ListBox3->setGeometry(listLeft, top, listWidth, listH);
    const int quitW = QFontMetrics(plain).horizontalAdvance(QStringLiteral("Quit")) + 40;
    Button4->setGeometry(listLeft + (listWidth - quitW) / 2, top + listH + margin, quitW, buttonH);

    // The text panel, over the picture while a horoscope is shown.
    const int panelTop = titleTop + Label1->height() * 3 / 2;
    const int panelW = W * 3 / 4;
    const int panelH = H - panelTop - margin;
    Panel1->setGeometry((W - panelW) / 8, panelTop, panelW, panelH);
    Memo1->setFont(storygames::arialPixels(m_engine, 22, false));
    const int inner = margin;
    Memo1->setGeometry(inner, inner, panelW - 2 * inner, panelH - 3 * inner - buttonH);
    int x = inner;
    for (QPushButton* b : {Button3, BitBtn1, Button1}) {
        const int bw =
            QFontMetrics(plain).horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 40;
        b->setGeometry(x, panelH - inner - buttonH, bw, buttonH);
        x += bw + inner;
    }
    Panel2->setGeometry(W / 2, panelTop, W / 2 - 20, panelH);
    Memo2->setFont(storygames::arialPixels(m_engine, 16, false));
}

QString Thoroskop::padded(const QByteArray& field, int pixels, const QFont& font) const
{
    const QFontMetrics fm(font);
    QString s = text(field);
    const int target = look::scaled(pixels, std::max(1, m_engine.screenScale));
    while (fm.horizontalAdvance(s + QLatin1Char(' ')) <= target)
        s += QLatin1Char(' ');
    return s;
}

void Thoroskop::StjLista()
{
    ListBox3->clear();
    // Each row: the name padded to a column, the first date, a blank and the second date.
    int widest = 0;
    for (const storytext::Sign& sign : storytext::signs()) {
        const QList<QByteArray> f = QByteArray(sign.listText).split('#');
        widest =
            std::max(widest, QFontMetrics(ListBox3->font()).horizontalAdvance(text(f.value(0))));
    }
    const int column = std::max(100, widest * 100 / std::max(1, m_engine.screenScale) + 12);
    for (const storytext::Sign& sign : storytext::signs()) {
        const QList<QByteArray> f = QByteArray(sign.listText).split('#');
        ListBox3->addItem(padded(f.value(0), column, ListBox3->font()) + text(f.value(1)) +
                          QLatin1Char(' ') + text(f.value(2)));
    }
}

void Thoroskop::FormShow()
{
    Panel1->hide();
    Panel2->hide();
    ListBox3->setCurrentRow(0);
    ListBox3Click();
    ListBox3->setFocus();
}

int Thoroskop::selectedSign() const
{
    return ListBox3->currentRow();
}

void Thoroskop::ListBox3Click()
{
    const int sign = std::max(0, ListBox3->currentRow());
    Image1->setSign(sign);
    Label2->setText(symbol(sign));
    Label3->setText(symbol(sign));
}

void Thoroskop::Image1MouseDown(int x, int y)
{
    if (!Image1->isEnabled())
        return;
    const int sign = storytext::signAt(x, y);
    if (sign < 0)
        return;
    ListBox3->setCurrentRow(sign);
    ListBox3Click();
}

void Thoroskop::Horoscoptext()
{
    const int sign = std::max(0, ListBox3->currentRow());
    QList<QByteArray> lines;
    if (!storygames::readDataText(m_engine, m_file, lines))
        return;
    const QList<int> chosen = storytext::drawSentenceLines(sign, m_engine.random());
    QStringList shown{QStringLiteral("   ") +
                      QString::fromLatin1(storytext::signs()[static_cast<size_t>(sign)].name)};
    for (const QByteArray& l : storytext::horoscope(lines, sign, chosen))
        shown << text(l);
    Memo1->setPlainText(shown.join(QLatin1Char('\n')));
    ListBox3->hide();
    ListBox3->setEnabled(false);
    Image1->setEnabled(false);
    Panel1->setEnabled(true);
    Panel1->show();
    Panel1->raise();
    Button1->setFocus();
}

void Thoroskop::Button1Click()
{
    Panel2->hide();
    Panel1->hide();
    Image1->setEnabled(true);
    ListBox3->show();
    ListBox3->setEnabled(true);
    ListBox3->setFocus();
}

void Thoroskop::Button3Click()
{
    Panel1->setEnabled(false);
    Memo2->clear();
    QList<QByteArray> lines;
    int widest = 0;
    QStringList rows;
    if (storygames::readDataText(m_engine, kWordFile, lines)) {
        const QFontMetrics fm(Memo2->font());
        for (const storytext::WordEntry& e : storytext::readWordList(lines)) {
            const QString row = padded(e.word, 110, Memo2->font()) + text(e.translation);
            rows << row;
            widest = std::max(widest, fm.horizontalAdvance(row));
        }
    }
    Memo2->setPlainText(rows.join(QLatin1Char('\n')));
    const QSize screen = storygames::screenSize(m_services);
    const int scrollBar =
        Memo2->verticalScrollBar() ? Memo2->verticalScrollBar()->sizeHint().width() : 16;
    const int width = std::min(screen.width() - 40, widest + 55 + scrollBar);
    Panel2->setGeometry(screen.width() - width - 20, Panel1->y(), width, Panel1->height());
    const int buttonH = Button2->fontMetrics().height() + 12;
    Memo2->setGeometry(10, 10, width - 20, Panel2->height() - 30 - buttonH);
    const int bw = Button2->fontMetrics().horizontalAdvance(QStringLiteral("Leave")) + 40;
    Button2->setGeometry((width - bw) / 2, Panel2->height() - 10 - buttonH, bw, buttonH);
    Panel2->show();
    Panel2->raise();
    Button2->setFocus();
}

void Thoroskop::Button2Click()
{
    Panel1->setEnabled(true);
    Panel2->hide();
    Button1->setFocus();
}

QStringList Thoroskop::shownText() const
{
    return Panel1->isVisible() ? linesOf(Memo1) : QStringList();
}

QStringList Thoroskop::wordListText() const
{
    return Panel2->isVisible() ? linesOf(Memo2) : QStringList();
}

void Thoroskop::BitBtn1Click()
{
    if (!m_services.printer)
        return;
    Printer& printer = *m_services.printer;
    const QSize page = printer.pageSize();
    auto xmm = [&](int mm) { return static_cast<int>(std::lround(page.width() / 210.0 * mm)); };
    auto ymm = [&](int mm) { return static_cast<int>(std::lround(page.height() / 297.0 * mm)); };
    const PrinterFont body{QStringLiteral("Arial"), 14, false};
    // A sentence wider than the page goes on over further lines.
    printer.setFont(body);
    const int room = page.width() - 2 * xmm(20);
    QStringList lines;
    for (const QString& line : linesOf(Memo1)) {
        QString rest = line;
        while (printer.textWidth(rest) > room) {
            int cut = rest.size();
            while (cut > 1 && printer.textWidth(rest.left(cut)) > room)
                cut = rest.lastIndexOf(QLatin1Char(' '), cut - 1) > 0
                          ? rest.lastIndexOf(QLatin1Char(' '), cut - 1)
                          : cut - 1;
            lines << rest.left(cut);
            rest = rest.mid(cut).trimmed();
        }
        lines << rest;
    }
    storygames::PrintLayout at;
    at.x = xmm(20);
    at.titleY = ymm(20);
    at.bodyY = ymm(40);
    at.step = ymm(7);
    storygames::printLines(printer, QStringLiteral("Vindra - Horoskopet"),
                           PrinterFont{QStringLiteral("Arial"), 20, false}, lines, body, at);
}

void Thoroskop::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (Panel2->isVisible())
            Button2Click();
        else if (Panel1->isVisible())
            Button1Click();
        else
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Thoroskop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ListBox3 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            Horoscoptext();
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Esc on the text's buttons goes back to the list, as "&Leave" does.
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
