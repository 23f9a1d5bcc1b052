#include "ui/wizard/frmwiz4.h"

#include "core/appstate.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "totals/projection.h"
#include "totals/standardcomparison.h"
#include "totals/yeartotals.h"
#include "ui/common/differencecolor.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"
#include "ui/wizard/yearplanboxes.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRowPixels = 22;
constexpr int kLeftColumnPixels = 58;
constexpr int kBoxPixels = 62;
const QString kNoSum = QStringLiteral("***");

void alignNumber(Grid* grid, int row, int col)
{
    if (QTableWidgetItem* item = grid->item(row, col))
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// A sum label says what it sums and how much, for those who do not see its column.
void showSum(QLabel* label, const QString& what, Units units)
{
    label->setText(UnitsToText(units));
    label->setAccessibleName(what + QLatin1Char(' ') + label->text());
}

// A grid that shows all its cells without scrolling, its rows as tall as the input boxes.
void fitGrid(Grid* grid, int rows, int cols, int columnPixels)
{
    grid->setRows(rows);
    grid->setCols(cols);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < cols; ++c)
        grid->setColWidthTwips(c, static_cast<int>(pixelsToTwips(columnPixels)));
    for (int r = 0; r < rows; ++r)
        grid->setRowHeightTwips(r, static_cast<int>(pixelsToTwips(kRowPixels)));
    grid->setFixedSize(cols * columnPixels, rows * kRowPixels);
}
} // namespace

