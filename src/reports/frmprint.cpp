#include "reports/frmprint.h"

#include "core/appstate.h"
#include "core/mirteerror.h"
#include "platform/lazyprinter.h"
#include "reports/termtallysheet.h"
#include "reports/termtimetablesheet.h"
#include "reports/weekplansheet.h"
#include "reports/yearsheet.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char16_t* const kCaptions[] = {
    u"年間の時数集計表",   u"1学期の時間割表",  u"1学期の時数集計表",  u"２学期の時間割表",
    u"２学期の時数集計表", u"３学期の時間割表", u"３学期の時数集計表", u"週間時間割計画表",
};
} // namespace

frmPrint::frmPrint(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_services(services)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("印刷する表を選んでください"));

    auto* options = new QVBoxLayout;
    options->setSpacing(4);
    m_options = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kCaptions[i]), this);
        option->setObjectName(QStringLiteral("optPrint_%1").arg(i));
        option->setAccessibleName(option->text());
        m_options->addButton(option, i);
        optPrint[static_cast<std::size_t>(i)] = option;
        // The term options come in pairs, timetable above tally.
        if (i == 1 || i == 3 || i == 5 || i == 7)
            options->addSpacing(8);
        options->addWidget(option);
    }
    optPrint[0]->setChecked(true);

    cmdPrint = new QPushButton(QStringLiteral("印刷"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAccessibleName(cmdPrint->text());
    cmdPrint->setDefault(true);
    cmdPrintClose = new QPushButton(QStringLiteral("閉じる"), this);
    cmdPrintClose->setObjectName(QStringLiteral("cmdPrintClose"));
    cmdPrintClose->setAccessibleName(cmdPrintClose->text());

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPrintClose);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(24);
    layout->addLayout(options);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdPrintClose, &QPushButton::clicked, this, &frmPrint::cmdPrintClose_Click);
    services.activation.watch(this, [this] { Form_Activate(); });
}

void frmPrint::Form_Activate()
{
    cmdPrint->setFocus();
}

void frmPrint::cmdPrint_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (m_state.intYear == 0) {
            m_services.dialogs.message(this, QStringLiteral("印刷するデータがありません。"),
                                       Dialogs::Buttons::Ok, Dialogs::Icon::None, kApplicationTitle);
            return;
        }
        switch (m_options->checkedId()) {
        case 0: subPrintYear(); break;
        case 1: subPrintSeasonTimeChart(1); break;
        case 2: subPrintSeasonTotal(1); break;
        case 3: subPrintSeasonTimeChart(2); break;
        case 4: subPrintSeasonTotal(2); break;
        case 5: subPrintSeasonTimeChart(3); break;
        case 6: subPrintSeasonTotal(3); break;
        case 7: subPrintWeekPlan(); break;
        default: break;
        }
    });
}

void frmPrint::cmdPrintClose_Click()
{
    hide();
}

template <typename Sheet> void frmPrint::printWith(Sheet&& sheet)
{
    if (!m_services.dialogs.printDialog(this, *m_services.printer))
        return;
    const std::unique_ptr<Printer> printer = m_services.openPrinter(*m_services.printer);
    sheet(*printer);
    // A printer that refused the document must not pass for a printed sheet.
    if (printer->hasFailed())
        throw MirteError(QStringLiteral("印刷できませんでした。プリンタの設定を確かめてください。"));
}

// Both sheets keep within the margins of the page set-up, measured once the printer dialog has
// closed: paper and margins may have been changed there.
void frmPrint::subPrintYear()
{
    printWith(
        [this](Printer& printer) { ::subPrintYear(m_state, printer, landscapeArea(*m_services.printer)); });
}

void frmPrint::subPrintWeekPlan()
{
    printWith([this](Printer& printer) {
        ::subPrintWeekPlan(m_state, printer, portraitArea(*m_services.printer));
    });
}

// The term sheets measure the page after the printer dialog, where the paper or margins may change.
void frmPrint::subPrintSeasonTimeChart(int term)
{
    printWith([this, term](Printer& printer) {
        ::subPrintSeasonTimeChart(m_state, printer, term, landscapeArea(*m_services.printer));
    });
}

void frmPrint::subPrintSeasonTotal(int term)
{
    printWith([this, term](Printer& printer) {
        ::subPrintSeasonTotal(m_state, printer, term, landscapeArea(*m_services.printer));
    });
}
