#include "diaproto.h"

#include "engine/cp1252.h"
#include "engine/diagnosisregister.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vindra {

Tdiaprot::Tdiaprot(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Tdiaprot"));
    setWindowTitle(QStringLiteral("Diagnosis"));
    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setFont(toQFont(FontSpec{QStringLiteral("Arial"), 14, false, true}));
    StringGrid1 = new QTableWidget(kDiagnosisSlots, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("No."), QStringLiteral("Result"), QStringLiteral("State")});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AvbrytButton = new QPushButton(QStringLiteral("&Leave"), this);
    AvbrytButton->setObjectName(QStringLiteral("AvbrytButton"));
    AvbrytButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TitleLabel);
    layout->addWidget(StringGrid1);
    layout->addWidget(AvbrytButton, 0, Qt::AlignLeft);
    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);

    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    resize(screen);

    m_engine.diagnosis.recordChanged = false;
    m_engine.diagnosis.protocol = this;
    rita_prot();
}

Tdiaprot::~Tdiaprot()
{
    if (m_engine.diagnosis.protocol == this)
        m_engine.diagnosis.protocol = nullptr;
}

void Tdiaprot::refreshProtocol()
{
    setEnabled(true);
    rita_prot();
}

void Tdiaprot::setStateCell(int slot, const QByteArray& text)
{
    if (slot >= 1 && slot <= kDiagnosisSlots)
        StringGrid1->setItem(slot - 1, 2, new QTableWidgetItem(cp1252::toUnicode(text)));
}

void Tdiaprot::rita_prot()
{
    const DiagnosisRecord& r = m_engine.diagnosis.current;
    TitleLabel->setText(QStringLiteral("Report of the diagnosises for ") +
                        cp1252::toUnicode(r.name));
    for (int s = 1; s <= kDiagnosisSlots; ++s) {
        const auto i = static_cast<size_t>(s);
        const QStringList cells = {QString::number(s), QString::number(r.result[i]),
                                   cp1252::toUnicode(diagnosisrecord::stateText(r.state[i]))};
        for (int c = 0; c < cells.size(); ++c)
            StringGrid1->setItem(s - 1, c, new QTableWidgetItem(cells[c]));
    }
    if (m_engine.diagnosis.recordChanged) {
        DiagnosisRegister(m_engine).SparaProtokoll();
        m_engine.diagnosis.recordChanged = false;
    }
}

void Tdiaprot::AvbrytButtonClick()
{
    DiagnosisRegister(m_engine).SparaProtokoll();
    m_engine.session.mode = 0;
    m_engine.diagnosis.diagnosisLeft = true;
    accept();
}

} // namespace vindra
