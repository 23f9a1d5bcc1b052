#include "core/unitcounts.h"

using F = Field;

const std::array<Field, kFieldCount> kAllFields = {
    F::kokugo,          F::syakai,   F::sannsuu,  F::rika,          F::seikatsu,        F::onngaku,
    F::zukou,           F::katei,    F::taiiku,   F::KyoukaSyoukei, F::sougou,          F::doutoku,
    F::gakkyuukatsudou, F::kurabu,   F::jidoukai, F::gakkougyouji,  F::TokkatsuSyoukei, F::SouJyugyouJisuu,
    F::uchikiri,        F::SouJisuu, F::yobi,
};

const std::array<Field, kFieldCount> kTallyOrder = {
    F::kokugo,          F::syakai, F::sannsuu,  F::rika,          F::seikatsu,        F::onngaku,
    F::zukou,           F::katei,  F::taiiku,   F::KyoukaSyoukei, F::sougou,          F::doutoku,
    F::gakkyuukatsudou, F::kurabu, F::jidoukai, F::gakkougyouji,  F::TokkatsuSyoukei, F::SouJyugyouJisuu,
    F::uchikiri,        F::yobi,   F::SouJisuu,
};

const std::array<Field, kFieldCount> kFileOrder = {
    F::doutoku,  F::gakkougyouji,  F::gakkyuukatsudou, F::jidoukai, F::katei,   F::kokugo,
    F::kurabu,   F::KyoukaSyoukei, F::onngaku,         F::rika,     F::sannsuu, F::seikatsu,
    F::sougou,   F::SouJisuu,      F::SouJyugyouJisuu, F::syakai,   F::taiiku,  F::TokkatsuSyoukei,
    F::uchikiri, F::yobi,          F::zukou,
};

const std::array<Field, 19> kSubjectFields = {
    F::kokugo,       F::syakai,   F::sannsuu, F::rika,      F::seikatsu,          F::onngaku, F::zukou,
    F::katei,        F::taiiku,   F::sougou,  F::doutoku,   F::gakkyuukatsudou,   F::kurabu,  F::jidoukai,
    F::gakkougyouji, F::uchikiri, F::yobi,    F::gaikokugo, F::gaikokugokatsudou,
};

const std::array<Field, 2> kLaterFields = {F::gaikokugo, F::gaikokugokatsudou};

namespace {

struct FieldInfo {
    Units UnitCounts::*member;
    const char* name;
    const char16_t* label;
};

// Indexed by the enum value.
const std::array<FieldInfo, kFieldSlots> kFieldInfo = {{
    {&UnitCounts::kokugo, "kokugo", u"国語"},
    {&UnitCounts::syakai, "syakai", u"社会"},
    {&UnitCounts::sannsuu, "sannsuu", u"算数"},
    {&UnitCounts::rika, "rika", u"理科"},
    {&UnitCounts::seikatsu, "seikatsu", u"生活"},
    {&UnitCounts::onngaku, "onngaku", u"音楽"},
    {&UnitCounts::zukou, "zukou", u"図工"},
    {&UnitCounts::katei, "katei", u"家庭"},
    {&UnitCounts::taiiku, "taiiku", u"体育"},
    {&UnitCounts::KyoukaSyoukei, "KyoukaSyoukei", u"教科小計"},
    {&UnitCounts::sougou, "sougou", u"総合"},
    {&UnitCounts::doutoku, "doutoku", u"道徳"},
    {&UnitCounts::gakkyuukatsudou, "gakkyuukatsudou", u"学活"},
    {&UnitCounts::kurabu, "kurabu", u"クラブ"},
    {&UnitCounts::jidoukai, "jidoukai", u"児童会"},
    {&UnitCounts::gakkougyouji, "gakkougyouji", u"学校行事"},
    {&UnitCounts::TokkatsuSyoukei, "TokkatsuSyoukei", u"特活小計"},
    {&UnitCounts::SouJyugyouJisuu, "SouJyugyouJisuu", u"総授業時数"},
    {&UnitCounts::uchikiri, "uchikiri", u"打切時数"},
    {&UnitCounts::SouJisuu, "SouJisuu", u"総時数"},
    {&UnitCounts::yobi, "yobi", u"予備時数"},
    {&UnitCounts::gaikokugo, "gaikokugo", u"外国語"},
    {&UnitCounts::gaikokugokatsudou, "gaikokugokatsudou", u"外国語活動"},
}};

const FieldInfo& info(Field field)
{
    return kFieldInfo[static_cast<std::size_t>(field)];
}

} // namespace

QString fieldName(Field field)
{
    return QString::fromLatin1(info(field).name);
}
QString fieldLabel(Field field)
{
    return QString::fromUtf16(info(field).label);
}

Units& UnitCounts::operator[](Field field)
{
    return this->*info(field).member;
}
Units UnitCounts::operator[](Field field) const
{
    return this->*info(field).member;
}

void UnitCounts::clearCounts()
{
    for (Field f : kAllFields)
        (*this)[f] = 0;
    for (Field f : kLaterFields)
        (*this)[f] = 0;
}

void UnitCounts::recomputeSubtotals()
{
    long long kyouka = 0;
    for (Units u : {kokugo, syakai, sannsuu, rika, seikatsu, onngaku, zukou, katei, taiiku, gaikokugo})
        kyouka = add16(kyouka, u);
    KyoukaSyoukei = checked16(kyouka);
    TokkatsuSyoukei = add16(add16(add16(gakkyuukatsudou, kurabu), jidoukai), gakkougyouji);
    SouJyugyouJisuu =
        add16(add16(add16(add16(KyoukaSyoukei, sougou), doutoku), gaikokugokatsudou), TokkatsuSyoukei);
    SouJisuu = add16(add16(SouJyugyouJisuu, uchikiri), yobi);
}

bool UnitCounts::sameCounts(const UnitCounts& other) const
{
    for (Field f : kAllFields)
        if ((*this)[f] != other[f])
            return false;
    for (Field f : kLaterFields)
        if ((*this)[f] != other[f])
            return false;
    return true;
}
