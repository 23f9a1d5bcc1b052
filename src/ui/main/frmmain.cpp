#include "ui/main/frmmain.h"

#include "ui/common/usercommand.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/appstate.h"
#include "core/mirteerror.h"
#include "core/subjects.h"
#include "platform/lazyprinter.h"
#include "platform/monthcalendar.h"
#include "platform/subjectpictures.h"
#include "reports/frmdisptimetable.h"
#include "reports/frmprint.h"
#include "reports/frmschoolsummary.h"
#include "ui/common/services.h"
#include "ui/common/typedtextguard.h"
#include "ui/common/windowactivation.h"
#include "ui/help/helpwindow.h"
#include "ui/main/columnheading.h"
#include "ui/main/mainplacement.h"
#include "ui/main/mirteversion.h"
#include "ui/main/plansession.h"
#include "ui/main/schoolevents.h"
#include "ui/main/subjectframe.h"
#include "ui/main/subjectstamps.h"
#include "ui/main/twipsrect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace {
// The form, in twips as it was drawn.
constexpr int kFormWidth = 10725;
constexpr int kMargin = 60;
constexpr int kBandWidth = kFormWidth - 2 * kMargin;
constexpr int kMonthsShown = 3;

// Inside fraSubject.
constexpr int kPaletteLeft = 60, kPaletteTop = 60, kPaletteWidth = 1800, kPaletteHeight = 4710;
constexpr int kSubjectButtonWidth = 780, kSubjectButtonHeight = 495;
constexpr int kSubjectColumnLeft[2] = {90, 930};
constexpr int kSubjectRowTop = 330, kSubjectRowStep = 540;

constexpr int kGridLeft = 1920;
constexpr int kGridWidth = 8610;
constexpr int kCommentTop = 60, kCommentHeight = 765;
constexpr int kHeadingTop = 855, kHeadingHeight = 255;
// Up to the frame's edge: "登録・取消" is wider than the button it stands over.
constexpr int kHeadingWidth = kBandWidth - kGridLeft - 15;
constexpr int kRowTop = 1140;
constexpr int kCellStep = 720; // rows and columns are this far apart
constexpr int kCellSize = 735; // period and register buttons are square
constexpr int kLabelLeft = 1875, kLabelWidth = 870, kLabelHeight = 255;
constexpr int kPeriodLeft = 2775;
// Wide enough for the longest events of the list.
constexpr int kEventLeft = 7875, kEventWidth = 1860, kEventHeight = 405;
constexpr int kCommandLeft = 9795;
constexpr int kCancelHintTop = kRowTop + 5 * kCellStep + kCellSize + 90;
constexpr int kSubjectAreaHeight = kCancelHintTop + kLabelHeight + 90;

constexpr int kPeriodIconPixels = 24;
constexpr int kPalettePicturePixels = 32;
constexpr int kClockTick = 1000; // ms
constexpr int kMarkedDaysAtMost = 400;

const QString kRegister = QStringLiteral("登録");
const QString kCancel = QStringLiteral("取消");
const char* const kPictureProperty = "picture";
const char* const kPaletteIndexProperty = "paletteIndex";

QFont windowFont()
{
    return QFont(QStringLiteral("IPAPGothic"), 9);
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

// "ﾌｧｲﾙ(&F)" is read out as "ﾌｧｲﾙ".
QString withoutMnemonic(QString caption)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    return caption.remove(mnemonic);
}

// The picture of a palette button's subject.
QPixmap pictureOf(const QWidget* paletteButton)
{
    return palettePicture(paletteButton->property(kPictureProperty).toInt(), kPalettePicturePixels);
}

QIcon iconOf(const QPixmap& picture)
{
    if (picture.isNull())
        return {};
    // A registered row is locked, not faded: its pictures stay as they are.
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Disabled);
    return icon;
}

// A locked control reads as well as an open one: its text keeps the open colours; only the ground
// turns grey, so the lock still shows.
void keepReadableWhenLocked(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Window));
    palette.setColor(QPalette::Disabled, QPalette::Button,
                     palette.color(QPalette::Active, QPalette::Button).darker(112));
    widget->setPalette(palette);
}
} // namespace

