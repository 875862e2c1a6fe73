#include "skrivut.h"

#include "engine/cp1252.h"
#include "platform/printer.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QLabel>
#include <QListWidget>

#include <cmath>
#include <cstdlib>

namespace vindra {

using worksheet::LineKind;

const char* const TUtskrift::kCreditLine =
    "Gjort med Vindra, ett program f\u00f6r engelsktr\u00e4ning";
const char* const TUtskrift::kProgramName = "Vindra";

namespace {

constexpr int kPageBottomMm = 276;
constexpr int kNeedPerLineMm = 8;
constexpr int kLeftMm = 20;
constexpr int kTitleHeight = 50;

PrinterFont arial(int points, bool bold)
{
    return PrinterFont{QStringLiteral("Arial"), points, bold};
}

} // namespace

TUtskrift::TUtskrift(Engine& engine, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(QString::fromUtf8("Skrivark\u00f6"));
    setFont(toQFont(FontSpec{QStringLiteral("Arial"), 16, true, false}));

    TitlePanel = new QLabel(QString::fromUtf8("Skrivark\u00f6"), this);
    TitlePanel->setObjectName(QStringLiteral("TitlePanel"));
    TitlePanel->setAlignment(Qt::AlignCenter);
    TitlePanel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 30, true, true}));
    QPalette navy = TitlePanel->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    TitlePanel->setPalette(navy);

    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    setGeometry(screen.width() / 8, screen.height() / 12, screen.width() * 3 / 4,
                screen.height() * 2 / 3);
    TitlePanel->setGeometry(0, 0, width(), kTitleHeight);
}

void TUtskrift::makeListBoxes()
{
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QString::fromUtf8("Arbetsbladet utan svar"));
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setAccessibleName(QString::fromUtf8("Arbetsbladet med svar"));
    for (QListWidget* box : {ListBox1, ListBox2})
        box->setGeometry(8, kTitleHeight, width() - 16, height() - kTitleHeight - 8);
    ListBox2->hide();
    refresh();
}

QListWidget* TUtskrift::listBox(int n)
{
    if (!ListBox1)
        makeListBoxes();
    return n == 2 ? ListBox2 : ListBox1;
}

void TUtskrift::showList(int n)
{
    refresh();
    QListWidget* front = listBox(n);
    listBox(n == 2 ? 1 : 2)->hide();
    front->show();
    front->raise();
    show();
    raise();
}

void TUtskrift::refresh()
{
    if (!ListBox1)
        return; // filled when they are made
    const Worksheet& w = m_engine.worksheet;
    for (int n : {1, 2}) {
        QListWidget* box = listBox(n);
        const QList<QByteArray>& lines = w.list(n);
        // Lines are only ever appended or all removed, so the boxes catch up by appending.
        if (box->count() > lines.size())
            box->clear();
        for (qsizetype i = box->count(); i < lines.size(); ++i)
            box->addItem(cp1252::toUnicode(lines[i]));
    }
}

void TUtskrift::clearWorksheet(bool fromForm)
{
    m_engine.worksheet.clear(fromForm);
    refresh();
}

int TUtskrift::XmmTillPixel(int mm) const
{
    return static_cast<int>(std::lround(m_services.printer->pageSize().width() / 210.0 * mm));
}

int TUtskrift::YmmTillPixel(int mm) const
{
    return static_cast<int>(std::lround(m_services.printer->pageSize().height() / 297.0 * mm));
}

int TUtskrift::YPixelTillmm(int px) const
{
    const int height = m_services.printer->pageSize().height();
    if (height == 0)
        return 0;
    return std::abs(static_cast<int>(std::lround(297.0 / height * px)));
}

QByteArray TUtskrift::UtSkriftSvar(const QByteArray& answer) const
{
    const ItemState& item = m_engine.item;
    return worksheet::UtSkriftSvar(answer, item.fields, item.alternativesCount, item.fieldCount);
}

void TUtskrift::textAt(int xMm, int yMm, const QByteArray& line)
{
    m_services.printer->textOut(XmmTillPixel(xMm), YmmTillPixel(yMm), cp1252::toUnicode(line));
}

void TUtskrift::SkrivSidNr(int n)
{
    Printer& p = *m_services.printer;
    PrinterFont f = p.font();
    f.points = 10;
    f.bold = false;
    p.setFont(f);
    textAt(200, 2, QByteArray::number(n));
}

void TUtskrift::SkrivProgramNamn()
{
    Printer& p = *m_services.printer;
    PrinterFont f = p.font();
    f.points = 8;
    f.bold = false;
    p.setFont(f);
    textAt(2, 2, kProgramName);
}

