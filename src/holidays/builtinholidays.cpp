#include "holidays/builtinholidays.h"

#include "holidays/holidayrules.h"
#include "store/dateformats.h"

namespace corvane {

namespace {

const char *const monthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The month 1-12 of a code's English abbreviation; 0 when it names none.
int codeMonth(const QString &abbreviation) {
    for (int i = 0; i < 12; ++i)
        if (abbreviation == QLatin1String(monthAbbreviations[i]))
            return i + 1;
    return 0;
}

bool isFloating(const QString &code) {
    return !code.isEmpty() && code[0].isDigit();
}

// The code's parts: month abbreviation, and the ordinal and weekday digits or the day.
struct CodeParts {
    QString month;
    int first = 0;   // ordinal 1-5 (floating) or the day of the month (fixed)
    int weekday = 0; // 1 = Sunday ... 7 = Saturday; 0 for a fixed date
};

CodeParts splitCode(const QString &code) {
    CodeParts parts;
    if (isFloating(code)) {
        parts.first = code.mid(0, 1).toInt();
        parts.weekday = code.mid(1, 1).toInt();
        parts.month = code.mid(2, 3);
    } else {
        parts.month = code.left(3);
        parts.first = code.mid(3, 2).toInt();
    }
    return parts;
}

} // namespace

const QStringList &holidayCountries() {
    static const QStringList names{QStringLiteral("Australia"),
                                   QStringLiteral("Austria"),
                                   QStringLiteral("Belgium"),
                                   QStringLiteral("Brazil"),
                                   QStringLiteral("Canada - English"),
                                   QStringLiteral("Canada - French"),
                                   QStringLiteral("Denmark"),
                                   QStringLiteral("Finland"),
                                   QStringLiteral("France"),
                                   QStringLiteral("Germany"),
                                   QStringLiteral("Ireland"),
                                   QStringLiteral("Italy"),
                                   QStringLiteral("Japan"),
                                   QStringLiteral("Netherlands"),
                                   QStringLiteral("New Zealand"),
                                   QStringLiteral("Norway"),
                                   QStringLiteral("Portugal"),
                                   QStringLiteral("South Africa"),
                                   QStringLiteral("Spain"),
                                   QStringLiteral("Sweden"),
                                   QStringLiteral("Switzerland"),
                                   QStringLiteral("United Kingdom"),
                                   QStringLiteral("United States")};
    return names;
}

const QList<HolidayStructure> &builtInHolidays() {
    static const QList<HolidayStructure> holidays{
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
        {4, "32May", "Victoria Day"},
        {4, "Jul01", "Canada Day"},
        {4, "12Aug", "Civic Holiday"},
        {4, "12Sep", "Labour Day"},
        {4, "Oct12", "Thanksgiving Day"},
        {4, "Nov11", "Remembrance Day"},
        {4, "Dec25", "Christmas"},
        {4, "Dec26", "Boxing Day"},
        {5, "Jan01", "Jour de l'An"},
        {5, "32May", "Fête de Dollard"},
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
        {17, "Apr06", "Founders' Day"},
        {17, "May01", "Workers' Day"},
        {17, "May31", "Republic Day"},
        {17, "Oct10", "Kruger Day"},
        {17, "Dec16", "Day of Vow"},
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
    };
    return holidays;
}

QList<HolidayStructure> countryHolidays(int country) {
    QList<HolidayStructure> result;
    for (const HolidayStructure &holiday : builtInHolidays()) {
        if (holiday.country > country)
            break;
        if (holiday.country == country)
            result << holiday;
    }
    return result;
}

QString ordinalText(int n) {
    const char *suffix = "th";
    if (n == 1 || n == 21 || n == 31)
        suffix = "st";
    else if (n == 2 || n == 22 || n == 32)
        suffix = "nd";
    else if (n == 3 || n == 23 || n == 33)
        suffix = "rd";
    return QString::number(n) + QLatin1String(suffix);
}

QString holidayDisplayText(const QString &code) {
    const CodeParts parts = splitCode(code);
    if (!isFloating(code))
        return parts.month + QLatin1Char(' ') + ordinalText(parts.first);
    const QString ordinal = parts.first == 5 ? QStringLiteral("Last") : ordinalText(parts.first);
    return ordinal + QLatin1Char(' ') + formats().shortDayNames.value(parts.weekday - 1) +
           QStringLiteral(" in ") + parts.month;
}

QString holidayLine(const HolidayStructure &holiday) {
    return holidayDisplayText(QLatin1String(holiday.code)) + QLatin1Char('\t') +
           QString::fromUtf8(holiday.name);
}

QStringList importedRule(const HolidayStructure &holiday) {
    const QString code = QLatin1String(holiday.code);
    const CodeParts parts = splitCode(code);
    const int month = codeMonth(parts.month);
    const QString monthText = month > 0 ? formats().longMonthNames.value(month - 1) : parts.month;
    const QString dayText = isFloating(code)
                                ? holidayOrdinals().value(parts.first - 1) + QStringLiteral(" : ") +
                                      formats().longDayNames.value(parts.weekday - 1)
                                : QString::number(parts.first);
    return {QString::fromUtf8(holiday.name).left(255),
            QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')), monthText, dayText};
}

void addToGrid(TaskTable &grid, const HolidayStructure &holiday) {
    grid.insertRows(1, 1);
    grid.setRowCells(1, importedRule(holiday));
}

} // namespace corvane
