#include "holidays/holidaylists.h"

#include "common/basic.h"
#include "common/formatsettings.h"
#include "common/routines.h"
#include "data/gridtable.h"
#include "holidays/holidayrules.h"

// clang-format off
const char* const kHolidayCountries[kHolidayCountryCount] = {
    "Australia",
    "Austria",
    "Belgium",
    "Brazil",
    "Canada - English",
    "Canada - French",
    "Denmark",
    "Finland",
    "France",
    "Germany",
    "Ireland",
    "Italy",
    "Japan",
    "Netherlands",
    "New Zealand",
    "Norway",
    "Portugal",
    "South Africa",
    "Spain",
    "Sweden",
    "Switzerland",
    "United Kingdom",
    "United States",
    "CHRISTIAN LUNAR",
    "JEWISH LUNAR",
};

const HolidayStructure kHolidayList[kHolidayListCount] = {
    {0, "Jan01", "New Year's Day"},
    {0, "Apr25", "ANZAC Day"},
    {0, "Jun08", "Queen's Birthday"},
    {0, "12Oct", "Labour Day"},
    {0, "Dec26", "Boxing Day"},
    {0, "Dec25", "Christmas"},
    {1, "Jan01", "Neujahr"},
    {1, "Jan06", "Heilige Drei Könige"},
    {1, "May01", "Staatsfeiertag"},
    {1, "Aug15", "Mariä Himmelfahrt"},
    {1, "Oct26", "Nationalfeiertag"},
    {1, "Nov01", "Allerheiligen"},
    {1, "Dec08", "Mariä Empfängnis"},
    {1, "Dec25", "Weihnachtstag"},
    {1, "Dec26", "Stephanstag"},
    {2, "Jan01", "Nieuwjaar/Jour de l'An"},
    {2, "May01", "Feest va de Arbeid/Fête du Travail"},
    {2, "Jul11", "Feest Ned. Cultuurgem./Fête Comm. cult. néerl."},
    {2, "Jul21", "Nationale Feestdag/Fête Nationale"},
    {2, "Aug15", "O.L.V.-Hemelvaart./Assomption"},
    {2, "Sep27", "Feest. Franst. Cultuurgem./Fête Comm. cult. franç"},
    {2, "Nov01", "Allerheiligen/Toussaint"},
    {2, "Nov11", "Wapenstilstand 1918/Armistice 1918"},
    {2, "Dec25", "Kerstmis/Noël"},
    {3, "Jan01", "Confr. Universal"},
    {3, "Jan06", "Santos Reis"},
    {3, "Apr21", "Tiradentes"},
    {3, "May01", "Festa do Trabalho"},
    {3, "Jun29", "São Pedro"},
    {3, "Aug15", "Assunção N. Senhora"},
    {3, "Sep07", "Indep. do Brasil"},
    {3, "Oct12", "N. Sra. Aparecida"},
    {3, "Nov01", "Todos os Santos"},
    {3, "Nov02", "Finados"},
    {3, "Nov15", "Procl. da Rep."},
    {3, "Dec08", "Imaculada Conceição"},
    {3, "Dec25", "Natal"},
    {3, "Dec31", "São Silvestre"},
    {4, "Jan01", "New Year's Day"},
    {4, "Jul01", "Canada Day"},
    {4, "12Aug", "Civic Holiday"},
    {4, "12Sep", "Labour Day"},
    {4, "Oct12", "Thanksgiving Day"},
    {4, "Nov11", "Remembrance Day"},
    {4, "Dec25", "Christmas"},
    {4, "Dec26", "Boxing Day"},
    {5, "Jan01", "Jour de l'An"},
    {5, "Jun24", "Fête Nationale des Québecois"},
    {5, "Jul01", "Jour de la Confédération"},
    {5, "12Sep", "Fête du Travail"},
    {5, "Oct12", "Jour d'Action de Grâces"},
    {5, "Nov11", "Jour du Souvenir"},
    {5, "Dec25", "Noël"},
    {5, "Dec26", "Lendemain de Noël"},
    {6, "Jan01", "Nytår"},
    {6, "May01", "1. Maj"},
    {6, "Jun05", "Grundlovsdag"},
    {6, "Dec25", "Juledag"},
    {6, "Dec26", "2. Juledag"},
    {7, "Jan01", "Uudenvuodenpäivä"},
    {7, "Jan06", "Loppiainen"},
    {7, "May01", "Vappu"},
    {7, "Dec06", "Itsenäisyyspäivä"},
    {7, "Dec24", "Jouluaato"},
    {7, "Dec25", "Jouluaato"},
    {7, "Dec26", "2. joulupäivä"},
    {8, "Jan01", "Jour de l'An"},
    {8, "May01", "Fête du Travail"},
    {8, "May08", "Armistice 1945"},
    {8, "Jul14", "Fête Nationale"},
    {8, "Aug15", "Assomption"},
    {8, "Nov01", "Toussaint"},
    {8, "Nov11", "Armistice 1918"},
    {8, "Dec25", "Noël"},
    {9, "Jan01", "Neujahr"},
    {9, "Jan06", "Heilige Drei Könige"},
    {9, "May01", "Maifeiertag"},
    {9, "Oct03", "Tag der deutschen Einheit"},
    {9, "Nov01", "Allerheiligen"},
    {9, "34Nov", "Buß- und Bettag"},
    {9, "41Nov", "Totensonntag"},
    {9, "Dec24", "Heiligabend"},
    {9, "Dec25", "1. Weihnachtstag"},
    {9, "Dec26", "2. Weihnachtstag"},
    {9, "Dec31", "Silvester"},
    {10, "Jan01", "New Year's Day"},
    {10, "Mar17", "St. Patrick's Day"},
    {10, "12Jun", "June Holiday"},
    {10, "12Aug", "August Holiday"},
    {10, "52Oct", "October Holiday"},
    {10, "Dec24", "Christmas Eve"},
    {10, "Dec25", "Christmas"},
    {10, "Dec26", "Boxing Day"},
    {10, "Dec31", "New Year's Eve"},
    {11, "Jan01", "Capodanno"},
    {11, "Jan06", "Epifania"},
    {11, "Apr25", "Anniv. della Liberazione"},
    {11, "May01", "Festa del Lavoro"},
    {11, "Aug15", "Assunzione M.V."},
    {11, "Nov01", "Ognissanti"},
    {11, "Dec08", "Immacolata Concezione"},
    {11, "Dec25", "Natale"},
    {11, "Dec26", "Santo Stefano"},
    {12, "Jan01", "New Year's Day"},
    {12, "Jan15", "Adult's Day"},
    {12, "Feb11", "Commemoration of the Founding of the Nation"},
    {12, "Mar20", "Vernal Equinox Day"},
    {12, "May03", "Constitution Day"},
    {12, "May04", "Greenary Day"},
    {12, "May05", "Childrens' Day"},
    {12, "Sep15", "Respect for the Aged Day"},
    {12, "Sep23", "Autumnal Equinox Day"},
    {12, "Oct10", "Health-Sports Day"},
    {12, "Nov23", "Labour Thanksgiving Day"},
    {12, "Nov03", "Culture Day"},
    {12, "Dec23", "The Emperor's Birthday"},
    {13, "Jan01", "Nieuwjaar"},
    {13, "Apr30", "Koninginnedag"},
    {13, "May05", "Bevrijdingsdag"},
    {13, "Dec25", "Kerstmis"},
    {13, "Dec26", "2de Kerstdag"},
    {14, "Jan01", "New Year's Day"},
    {14, "Feb06", "Waitangi Day"},
    {14, "Apr25", "ANZAC Day"},
    {14, "12Jun", "Queen's Birthday"},
    {14, "42Oct", "Labour Day"},
    {14, "Dec25", "Christmas"},
    {14, "Dec26", "Boxing Day"},
    {15, "Jan01", "Nyttårsdag"},
    {15, "May01", "1. mai"},
    {15, "May17", "17. mai"},
    {15, "Dec25", "Juledag"},
    {15, "Dec26", "2. Juledag"},
    {16, "Jan01", "Circuncisão"},
    {16, "Apr25", "Dia da Liberdade"},
    {16, "May01", "Dia do Trabalho"},
    {16, "Jun10", "Dia de Portugal"},
    {16, "Aug15", "Assunção de Nossa Senhora"},
    {16, "Oct05", "Proclamação da República"},
    {16, "Nov01", "Todos-os-Santos"},
    {16, "Dec01", "Restaur. de Independ"},
    {16, "Dec08", "Imaculada Conceiçao de Nossa Senhora"},
    {16, "Dec25", "Dia de Natal"},
    {17, "Jan01", "New Year's Day"},
    {17, "Mar21", "Human Right's Day"},
    {17, "Apr27", "Freedom Day"},
    {17, "May01", "Workers' Day"},
    {17, "Jun16", "Youth Day"},
    {17, "Aug09", "National Women's Day"},
    {17, "Sep24", "Heritage Day"},
    {17, "Dec16", "Day of Reconciliation"},
    {17, "Dec25", "Christmas"},
    {17, "Dec26", "Day of Goodwill"},
    {18, "Jan01", "Año Nuevo"},
    {18, "Jan06", "Epifanía"},
    {18, "Jan23", "San Ildefonso"},
    {18, "Feb28", "Día de Andalucía"},
    {18, "Mar19", "San José"},
    {18, "Apr02", "Fiesta de la Primavera"},
    {18, "Apr23", "Día de Aragón/Día de la Comunidad"},
    {18, "May01", "Fiesta Trabajo"},
    {18, "May02", "Día de la Comunidad"},
    {18, "May15", "San Isidro"},
    {18, "May30", "Día de Canarias"},
    {18, "May31", "Día de Castilla-La Mancha"},
    {18, "Jun09", "Día de la Región/Día de la Rioja"},
    {18, "Jun13", "San Antonio"},
    {18, "Jul07", "San Fermín"},
    {18, "Jul25", "Santiago"},
    {18, "Aug15", "Asunción"},
    {18, "Aug25", "Batalla de las Flores"},
    {18, "Sep08", "Día de Asturias/V. de San Lorenzo/V. Guadalupe"},
    {18, "Sep09", "Sta. María de la Cabeza"},
    {18, "Sep13", "Viernes Santo"},
    {18, "Sep21", "San Mateo"},
    {18, "Sep24", "Sta. Mercedes"},
    {18, "Oct09", "Día de la Comunidad"},
    {18, "Oct12", "Hispanidad"},
    {18, "Oct15", "N. Sra. Bien Aparecida"},
    {18, "Oct07", "N. Sra. del Rosario"},
    {18, "Dec08", "Día de la Constitución"},
    {18, "Dec25", "Navidad"},
    {18, "Dec26", "San Esteban"},
    {19, "Jan01", "Nyårsdagen"},
    {19, "Jan06", "Trettondagen"},
    {19, "May01", "Första maj"},
    {19, "51May", "Mors dag"},
    {19, "Jun24", "Johannes Döparens dag"},
    {19, "Oct24", "FN-dagen"},
    {19, "21Nov", "Fars dag"},
    {19, "Dec25", "Juldagen"},
    {19, "Dec26", "Annandag jul"},
    {20, "Jan01", "Nouvel An/Neujahr/Capo d'anno"},
    {20, "Jan02", "Berchtoldstag"},
    {20, "Jan06", "Les 3 Rois/Heilige 3 Könige/Epifania"},
    {20, "Jan24", "Indépendance vaudoise"},
    {20, "Mar01", "République neuchâteloise"},
    {20, "Aug01", "Fête Nationale Suisse/Bundesfeier/Festa Federale"},
    {20, "Aug15", "Assomption de N.D./Mariä Himmelfahrt/Assunzione"},
    {20, "Dec08", "Imm. Concept. de N.D./Mariä Empfängnis/Immacolata"},
    {20, "Dec25", "Noël/Weihnachten/Natale"},
    {20, "Dec26", "St.-Etienne/Stephanstag/Santo Stefano"},
    {20, "Dec31", "Sylvestre/Silvester/S. Silvestro"},
    {21, "Jan01", "New Year's Day"},
    {21, "12May", "May Day"},
    {21, "52May", "Spring Bank Holiday"},
    {21, "22Jul", "Public Holiday, Northern Ireland"},
    {21, "52Aug", "Summer Bank Holiday"},
    {21, "Dec24", "Christmas Eve"},
    {21, "Dec25", "Christmas"},
    {21, "Dec26", "Boxing Day"},
    {21, "Dec31", "New Year's Eve"},
    {22, "Jan01", "New Year's Day"},
    {22, "32Jan", "Martin Luther King, Jr."},
    {22, "Feb02", "Groundhog Day"},
    {22, "Feb12", "Lincoln's Birthday"},
    {22, "Feb14", "Valentine's Day"},
    {22, "32Feb", "President's Day"},
    {22, "Feb22", "Washington's Birthday"},
    {22, "Mar17", "St. Patrick's Day"},
    {22, "Apr01", "April Fool's Day"},
    {22, "11Apr", "Daylight Savings Time Begins"},
    {22, "21May", "Mother's Day"},
    {22, "37May", "Armed Forces Day"},
    {22, "52May", "Memorial Day (Observed)"},
    {22, "Jun14", "Flag Day"},
    {22, "31Jun", "Father's Day"},
    {22, "Jul04", "Independence Day"},
    {22, "12Sep", "Labor Day"},
    {22, "22Oct", "Columbus Day (Observed)"},
    {22, "51Oct", "Daylight Savings Time Ends"},
    {22, "Oct31", "Halloween"},
    {22, "Nov11", "Veterans Day"},
    {22, "45Nov", "Thanksgiving"},
    {22, "Dec25", "Christmas"},
    {22, "Dec31", "New Year's Eve"},
    {23, "20010228", "Ash Wednesday"},
    {23, "20010413", "Good Friday"},
    {23, "20010415", "Easter Sunday"},
    {23, "20010524", "Ascension"},
    {23, "20010603", "Pentecost"},
    {23, "20020213", "Ash Wednesday"},
    {23, "20020329", "Good Friday"},
    {23, "20020331", "Easter Sunday"},
    {23, "20020509", "Ascension"},
    {23, "20020519", "Pentecost"},
    {23, "20030305", "Ash Wednesday"},
    {23, "20030418", "Good Friday"},
    {23, "20030420", "Easter Sunday"},
    {23, "20030529", "Ascension"},
    {23, "20030608", "Pentecost"},
    {23, "20040225", "Ash Wednesday"},
    {23, "20040409", "Good Friday"},
    {23, "20040411", "Easter Sunday"},
    {23, "20040520", "Ascension"},
    {23, "20040530", "Pentecost"},
    {23, "20050209", "Ash Wednesday"},
    {23, "20050325", "Good Friday"},
    {23, "20050327", "Easter Sunday"},
    {23, "20050505", "Ascension"},
    {23, "20050515", "Pentecost"},
    {23, "20060301", "Ash Wednesday"},
    {23, "20060414", "Good Friday"},
    {23, "20060416", "Easter Sunday"},
    {23, "20060525", "Ascension"},
    {23, "20060604", "Pentecost"},
    {23, "20070221", "Ash Wednesday"},
    {23, "20070406", "Good Friday"},
    {23, "20070408", "Easter Sunday"},
    {23, "20070517", "Ascension"},
    {23, "20070527", "Pentecost"},
    {24, "20010919", "Rosh Hashanah 5762"},
    {24, "20010927", "Yom Kippur"},
    {24, "20011003", "Sukkot"},
    {24, "20011010", "Shemini Atzeret"},
    {24, "20011210", "Hanukkah I"},
    {24, "20020226", "Purim"},
    {24, "20020329", "Pesach"},
    {24, "20020518", "Shavuot"},
    {24, "20020908", "Rosh Hashanah 5763"},
    {24, "20020916", "Yom Kippur"},
    {24, "20020922", "Sukkot"},
    {24, "20020929", "Shemini Atzeret"},
    {24, "20021130", "Hanukkah I"},
    {24, "20030318", "Purim"},
    {24, "20030418", "Pesach"},
    {24, "20030607", "Shavuot"},
    {24, "20030928", "Rosh Hashanah 5764"},
    {24, "20031006", "Yom Kippur"},
    {24, "20031012", "Sukkot"},
    {24, "20031019", "Shemini Atzeret"},
    {24, "20031220", "Hanukkah I"},
    {24, "20040307", "Purim"},
    {24, "20040407", "Pesach"},
    {24, "20040527", "Shavuot"},
    {24, "20040917", "Rosh Hashanah 5765"},
    {24, "20040925", "Yom Kippur"},
    {24, "20041001", "Sukkot"},
    {24, "20041008", "Shemini Atzeret"},
    {24, "20041209", "Hanukkah I"},
    {24, "20050325", "Purim"},
    {24, "20050425", "Pesach"},
    {24, "20050614", "Shavuot"},
    {24, "20051005", "Rosh Hashanah 5766"},
    {24, "20051013", "Yom Kippur"},
    {24, "20051019", "Sukkot"},
    {24, "20051026", "Shemini Atzeret"},
    {24, "20051226", "Hanukkah I"},
    {24, "20060314", "Purim"},
    {24, "20060414", "Pesach"},
    {24, "20060603", "Shavuot"},
};
// clang-format on

