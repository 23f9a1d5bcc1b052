#include "planfile/plansections.h"

#include "core/mirteerror.h"

using namespace Qt::StringLiterals;

namespace {

// One kind of section: its name, when a plan needs it and its values, and how it is read back.
struct SectionKind {
    const char16_t* name;
    bool (*needed)(const AppState&);
    QStringList (*values)(const AppState&);
    void (*apply)(AppState&, const ExtensionSection&, const QString& fileName);
};

const std::vector<SectionKind>& sectionKinds()
{
    static const std::vector<SectionKind> kinds = {};
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