frmMain::frmMain(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_services(services), m_wizard(wizard),
      // The start page's reader, looked up at each use so a test can put another in its place.
      m_session(std::make_unique<PlanSession>(
          state, services, [this](AppState& s, const QString& path) { m_wizard.planLoader()(s, path); },
          this))
{
    dateRow.fill(zeroDate());
    const QString caption = kApplicationTitle + QStringLiteral(" Ver") + versionText();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFont(windowFont());

    buildMenus();
    auto* scroll = named(new QScrollArea(this), QStringLiteral("frmMainScroll"), caption);
    scroll->setFrameShape(QFrame::NoFrame);
    // Built inside the window from the start, so every control is measured once, in the window's
    // font, rather than in the default font first and again when it joins the window.
    m_client = named(new QWidget(scroll->viewport()), QStringLiteral("frmMainClient"), caption);
    buildCalendarBand();
    buildSubjectArea();
    buildStatusBar();
    m_client->resize(twipsToPixels(kFormWidth), fraSubject->geometry().bottom() + 1 + twipsToPixels(kMargin));
    scroll->setWidget(m_client);
    setCentralWidget(scroll);
    subUnvisibleButton();
    for (int r = 0; r < kWeekRows; ++r)
        nameRow(r);
    resize(placementPixels(WindowPlacement{}).size());

    m_services.activation.setMainWindow(this);
    m_services.activation.watch(this, [this] { Form_Activate(); });
    // A plan opened from the start page has a file: 上書き保存 at once.
    connect(&m_wizard, &Wizard::planOpened, this, &frmMain::applyMenuRule);
    connect(&m_wizard, &Wizard::planOpened, m_session.get(), &PlanSession::planReplaced);
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------------
// Building the window

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMainBar"));
    bar->setAccessibleName(QStringLiteral("メニュー バー"));
    const auto menu = [&](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->setAccessibleName(withoutMnemonic(caption));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    const auto item = [&](QMenu* m, const char* name, const QString& caption, void (frmMain::*slot)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const auto bar0 = [&](QMenu* m, const char* name) {
        QAction* a = m->addSeparator();
        a->setObjectName(QLatin1String(name));
        return a;
    };

    mnuFile = menu("mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileNew = item(mnuFile, "mnuFileNew", QStringLiteral("新規作成(&N)"), &frmMain::mnuFileNew_Click);
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", QStringLiteral("開く(&O)..."), &frmMain::mnuFileOpen_Click);
    mnuFileClose = item(mnuFile, "mnuFileClose", QStringLiteral("閉じる(&C)"), &frmMain::mnuFileClose_Click);
    mnuFileBar0 = bar0(mnuFile, "mnuFileBar0");
    mnuFileSave = item(mnuFile, "mnuFileSave", QStringLiteral("上書き保存(&S)"), &frmMain::mnuFileSave_Click);
    mnuFileSaveAs = item(mnuFile, "mnuFileSaveAs", QStringLiteral("名前を付けて保存(&A)..."),
                         &frmMain::mnuFileSaveAs_Click);
    mnuFileBar1 = bar0(mnuFile, "mnuFileBar1");
    mnuFilePageSetup = item(mnuFile, "mnuFilePageSetup", QStringLiteral("ﾍﾟｰｼﾞ設定(&U)..."),
                            &frmMain::mnuFilePageSetup_Click);
    mnuFilePrint = item(mnuFile, "mnuFilePrint", QStringLiteral("印刷(&P)..."), &frmMain::mnuFilePrint_Click);
    mnuFileBar2 = bar0(mnuFile, "mnuFileBar2");
    mnuFileExit = item(mnuFile, "mnuFileExit", QStringLiteral("終了(&X)"), &frmMain::mnuFileExit_Click);

    mnuEdit = menu("mnuEdit", QStringLiteral("編集(&E)"));
    mnuEditModifyScedule = item(mnuEdit, "mnuEditModifyScedule", QStringLiteral("計画を最初から変更"),
                                &frmMain::mnuEditModifyScedule_Click);
    mnuEditModifyHoliday = item(mnuEdit, "mnuEditModifyHoliday", QStringLiteral("休日の変更"),
                                &frmMain::mnuEditModifyHoliday_Click);
    mnuEditModifySpecial = item(mnuEdit, "mnuEditModifySpecial", QStringLiteral("特別な休日の変更"),
                                &frmMain::mnuEditModifySpecial_Click);
    mnuEditModifyTimeCredit = item(mnuEdit, "mnuEditModifyTimeCredit", QStringLiteral("週間時間表の変更"),
                                   &frmMain::mnuEditModifyTimeCredit_Click);
    mnuEditModifyWeek = item(mnuEdit, "mnuEditModifyWeek", QStringLiteral("週間時間割の変更"),
                             &frmMain::mnuEditModifyWeek_Click);
    mnuEditModifyYear = item(mnuEdit, "mnuEditModifyYear", QStringLiteral("年間授業計画の変更"),
                             &frmMain::mnuEditModifyYear_Click);

    mnuView = menu("mnuView", QStringLiteral("表示(&V)"));
    mnuViewShowTimeTable =
        item(mnuView, "mnuViewShowTimeTable", QStringLiteral("集計表"), &frmMain::mnuViewShowTimeTable_Click);
    // Beyond the class's own plan: many classes' plan files side by side.
    mnuViewSchoolSummary = item(mnuView, "mnuViewSchoolSummary", QStringLiteral("学校全体の集計..."),
                                &frmMain::mnuViewSchoolSummary_Click);

    mnuHelp = menu("mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContents =
        item(mnuHelp, "mnuHelpContents", QStringLiteral("ﾍﾙﾌﾟ"), &frmMain::mnuHelpContents_Click);
}

void frmMain::buildCalendarBand()
{
    fraCalenderMain =
        named(new QFrame(m_client), QStringLiteral("fraCalenderMain"), QStringLiteral("カレンダー欄"));
    fraCalenderMain->setFrameShape(QFrame::StyledPanel);

    MonthView1 =
        named(new MonthCalendar(fraCalenderMain), QStringLiteral("MonthView1"), QStringLiteral("カレンダー"));
    MonthView1->setMonthColumns(kMonthsShown);
    MonthView1->setToday(m_services.clock.today());
    const QSize calendar = MonthView1->sizeHint();
    const QRect band = twipsRect(kMargin, kMargin, kBandWidth, 0);
    fraCalenderMain->setGeometry(band.x(), band.y(), band.width(), calendar.height() + 12);
    MonthView1->setGeometry((band.width() - calendar.width()) / 2, 6, calendar.width(), calendar.height());

    connect(MonthView1, &MonthCalendar::dateClicked, this,
            [this](const QDate& date, int) { MonthView1_DateClick(date); });
    connect(MonthView1, &MonthCalendar::clicked, this, &frmMain::MonthView1_Click);
}

void frmMain::buildSubjectArea()
{
    fraSubject = named(new SubjectFrame(m_client), QStringLiteral("fraSubject"), QStringLiteral("実績表"));
    fraSubject->setFrameShape(QFrame::StyledPanel);
    const QRect band = twipsRect(kMargin, 0, kBandWidth, kSubjectAreaHeight);
    fraSubject->setGeometry(band.x(), fraCalenderMain->geometry().bottom() + 1 + twipsToPixels(kMargin),
                            band.width(), band.height());
    connect(fraSubject, &SubjectFrame::clicked, this, &frmMain::fraSubject_Click);

    buildPalette();

    const QString comment = QStringLiteral(
        "実績の入力をします。上のカレンダから登録したい週を選択して、次に左の教科パレットから選んで下の実績表"
        "を"
        "クリックしてください。マウスを元に戻すときは教科パレット以外の場所をクリックしてください。");
    lblMainComment = named(new QLabel(comment, fraSubject), QStringLiteral("lblMainComment"), comment);
    lblMainComment->setWordWrap(true);
    lblMainComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMainComment->setGeometry(twipsRect(kGridLeft, kCommentTop, kGridWidth, kCommentHeight));

    // Beside the event box it speaks for, over the rows; shown only when there is something to say.
    lblMainNote = named(new QLabel(fraSubject), QStringLiteral("lblMainNote"), kTypedTextNoteName);
    lblMainNote->setWordWrap(true);
    lblMainNote->setTextFormat(Qt::PlainText);
    lblMainNote->setFrameShape(QFrame::Box);
    lblMainNote->setMargin(3);
    lblMainNote->setAutoFillBackground(true);
    QPalette notePalette = lblMainNote->palette();
    notePalette.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xDC));
    notePalette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    lblMainNote->setPalette(notePalette);
    lblMainNote->hide();

    buildWeekRows();

    const QString cancelHint = QStringLiteral("入力を取り消すときは同じ教科で実績表をクリックしてください");
    lblMainCancel = named(new QLabel(cancelHint, fraSubject), QStringLiteral("lblMainCancel"), cancelHint);
    lblMainCancel->setGeometry(
        twipsRect(kPeriodLeft, kCancelHintTop, kGridLeft + kGridWidth - kPeriodLeft, kLabelHeight));
}

void frmMain::buildPalette()
{
    fraPalette = named(new QGroupBox(QStringLiteral("教科パレット"), fraSubject),
                       QStringLiteral("fraPalette"), QStringLiteral("教科パレット"));
    fraPalette->setGeometry(twipsRect(kPaletteLeft, kPaletteTop, kPaletteWidth, kPaletteHeight));
    // Buttons for the largest palette; applyPalette gives them the subjects of the plan's catalogue.
    for (int i = 0; i < int(cmdSubject.size()); ++i) {
        auto* button = named(new QPushButton(fraPalette), QStringLiteral("cmdSubject_%1").arg(i), QString());
        button->setProperty(kPaletteIndexProperty, i);
        button->setAutoDefault(true); // Enter picks the subject, as Space does
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdSubject_Click(i); });
        cmdSubject[std::size_t(i)] = button;
    }
    applyPalette();
}

void frmMain::applyPalette()
{
    const Catalogue& catalogue = m_state.catalogue();
    if (m_paletteInitials == catalogue.initials())
        return;
    m_paletteInitials = catalogue.initials();
    const int count = int(catalogue.subjects.size());
    // Sixteen subjects keep their two columns of eight; a longer palette closes its rows up to fit
    // the same frame.
    const int rows = (count + 1) / 2;
    const int step = rows <= 8 ? kSubjectRowStep : (kPaletteHeight - kSubjectRowTop - 60) / rows;
    const int height = rows <= 8 ? kSubjectButtonHeight : step - 40;
    for (int i = 0; i < int(cmdSubject.size()); ++i) {
        QPushButton* button = cmdSubject[std::size_t(i)];
        if (i >= count) {
            button->hide();
            continue;
        }
        const Subject& subject = catalogue.subjects[std::size_t(i)];
        const QString caption = QString::fromUtf16(subject.name);
        button->setText(caption);
        button->setAccessibleName(caption);
        // A name longer than the sixteen subjects' ("外国語活動") gets a smaller font to fit its button.
        QFont font = fraPalette->font();
        const int room = twipsToPixels(kSubjectButtonWidth) - 8;
        while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > 6)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        button->setFont(font);
        // Even indexes down the first column, odd ones down the second.
        button->setGeometry(twipsRect(kSubjectColumnLeft[i % 2], kSubjectRowTop + (i / 2) * step,
                                      kSubjectButtonWidth, height));
        // The picture travels with the button, for the period buttons and the pointer; it shows
        // only its caption itself. It is drawn when first stamped or picked.
        button->setProperty(kPictureProperty, pictureIndexOf(QChar(subject.initial)));
        button->show();
    }
}