frmWiz4::frmWiz4(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz4"));
    setUpWizardPage(this);

    fraWiz4YearPlan = new QGroupBox(QStringLiteral("年間授業計画"), this);
    fraWiz4YearPlan->setObjectName(QStringLiteral("fraWiz4YearPlan"));
    fraWiz4YearPlan->setAccessibleName(fraWiz4YearPlan->title());

    lblWiz4Comment[0] = makeLabel(fraWiz4YearPlan, QStringLiteral("lblWiz4Comment_0"),
                                  QStringLiteral("下の左側の表は週計画から積算した学期と年間の時数です。"
                                                 "中間の表に基本時数と計画時数を入力してください。"),
                                  true);
    lblWiz4Comment[1] = makeLabel(fraWiz4YearPlan, QStringLiteral("lblWiz4Comment_1"),
                                  QStringLiteral("15分を0.1、30分を0.2、45分を1で記入してください。"
                                                 "　（例） 32.1 は45分×32＋15分の意味です。"),
                                  true);

    gridWiz4YearPlan = new Grid(fraWiz4YearPlan);
    gridWiz4YearPlan->setObjectName(QStringLiteral("gridWiz4YearPlan"));
    gridWiz4YearPlan->setAccessibleName(QStringLiteral("週計画から積算した時数"));
    gridWiz4YearSum = new Grid(fraWiz4YearPlan);
    gridWiz4YearSum->setObjectName(QStringLiteral("gridWiz4YearSum"));
    gridWiz4YearSum->setAccessibleName(QStringLiteral("年間の計画時数と増減"));
    gridWiz4Standard = new Grid(fraWiz4YearPlan);
    gridWiz4Standard->setObjectName(QStringLiteral("gridWiz4Standard"));
    gridWiz4Standard->setAccessibleName(QStringLiteral("標準授業時数"));
    gridWiz4StandardCheck = new Grid(fraWiz4YearPlan);
    gridWiz4StandardCheck->setObjectName(QStringLiteral("gridWiz4StandardCheck"));
    gridWiz4StandardCheck->setAccessibleName(QStringLiteral("標準時数との比較"));
    lblWiz4Surplus = makeLabel(fraWiz4YearPlan, QStringLiteral("lblWiz4Surplus"), QString());
    cmdWiz4Standard =
        makeButton(fraWiz4YearPlan, QStringLiteral("cmdWiz4Standard"), QStringLiteral("標準時数を入れる"));
    m_rows.assign(kPlanRowFields.begin(), kPlanRowFields.end());
    prepareGrids();

    auto* table = new QGridLayout;
    table->setContentsMargins(0, 0, 0, 0);
    table->setHorizontalSpacing(4);
    table->setVerticalSpacing(0);
    const std::array<QString, 4> headings = {QStringLiteral("基本時数"), QStringLiteral("1学期"),
                                             QStringLiteral("2学期"), QStringLiteral("3学期")};
    for (std::size_t c = 0; c < headings.size(); ++c) {
        QLabel* heading =
            makeLabel(fraWiz4YearPlan, QStringLiteral("lblWiz4TableLabel_%1").arg(c), headings[c]);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFixedHeight(kRowPixels);
        lblWiz4TableLabel[c] = heading;
        table->addWidget(heading, 0, int(c));
    }
    const auto makeBox = [this](const QString& name, const QString& accessible) {
        auto* box = new QLineEdit(QStringLiteral("0"), fraWiz4YearPlan);
        box->setObjectName(name);
        box->setAccessibleName(accessible);
        box->setAlignment(Qt::AlignRight);
        box->setFixedSize(kBoxPixels, kRowPixels);
        // Hours are typed as plain digits; the input method would only get in the way.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
        return box;
    };
    // Boxes for the most rows a catalogue has; applyCatalogue shows those of the plan's rows.
    for (int r = 0; r < kMaxPlanRows; ++r) {
        QLineEdit* base = makeBox(QStringLiteral("txtWiz4YearBase_%1").arg(r), QString());
        txtWiz4YearBase[static_cast<std::size_t>(r)] = base;
        table->addWidget(base, r + 1, 0);
    }
    for (int i = 0; i < 3 * kMaxPlanRows; ++i) {
        QLineEdit* plan = makeBox(QStringLiteral("txtWiz4YearPlan_%1").arg(i), QString());
        txtWiz4YearPlan[static_cast<std::size_t>(i)] = plan;
        table->addWidget(plan, i / 3 + 1, i % 3 + 1);
    }
    const auto makeSum = [this](const QString& name, const QString& accessible) {
        QLabel* sum = makeLabel(fraWiz4YearPlan, name, kNoSum);
        sum->setAccessibleName(accessible);
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sum->setFixedSize(kBoxPixels, kRowPixels);
        sum->setContentsMargins(0, 0, 4, 0);
        return sum;
    };
    lblWiz4BaseSum = makeSum(QStringLiteral("lblWiz4BaseSum"), QStringLiteral("基本時数 計"));
    table->addWidget(lblWiz4BaseSum, kMaxPlanRows + 1, 0);
    for (int t = 0; t < 3; ++t) {
        lblWiz4Sum[static_cast<std::size_t>(t)] =
            makeSum(QStringLiteral("lblWiz4Sum_%1").arg(t), QStringLiteral("%1学期 計").arg(t + 1));
        table->addWidget(lblWiz4Sum[static_cast<std::size_t>(t)], kMaxPlanRows + 1, t + 1);
    }

    auto* tables = new QHBoxLayout;
    tables->setSpacing(14);
    tables->addWidget(gridWiz4YearPlan, 0, Qt::AlignTop);
    tables->addWidget(gridWiz4Standard, 0, Qt::AlignTop);
    tables->addLayout(table);
    tables->addWidget(gridWiz4YearSum, 0, Qt::AlignTop);
    tables->addWidget(gridWiz4StandardCheck, 0, Qt::AlignTop);
    tables->addStretch(1);
    table->setAlignment(Qt::AlignTop);

    auto* frame = new QVBoxLayout(fraWiz4YearPlan);
    frame->setSpacing(8);
    frame->addWidget(lblWiz4Comment[0]);
    frame->addWidget(lblWiz4Comment[1]);
    frame->addSpacing(4);
    frame->addLayout(tables);
    auto* standardRow = new QHBoxLayout;
    standardRow->addWidget(cmdWiz4Standard);
    standardRow->addSpacing(12);
    standardRow->addWidget(lblWiz4Surplus, 1);
    frame->addLayout(standardRow);

    cmdWiz4Before = makeBeforeButton(this, QStringLiteral("cmdWiz4Before"));
    cmdWiz4End = makeButton(this, QStringLiteral("cmdWiz4End"), QStringLiteral("完了"));
    cmdWiz4Cancel = makeButton(this, QStringLiteral("cmdWiz4Cancel"), QStringLiteral("戻る"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(fraWiz4YearPlan);
    addButtonRow(layout, {cmdWiz4Before, cmdWiz4End, cmdWiz4Cancel});

    connect(cmdWiz4Before, &QPushButton::clicked, this, &frmWiz4::cmdWiz4Before_Click);
    connect(cmdWiz4End, &QPushButton::clicked, this, &frmWiz4::cmdWiz4End_Click);
    connect(cmdWiz4Cancel, &QPushButton::clicked, this, &frmWiz4::cmdWiz4Cancel_Click);
    connect(cmdWiz4Standard, &QPushButton::clicked, this, &frmWiz4::cmdWiz4Standard_Click);
    applyCatalogue();
    // Tab goes through the page as it reads: the projection, the base column, the plans row by
    // row, the year's plan, then the buttons.
    QWidget* previous = gridWiz4YearPlan;
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (QLineEdit* box : txtWiz4YearBase)
        chain(box);
    for (QLineEdit* box : txtWiz4YearPlan)
        chain(box);
    for (QWidget* w : {static_cast<QWidget*>(gridWiz4YearSum), static_cast<QWidget*>(gridWiz4StandardCheck),
                       static_cast<QWidget*>(cmdWiz4Standard), static_cast<QWidget*>(cmdWiz4Before),
                       static_cast<QWidget*>(cmdWiz4End), static_cast<QWidget*>(cmdWiz4Cancel)})
        chain(w);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz4::applyCatalogue()
{
    const Catalogue& catalogue = m_state.catalogue();
    m_rows = catalogue.planRows;
    m_showsStandard = catalogue.showsStandard && standardCourseOf(m_state.intYear);
    for (int r = 0; r < kMaxPlanRows; ++r) {
        const bool shown = r < rowCount();
        const QString caption = shown ? planRowCaption(m_rows[static_cast<std::size_t>(r)]) : QString();
        QLineEdit* base = txtWiz4YearBase[static_cast<std::size_t>(r)];
        base->setVisible(shown);
        base->setAccessibleName(caption + QStringLiteral(" 基本時数"));
        for (int t = 0; t < 3; ++t) {
            QLineEdit* plan = txtWiz4YearPlan[static_cast<std::size_t>(3 * r + t)];
            plan->setVisible(shown);
            plan->setAccessibleName(QStringLiteral("%1 %2学期 計画").arg(caption).arg(t + 1));
        }
    }
    gridWiz4Standard->setVisible(m_showsStandard);
    gridWiz4StandardCheck->setVisible(m_showsStandard);
    lblWiz4Surplus->setVisible(m_showsStandard);
    cmdWiz4Standard->setVisible(m_showsStandard);
}

void frmWiz4::prepareGrids()
{
    const int gridRows = rowCount() + 2;
    fitGrid(gridWiz4YearPlan, gridRows, 5, kLeftColumnPixels);
    const std::array<QString, 5> heading = {QStringLiteral("教科"), QStringLiteral("1学期"),
                                            QStringLiteral("2学期"), QStringLiteral("3学期"),
                                            QStringLiteral("年間")};
    for (int c = 0; c < 5; ++c) {
        gridWiz4YearPlan->setTextMatrix(0, c, heading[static_cast<std::size_t>(c)]);
        gridWiz4YearPlan->setCellCentered(0, c);
    }
    for (int r = 0; r < rowCount(); ++r) {
        gridWiz4YearPlan->setTextMatrix(r + 1, 0, planRowCaption(m_rows[static_cast<std::size_t>(r)]));
        gridWiz4YearPlan->setCellCentered(r + 1, 0);
    }
    gridWiz4YearPlan->setTextMatrix(gridRows - 1, 0, QStringLiteral("計"));
    gridWiz4YearPlan->setCellCentered(gridRows - 1, 0);
    // A caption longer than the sixteen subjects' ("外国語活動") widens the caption column alone.
    int captionPixels = kLeftColumnPixels;
    for (Field f : m_rows)
        captionPixels = std::max(captionPixels,
                                 gridWiz4YearPlan->fontMetrics().horizontalAdvance(planRowCaption(f)) + 10);
    if (captionPixels > kLeftColumnPixels) {
        gridWiz4YearPlan->setColWidthTwips(0, static_cast<int>(pixelsToTwips(captionPixels)));
        gridWiz4YearPlan->setFixedSize(4 * kLeftColumnPixels + captionPixels, gridRows * kRowPixels);
    }

    fitGrid(gridWiz4YearSum, gridRows, 2, kBoxPixels);
    gridWiz4YearSum->setTextMatrix(0, 0, QStringLiteral("年間"));
    gridWiz4YearSum->setTextMatrix(0, 1, QStringLiteral("増減"));
    gridWiz4YearSum->setCellCentered(0, 0);
    gridWiz4YearSum->setCellCentered(0, 1);

    fitGrid(gridWiz4Standard, gridRows, 1, kBoxPixels);
    gridWiz4Standard->setTextMatrix(0, 0, QStringLiteral("標準"));
    gridWiz4Standard->setCellCentered(0, 0);
    fitGrid(gridWiz4StandardCheck, gridRows, 3, kBoxPixels + 14);
    const std::array<QString, 3> check = {QStringLiteral("計画−標準"), QStringLiteral("実績"),
                                          QStringLiteral("実績−標準")};
    for (int c = 0; c < 3; ++c) {
        gridWiz4StandardCheck->setTextMatrix(0, c, check[static_cast<std::size_t>(c)]);
        gridWiz4StandardCheck->setCellCentered(0, c);
    }
}

void frmWiz4::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        m_loaded = false;
        applyCatalogue();
        prepareGrids();
        if (m_state.objYearBase)
            for (std::size_t r = 0; r < m_rows.size(); ++r)
                txtWiz4YearBase[r]->setText(UnitsToText((*m_state.objYearBase)[m_rows[r]]));
        subDispWeekTotalPlan();
        subDispSavedData();
        subSaveYearPlan();
        // The grids only show figures: no cell carries the mark of a current one.
        gridWiz4YearPlan->setCurrentItem(nullptr);
        gridWiz4YearSum->setCurrentItem(nullptr);
        gridWiz4Standard->setCurrentItem(nullptr);
        gridWiz4StandardCheck->setCurrentItem(nullptr);
        m_loaded = true;
        // The page opens ready for the first base hours to be typed.
        txtWiz4YearBase[0]->setFocus(Qt::OtherFocusReason);
        txtWiz4YearBase[0]->selectAll();
    });
}

