#!/usr/bin/env python3
"""Writes the example plans Markteinfuehrung.xml and Schulung.xml in Microsoft Project XML.

The plans are scheduled here on the standard calendar (Monday to Friday, 08:00 to 12:00 and
13:00 to 17:00), so that their dates and durations agree as the host would compute them. Run it
from anywhere; it writes beside itself:  python3 examples/make_examples.py
"""

import datetime as dt
import pathlib
from xml.sax.saxutils import escape

HERE = pathlib.Path(__file__).resolve().parent
NOW = "2026-02-16T09:00:00"
PROJECT_START = dt.datetime(2026, 3, 2, 8, 0)
MINUTES_PER_DAY = 480
MINUTES_PER_WEEK = 2400
DAYS_PER_MONTH = 20

# Custom task text fields as Microsoft Project numbers them.
TEXT_FIELDS = [
    (188744006, "Text20", "Ziele"),
    (188744007, "Text21", "Verantwortlich"),
    (188744008, "Text22", "Beteiligt"),
    (188744009, "Text23", "Wird informiert"),
    (188744010, "Text24", "Status"),
    (188744011, "Text25", "Bemerkungen"),
]

# ---------------------------------------------------------------------------------------------
# The calendar

SHIFTS = [(8 * 60, 12 * 60), (13 * 60, 17 * 60)]


def is_workday(day):
    return day.weekday() < 5


def next_working_moment(moment):
    """The moment itself when work goes on then, else the start of the next shift."""
    while True:
        if is_workday(moment.date()):
            minute = moment.hour * 60 + moment.minute
            for begin, end in SHIFTS:
                if minute < end:
                    return moment.replace(hour=0, minute=0) + dt.timedelta(minutes=max(minute, begin))
        moment = dt.datetime.combine(moment.date() + dt.timedelta(days=1), dt.time(0, 0))


def add_work(start, minutes):
    """The moment at which `minutes` of work starting at `start` end."""
    moment = next_working_moment(start)
    while True:
        minute = moment.hour * 60 + moment.minute
        for begin, end in SHIFTS:
            if begin <= minute < end:
                if minutes <= end - minute:
                    return moment + dt.timedelta(minutes=minutes)
                minutes -= end - minute
                moment = moment.replace(hour=0, minute=0) + dt.timedelta(minutes=end)
                break
        moment = next_working_moment(moment)


def work_between(start, finish):
    minutes = 0
    moment = start
    while moment < finish:
        if is_workday(moment.date()):
            minute = moment.hour * 60 + moment.minute
            if any(begin <= minute < end for begin, end in SHIFTS):
                minutes += 1
        moment += dt.timedelta(minutes=1)
    return minutes


def xml_time(moment):
    return moment.strftime("%Y-%m-%dT%H:%M:%S")


def xml_duration(minutes):
    return f"PT{minutes // 60}H{minutes % 60}M0S"


# ---------------------------------------------------------------------------------------------
# Durations: (MSPDI format, minutes of work or of elapsed time)

def days(n):
    return (7, n * MINUTES_PER_DAY)


def estimated_days(n):
    return (39, n * MINUTES_PER_DAY)


def weeks(n):
    return (9, n * MINUTES_PER_WEEK)


def months(n):
    return (11, n * MINUTES_PER_DAY * DAYS_PER_MONTH)


def hours(n):
    return (5, n * 60)


def elapsed_days(n):
    return (8, n * 24 * 60)


MILESTONE = (7, 0)


class Row:
    """A row of the task table: a task, a summary task, an inserted project or a blank row."""

    def __init__(self, name=None, level=0, duration=None, after=(), goal="", responsible="",
                 involved="", informed="", status="", remarks="", summary=False, inserted=None):
        self.name = name
        self.level = level
        self.duration = duration
        self.after = list(after)
        self.fields = [goal, responsible, involved, informed, status, remarks]
        self.summary = summary
        self.inserted = inserted  # (stored path, the Plan inserted)
        self.start = self.finish = None


BLANK = Row()


