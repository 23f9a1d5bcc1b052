#include "core/catalogue.h"

#include <algorithm>
#include <array>

using F = Field;

namespace {

const Subject kGaikokugo = {u"外国語", u'外', F::gaikokugo};
const Subject kGaikokugokatsudou = {u"外国語活動", u'英', F::gaikokugokatsudou};

// The basic palette with later subjects put in after a given initial.
std::vector<Subject> paletteWith(std::initializer_list<std::pair<char16_t, Subject>> after)
{
    std::vector<Subject> out;
    for (const Subject& s : kSubjects) {
        out.push_back(s);
        for (const auto& [initial, later] : after)
            if (s.initial == initial)
                out.push_back(later);
    }
    return out;
}

std::vector<Field> with(const std::vector<Field>& basic, std::initializer_list<std::pair<Field, Field>> after)
{
    std::vector<Field> out;
    for (Field f : basic) {
        out.push_back(f);
        for (const auto& [where, later] : after)
            if (f == where)
                out.push_back(later);
    }
    return out;
}

// Rows of the annual plan page and the projection: the subjects in tally order, spare time last.
const std::vector<Field> kBasicPlanRows = {
    F::kokugo, F::syakai,   F::sannsuu,      F::rika,     F::seikatsu, F::onngaku,
    F::zukou,  F::katei,    F::taiiku,       F::sougou,   F::doutoku,  F::gakkyuukatsudou,
    F::kurabu, F::jidoukai, F::gakkougyouji, F::uchikiri, F::yobi,
};

std::vector<Catalogue> makeCatalogues()
{
    const std::vector<Field> basicTally(kTallyOrder.begin(), kTallyOrder.end());

    // School years 2000–2010: the subjects of the 1989 and 1998 courses of study.
    Catalogue basic;
    basic.firstYear = 0;
    basic.subjects.assign(kSubjects.begin(), kSubjects.end());
    basic.timetableInitials = QStringLiteral("総国社算理生音図家体道学ク");
    basic.tallyOrder = basicTally;
    basic.planRows = kBasicPlanRows;

    // From 2011 (2008 course): 外国語活動 in grades 5 and 6, counted on its own like 道徳.
    Catalogue from2011;
    from2011.firstYear = 2011;
    from2011.subjects = paletteWith({{u'道', kGaikokugokatsudou}});
    from2011.timetableInitials = QStringLiteral("総国社算理生音図家体道英学ク");
    from2011.tallyOrder = with(basicTally, {{F::doutoku, F::gaikokugokatsudou}});
    from2011.planRows = with(kBasicPlanRows, {{F::doutoku, F::gaikokugokatsudou}});
    from2011.laterFields = {F::gaikokugokatsudou};
    from2011.showsStandard = true;

    // From 2020 (2017 course): 外国語 an academic subject in grades 5 and 6, 外国語活動 in 3 and 4.
    Catalogue from2020;
    from2020.firstYear = 2020;
    from2020.subjects = paletteWith({{u'体', kGaikokugo}, {u'道', kGaikokugokatsudou}});
    from2020.timetableInitials = QStringLiteral("総国社算理生音図家体外道英学ク");
    from2020.tallyOrder = with(basicTally, {{F::taiiku, F::gaikokugo}, {F::doutoku, F::gaikokugokatsudou}});
    from2020.planRows = with(kBasicPlanRows, {{F::taiiku, F::gaikokugo}, {F::doutoku, F::gaikokugokatsudou}});
    from2020.laterFields = {F::gaikokugo, F::gaikokugokatsudou};
    from2020.showsStandard = true;

    return {basic, from2011, from2020};
}

const std::vector<Catalogue>& catalogues()
{
    static const std::vector<Catalogue> all = makeCatalogues();
    return all;
}

} // namespace

QString Catalogue::initials() const
{
    QString out;
    for (const Subject& s : subjects)
        out += QChar(s.initial);
    return out;
}

int Catalogue::paletteIndex(QChar initial) const
{
    for (std::size_t i = 0; i < subjects.size(); ++i)
        if (subjects[i].initial == initial.unicode())
            return static_cast<int>(i);
    return -1;
}

std::optional<Field> Catalogue::fieldOfInitial(QChar initial) const
{
    if (initial.unicode() == kSpareInitial)
        return Field::yobi;
    const int index = paletteIndex(initial);
    if (index < 0)
        return std::nullopt;
    return subjects[static_cast<std::size_t>(index)].field;
}

QString Catalogue::subjectName(QChar initial) const
{
    const int index = paletteIndex(initial);
    return index < 0 ? QString() : QString::fromUtf16(subjects[static_cast<std::size_t>(index)].name);
}

QString Catalogue::SubjectInitial(const QString& displayName) const
{
    if (displayName.isEmpty())
        return QString(QChar(kEmptyPeriod));
    for (const Subject& s : subjects)
        if (displayName == QString::fromUtf16(s.name))
            return QString(QChar(s.initial));
    return {};
}

bool Catalogue::has(Field field) const
{
    return std::find(kAllFields.begin(), kAllFields.end(), field) != kAllFields.end() ||
           std::find(laterFields.begin(), laterFields.end(), field) != laterFields.end();
}

bool Catalogue::holdsLaterInitial(const QString& text) const
{
    for (QChar c : text) {
        const auto field = fieldOfInitial(c);
        if (field && std::find(laterFields.begin(), laterFields.end(), *field) != laterFields.end())
            return true;
    }
    return false;
}

const Catalogue& catalogueOf(int schoolYear)
{
    const auto& all = catalogues();
    // The last catalogue whose first year the school year has reached.
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (schoolYear >= it->firstYear)
            return *it;
    return all.front();
}

const Catalogue& basicCatalogue()
{
    return catalogues().front();
}
