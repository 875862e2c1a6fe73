#include "classoverview.h"

#include "cp1252.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace vindra {

namespace rec = diagnosisrecord;

SlotStanding standingOf(const DiagnosisRecord& record, int slot)
{
    if (slot < 1 || slot > kDiagnosisSlots)
        return SlotStanding::Unreadable;
    const auto s = static_cast<size_t>(slot);
    const qint32 result = record.result[s];
    const quint8 state = record.state[s];
    if (result < 0 || result > 20 || state > 3)
        return SlotStanding::Unreadable;
    if (result >= rec::kPassMark)
        return SlotStanding::Passed;
    if (result > 0 || state == 3)
        return SlotStanding::Practising;
    return state == 1 ? SlotStanding::Waiting : SlotStanding::NotStarted;
}

QString printableName(const QByteArray& name)
{
    QString s = cp1252::toUnicode(name);
    for (QChar& c : s)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return s.isEmpty() ? QStringLiteral("(no name)") : s;
}

int passedSlots(const DiagnosisRecord& record)
{
    int n = 0;
    for (int s = 1; s <= kDiagnosisSlots; ++s)
        n += standingOf(record, s) == SlotStanding::Passed ? 1 : 0;
    return n;
}

ClassOverview ClassOverview::of(const DiagnosisRegister::Contents& contents)
{
    ClassOverview o;
    for (qsizetype n = 0; n < contents.records.size(); ++n) {
        const QByteArray& bytes = contents.records[n];
        for (const QString& problem : rec::problemsOf(bytes))
            o.unreadable << QStringLiteral("record %1 (%2): %3")
                                .arg(n + 1)
                                .arg(printableName(rec::nameOf(bytes)), problem);
        DiagnosisRecord r = rec::fromBytes(bytes);
        r.password.clear();
        for (int s = 1; s <= kDiagnosisSlots; ++s)
            o.passed[static_cast<size_t>(s)] += standingOf(r, s) == SlotStanding::Passed ? 1 : 0;
        o.pupils << r;
    }
    if (!contents.tail.isEmpty())
        o.unreadable << QStringLiteral("the register is truncated: the last %1 bytes do not form "
                                       "a whole record of %2 bytes")
                            .arg(contents.tail.size())
                            .arg(rec::kSize);

    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        o.pupils.begin(), o.pupils.end(), [&](const DiagnosisRecord& a, const DiagnosisRecord& b) {
            return collator.compare(cp1252::toUnicode(a.name), cp1252::toUnicode(b.name)) < 0;
        });
    return o;
}

double ClassOverview::passShare(int slot) const
{
    if (pupils.isEmpty() || slot < 1 || slot > kDiagnosisSlots)
        return 0;
    return static_cast<double>(passed[static_cast<size_t>(slot)]) / pupils.size();
}

} // namespace vindra