class Plan:
    def __init__(self, file_name, title, rows, resources):
        self.file_name = file_name
        self.title = title
        self.rows = rows
        self.resources = resources  # (name, initials, group or "")

    def schedule(self, start):
        rows = self.rows
        for index, row in enumerate(rows, start=1):
            if row.name is None or row.summary:
                continue
            begin = max([rows[i - 1].finish for i in row.after], default=start)
            if row.inserted is not None:
                row.inserted[1].schedule(next_working_moment(begin))
                row.start, row.finish = row.inserted[1].start, row.inserted[1].finish
                continue
            fmt, minutes = row.duration
            if minutes == 0:
                row.start = row.finish = begin
            elif fmt in (4, 6, 8, 10, 12):
                row.start = next_working_moment(begin)
                row.finish = row.start + dt.timedelta(minutes=minutes)
            else:
                row.start = next_working_moment(begin)
                row.finish = add_work(row.start, minutes)
        # Summary tasks span the rows below them with a deeper outline level.
        for index, row in enumerate(rows):
            if not row.summary:
                continue
            children = []
            for below in rows[index + 1:]:
                if below.name is None:
                    continue
                if below.level <= row.level:
                    break
                if not below.summary:
                    children.append(below)
            row.start = min(c.start for c in children)
            row.finish = max(c.finish for c in children)
        dated = [r for r in rows if r.name is not None]
        self.start = min(r.start for r in dated)
        self.finish = max(r.finish for r in dated)

    def task_duration(self, row):
        if row.summary or row.inserted is not None:
            return 7, work_between(row.start, row.finish)
        return row.duration

    def write(self):
        self.schedule(PROJECT_START) if self.start is None else None
        out = []
        w = out.append
        w('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>')
        w('<Project xmlns="http://schemas.microsoft.com/project">')
        for tag, value in [
            ("SaveVersion", "14"), ("Name", self.file_name), ("Title", self.title),
            ("Company", "Tevrana Haushaltsgeräte GmbH"), ("Author", "Dr. Petra Hansen"),
            ("CreationDate", NOW), ("LastSaved", NOW), ("ScheduleFromStart", "1"),
            ("StartDate", xml_time(self.start)), ("FinishDate", xml_time(self.finish)),
            ("FYStartDate", "1"), ("CriticalSlackLimit", "0"), ("CurrencyDigits", "2"),
            ("CurrencySymbol", "€"), ("CurrencyCode", "EUR"), ("CurrencySymbolPosition", "3"),
            ("CalendarUID", "1"), ("DefaultStartTime", "08:00:00"),
            ("DefaultFinishTime", "17:00:00"), ("MinutesPerDay", str(MINUTES_PER_DAY)),
            ("MinutesPerWeek", str(MINUTES_PER_WEEK)), ("DaysPerMonth", str(DAYS_PER_MONTH)),
            ("DefaultTaskType", "0"), ("DefaultFixedCostAccrual", "3"),
            ("DefaultStandardRate", "0"), ("DefaultOvertimeRate", "0"), ("DurationFormat", "7"),
            ("WorkFormat", "2"), ("EditableActualCosts", "0"), ("HonorConstraints", "0"),
            ("InsertedProjectsLikeSummary", "1"), ("MultipleCriticalPaths", "0"),
            ("NewTasksEffortDriven", "0"), ("NewTasksEstimated", "1"),
            ("SplitsInProgressTasks", "1"), ("SpreadActualCost", "0"),
            ("SpreadPercentComplete", "0"), ("TaskUpdatesResource", "1"),
            ("FiscalYearStart", "0"), ("WeekStartDay", "1"), ("CurrentDate", NOW),
            ("Autolink", "1"), ("NewTaskStartDate", "0"), ("DefaultTaskEVMethod", "0"),
            ("ProjectExternallyEdited", "0"), ("ActualsInSync", "0"),
            ("RemoveFileProperties", "0"), ("AdminProject", "0")]:
            w(f"\t<{tag}>{escape(value)}</{tag}>")
        w("\t<ExtendedAttributes>")
        for field_id, field_name, alias in TEXT_FIELDS:
            w("\t\t<ExtendedAttribute>")
            w(f"\t\t\t<FieldID>{field_id}</FieldID>")
            w(f"\t\t\t<FieldName>{field_name}</FieldName>")
            w(f"\t\t\t<Alias>{escape(alias)}</Alias>")
            w("\t\t</ExtendedAttribute>")
        w("\t</ExtendedAttributes>")
        self.write_calendar(w)
        self.write_tasks(w)
        self.write_resources(w)
        w("\t<Assignments/>")
        w("</Project>")
        (HERE / self.file_name).write_text("\n".join(out) + "\n", encoding="utf-8")

    @staticmethod
    def write_calendar(w):
        w("\t<Calendars>")
        w("\t\t<Calendar>")
        w("\t\t\t<UID>1</UID>")
        w("\t\t\t<Name>Standard</Name>")
        w("\t\t\t<IsBaseCalendar>1</IsBaseCalendar>")
        w("\t\t\t<BaseCalendarUID>-1</BaseCalendarUID>")
        w("\t\t\t<WeekDays>")
        for day_type in range(1, 8):  # 1 Sunday … 7 Saturday
            working = day_type not in (1, 7)
            w("\t\t\t\t<WeekDay>")
            w(f"\t\t\t\t\t<DayType>{day_type}</DayType>")
            w(f"\t\t\t\t\t<DayWorking>{int(working)}</DayWorking>")
            if working:
                w("\t\t\t\t\t<WorkingTimes>")
                for begin, end in SHIFTS:
                    w("\t\t\t\t\t\t<WorkingTime>")
                    w(f"\t\t\t\t\t\t\t<FromTime>{begin // 60:02}:00:00</FromTime>")
                    w(f"\t\t\t\t\t\t\t<ToTime>{end // 60:02}:00:00</ToTime>")
                    w("\t\t\t\t\t\t</WorkingTime>")
                w("\t\t\t\t\t</WorkingTimes>")
            w("\t\t\t\t</WeekDay>")
        w("\t\t\t</WeekDays>")
        w("\t\t</Calendar>")
        w("\t</Calendars>")

    def write_tasks(self, w):
        w("\t<Tasks>")
        summary = Row(self.title, 0, summary=True)
        summary.start, summary.finish = self.start, self.finish
        self.write_task(w, 0, summary, "0", "0")
        numbers = []
        for index, row in enumerate(self.rows, start=1):
            if row.name is None:
                self.write_blank(w, index)
                continue
            del numbers[row.level:]
            while len(numbers) < row.level:
                numbers.append(0)
            numbers[row.level - 1] += 1
            outline = ".".join(str(n) for n in numbers)
            self.write_task(w, index, row, outline, outline)
        w("\t</Tasks>")

    def write_blank(self, w, index):
        w("\t\t<Task>")
        for tag, value in [("UID", index), ("ID", index), ("Type", 0), ("IsNull", 1),
                           ("CreateDate", NOW), ("OutlineLevel", 0), ("Priority", 500),
                           ("Duration", xml_duration(MINUTES_PER_DAY)), ("DurationFormat", 39),
                           ("Estimated", 0), ("Milestone", 0), ("Summary", 0),
                           ("IsSubproject", 0), ("IsSubprojectReadOnly", 0), ("ExternalTask", 0),
                           ("CalendarUID", -1)]:
            w(f"\t\t\t<{tag}>{value}</{tag}>")
        w("\t\t</Task>")

    def write_task(self, w, index, row, wbs, outline):
        fmt, minutes = self.task_duration(row) if index else (53, work_between(row.start, row.finish))
        milestone = not row.summary and row.inserted is None and minutes == 0
        w("\t\t<Task>")
        elements = [
            ("UID", index), ("ID", index), ("Name", row.name), ("Active", 1), ("Manual", 0),
            ("Type", 0 if not row.summary else 1), ("IsNull", 0), ("CreateDate", NOW),
            ("WBS", wbs), ("OutlineNumber", outline), ("OutlineLevel", row.level),
            ("Priority", 500), ("Start", xml_time(row.start)), ("Finish", xml_time(row.finish)),
            ("Duration", xml_duration(minutes)), ("DurationFormat", fmt),
            ("Work", "PT0H0M0S"), ("ResumeValid", 0), ("EffortDriven", 0), ("Recurring", 0),
            ("OverAllocated", 0), ("Estimated", int(fmt in (39, 53))),
            ("Milestone", int(milestone)),
            ("Summary", int(row.summary or row.inserted is not None)), ("Critical", 0),
            ("IsSubproject", int(row.inserted is not None)), ("IsSubprojectReadOnly", 0)]
        if row.inserted is not None:
            elements.append(("SubprojectName", row.inserted[0]))
        elements += [("ExternalTask", 0), ("PercentComplete", 0), ("ConstraintType", 0),
                     ("CalendarUID", -1)]
        for tag, value in elements:
            w(f"\t\t\t<{tag}>{escape(str(value))}</{tag}>")
        for predecessor in row.after:
            w("\t\t\t<PredecessorLink>")
            w(f"\t\t\t\t<PredecessorUID>{predecessor}</PredecessorUID>")
            w("\t\t\t\t<Type>1</Type>")
            w("\t\t\t\t<CrossProject>0</CrossProject>")
            w("\t\t\t\t<LinkLag>0</LinkLag>")
            w("\t\t\t\t<LagFormat>7</LagFormat>")
            w("\t\t\t</PredecessorLink>")
        for (field_id, _, _), value in zip(TEXT_FIELDS, row.fields):
            if value:
                w("\t\t\t<ExtendedAttribute>")
                w(f"\t\t\t\t<FieldID>{field_id}</FieldID>")
                w(f"\t\t\t\t<Value>{escape(value)}</Value>")
                w("\t\t\t</ExtendedAttribute>")
        w("\t\t</Task>")

    def write_resources(self, w):
        w("\t<Resources>")
        placeholder = [("UID", 0), ("ID", 0), ("Type", 1), ("IsNull", 0),
                       ("MaxUnits", "1.00")]
        w("\t\t<Resource>")
        for tag, value in placeholder:
            w(f"\t\t\t<{tag}>{value}</{tag}>")
        w("\t\t</Resource>")
        for index, (name, initials, group) in enumerate(self.resources, start=1):
            w("\t\t<Resource>")
            elements = [("UID", index), ("ID", index), ("Name", name), ("Type", 1),
                        ("IsNull", 0), ("Initials", initials)]
            if group:
                elements.append(("Group", group))
            elements += [("MaxUnits", "1.00"), ("CanLevel", 1), ("AccrueAt", 3),
                         ("StandardRate", 0), ("StandardRateFormat", 2), ("OvertimeRate", 0),
                         ("OvertimeRateFormat", 2), ("CostPerUse", 0), ("IsGeneric", 0),
                         ("IsInactive", 0), ("IsEnterprise", 0), ("BookingType", 0),
                         ("CreationDate", NOW)]
            for tag, value in elements:
                w(f"\t\t\t<{tag}>{escape(str(value))}</{tag}>")
            w("\t\t</Resource>")
        w("\t</Resources>")


