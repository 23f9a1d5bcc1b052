// The catalogue of a plan by its school year, and the subtotals the later subjects go into.
#include "core/catalogue.h"
#include "core/standardhours.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Catalogue, ChosenByTheSchoolYear)
{
    struct Case {
        int year;
        QString initials;
        QString timetable;
    };
    const Case cases[] = {
        {0, u"総国社算理生音図家体道学ク児行切"_s, u"総国社算理生音図家体道学ク"_s},
        {2000, u"総国社算理生音図家体道学ク児行切"_s, u"総国社算理生音図家体道学ク"_s},
        {2010, u"総国社算理生音図家体道学ク児行切"_s, u"総国社算理生音図家体道学ク"_s},
        {2011, u"総国社算理生音図家体道英学ク児行切"_s, u"総国社算理生音図家体道英学ク"_s},
        {2019, u"総国社算理生音図家体道英学ク児行切"_s, u"総国社算理生音図家体道英学ク"_s},
        {2020, u"総国社算理生音図家体外道英学ク児行切"_s, u"総国社算理生音図家体外道英学ク"_s},
        {2030, u"総国社算理生音図家体外道英学ク児行切"_s, u"総国社算理生音図家体外道英学ク"_s},
    };
    for (const Case& c : cases) {
        const Catalogue& cat = catalogueOf(c.year);
        EXPECT_EQ(cat.initials(), c.initials) << c.year;
        EXPECT_EQ(cat.timetableInitials, c.timetable) << c.year;
    }
    EXPECT_EQ(&catalogueOf(2005), &basicCatalogue());
}

TEST(Catalogue, BasicCatalogueIsTheSixteenSubjects)
{
    const Catalogue& basic = basicCatalogue();
    EXPECT_EQ(basic.tallyOrder, std::vector<Field>(kTallyOrder.begin(), kTallyOrder.end()));
    EXPECT_TRUE(basic.laterFields.empty());
    EXPECT_EQ(basic.fieldOfInitial(u'英'), std::nullopt);
    EXPECT_EQ(basic.fieldOfInitial(u'外'), std::nullopt);
    EXPECT_EQ(basic.SubjectInitial(u"外国語"_s), QString());
    EXPECT_FALSE(basic.has(Field::gaikokugo));
    EXPECT_EQ(basic.planRows.size(), 17U);
}

TEST(Catalogue, LaterSubjectsTakeTheirPlaces)
{
    const Catalogue& c2015 = catalogueOf(2015);
    EXPECT_EQ(c2015.fieldOfInitial(u'英'), Field::gaikokugokatsudou);
    EXPECT_EQ(c2015.fieldOfInitial(u'外'), std::nullopt);
    EXPECT_EQ(c2015.SubjectInitial(u"外国語活動"_s), u"英"_s);
    EXPECT_EQ(c2015.subjectName(u'英'), u"外国語活動"_s);
    EXPECT_TRUE(c2015.holdsLaterInitial(u"　国英算　　　"_s));
    EXPECT_FALSE(c2015.holdsLaterInitial(u"　国外算　　　"_s));

    const Catalogue& c2024 = catalogueOf(2024);
    EXPECT_EQ(c2024.fieldOfInitial(u'外'), Field::gaikokugo);
    EXPECT_EQ(c2024.SubjectInitial(u"外国語"_s), u"外"_s);
    // Tally rows: 外国語 after 体育 inside 教科小計, 外国語活動 after 道徳.
    const std::vector<Field> expected = {
        Field::kokugo,          Field::syakai,
        Field::sannsuu,         Field::rika,
        Field::seikatsu,        Field::onngaku,
        Field::zukou,           Field::katei,
        Field::taiiku,          Field::gaikokugo,
        Field::KyoukaSyoukei,   Field::sougou,
        Field::doutoku,         Field::gaikokugokatsudou,
        Field::gakkyuukatsudou, Field::kurabu,
        Field::jidoukai,        Field::gakkougyouji,
        Field::TokkatsuSyoukei, Field::SouJyugyouJisuu,
        Field::uchikiri,        Field::yobi,
        Field::SouJisuu,
    };
    EXPECT_EQ(c2024.tallyOrder, expected);
    EXPECT_EQ(c2024.planRows.size(), 19U);
    EXPECT_EQ(c2024.planRows[9], Field::gaikokugo);
    EXPECT_EQ(c2024.planRows[12], Field::gaikokugokatsudou);
    EXPECT_EQ(c2024.planRows.back(), Field::yobi);
}

TEST(Catalogue, ForeignLanguageIsInTheSubjectSubtotalItsActivityOnlyInTheLessonTotal)
{
    UnitCounts c;
    c.kokugo = 3;
    c.gaikokugo = 6;
    c.gaikokugokatsudou = 9;
    c.gakkyuukatsudou = 1;
    c.uchikiri = 2;
    c.recomputeSubtotals();
    EXPECT_EQ(c.KyoukaSyoukei, 9);
    EXPECT_EQ(c.TokkatsuSyoukei, 1);
    EXPECT_EQ(c.SouJyugyouJisuu, 19);
    EXPECT_EQ(c.SouJisuu, 21);
}
