#include "ui/wizard/yearplanboxes.h"

#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "core/units.h"
#include "totals/yeartotals.h"

#include <QLocale>

const std::array<Field, kPlanRows> kPlanRowFields = {
    Field::kokugo,   Field::syakai,   Field::sannsuu,      Field::rika,
    Field::seikatsu, Field::onngaku,  Field::zukou,        Field::katei,
    Field::taiiku,   Field::sougou,   Field::doutoku,      Field::gakkyuukatsudou,
    Field::kurabu,   Field::jidoukai, Field::gakkougyouji, Field::uchikiri,
    Field::yobi,
};

const std::array<QString, kPlanRows> kPlanRowCaptions = {
    QStringLiteral("国語"), QStringLiteral("社会"),   QStringLiteral("算数"), QStringLiteral("理科"),
    QStringLiteral("生活"), QStringLiteral("音楽"),   QStringLiteral("図工"), QStringLiteral("家庭"),
    QStringLiteral("体育"), QStringLiteral("総合"),   QStringLiteral("道徳"), QStringLiteral("学活"),
    QStringLiteral("ｸﾗﾌﾞ"), QStringLiteral("児童会"), QStringLiteral("行事"), QStringLiteral("打切"),
    QStringLiteral("予備"),
};

bool isValidHourBox(const QString& text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        if (dot == 0 || dot != text.size() - 2)
            return false;
        const QChar r = text.at(dot + 1);
        if (r < u'0' || r > u'2')
            return false;
    }
    bool ok = false;
    QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

std::optional<Units> hourBoxUnits(const QString& text)
{
    if (!isValidHourBox(text))
        return std::nullopt;
    // A text can pass the check and still not be an hour text ("-.1", "1e9"): it counts as invalid.
    try {
        return TextToUnits(text);
    } catch (const MirteError&) {
        return std::nullopt;
    }
}

namespace {
using TermValues = std::array<std::vector<Units>, 3>;

// Every sum the page shows; throws OverflowError when one leaves 16 bits.
YearPlanFigures figuresOf(const std::vector<Field>& rows, const std::vector<Units>& base,
                          const TermValues& terms)
{
    YearPlanFigures f;
    auto year = makeYearWithTerms();
    const auto records = year->terms();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        f.base[rows[r]] = base[r];
        for (std::size_t t = 0; t < 3; ++t)
            f.term[t][rows[r]] = terms[t][r];
    }
    f.base.recomputeSubtotals();
    for (std::size_t t = 0; t < 3; ++t) {
        f.term[t].recomputeSubtotals();
        static_cast<UnitCounts&>(*records[t]) = f.term[t];
    }
    calculate(*year);
    f.year = *year;
    f.difference.resize(rows.size() + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        f.difference[r] = sub16(f.year[rows[r]], f.base[rows[r]]);
    f.difference[rows.size()] = sub16(f.year.SouJisuu, f.base.SouJisuu);
    return f;
}

bool fits(const std::vector<Field>& rows, const std::vector<Units>& base, const TermValues& terms)
{
    try {
        figuresOf(rows, base, terms);
        return true;
    } catch (const OverflowError&) {
        return false;
    }
}
} // namespace

CheckedYearPlan checkYearPlan(const std::vector<Field>& rows, const std::vector<QString>& baseTexts,
                              const std::vector<QString>& planTexts)
{
    const std::size_t n = rows.size();
    CheckedYearPlan checked{baseTexts, planTexts, {}};
    checked.baseTexts.resize(n);
    checked.planTexts.resize(3 * n);
    std::vector<Units> base(n);
    TermValues terms{std::vector<Units>(n), std::vector<Units>(n), std::vector<Units>(n)};
    const QString zero = QStringLiteral("0");

    // Each value joins only when every sum still fits with the values accepted before it, so the
    // figures of the accepted values can always be computed.
    for (std::size_t r = 0; r < n; ++r) {
        const std::optional<Units> units = hourBoxUnits(checked.baseTexts[r]);
        base[r] = units.value_or(0);
        if (!units || !fits(rows, base, terms)) {
            base[r] = 0;
            checked.baseTexts[r] = zero;
        }
    }
    for (std::size_t i = 0; i < 3 * n; ++i) {
        Units& slot = terms[i % 3][i / 3];
        const std::optional<Units> units = hourBoxUnits(checked.planTexts[i]);
        slot = units.value_or(0);
        if (!units || !fits(rows, base, terms)) {
            slot = 0;
            checked.planTexts[i] = zero;
        }
    }
    checked.figures = figuresOf(rows, base, terms);
    return checked;
}

CheckedYearPlan checkYearPlan(const std::array<QString, kBaseBoxes>& baseTexts,
                              const std::array<QString, kPlanBoxes>& planTexts)
{
    return checkYearPlan(std::vector<Field>(kPlanRowFields.begin(), kPlanRowFields.end()),
                         std::vector<QString>(baseTexts.begin(), baseTexts.end()),
                         std::vector<QString>(planTexts.begin(), planTexts.end()));
}

BoxKey classifyBoxKey(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left: return BoxKey::Left;
    case Qt::Key_Up: return BoxKey::Up;
    case Qt::Key_Right: return BoxKey::Right;
    case Qt::Key_Down: return BoxKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return BoxKey::Enter;
    case Qt::Key_Period: return BoxKey::Typed;
    case Qt::Key_Comma: return modifiers.testFlag(Qt::KeypadModifier) ? BoxKey::Typed : BoxKey::ResetsBox;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return BoxKey::Ignored;
    default: break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return BoxKey::Typed;
    return BoxKey::ResetsBox;
}

int baseBoxAfter(int box, BoxKey key, int rows)
{
    const int boxes = rows;
    switch (key) {
    case BoxKey::Left:
    case BoxKey::Up: return box == 0 ? boxes - 1 : box - 1;
    case BoxKey::Right:
    case BoxKey::Down:
    case BoxKey::Enter: return box == boxes - 1 ? 0 : box + 1;
    default: return -1;
    }
}

int planBoxAfter(int box, BoxKey key, int rows)
{
    const int boxes = 3 * rows;
    switch (key) {
    case BoxKey::Left: return box == 0 ? boxes - 1 : box - 1;
    case BoxKey::Right:
    case BoxKey::Enter: return box == boxes - 1 ? 0 : box + 1;
    case BoxKey::Up: return box <= 2 ? box + boxes - 3 : box - 3;
    case BoxKey::Down: return box >= boxes - 3 ? box - (boxes - 3) : box + 3;
    default: return -1;
    }
}