# ---------------------------------------------------------------------------------------------
# The plans

HANSEN, BRANDT = "Dr. Petra Hansen", "Thomas Brandt"
WERNER, KLEIN, ROTH = "Julia Werner", "Markus Klein", "Sabine Roth"
WOLF, LEHMANN, BECKER = "Stefan Wolf", "Anna Lehmann", "Jonas Becker"
FISCHER, SCHULZ, NEUMANN, BRAUN = "Claudia Fischer", "Michael Schulz", "Laura Neumann", "Tobias Braun"
AGENTUR = "Agentur Nordlicht"
VOGEL, MOELLER = "Heike Vogel", "Frank Möller"


def names(*people):
    return ";".join(people)


SCHULUNG = Plan(
    "Schulung.xml", "Vertriebsschulung Aurora",
    [
        Row("Schulung vorbereiten", 1, summary=True, responsible=VOGEL, informed=FISCHER),
        Row("Schulungsinhalte festlegen", 2, days(3), goal="Lernziele mit dem Vertrieb abgestimmt",
            responsible=VOGEL, involved=FISCHER, informed=MOELLER, status="planmäßig"),
        Row("Unterlagen erstellen", 2, days(5), after=[2], goal="Handbuch und Foliensatz",
            responsible=MOELLER, involved=VOGEL, status="unkritisch"),
        BLANK,
        Row("Schulung durchführen", 1, summary=True, responsible=VOGEL),
        Row("Schulung Außendienst", 2, days(2), after=[3], goal="Alle Außendienstler geschult",
            responsible=VOGEL, involved=names(SCHULZ, FISCHER), informed=MOELLER,
            status="planmäßig"),
        Row("Schulung Innendienst", 2, hours(6), after=[6], responsible=MOELLER,
            involved=FISCHER, status="unkritisch",
            remarks="Als Webseminar, Aufzeichnung für Abwesende"),
        Row("Schulung abgeschlossen", 1, MILESTONE, after=[7], responsible=VOGEL,
            informed=FISCHER),
    ],
    [(VOGEL, "HV", "Schulung"), (MOELLER, "FM", "Schulung"), (FISCHER, "CF", "Vertrieb"),
     (SCHULZ, "MS", "Vertrieb")])