void TUtskrift::SkrivProgramRubrik()
{
    Worksheet& w = m_engine.worksheet;
    if (!w.headingDue)
        return;
    Printer& p = *m_services.printer;
    PrinterFont f = p.font();
    f.family = QStringLiteral("Arial");
    p.setFont(f);
    w.pageNumber = 1;
    SkrivSidNr(1);

    p.setFont(arial(22, true));
    w.printPosition = 2;
    w.listInUse = w.withAnswersFlag ? 2 : 1;
    const QString heading = w.withAnswersFlag
                                ? QString::fromUtf8("Arbetsblad fr\u00e5n Vindra. Facit.")
                                : QString::fromUtf8("Arbetsblad fr\u00e5n Vindra.");
    const int W = p.textWidth(heading);
    const int h = p.textHeight(QString::fromUtf8("Arbetsblad fr\u00e5n "));
    p.setFont(arial(8, false));
    const int h2 = p.textHeight(QString::fromUtf8(kCreditLine));

    auto frame = [&](int left, int right, int top, int bottom) {
        p.moveTo(left, top);
        p.lineTo(right, top);
        p.lineTo(right, bottom);
        p.lineTo(left, bottom);
        p.lineTo(left, top);
    };
    frame(XmmTillPixel(18), XmmTillPixel(22) + W, YmmTillPixel(2), YmmTillPixel(2 + 6) + h + h2);
    frame(XmmTillPixel(19), XmmTillPixel(21) + W, YmmTillPixel(3), YmmTillPixel(2 + 5) + h + h2);

    p.setFont(arial(22, true));
    p.textOut(XmmTillPixel(kLeftMm), YmmTillPixel(4), heading);
    p.setFont(arial(8, false));
    p.textOut(XmmTillPixel(kLeftMm), YmmTillPixel(4) + h, QString::fromUtf8(kCreditLine));

    w.printPosition = 2 + YPixelTillmm(h + h2) + 2;
    p.setFont(arial(16, false));
    w.headingDue = false;
}

void TUtskrift::newPage()
{
    Worksheet& w = m_engine.worksheet;
    Printer& p = *m_services.printer;
    ++w.pageNumber;
    p.endJob();
    p.beginJob();
    SkrivSidNr(w.pageNumber);
    SkrivProgramNamn();
    PrinterFont f = p.font();
    f.points = 14;
    p.setFont(f);
    w.printPosition = 4;
}

void TUtskrift::SkrivutFraga()
{
    Worksheet& w = m_engine.worksheet;
    if (!m_services.printer || w.isEmpty())
        return;
    Printer& p = *m_services.printer;
    const int copies = p.printDialog();
    if (copies <= 0)
        return;
    p.setFont(arial(14, false));
    const int L = YPixelTillmm(p.textHeight(QString::fromUtf8("\u00c5gJj")));

    for (int copy = 0; copy < copies; ++copy) {
        p.beginJob();
        w.headingDue = true;
        SkrivProgramRubrik();
        const QList<QByteArray>& list = w.list(w.listInUse);
        bool freshPage = false;
        for (qsizetype i = 0; i <= list.size() - 2; ++i) {
            const LineKind kind = worksheet::kindOf(list[i]);
            if (kind == LineKind::Title)
                w.printPosition += 2;
            if (kind == LineKind::Title || kind == LineKind::Item) {
                const int need = worksheet::UppgiftTillNySida(i, list);
                // A line that does not fit even on a fresh page is printed there anyway,
                // rather than opening page after page.
                if (need * kNeedPerLineMm + w.printPosition > kPageBottomMm && !freshPage) {
                    newPage();
                    freshPage = true;
                    --i;
                    continue;
                }
            }
            freshPage = false;
            if (kind == LineKind::Title) {
                p.setFont(arial(16, true));
                w.printPosition += L;
                textAt(kLeftMm, w.printPosition, list[i]);
                PrinterFont f = p.font();
                f.points = 14;
                p.setFont(f);
                if (worksheet::InstruktionFinns(i, list)) {
                    w.printPosition += L + 1;
                    ++i;
                    textAt(kLeftMm, w.printPosition, list[i]);
                }
                f.bold = false;
                p.setFont(f);
            } else {
                if (kind == LineKind::Item)
                    w.printPosition += 2;
                w.printPosition += L + 1;
                textAt(kLeftMm, w.printPosition, list[i]);
            }
        }
        const QByteArray& last = list.last();
        if (!last.isEmpty()) {
            w.printPosition += 2;
            w.printPosition += L + 1;
            textAt(kLeftMm, w.printPosition, last);
        }
        p.endJob();
    }
    p.endDocument();
}

} // namespace vindra