void frmMain::buildWeekRows()
{
    Label7 = named(
        new ColumnHeading(QStringLiteral("０　　　　　１　　　　　２　　　　　３　　　　　４　　　　　５　"
                                         "　　　　６　　　　　　行　　　事　　　　　　登録・取消"),
                          fraSubject),
        QStringLiteral("Label7"), QStringLiteral("時限 0 から 6、行事、登録・取消"));
    const QRect heading = twipsRect(kGridLeft, kHeadingTop, kHeadingWidth, kHeadingHeight);
    Label7->setGeometry(heading);
    {
        QList<int> centres;
        const auto centreOf = [&](double left, double width) {
            return twipsToPixels(left + width / 2) - heading.x();
        };
        for (int j = 0; j < kPeriodCount; ++j)
            centres << centreOf(kPeriodLeft + j * kCellStep, kCellSize);
        centres << centreOf(kEventLeft, kEventWidth * 2 / 3.0)
                << centreOf(kEventLeft + kEventWidth / 3.0, kEventWidth * 2 / 3.0);
        centres << centreOf(kCommandLeft, kCellSize);
        Label7->setColumnCentres(centres);
    }

    const std::array<std::array<QToolButton*, kPeriodCount>*, kWeekRows> periods = {
        &cmdMon, &cmdTue, &cmdWed, &cmdThu, &cmdFri, &cmdSat};
    const std::array<const char*, kWeekRows> periodNames = {"cmdMon", "cmdTue", "cmdWed",
                                                            "cmdThu", "cmdFri", "cmdSat"};
    const std::array<void (frmMain::*)(int), kWeekRows> periodSlots = {
        &frmMain::cmdMon_Click, &frmMain::cmdTue_Click, &frmMain::cmdWed_Click,
        &frmMain::cmdThu_Click, &frmMain::cmdFri_Click, &frmMain::cmdSat_Click};
    const std::array<QComboBox**, kWeekRows> combos = {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5, &Combo6};
    const std::array<QPushButton**, kWeekRows> commands = {&Command1, &Command2, &Command3,
                                                           &Command4, &Command5, &Command6};
    const std::array<void (frmMain::*)(), kWeekRows> commandSlots = {
        &frmMain::Command1_Click, &frmMain::Command2_Click, &frmMain::Command3_Click,
        &frmMain::Command4_Click, &frmMain::Command5_Click, &frmMain::Command6_Click};

    for (int r = 0; r < kWeekRows; ++r) {
        const int top = kRowTop + r * kCellStep;
        Row& row = m_rows[std::size_t(r)];

        row.label = named(new QLabel(QStringLiteral("Ｘ/Ｘ（%1）").arg(kRowWeekdays.at(r)), fraSubject),
                          QStringLiteral("Label2_%1").arg(r), QString());
        row.label->setGeometry(
            twipsRect(kLabelLeft, top + (kCellSize - kLabelHeight) / 2, kLabelWidth, kLabelHeight));
        row.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.label->clear();
        Label2[std::size_t(r)] = row.label;

        row.periods = periods[std::size_t(r)];
        for (int j = 0; j < kPeriodCount; ++j) {
            auto* button = new QToolButton(fraSubject);
            button->setObjectName(
                QStringLiteral("%1_%2").arg(QLatin1String(periodNames[std::size_t(r)])).arg(j));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setIconSize(QSize(kPeriodIconPixels, kPeriodIconPixels));
            button->setFocusPolicy(Qt::StrongFocus);
            button->setGeometry(twipsRect(kPeriodLeft + j * kCellStep, top, kCellSize, kCellSize));
            const auto slot = periodSlots[std::size_t(r)];
            connect(button, &QToolButton::clicked, this, [this, slot, j] { (this->*slot)(j); });
            keepReadableWhenLocked(button);
            button->installEventFilter(this); // Enter presses it
            (*row.periods)[std::size_t(j)] = button;
        }

        auto* box = new QComboBox(fraSubject);
        box->setObjectName(QStringLiteral("Combo%1").arg(r + 1));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(schoolEvents());
        box->setMaxVisibleItems(schoolEvents().size());
        box->setCurrentIndex(-1);
        box->setEditText(QString());
        box->setGeometry(
            twipsRect(kEventLeft, top + (kCellSize - kEventHeight) / 2, kEventWidth, kEventHeight));
        connect(box->lineEdit(), &QLineEdit::textEdited, box, [box](const QString& text) {
            const QString clean = oneLineEvent(text);
            if (clean == text)
                return;
            QLineEdit* edit = box->lineEdit();
            const int cursor = oneLineEvent(text.left(edit->cursorPosition())).size();
            edit->setText(clean);
            edit->setCursorPosition(cursor);
        });
        keepReadableWhenLocked(box);
        auto* guard = new TypedTextGuard(box->lineEdit(), lblMainNote);
        connect(guard, &TypedTextGuard::noteShown, this, &frmMain::placeNote);
        *combos[std::size_t(r)] = box;
        row.event = box;

        auto* command = new QPushButton(kRegister, fraSubject);
        command->setObjectName(QStringLiteral("Command%1").arg(r + 1));
        command->setGeometry(twipsRect(kCommandLeft, top, kCellSize, kCellSize));
        command->setAutoDefault(true); // Enter presses it, as on the wizard's pages
        connect(command, &QPushButton::clicked, this, commandSlots[std::size_t(r)]);
        *commands[std::size_t(r)] = command;
        row.command = command;
    }
}

