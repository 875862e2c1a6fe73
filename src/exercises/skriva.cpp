#include "skriva.h"

#include "engine/cp1252.h"
#include "framework/aster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vindra {

TSKRIV::TSKRIV(Engine& engine, const Services& services, QWidget* parent)
    : ExerciseForm(engine, services, parent)
{
    setObjectName(QStringLiteral("SKRIV"));
    Edit1->setMaxLength(45);
    FormCreate();
}

bool TSKRIV::swedishCaptions() const
{
    return code() == 35113 || code() == 35114;
}

int TSKRIV::ruleNumber() const
{
    const int c = code();
    if (c >= 35030 && c <= 35034)
        return 35030;
    if (c == 35050 || c == 35051)
        return 35051;
    if (c >= 35070 && c <= 35073)
        return 35070;
    if (c >= 35100 && c <= 35106)
        return 35100;
    if (c >= 35110 && c <= 35117)
        return 35110;
    if (c == 36012 || c == 36100)
        return 36100;
    return 0;
}

void TSKRIV::rulesButtonAtCreation()
{
    const int c = code();
    if ((c >= 35031 && c <= 35034) || c == 36100 || c == 36200 || c == 37100 || c == 37200 ||
        c == 37300)
        BitBtn2->show();
    if (c == 35051) {
        BitBtn2->setText(QStringLiteral("&Help"));
        BitBtn2->show();
    }
}

void TSKRIV::rulesButtonForItem()
{
    const int c = code();
    if (mode() != 1 && c == 35051)
        BitBtn2->show();
    if ((c >= 35030 && c <= 35034) || (c >= 35071 && c <= 35073) || (c >= 35101 && c <= 35106) ||
        (c >= 35111 && c <= 35117) || c == 36012)
        BitBtn2->show();
}

void TSKRIV::showItem()
{
    const ItemState& item = m_engine.item;
    const bool reversed = code() == 16;
    const QByteArray question = reversed ? item.fields[2] : item.fields[1];
    const QByteArray answer = reversed ? item.fields[1] : item.fields[2];

    FrageLabel2->setText(text(question));
    Label5->setText(text(answer));
    Label5->adjustSize();

    const int right = screen().width() - Aster1->width() - 2 * unit();
    m_engine.dela_mening(FrageLabel1->x(), right, question, 2);
    const QByteArray first = m_engine.sentenceLines[1];
    const QByteArray second = m_engine.sentenceLines[2];
    if (second.isEmpty()) {
        FrageLabel1->hide();
        FrageLabel2->setText(text(first));
    } else {
        FrageLabel1->setText(text(first));
        FrageLabel2->setText(text(second));
    }
    FrageLabel1->adjustSize();

    Edit1->resize(Label5->width() + 6 * unit(), Edit1->height());

    if (code() == 35102)
        FrageLabel2->setText(QStringLiteral("Ask me if I ") + text(first));
    else if (code() == 35104)
        FrageLabel2->setText(QStringLiteral("Ask me if he ") + text(first));
    FrageLabel2->adjustSize();
}

} // namespace vindra
