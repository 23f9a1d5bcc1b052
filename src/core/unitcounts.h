// The twenty-one unit-count fields every totals record carries, and the orders they are listed in.
#pragma once

#include "core/units.h"

#include <QString>
#include <array>
#include <cstdint>

enum class Field : std::uint8_t {
    kokugo,
    syakai,
    sannsuu,
    rika,
    seikatsu,
    onngaku,
    zukou,
    katei,
    taiiku,
    KyoukaSyoukei,
    sougou,
    doutoku,
    gakkyuukatsudou,
    kurabu,
    jidoukai,
    gakkougyouji,
    TokkatsuSyoukei,
    SouJyugyouJisuu,
    uchikiri,
    SouJisuu,
    yobi,
    // Subjects of later school years: counted only in plans whose catalogue has them, and stored
    // in the plan file's extension, never in its field blocks.
    gaikokugo,         // 外国語, an academic subject: part of KyoukaSyoukei
    gaikokugokatsudou, // 外国語活動, counted on its own: part of SouJyugyouJisuu
};
// The fields of the basic record, which every plan has and every field block stores.
inline constexpr int kFieldCount = 21;
// Every Field value, the later subjects included (for tables indexed by the Field value).
inline constexpr int kFieldSlots = 23;

// Declaration order (the enum's order).
extern const std::array<Field, kFieldCount> kAllFields;
// Row order of the tallies: 予備時数 before 総時数.
extern const std::array<Field, kFieldCount> kTallyOrder;
// Order of a field block in the plan file (alphabetical by field name).
extern const std::array<Field, kFieldCount> kFileOrder;
// The per-subject fields, the later subjects included; the four subtotals are derived from them.
extern const std::array<Field, 19> kSubjectFields;
// The subjects of later school years, in the order the plan file's extension stores them.
extern const std::array<Field, 2> kLaterFields;

// "kokugo", "KyoukaSyoukei", ...
QString fieldName(Field field);
// "国語", "教科小計", "打切時数", ...
QString fieldLabel(Field field);

struct UnitCounts {
    Units kokugo = 0;
    Units syakai = 0;
    Units sannsuu = 0;
    Units rika = 0;
    Units seikatsu = 0;
    Units onngaku = 0;
    Units zukou = 0;
    Units katei = 0;
    Units taiiku = 0;
    Units KyoukaSyoukei = 0;
    Units sougou = 0;
    Units doutoku = 0;
    Units gakkyuukatsudou = 0;
    Units kurabu = 0;
    Units jidoukai = 0;
    Units gakkougyouji = 0;
    Units TokkatsuSyoukei = 0;
    Units SouJyugyouJisuu = 0;
    Units uchikiri = 0;
    Units SouJisuu = 0;
    Units yobi = 0;
    Units gaikokugo = 0;
    Units gaikokugokatsudou = 0;

    Units& operator[](Field field);
    Units operator[](Field field) const;

    // Every field back to 0.
    void clearCounts();
    // The four subtotals from the subject fields, checked: KyoukaSyoukei, TokkatsuSyoukei,
    // SouJyugyouJisuu, SouJisuu. The later subjects are 0 in every plan whose catalogue lacks them,
    // so they change nothing there.
    void recomputeSubtotals();

    bool sameCounts(const UnitCounts& other) const;
};
