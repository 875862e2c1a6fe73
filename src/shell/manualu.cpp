#include "manualu.h"

#include "engine/cp1252.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace vindra {

namespace {

constexpr char kManualFile[] = "\\DATA\\ENGMAN.TXT";
constexpr int kTitlePixels = 36;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 33;
constexpr int kButtonPixels = 16;
// Lines go on a page until the print position passes this many millimetres.
constexpr int kPageBottomMm = 256;

QStringList linesOf(const QPlainTextEdit* box)
{
    QStringList lines;
    for (QTextBlock b = box->document()->firstBlock(); b.isValid(); b = b.next())
        lines << b.text();
    // A text that ends with a line break has an empty last block that is no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty() &&
        box->toPlainText().endsWith(QLatin1Char('\n')))
        lines.removeLast();
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

} // namespace

TManual::TManual(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Manual"));
    setWindowTitle(QStringLiteral("Manual till Vindra"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Label1 = new QLabel(QStringLiteral("Manual till Vindra"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QPalette titlePal = Label1->palette();
    titlePal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label1->setPalette(titlePal);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    for (QPlainTextEdit* memo : {Memo1, Memo2}) {
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->installEventFilter(this);
    }
    Memo2->hide();

    Button1 = new QPushButton(QStringLiteral("Avbryt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Skriv ut"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Skriv ut markerat"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {Button1, Button2, Button3})
        b->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &TManual::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TManual::Button3Click);

    m_loaded = FormCreate();
}

bool TManual::FormCreate()
{
    QByteArray content;
    if (!files::readAll(m_engine.materialPath(kManualFile), content)) {
        m_engine.fileError(m_engine.dirs.cd + kManualFile);
        return false;
    }
    QStringList lines;
    // The line break that ends the file starts no line of its own.
    if (content.endsWith('\n'))
        content.chop(1);
    if (!content.isEmpty()) {
        for (QByteArray line : content.split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            lines << QStringLiteral("  ") + cp1252::toUnicode(line);
        }
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    layoutWindow();
    return true;
}

void TManual::layoutWindow()
{
    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const int scale = m_engine.screenScale > 0 ? m_engine.screenScale : 100;
    auto s = [scale](int v) { return v * scale / 100; };
    const int unit = m_engine.layoutUnit;
    setGeometry(0, 0, screen.width(), screen.height());

    Label1->setFont(toQFont(FontSpec{QStringLiteral("Arial"), s(kTitlePixels), true, false}));
    Label1->adjustSize();
    const int titleHeight = Label1->height();
    Label1->move((screen.width() - Label1->width()) / 2, titleHeight / 2);

    // A fixed-pitch face keeps the manual's tables in their columns.
    const QFont text = toQFont(FontSpec{QStringLiteral("Courier New"), s(15), true, false});
    for (QPlainTextEdit* memo : {Memo1, Memo2}) {
        memo->setFont(text);
        memo->setGeometry(2 * unit, 3 * titleHeight, screen.width() - 4 * unit,
                          screen.height() - 5 * titleHeight);
    }

    const int bw = s(kButtonWidth);
    const int bh = s(kButtonHeight);
    const int top = screen.height() - 3 * bh / 2;
    const QFont font = toQFont(FontSpec{QStringLiteral("Arial"), s(kButtonPixels), true, true});
    // The three buttons stand evenly spaced from a quarter of the screen width.
    const int step = bw + 2 * unit;
    Button1->setGeometry(screen.width() / 4, top, bw, bh);
    Button2->setGeometry(screen.width() / 4 + step, top, bw, bh);
    Button3->setGeometry(screen.width() / 4 + 2 * step, top, bw, bh);
    for (QPushButton* b : {Button1, Button2, Button3})
        b->setFont(font);
}

int TManual::XmmTillPixel(int mm) const
{
    const int w = m_services.printer ? m_services.printer->pageSize().width() : 0;
    return static_cast<int>(std::lround(w / 210.0 * mm));
}

int TManual::YmmTillPixel(int mm) const
{
    const int h = m_services.printer ? m_services.printer->pageSize().height() : 0;
    return static_cast<int>(std::lround(h / 297.0 * mm));
}

int TManual::YPixelTillmm(int px) const
{
    const int h = m_services.printer ? m_services.printer->pageSize().height() : 0;
    if (h <= 0)
        return 0;
    return static_cast<int>(std::lround(297.0 / h * px));
}

void TManual::SkrivSidNr(int page)
{
    Printer& printer = *m_services.printer;
    printer.setFont(PrinterFont{QStringLiteral("Arial"), 12, false});
    printer.textOut(XmmTillPixel(200), YmmTillPixel(2), QString::number(page));
}

void TManual::printLines(const QStringList& lines, int firstTop)
{
    if (!m_services.printer)
        return;
    const bool blank = std::all_of(lines.begin(), lines.end(),
                                   [](const QString& l) { return l.trimmed().isEmpty(); });
    if (blank) {
        if (m_services.messages)
            m_services.messages->show(MessageKind::Information,
                                      QStringLiteral("Det finns ingen text att skriva ut."));
        return;
    }
    Printer& printer = *m_services.printer;
    const int copies = printer.printDialog();
    for (int copy = 0; copy < copies; ++copy) {
        int page = 1;
        printer.beginJob();
        SkrivSidNr(page);
        const PrinterFont body{QStringLiteral("Arial"), 12, false};
        printer.setFont(body);
        const int h = YPixelTillmm(printer.textHeight(QStringLiteral("Åg")));
        int p = firstTop;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            printer.textOut(XmmTillPixel(15), YmmTillPixel(p + h), lines[i]);
            p += h + 1;
            // A full page after the last line needs no further page.
            if (p > kPageBottomMm && i + 1 < lines.size()) {
                printer.endJob();
                printer.beginJob();
                SkrivSidNr(++page);
                printer.setFont(body);
                p = 4;
                printer.textOut(XmmTillPixel(15), YmmTillPixel(p + h), lines[i]);
                p += h + 1;
            }
        }
        printer.endJob();
    }
    if (copies > 0)
        printer.endDocument();
}

void TManual::Button2Click()
{
    printLines(linesOf(Memo1), 10);
}

void TManual::Button3Click()
{
    // The selection goes straight into the hidden box, so the clipboard keeps what the
    // person had put there.
    QString selection = Memo1->textCursor().selectedText();
    selection.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    Memo2->setPlainText(selection);
    printLines(linesOf(Memo2), 5);
}

void TManual::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TManual::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