void frmWiz4::subDispWeekTotalPlan()
{
    const ProjectionTable table = projectPlan(m_state);
    for (int r = 0; r < static_cast<int>(table.size()); ++r) {
        for (int t = 0; t < 4; ++t) {
            gridWiz4YearPlan->setTextMatrix(
                r + 1, t + 1, UnitsToText(table[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)]));
            alignNumber(gridWiz4YearPlan, r + 1, t + 1);
        }
    }
}

void frmWiz4::subDispSavedData()
{
    if (!m_state.objYearPlan)
        return;
    const auto terms = m_state.objYearPlan->terms();
    for (std::size_t t = 0; t < 3; ++t)
        for (std::size_t r = 0; r < m_rows.size(); ++r)
            txtWiz4YearPlan[3 * r + t]->setText(terms[t] ? UnitsToText((*terms[t])[m_rows[r]])
                                                         : QStringLiteral("0"));
}

void frmWiz4::subSaveYearPlan()
{
    std::vector<QString> baseTexts(m_rows.size());
    std::vector<QString> planTexts(3 * m_rows.size());
    for (std::size_t i = 0; i < baseTexts.size(); ++i)
        baseTexts[i] = txtWiz4YearBase[i]->text();
    for (std::size_t i = 0; i < planTexts.size(); ++i)
        planTexts[i] = txtWiz4YearPlan[i]->text();
    const CheckedYearPlan checked = checkYearPlan(m_rows, baseTexts, planTexts);
    for (std::size_t i = 0; i < baseTexts.size(); ++i)
        if (checked.baseTexts[i] != baseTexts[i])
            txtWiz4YearBase[i]->setText(checked.baseTexts[i]);
    for (std::size_t i = 0; i < planTexts.size(); ++i)
        if (checked.planTexts[i] != planTexts[i])
            txtWiz4YearPlan[i]->setText(checked.planTexts[i]);

    const YearPlanFigures& f = checked.figures;
    if (m_state.objYearBase)
        static_cast<UnitCounts&>(*m_state.objYearBase) = f.base;
    showSum(lblWiz4BaseSum, QStringLiteral("基本時数 計"), f.base.SouJisuu);
    if (m_state.objYearPlan) {
        const auto terms = m_state.objYearPlan->terms();
        for (std::size_t t = 0; t < 3; ++t)
            if (terms[t])
                static_cast<UnitCounts&>(*terms[t]) = f.term[t];
        calculate(*m_state.objYearPlan);
    }
    for (std::size_t t = 0; t < 3; ++t)
        showSum(lblWiz4Sum[t], QStringLiteral("%1学期 計").arg(t + 1), f.term[t].SouJisuu);

    for (int row = 1; row <= rowCount() + 1; ++row) {
        const Units year =
            row <= rowCount() ? f.year[m_rows[static_cast<std::size_t>(row - 1)]] : f.year.SouJisuu;
        const Units d = f.difference[static_cast<std::size_t>(row - 1)];
        gridWiz4YearSum->setTextMatrix(row, 0, UnitsToText(year));
        gridWiz4YearSum->setTextMatrix(row, 1, UnitsToText(d));
        gridWiz4YearSum->setCellForeColor(row, 1, differenceColor(d));
        alignNumber(gridWiz4YearSum, row, 0);
        alignNumber(gridWiz4YearSum, row, 1);
    }
    subDispStandard();
}