void frmMain::buildStatusBar()
{
    sbStatusBar =
        named(new QStatusBar(this), QStringLiteral("sbStatusBar"), QStringLiteral("ステータスバー"));
    sbStatusBar->setSizeGripEnabled(false);
    setStatusBar(sbStatusBar);
    const std::array<QString, 3> names = {QStringLiteral("ｽﾃｰﾀｽ"), QStringLiteral("日付"),
                                          QStringLiteral("時刻")};
    for (int i = 0; i < 3; ++i) {
        auto* panel =
            named(new QLabel(sbStatusBar), QStringLiteral("sbStatusBar_%1").arg(i), names[std::size_t(i)]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        sbPanels[std::size_t(i)] = panel;
    }
    sbPanels[0]->setText(QStringLiteral("ｽﾃｰﾀｽ"));
    sbStatusBar->addWidget(sbPanels[0], 1);
    sbStatusBar->addPermanentWidget(sbPanels[1]);
    sbStatusBar->addPermanentWidget(sbPanels[2]);
    updateClockPanels();
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("sbClockTimer"));
    connect(m_clockTimer, &QTimer::timeout, this, &frmMain::updateClockPanels);
    m_clockTimer->start(kClockTick);
}

void frmMain::updateClockPanels()
{
    const QDateTime now = m_services.clock.now();
    sbPanels[1]->setText(now.date().toString(QStringLiteral("yyyy/MM/dd")));
    sbPanels[2]->setText(now.time().toString(QStringLiteral("H:mm")));
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void frmMain::applyPlacement(bool forceWidth)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    WindowPlacement placement = reachablePlacement(m_services.placement.load(), screens);
    if (forceWidth)
        placement.width = kFormWidth;
    const QRect pixels = placementPixels(placement);
    move(pixels.topLeft());
    resize(pixels.size());
}

