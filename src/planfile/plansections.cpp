#include "planfile/plansections.h"

#include "calendar/dates.h"
#include "core/mirteerror.h"
#include "planfile/planformat.h"

using namespace Qt::StringLiterals;

namespace {

// One kind of section: its name, when a plan needs it and its values, and how it is read back.
struct SectionKind {
    const char16_t* name;
    bool (*needed)(const AppState&);
    QStringList (*values)(const AppState&);
    void (*apply)(AppState&, const ExtensionSection&, const QString& fileName);
};

// The later subjects' hours: a plan needs them once it uses such a subject anywhere, in its hours
// or as an initial in its timetable or its recorded days. The initials count too, so that a reader
// of the basic layout refuses the file instead of reading those periods as empty.
bool usesLaterSubjects(const AppState& s)
{
    const Catalogue& catalogue = s.catalogue();
    if (catalogue.laterFields.empty())
        return false;
    for (Field f : catalogue.laterFields) {
        if (s.objYearBase && (*s.objYearBase)[f] != 0)
            return true;
        if (s.objYearPlan)
            for (const RivoSeasonTotal* term : s.objYearPlan->terms())
                if (term && (*term)[f] != 0)
                    return true;
    }
    if (s.objWeekTimetable)
        for (const RivoDayTime* d = s.objWeekTimetable->objFirstDay; d; d = d->objNextDay.get())
            if (catalogue.holdsLaterInitial(d->strSubject))
                return true;
    if (s.objDayChain)
        for (const RivoDayTime* d = s.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
            if (catalogue.holdsLaterInitial(d->strSubject))
                return true;
    return false;
}

// Four unit counts: the base hours, then the plan of terms 1, 2 and 3.
template <Field F> bool laterSubjectNeeded(const AppState& s)
{
    return s.catalogue().has(F) && usesLaterSubjects(s);
}

template <Field F> QStringList laterSubjectValues(const AppState& s)
{
    QStringList values{unitCountText(s.objYearBase ? (*s.objYearBase)[F] : Units(0))};
    for (const RivoSeasonTotal* term :
         s.objYearPlan ? s.objYearPlan->terms() : std::array<RivoSeasonTotal*, 3>{})
        values.append(unitCountText(term ? (*term)[F] : Units(0)));
    return values;
}

template <Field F>
void applyLaterSubject(AppState& plan, const ExtensionSection& section, const QString& fileName)
{
    const int header = section.firstLine - 1;
    const QString name = fieldLabel(F);
    if (!plan.catalogue().has(F))
        throw PlanFileError(fileName, header,
                            u"%1は%2の計画にはない教科です。"_s.arg(name, schoolYearName(plan.intYear)));
    if (section.values.size() != 4)
        throw PlanFileError(
            fileName, header,
            u"%1の時数は4行（基本時数と1～3学期の計画）です（%2行あります）。"_s.arg(name).arg(
                section.values.size()));
    static const char16_t* const kWhat[4] = {u"基本時数", u"1学期の計画", u"2学期の計画", u"3学期の計画"};
    std::array<Units, 4> units{};
    for (qsizetype k = 0; k < 4; ++k) {
        std::int16_t value = 0;
        if (parseNumber(section.values[k], value) != NumberFault::None)
            throw PlanFileError(fileName, section.firstLine + static_cast<int>(k),
                                u"%1の%2「%3」は範囲（-32768～32767）の数値として読めません。"_s.arg(
                                    name, QString::fromUtf16(kWhat[k]), section.values[k].left(20)));
        units[static_cast<std::size_t>(k)] = value;
    }
    (*plan.objYearBase)[F] = units[0];
    const auto terms = plan.objYearPlan->terms();
    for (std::size_t t = 0; t < 3; ++t)
        (*terms[t])[F] = units[t + 1];
}

const std::vector<SectionKind>& sectionKinds()
{
    static const std::vector<SectionKind> kinds = {
        {u"gaikokugo", laterSubjectNeeded<Field::gaikokugo>, laterSubjectValues<Field::gaikokugo>,
         applyLaterSubject<Field::gaikokugo>},
        {u"gaikokugokatsudou", laterSubjectNeeded<Field::gaikokugokatsudou>,
         laterSubjectValues<Field::gaikokugokatsudou>, applyLaterSubject<Field::gaikokugokatsudou>},
    };
    return kinds;
}

const SectionKind* kindOf(QStringView name)
{
    for (const SectionKind& kind : sectionKinds())
        if (name == QStringView(kind.name))
            return &kind;
    return nullptr;
}

} // namespace

std::vector<ExtensionSection> planSections(const AppState& state)
{
    std::vector<ExtensionSection> sections;
    for (const SectionKind& kind : sectionKinds())
        if (kind.needed(state))
            sections.push_back({QString::fromUtf16(kind.name), kind.values(state), 0});
    return sections;
}

bool isPlanSection(QStringView name)
{
    return kindOf(name) != nullptr;
}

void applyPlanSection(AppState& plan, const ExtensionSection& section, const QString& fileName)
{
    const SectionKind* kind = kindOf(section.name);
    if (!kind)
        throw PlanFileError(fileName, section.firstLine - 1,
                            u"拡張の区分「%1」はこの版のミルテにはありません。"_s.arg(section.name));
    kind->apply(plan, section, fileName);
}