void frmWiz4::subDispStandard()
{
    if (!m_showsStandard)
        return;
    for (int row = 1; row <= rowCount() + 1; ++row) {
        gridWiz4Standard->setTextMatrix(row, 0, QString());
        for (int c = 0; c < 3; ++c)
            gridWiz4StandardCheck->setTextMatrix(row, c, QString());
    }
    const StandardComparison c = compareWithStandard(m_state);
    if (!c.course) {
        lblWiz4Surplus->setText(QStringLiteral("学年を選ぶと標準授業時数と比べます。"));
        lblWiz4Surplus->setAccessibleName(lblWiz4Surplus->text());
        return;
    }
    const auto show = [this](int row, const StandardFigures& f) {
        gridWiz4Standard->setTextMatrix(row, 0, UnitsToText(f.standard));
        alignNumber(gridWiz4Standard, row, 0);
        const Units planDiff = sub16(f.plan, f.standard);
        const Units actualDiff = sub16(f.actual, f.standard);
        gridWiz4StandardCheck->setTextMatrix(row, 0, UnitsToText(planDiff));
        gridWiz4StandardCheck->setCellForeColor(row, 0, differenceColor(planDiff));
        gridWiz4StandardCheck->setTextMatrix(row, 1, UnitsToText(f.actual));
        gridWiz4StandardCheck->setTextMatrix(row, 2, UnitsToText(actualDiff));
        gridWiz4StandardCheck->setCellForeColor(row, 2, differenceColor(actualDiff));
        for (int col = 0; col < 3; ++col)
            alignNumber(gridWiz4StandardCheck, row, col);
    };
    for (const StandardComparisonRow& r : c.rows) {
        const auto at = std::find(m_rows.begin(), m_rows.end(), r.field);
        if (at != m_rows.end())
            show(static_cast<int>(at - m_rows.begin()) + 1, r.figures);
    }
    show(rowCount() + 1, c.total);

    const Units surplus = sub16(c.total.plan, c.total.standard);
    const QString text =
        surplus >= 0 ? QStringLiteral("余剰時数（年間計画の総授業時数 − 標準 %1）　%2")
                           .arg(UnitsToText(c.total.standard), UnitsToText(surplus))
                     : QStringLiteral("標準に足りない時数（標準 %1 − 年間計画の総授業時数）　%2")
                           .arg(UnitsToText(c.total.standard), UnitsToText(static_cast<Units>(-surplus)));
    lblWiz4Surplus->setText(text);
    lblWiz4Surplus->setStyleSheet(surplus < 0 ? QStringLiteral("color: rgb(255, 0, 0);")
                                              : QStringLiteral("color: rgb(0, 0, 255);"));
    lblWiz4Surplus->setAccessibleName(text);
}