void frmMain::Form_Load()
{
    runUserCommand(m_services.dialogs, this, [this] { applyPlacement(false); });
}

void frmMain::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        applyPlacement(true);
        if (m_state.boolStartWizard)
            m_wizard.show(Wizard::Step::Start);

        // Widening the maximum first keeps every new minimum valid.
        MonthView1->setMaxDate(QDate(9999, 12, 31));
        MonthView1->setMinDate(DateSerial(m_state.intYear, 4, 1));
        MonthView1->setMaxDate(DateSerial(m_state.intYear + 1, 3, 31));

        const QDate today = m_services.clock.today();
        MonthView1->setToday(today);
        if (!m_state.boolCalendarShown) {
            // Today's month and day in the plan's school year; 29 February rolls on to 1 March.
            const int year = m_state.intYear + (today.month() <= 3 ? 1 : 0);
            const QDate shown = DateSerial(year, today.month(), today.day());
            MonthView1_DateClick(shown);
            m_state.dateSelected = shown;
            m_state.dateWeekFirst = shown;
            m_state.dateWeekLast = shown;
            m_state.boolCalendarShown = true;
        }
        applyPalette();
        subDispHoliday();
        applyMenuRule();
    });
}

void frmMain::applyMenuRule()
{
    const bool hasFile = !m_state.strFileName.isEmpty();
    mnuFileSave->setVisible(hasFile);
    mnuFileOpen->setVisible(!hasFile);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The close box asks about saving as 終了 does; after 終了 itself there is nothing left to ask.
    bool mayClose = false;
    runUserCommand(m_services.dialogs, this, [this, &mayClose] { mayClose = m_session->exit(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    runUserCommand(m_services.dialogs, this, [this] { Form_Unload(); });
    QMainWindow::closeEvent(event);
}

void frmMain::Form_Unload()
{
    // Newest first: the windows of the menus, then the wizard's pages, then anything left over.
    for (QWidget* w :
         {static_cast<QWidget*>(m_help.get()), static_cast<QWidget*>(m_print.get()),
          static_cast<QWidget*>(m_timeTable.get()), static_cast<QWidget*>(m_schoolSummary.get())})
        if (w)
            w->hide();
    m_wizard.hideAll();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w != this && w->isVisible() && w->isWindow())
            w->hide();
    if (!isMinimized())
        m_services.placement.save(placementTwips(QRect(pos(), size())));
}

// ---------------------------------------------------------------------------------------------
// The week view

void frmMain::MonthView1_DateClick(const QDate& date)
{
    // Only a view: should anything fail, it stops where it is and says nothing.
    try {
        applyPalette();
        const ShownWeek week = shownWeek(m_state, date);
        MonthView1->setSelection(week.range.first, week.range.last);
        m_state.dateSelected = date;
        m_state.dateWeekFirst = week.range.first;
        m_state.dateWeekLast = week.range.last;
        for (int r = 0; r < kWeekRows; ++r) {
            Label2[std::size_t(r)]->clear();
            dateRow[std::size_t(r)] = zeroDate();
        }
        subUnvisibleButton();
        for (int r = 0; r < kWeekRows; ++r) {
            const WeekRow& row = week.rows[std::size_t(r)];
            if (isZeroDate(row.date))
                continue;
            if (row.state != RowState::Hidden)
                fillRow(r, row);
            dateRow[std::size_t(r)] = row.date;
            Label2[std::size_t(r)]->setText(row.label);
        }
        for (int r = 0; r < kWeekRows; ++r)
            nameRow(r);
    } catch (const std::exception&) {
    }
}

void frmMain::fillRow(int r, const WeekRow& row)
{
    const Row& c = m_rows[std::size_t(r)];
    m_rowSubjects[std::size_t(r)] = row.subjects;
    c.event->setEditText(row.comment);
    c.event->lineEdit()->setCursorPosition(0); // a long event shows its beginning
    const bool registered = row.state == RowState::Registered;
    c.command->setText(registered ? kCancel : kRegister);
    setRowLocked(r, registered);

    for (int j = 0; j < kPeriodCount; ++j) {
        QToolButton* button = (*c.periods)[std::size_t(j)];
        const PeriodStamp stamp = periodStamp(m_state.catalogue(), row.subjects, j);
        // A hidden period still holds this day's own subject, never one left from another day,
        // because registering reads every period.
        if (stamp.paletteIndex >= 0) {
            const QPushButton* palette = cmdSubject[std::size_t(stamp.paletteIndex)];
            showStamp(button, palette->text(), pictureOf(palette));
        } else {
            showStamp(button, stamp.caption, {});
        }
        button->setVisible(row.periodShown[std::size_t(j)]);
    }
    c.event->show();
    c.command->show();
    c.command->setFocus();
}

void frmMain::setRowLocked(int r, bool locked)
{
    const Row& c = m_rows[std::size_t(r)];
    for (QToolButton* button : *c.periods)
        button->setEnabled(!locked);
    c.event->setEnabled(!locked);
    // A locked box shows only the start of a long event: the whole of it is its tooltip.
    const QString whole = locked ? c.event->currentText() : QString();
    c.event->setToolTip(whole);
    c.event->setAccessibleDescription(whole);
}

void frmMain::placeNote(QLineEdit* box)
{
    // Under the box, right-aligned with it; above it when there is no room below.
    const QWidget* event = box->parentWidget();
    const int width = twipsToPixels(2 * kEventWidth);
    lblMainNote->setFixedWidth(width);
    const int height = lblMainNote->heightForWidth(width);
    lblMainNote->setFixedHeight(height);
    const QRect at = event->geometry();
    int top = at.bottom() + 2;
    if (top + height > fraSubject->height())
        top = at.top() - height - 2;
    lblMainNote->move(std::max(0, at.right() - width), top);
    lblMainNote->raise();
}

void frmMain::nameRow(int r)
{
    const Row& c = m_rows[std::size_t(r)];
    const QString label = c.label->text();
    c.label->setAccessibleName(rowAccessibleName(label, r));
    for (int j = 0; j < kPeriodCount; ++j)
        (*c.periods)[std::size_t(j)]->setAccessibleName(periodAccessibleName(label, r, j));
    c.event->setAccessibleName(eventAccessibleName(label, r));
    c.event->lineEdit()->setAccessibleName(c.event->accessibleName());
    c.command->setAccessibleName(registerAccessibleName(label, r, c.command->text()));
}

void frmMain::subUnvisibleButton()
{
    for (const Row& c : m_rows) {
        for (QToolButton* button : *c.periods)
            button->hide();
        c.event->hide();
        c.command->hide();
    }
}

void frmMain::MonthView1_Click()
{
    subDispHoliday();
}

void frmMain::subDispHoliday()
{
    MonthView1->setDayNotes(planRestDayNames(m_state));
    // Asking for a day past the last visible one throws; that is where the marking ends.
    try {
        for (int n = 1; n <= kMarkedDaysAtMost; ++n) {
            const QDate day = MonthView1->visibleDay(n);
            MonthView1->setDayBold(day, IsSchoolDay(m_state, day));
        }
    } catch (const std::exception&) {
    }
}

// ---------------------------------------------------------------------------------------------
// Palette and stamps

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // Pressing any mouse button on a palette button picks its subject.
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant index = watched->property(kPaletteIndexProperty);
        if (index.isValid())
            cmdSubject_MouseDown(index.toInt(), static_cast<QMouseEvent*>(event)->button());
    }
    // A period button is a tool button, which takes only Space; Enter presses it too.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* period = qobject_cast<QToolButton*>(watched);
        if (period && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            period->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::cmdSubject_Click(int index)
{
    runUserCommand(m_services.dialogs, this, [this, index] {
        const QPushButton* button = cmdSubject.at(std::size_t(index));
        fraSubject->setMouseIcon(pictureOf(button));
        fraSubject->setTag(button->text());
    });
}

void frmMain::cmdSubject_MouseDown(int index, Qt::MouseButton)
{
    cmdSubject_Click(index);
}

void frmMain::fraSubject_Click()
{
    fraSubject->setMouseIcon({});
    fraSubject->setTag({});
}

void frmMain::showStamp(QToolButton* button, const QString& caption, const QPixmap& picture)
{
    button->setText(caption);
    button->setIcon(iconOf(picture));
    button->setAccessibleDescription(caption.isEmpty() ? QStringLiteral("空き") : caption);
}

void frmMain::stamp(QToolButton* button)
{
    runUserCommand(m_services.dialogs, this, [this, button] {
        // The same subject again takes the stamp off; with none picked, a stamped period empties.
        if (button->text() != fraSubject->tag())
            showStamp(button, fraSubject->tag(), fraSubject->mouseIcon());
        else
            showStamp(button, {}, {});
    });
}

void frmMain::cmdMon_Click(int index)
{
    stamp(cmdMon.at(std::size_t(index)));
}
void frmMain::cmdTue_Click(int index)
{
    stamp(cmdTue.at(std::size_t(index)));
}
void frmMain::cmdWed_Click(int index)
{
    stamp(cmdWed.at(std::size_t(index)));
}
void frmMain::cmdThu_Click(int index)
{
    stamp(cmdThu.at(std::size_t(index)));
}
void frmMain::cmdFri_Click(int index)
{
    stamp(cmdFri.at(std::size_t(index)));
}
void frmMain::cmdSat_Click(int index)
{
    stamp(cmdSat.at(std::size_t(index)));
}

// ---------------------------------------------------------------------------------------------
// Register and cancel

std::array<QString, kPeriodCount> frmMain::rowCaptions(int r) const
{
    std::array<QString, kPeriodCount> captions;
    for (int j = 0; j < kPeriodCount; ++j)
        captions[std::size_t(j)] = (*m_rows[std::size_t(r)].periods)[std::size_t(j)]->text();
    return captions;
}

void frmMain::registerOrCancel(int r)
{
    runUserCommand(m_services.dialogs, this, [this, r] {
        const Row& c = m_rows[std::size_t(r)];
        const QDate date = dateRow[std::size_t(r)];
        if (isZeroDate(date) || !m_state.objDayChain)
            return; // a row outside the shown week has no day to register
        if (c.command->text() == kRegister) {
            auto day = makeRecordedDay(
                date,
                subjectStringFromCaptions(m_state.catalogue(), rowCaptions(r), m_rowSubjects[std::size_t(r)]),
                oneLineEvent(c.event->currentText()));
            setRowLocked(r, true);
            m_rowSubjects[std::size_t(r)] = day->strSubject;
            m_state.objDayChain->appendDay(std::move(day));
            c.command->setText(kCancel);
        } else {
            setRowLocked(r, false);
            for (RivoDayTime* day = m_state.objDayChain.get(); day; day = day->objNextDay.get()) {
                if (day->dateThisDay == date) {
                    day->boolNowPlanning = true;
                    break;
                }
            }
            c.command->setText(kRegister);
        }
        nameRow(r);
    });
}

void frmMain::Command1_Click()
{
    registerOrCancel(0);
}
void frmMain::Command2_Click()
{
    registerOrCancel(1);
}
void frmMain::Command3_Click()
{
    registerOrCancel(2);
}
void frmMain::Command4_Click()
{
    registerOrCancel(3);
}
void frmMain::Command5_Click()
{
    registerOrCancel(4);
}
void frmMain::Command6_Click()
{
    registerOrCancel(5);
}

// ---------------------------------------------------------------------------------------------
// Menus: the plan-file life cycle, kept by the session; the window shows what follows from it

void frmMain::showEmptyPlan()
{
    mnuFileSave->setVisible(false);
    mnuFileOpen->setVisible(true);
    // July first, so that April comes into view from the same side whatever month was shown.
    MonthView1->setDisplayedDate(DateSerial(m_state.intYear, 7, 1));
    MonthView1->setDisplayedDate(DateSerial(m_state.intYear, 4, 1));
    subDispHoliday();
    MonthView1_DateClick(DateSerial(m_state.intYear, 4, 1));
}

void frmMain::mnuFileNew_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_session->close())
            return;
        showEmptyPlan();
        m_wizard.show(Wizard::Step::Class);
    });
}