namespace {

// The position (from 1) of a name in the list, ignoring case; 0 when absent.
int indexOfName(const QStringList& names, const QString& text) {
    for (int i = 0; i < names.size(); ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

// A short month name becomes the long one; any other text stays as it is.
QString longMonthOf(const QString& text) {
    const FormatSettings& fs = ProcessFormatSettings();
    const int m = indexOfName(fs.shortMonthNames, text);
    return m > 0 && m <= fs.longMonthNames.size() ? fs.longMonthNames[m - 1] : text;
}

QString ordinalText(int n) {
    return n == 5 ? QStringLiteral("Last") : QString::number(n) + NumberSuffix(n);
}

}  // namespace

QString NumberSuffix(int n) {
    switch (n) {
        case 1:
        case 21:
        case 31:
            return QStringLiteral("st");
        case 2:
        case 22:
            return QStringLiteral("nd");
        case 3:
        case 23:
            return QStringLiteral("rd");
        default:
            return QStringLiteral("th");
    }
}

QString HolidayCodeText(const QString& code) {
    const FormatSettings& fs = ProcessFormatSettings();
    if (code.size() == 8) {
        const int month = SafeStrToInt(code.mid(4, 2));
        const QString monthName =
            month >= 1 && month <= fs.shortMonthNames.size() ? fs.shortMonthNames[month - 1] : QString();
        return code.mid(6, 2) + QLatin1Char(' ') + monthName + QLatin1Char(' ') + code.left(4) + QLatin1Char(':');
    }
    if (!code.isEmpty() && IsDigitChar(code[0])) {
        const int weekday = SafeStrToInt(code.mid(1, 1));
        const QString dayName =
            weekday >= 1 && weekday <= fs.shortDayNames.size() ? fs.shortDayNames[weekday - 1] : QString();
        return ordinalText(SafeStrToInt(code.left(1))) + QLatin1Char(' ') + dayName + QLatin1String(" in ") +
               code.mid(2, 3);
    }
    const int day = SafeStrToInt(code.mid(3, 2));
    return code.left(3) + QLatin1Char(' ') + QString::number(day) + NumberSuffix(day);
}

QStringList HolidayItemsOfCountry(int country) {
    QStringList items;
    for (const HolidayStructure& h : kHolidayList) {
        if (h.countryIndex > country)
            break;
        if (h.countryIndex == country)
            items << HolidayCodeText(QLatin1String(h.code)) + QLatin1Char('\t') + QString::fromUtf8(h.name);
    }
    return items;
}

void FillHolidayRowFromItem(GridTable& table, int row, const QString& item) {
    const FormatSettings& fs = ProcessFormatSettings();
    const int tab = int(item.indexOf(QLatin1Char('\t')));
    const QString name = tab >= 0 ? item.mid(tab + 1) : QString();
    QString month;
    QString rule;
    if (item.indexOf(QLatin1Char(':')) == 11) {
        int m = indexOfName(fs.shortMonthNames, item.mid(3, 3));
        if (m == 0)
            m = 1;
        month = m <= fs.longMonthNames.size() ? fs.longMonthNames[m - 1] : QString();
        table.setCell(HolName, row, name);
        table.setCell(HolMonthNumber, row, QString::asprintf("%.2d", m));
        table.setCell(HolMonth, row, month);
        table.setCell(HolRule, row, item.mid(7, 4) + QString::asprintf("%.2d", m) + item.left(2));
        return;
    }
    const QChar first = item.isEmpty() ? QChar() : item[0];
    if ((first >= QLatin1Char('1') && first <= QLatin1Char('4')) || item.left(4) == QLatin1String("Last")) {
        const int in = int(item.indexOf(QLatin1String(" in ")));
        month = longMonthOf(in >= 0 ? item.mid(in + 4, 3) : QString());
        const QString head = item.left(4).toLower();
        static const char* const kMarks[] = {"1st", "2nd", "3rd", "4th", "last"};
        QString ordinal;
        for (int i = 0; i < 5 && ordinal.isEmpty(); ++i)
            if (head.contains(QLatin1String(kMarks[i])))
                ordinal = HolidayOrdinals()[i];
        const int blank = int(item.indexOf(QLatin1Char(' ')));
        QString weekday = blank >= 0 ? item.mid(blank + 1, 3).trimmed() : QString();
        const int d = indexOfName(fs.shortDayNames, weekday);
        if (d > 0 && d <= fs.longDayNames.size())
            weekday = fs.longDayNames[d - 1];
        rule = ordinal + QLatin1String(" : ") + weekday;
    } else {
        month = longMonthOf(item.left(3));
        const int blank = int(item.indexOf(QLatin1Char(' ')));
        const int end = tab >= 0 ? tab : int(item.size());
        for (int i = blank + 1; blank >= 0 && i < end; ++i)
            if (IsDigitChar(item[i]))
                rule += item[i];
    }
    table.setCell(HolName, row, name);
    table.setCell(HolMonthNumber, row, QString::asprintf("%.2d", MonthNameToNumber(month)));
    table.setCell(HolMonth, row, month);
    table.setCell(HolRule, row, rule);
}