void frmWiz4::cmdWiz4Standard_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_state.objYearBase ||
            !fillBaseWithStandard(*m_state.objYearBase, m_state.intYear, m_state.intGrade))
            return;
        for (std::size_t r = 0; r < m_rows.size(); ++r)
            txtWiz4YearBase[r]->setText(UnitsToText((*m_state.objYearBase)[m_rows[r]]));
        subSaveYearPlan();
    });
}

void frmWiz4::boxGotFocus(QLineEdit* box)
{
    runUserCommand(m_services.dialogs, this, [&] { subSaveYearPlan(); });
    // Typing replaces the whole value; a click places the caret, so it selects again when it ends.
    box->selectAll();
}

bool frmWiz4::boxKeyDown(QLineEdit* box, int key, Qt::KeyboardModifiers modifiers)
{
    const BoxKey what = classifyBoxKey(key, modifiers);
    if (what == BoxKey::Typed || what == BoxKey::Ignored)
        return false;
    if (what == BoxKey::ResetsBox) {
        box->setText(QStringLiteral("0"));
        box->selectAll();
        return false;
    }
    const auto base = std::find(txtWiz4YearBase.begin(), txtWiz4YearBase.end(), box);
    QLineEdit* target = nullptr;
    if (base != txtWiz4YearBase.end()) {
        target = txtWiz4YearBase[static_cast<std::size_t>(
            baseBoxAfter(int(base - txtWiz4YearBase.begin()), what, rowCount()))];
    } else {
        const auto plan = std::find(txtWiz4YearPlan.begin(), txtWiz4YearPlan.end(), box);
        if (plan == txtWiz4YearPlan.end())
            return false;
        target = txtWiz4YearPlan[static_cast<std::size_t>(
            planBoxAfter(int(plan - txtWiz4YearPlan.begin()), what, rowCount()))];
    }
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

bool frmWiz4::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Coming back to the window, or out of a menu, is no move between boxes.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (m_loaded && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            boxGotFocus(box);
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // However the box got the focus, and whether it had it already, typing replaces its text.
        box->selectAll();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (boxKeyDown(box, key->key(), key->modifiers()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmWiz4::hideEvent(QHideEvent* event)
{
    // What is being typed when the page goes is not stored; the next showing loads the state.
    m_loaded = false;
    QWidget::hideEvent(event);
}

void frmWiz4::cmdWiz4Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.before(Wizard::Step::AnnualPlan); });
}

void frmWiz4::cmdWiz4End_Click()
{
    m_wizard.leave(Wizard::Step::AnnualPlan);
}

void frmWiz4::cmdWiz4Cancel_Click()
{
    m_wizard.leave(Wizard::Step::AnnualPlan);
}