void frmMain::mnuFileOpen_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_session->open())
            return;
        // Coming back from the file dialog is no new activation, so the window follows the
        // loaded plan now: its school year, today's week in it, and 上書き保存.
        Form_Activate();
    });
}

void frmMain::mnuFileClose_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (m_session->close())
            showEmptyPlan();
    });
}

void frmMain::mnuFileSave_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_session->save(); });
}

void frmMain::mnuFileSaveAs_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_session->saveAs(); });
}

void frmMain::mnuFilePageSetup_Click()
{
    // Cancelled or failed, the printer keeps its settings and nothing is said.
    try {
        m_services.dialogs.pageSetupDialog(this, *m_services.printer, QStringLiteral("ﾍﾟｰｼﾞ設定"));
    } catch (...) {
    }
}

void frmMain::mnuFilePrint_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_print)
            m_print = std::make_unique<frmPrint>(m_state, m_services);
        m_services.activation.show(m_print.get());
    });
}

void frmMain::mnuFileExit_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (m_session->exit())
            close();
    });
}

// ---------------------------------------------------------------------------------------------
// Menus: edit, view, help

void frmMain::mnuViewShowTimeTable_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_timeTable)
            m_timeTable = std::make_unique<frmDispTimeTable>(m_state, m_services);
        m_services.activation.show(m_timeTable.get());
    });
}

