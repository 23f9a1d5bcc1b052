#include "core/subjects.h"

const std::array<Subject, 16> kSubjects = {{
    {u"総合", u'総', Field::sougou},
    {u"国語", u'国', Field::kokugo},
    {u"社会", u'社', Field::syakai},
    {u"算数", u'算', Field::sannsuu},
    {u"理科", u'理', Field::rika},
    {u"生活", u'生', Field::seikatsu},
    {u"音楽", u'音', Field::onngaku},
    {u"図工", u'図', Field::zukou},
    {u"家庭", u'家', Field::katei},
    {u"体育", u'体', Field::taiiku},
    {u"道徳", u'道', Field::doutoku},
    {u"学活", u'学', Field::gakkyuukatsudou},
    {u"クラブ", u'ク', Field::kurabu},
    {u"児童会", u'児', Field::jidoukai},
    {u"行事", u'行', Field::gakkougyouji},
    {u"打切り", u'切', Field::uchikiri},
}};

std::optional<Field> fieldOfInitial(QChar initial)
{
    if (initial.unicode() == kSpareInitial)
        return Field::yobi;
    for (const Subject& s : kSubjects)
        if (s.initial == initial.unicode())
            return s.field;
    return std::nullopt;
}

QString subjectName(QChar initial)
{
    for (const Subject& s : kSubjects)
        if (s.initial == initial.unicode())
            return QString::fromUtf16(s.name);
    return {};
}

QString SubjectInitial(const QString& displayName)
{
    if (displayName.isEmpty())
        return QString(QChar(kEmptyPeriod));
    for (const Subject& s : kSubjects)
        if (displayName == QString::fromUtf16(s.name))
            return QString(QChar(s.initial));
    return {};
}

QString BoolToText(std::int16_t value)
{
    return value == -1 ? QStringLiteral("True") : QStringLiteral("False");
}

bool TextToBool(const QString& text)
{
    return text == QLatin1String("True");
}
