#include "taskdata.h"

#include <QRandomGenerator>
#include <QStringList>

GridTable GenerateTaskStore(int tasks, quint32 seed) {
    static const char* const categories[] = {"Business", "Personal", "Family",  "Health",
                                             "Errands",  "Birthday", "Meeting", "Travel"};
    static const char* const words[] = {"call",   "the",     "bank",   "about",  "renewal", "pick",   "up",
                                        "parcel", "dentist", "review", "report", "with",    "team",   "buy",
                                        "milk",   "and",     "bread",  "pay",    "bills",   "before", "Friday",
                                        "send",   "invoice", "to",     "client", "book",    "flights"};
    QRandomGenerator random(seed);
    const auto sentence = [&](int length) {
        QString text;
        while (text.size() < length) {
            if (!text.isEmpty())
                text += QLatin1Char(' ');
            text += QLatin1String(words[random.bounded(int(std::size(words)))]);
        }
        return text;
    };

    GridTable table(6, tasks + 1);
    const QStringList heading{QStringLiteral("Key"),   QStringLiteral("Time"), QStringLiteral("Category"),
                              QStringLiteral("Notes"), QStringLiteral("Done"), QStringLiteral("Alarm")};
    for (int c = 0; c < 6; ++c)
        table.setCell(c, 0, heading[c]);
    const QString yes = QStringLiteral("Yes"), no = QStringLiteral("No");
    // Days 38000 to 46000, the tasks of a day numbered from 101 on, in key order.
    int previousDay = -1, sequence = 100;
    for (int i = 0; i < tasks; ++i) {
        const int day = 38000 + int(qint64(i) * 8000 / tasks);
        sequence = day == previousDay ? sequence + 1 : 101;
        previousDay = day;
        const int quarter = random.bounded(96);
        const int hour = quarter / 4 % 12 == 0 ? 12 : quarter / 4 % 12;
        const QString time = QStringLiteral("%1:%2 %3")
                                 .arg(hour)
                                 .arg(quarter % 4 * 15, 2, 10, QLatin1Char('0'))
                                 .arg(quarter < 48 ? QStringLiteral("AM") : QStringLiteral("PM"));
        const int length = 20 + random.bounded(61);
        QString notes = sentence(length);
        if (random.bounded(4) == 0) {
            const int cut = int(notes.size()) / 2;
            notes = notes.left(cut) + QStringLiteral("\r\n") + notes.mid(cut + 1);
        }
        notes.truncate(length);

        const int row = i + 1;
        table.setCell(0, row, QStringLiteral("%1.%2").arg(day).arg(sequence));
        table.setCell(1, row, time);
        table.setCell(2, row, QLatin1String(categories[random.bounded(8)]));
        table.setCell(3, row, notes);
        table.setCell(4, row, random.bounded(3) == 0 ? yes : no);
        table.setCell(5, row, random.bounded(4) == 0 ? yes : no);
    }
    return table;
}