MARKTEINFUEHRUNG = Plan(
    "Markteinfuehrung.xml", "Markteinführung Küchenmaschine Aurora",
    [
        # 1
        Row("Projektstart", 1, MILESTONE, goal="Projektauftrag unterzeichnet",
            responsible=HANSEN, involved=names(BRANDT, WERNER, WOLF, FISCHER),
            status="unkritisch", remarks="Kick-off mit allen Bereichsleitern"),
        Row("Marktanalyse", 1, summary=True, goal="Marktpotenzial bewertet",
            responsible=WERNER, informed=HANSEN, status="planmäßig"),
        Row("Wettbewerbsanalyse", 2, days(5), after=[1],
            goal="Stärken und Schwächen von fünf Wettbewerbern", responsible=KLEIN,
            involved=ROTH, informed=WERNER, status="planmäßig"),
        Row("Zielgruppen definieren", 2, days(3), after=[1], goal="Drei Zielgruppen beschrieben",
            responsible=WERNER, involved=names(KLEIN, FISCHER), informed=BRANDT,
            status="unkritisch"),
        Row("Kundenbefragung", 2, summary=True, responsible=ROTH, informed=WERNER),
        Row("Fragebogen erstellen", 3, days(2), after=[4], responsible=ROTH,
            involved=AGENTUR, informed=WERNER, status="unkritisch"),
        Row("Befragung durchführen", 3, weeks(2), after=[6], goal="500 Antworten",
            responsible=AGENTUR, involved=names(ROTH, SCHULZ), informed=WERNER,
            status="schwierig", remarks="Rücklaufquote bisher unter 20 %"),
        Row("Ergebnisse auswerten", 3, estimated_days(3), after=[7], responsible=ROTH,
            involved=KLEIN, informed=names(WERNER, BRANDT), status="planmäßig",
            remarks="Dauer geschätzt, hängt vom Rücklauf ab"),
        Row("Marktanalyse abgeschlossen", 2, MILESTONE, after=[3, 8], responsible=WERNER,
            informed=names(HANSEN, BRANDT)),
        BLANK,
        # 11
        Row("Produktvorbereitung", 1, summary=True, goal="Serienreifes Produkt",
            responsible=WOLF, informed=HANSEN, status="planmäßig"),
        Row("Produktanpassung", 2, summary=True, responsible=WOLF),
        Row("Anforderungen festlegen", 3, days(4), after=[9], goal="Lastenheft freigegeben",
            responsible=LEHMANN, involved=names(WERNER, FISCHER), informed=WOLF,
            status="unkritisch"),
        Row("Prototyp anpassen", 3, weeks(3), after=[13], responsible=BECKER,
            involved=LEHMANN, informed=WOLF, status="schwierig",
            remarks="Lieferung der Bauteile verzögert"),
        Row("Tests und Freigabe", 3, days(5), after=[14], goal="Prüfbericht ohne Mängel",
            responsible=LEHMANN, involved=names(BECKER, WOLF), informed=HANSEN,
            status="planmäßig"),
        Row("Preisgestaltung", 2, days(4), after=[9], goal="Listenpreis und Händlerrabatte",
            responsible=BRANDT, involved=names(WERNER, FISCHER), informed=HANSEN,
            status="planmäßig"),
        Row("Verpackung und Design", 2, days(10), after=[13], responsible=KLEIN,
            involved=names(AGENTUR, BECKER), informed=WERNER, status="unkritisch"),
        Row("Produkt freigegeben", 2, MILESTONE, after=[15, 16, 17], responsible=HANSEN,
            involved=WOLF, informed=names(BRANDT, WERNER)),
        BLANK,
        # 20
        Row("Marketing", 1, summary=True, goal="Bekanntheit in den Zielgruppen",
            responsible=WERNER, informed=HANSEN),
        Row("Kommunikationskonzept", 2, days(5), after=[9], goal="Botschaften und Kanäle",
            responsible=WERNER, involved=names(KLEIN, AGENTUR), informed=HANSEN,
            status="planmäßig"),
        Row("Werbekampagne", 2, summary=True, responsible=KLEIN, informed=WERNER),
        Row("Kampagne entwickeln", 3, weeks(2), after=[21], responsible=AGENTUR,
            involved=names(KLEIN, ROTH), informed=WERNER, status="planmäßig"),
        Row("Anzeigen schalten", 3, elapsed_days(14), after=[18, 23],
            goal="Zwei Wochen in drei Fachzeitschriften", responsible=KLEIN,
            involved=AGENTUR, informed=names(WERNER, BRANDT), status="unkritisch",
            remarks="Laufzeit in Kalendertagen"),
        Row("Online-Kampagne", 3, days(10), after=[18, 23], responsible=ROTH,
            involved=AGENTUR, informed=WERNER, status="nicht erreichbar",
            remarks="Budget für Suchmaschinenwerbung noch nicht freigegeben"),
        Row("Messeauftritt", 2, summary=True, responsible=WERNER),
        Row("Messestand planen", 3, days(8), after=[21], responsible=ROTH,
            involved=names(AGENTUR, NEUMANN), informed=WERNER, status="planmäßig"),
        Row("Messe durchführen", 3, days(3), after=[18, 27], goal="200 Fachbesucher am Stand",
            responsible=WERNER, involved=names(NEUMANN, BRAUN, LEHMANN),
            informed=names(HANSEN, BRANDT), status="planmäßig"),
        Row("Pressekonferenz", 2, hours(4), after=[18], responsible=HANSEN,
            involved=names(WERNER, KLEIN), informed=names(BRANDT, FISCHER),
            status="unkritisch"),
        BLANK,
        # 31
        Row("Vertrieb", 1, summary=True, goal="Handel vorbereitet", responsible=BRANDT,
            informed=HANSEN),
        Row("Vertriebsschulung", 2, after=[18], goal="Vertrieb kennt das Produkt",
            responsible=FISCHER, involved=names(SCHULZ, NEUMANN, BRAUN), informed=BRANDT,
            status="planmäßig", remarks="Eigener Plan der Schulungsabteilung",
            inserted=("C:\\Projekte\\Aurora\\Schulung.mpp", SCHULUNG)),
        Row("Händler informieren", 2, days(5), after=[18], responsible=FISCHER,
            involved=names(SCHULZ, BRAUN), informed=BRANDT, status="planmäßig"),
        Row("Verkaufsunterlagen erstellen", 2, days(6), after=[33], responsible=NEUMANN,
            involved=names(KLEIN, AGENTUR), informed=FISCHER, status="unkritisch"),
        Row("Erstbestellungen aufnehmen", 2, weeks(2), after=[32, 34],
            goal="Bestellungen von 50 Händlern", responsible=SCHULZ,
            involved=names(BRAUN, NEUMANN), informed=names(BRANDT, FISCHER),
            status="schwierig", remarks="Zwei Großhändler zögern noch"),
        BLANK,
        # 37
        Row("Markteinführung", 1, summary=True, responsible=HANSEN),
        Row("Launch-Veranstaltung", 2, days(1), after=[24, 28, 29, 35],
            goal="Produkt öffentlich vorgestellt", responsible=WERNER,
            involved=names(HANSEN, BRANDT, AGENTUR), informed=names(WOLF, FISCHER),
            status="planmäßig"),
        Row("Markteinführung erfolgt", 2, MILESTONE, after=[38], responsible=HANSEN,
            informed=names(BRANDT, WERNER, WOLF)),
        Row("Erfolgskontrolle nach drei Monaten", 2, months(3), after=[39],
            goal="Absatzziel 5.000 Geräte", responsible=BRANDT, involved=names(WERNER, SCHULZ),
            informed=HANSEN, status="unkritisch"),
        Row("Projektabschluss", 1, MILESTONE, after=[40], goal="Abschlussbericht abgenommen",
            responsible=HANSEN, informed=names(BRANDT, WERNER, WOLF, FISCHER)),
    ],
    [(HANSEN, "PH", "Geschäftsleitung"), (BRANDT, "TB", "Geschäftsleitung"),
     (WERNER, "JW", "Marketing"), (KLEIN, "MK", "Marketing"), (ROTH, "SR", "Marketing"),
     (WOLF, "SW", "Entwicklung"), (LEHMANN, "AL", "Entwicklung"), (BECKER, "JB", "Entwicklung"),
     (FISCHER, "CF", "Vertrieb"), (SCHULZ, "MS", "Vertrieb"), (NEUMANN, "LN", "Vertrieb"),
     (BRAUN, "TBr", "Vertrieb"), (AGENTUR, "AN", "")])


def check_roles(plan, known):
    for row in plan.rows:
        for value in row.fields[1:4]:
            for name in filter(None, value.split(";")):
                assert name in known, f"{plan.file_name}: {name} ist keine Ressource"


if __name__ == "__main__":
    MARKTEINFUEHRUNG.schedule(PROJECT_START)
    check_roles(MARKTEINFUEHRUNG, {r[0] for r in MARKTEINFUEHRUNG.resources})
    check_roles(SCHULUNG, {r[0] for r in SCHULUNG.resources})
    SCHULUNG.write()
    MARKTEINFUEHRUNG.write()