void frmMain::mnuViewSchoolSummary_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!m_schoolSummary)
            m_schoolSummary = std::make_unique<frmSchoolSummary>(m_services);
        m_services.activation.show(m_schoolSummary.get());
    });
}

bool frmMain::showHelp(QWidget* owner)
{
    if (helpFileName().isEmpty())
        return false;
    if (!m_help)
        m_help = std::make_unique<HelpWindow>();
    if (!m_help->showContents())
        return false;
    if (owner && !m_help->isVisible())
        m_help->move(owner->frameGeometry().center() - m_help->rect().center());
    m_services.activation.show(m_help.get());
    return true;
}

void frmMain::mnuHelpContents_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        const bool shown = m_helpViewer ? m_helpViewer(this) : showHelp(this);
        if (!shown)
            m_services.dialogs.message(this,
                                       QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 "
                                                      "このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"),
                                       Dialogs::Buttons::Ok, Dialogs::Icon::Information, windowTitle());
    });
}

void frmMain::mnuEditModifyScedule_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::Class); });
}
void frmMain::mnuEditModifyHoliday_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::HolidayRules); });
}
void frmMain::mnuEditModifySpecial_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::HolidayCalendar); });
}
void frmMain::mnuEditModifyTimeCredit_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::PeriodLengths); });
}
void frmMain::mnuEditModifyWeek_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::Timetable); });
}
void frmMain::mnuEditModifyYear_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.show(Wizard::Step::AnnualPlan); });
}
