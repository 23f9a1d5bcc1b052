// Stamping subjects on the periods of the shown week, and registering and cancelling its days.
#include "mainwindowfixture.h"
#include "planfixture.h"
#include "platform/subjectpictures.h"
#include "ui/main/subjectframe.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <cmath>

namespace {
enum Palette : int { kKokugo = 1, kSansuu = 3, kOngaku = 6, kGyouji = 14, kUchikiri = 15 };

const QDate kMonday(2001, 10, 15);
} // namespace

class RecordingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        makePlan(state, 2001);
        open();
        pick(QDate(2001, 10, 17));
    }
    SubjectFrame* frame() const { return child<SubjectFrame>(QStringLiteral("fraSubject")); }
};

TEST_F(RecordingTest, SameSubjectTwiceClearsThePeriod)
{
    pickSubject(kKokugo);
    QToolButton* p2 = period(0, 2); // shows 社会 from the timetable
    click(p2);
    EXPECT_EQ(p2->text(), QStringLiteral("国語"));
    // The stamp shows the picture of 国語 itself, whichever was drawn first.
    EXPECT_EQ(p2->icon().pixmap(QSize(32, 32)).toImage(),
              palettePicture(pictureIndexOf(u'国'), 32).toImage());
    EXPECT_EQ(p2->accessibleDescription(), QStringLiteral("国語"));
    click(p2);
    EXPECT_EQ(p2->text(), QString());
    EXPECT_TRUE(p2->icon().isNull());
}

TEST_F(RecordingTest, AnotherSubjectReplacesTheStamp)
{
    pickSubject(kKokugo);
    QToolButton* p2 = period(1, 2); // 算数
    ASSERT_EQ(p2->text(), QStringLiteral("算数"));
    click(p2);
    EXPECT_EQ(p2->text(), QStringLiteral("国語"));
}

TEST_F(RecordingTest, WithoutASubjectAClickEmptiesAStampedPeriod)
{
    pickSubject(kKokugo);
    clickEmptyArea();
    EXPECT_TRUE(frame()->tag().isEmpty());
    EXPECT_FALSE(frame()->testAttribute(Qt::WA_SetCursor));

    QToolButton* science = period(2, 3); // 理科
    ASSERT_EQ(science->text(), QStringLiteral("理科"));
    click(science);
    EXPECT_EQ(science->text(), QString());
    EXPECT_TRUE(science->icon().isNull());
    QToolButton* empty = period(0, 0);
    click(empty);
    EXPECT_EQ(empty->text(), QString());
    EXPECT_TRUE(empty->icon().isNull());
}

TEST_F(RecordingTest, PaletteHoldsTheSubjectAndShowsItAsThePointer)
{
    // Any mouse button picks, the right one included.
    QTest::mousePress(child<QPushButton>(QStringLiteral("cmdSubject_3")), Qt::RightButton);
    EXPECT_EQ(frame()->tag(), QStringLiteral("算数"));
    EXPECT_TRUE(frame()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(frame()->cursor().pixmap().toImage(), palettePicture(pictureIndexOf(u'算'), 32).toImage());

    // The palette frame's own empty area keeps the subject; so does a date label.
    auto* palette = child<QGroupBox>(QStringLiteral("fraPalette"));
    const QPoint gap(palette->width() / 2, palette->height() - 3);
    ASSERT_EQ(palette->childAt(gap), nullptr);
    QTest::mouseClick(palette, Qt::LeftButton, {}, gap);
    QTest::mouseClick(dateLabel(0), Qt::LeftButton);
    EXPECT_EQ(frame()->tag(), QStringLiteral("算数"));

    // Picking another date keeps it too.
    pick(QDate(2001, 10, 24));
    click(period(0, 1));
    EXPECT_EQ(period(0, 1)->text(), QStringLiteral("算数"));
}

TEST_F(RecordingTest, StampsAreLostWhenAnotherDateIsPicked)
{
    addDay(state, QDate(2001, 10, 16), QStringLiteral("　算算算算算　"), QStringLiteral("家庭訪問"), true);
    pick(QDate(2001, 10, 17));
    pickSubject(kOngaku);
    click(period(0, 1));
    click(period(1, 1));
    pick(QDate(2001, 10, 24));
    pick(QDate(2001, 10, 17));
    EXPECT_EQ(period(0, 1)->text(), QStringLiteral("国語")); // the timetable again
    EXPECT_EQ(period(1, 1)->text(), QStringLiteral("算数")); // the stored day again
    EXPECT_EQ(eventBox(1)->currentText(), QStringLiteral("家庭訪問"));
}

TEST_F(RecordingTest, RegisterStoresTheRowAndLocksIt)
{
    pickSubject(kSansuu);
    click(period(0, 2));
    type(eventBox(0)->lineEdit(), QStringLiteral("運動会の練習"));
    click(command(0));

    ASSERT_EQ(recordCount(state), 1);
    const RivoDayTime* day = recordOf(state, kMonday);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->strSubject, QStringLiteral("　国算理音体　"));
    EXPECT_EQ(day->strComment, QStringLiteral("運動会の練習"));
    EXPECT_TRUE(day->boolWorkDay);
    EXPECT_FALSE(day->boolNowPlanning);
    EXPECT_EQ(day->intThisDay, 288);
    EXPECT_EQ(day->intWeekName, 1);

    EXPECT_EQ(command(0)->text(), QStringLiteral("取消"));
    EXPECT_EQ(command(0)->accessibleName(), QStringLiteral("10/15(月) 取消"));
    EXPECT_FALSE(eventBox(0)->isEnabled());
    for (int j = 0; j < 7; ++j)
        EXPECT_FALSE(period(0, j)->isEnabled()) << j;
    // A locked period does not react.
    pickSubject(kKokugo);
    click(period(0, 2));
    EXPECT_EQ(period(0, 2)->text(), QStringLiteral("算数"));
    EXPECT_EQ(frame()->tag(), QStringLiteral("国語"));
}

TEST_F(RecordingTest, ReregisteringLeavesExactlyOneRecord)
{
    click(command(0));
    click(command(0)); // cancel
    const RivoDayTime* cancelled = recordOf(state, kMonday);
    ASSERT_NE(cancelled, nullptr);
    EXPECT_TRUE(cancelled->boolNowPlanning);
    EXPECT_EQ(command(0)->text(), QStringLiteral("登録"));
    EXPECT_TRUE(period(0, 3)->isEnabled());
    EXPECT_TRUE(eventBox(0)->isEnabled());

    pickSubject(kKokugo);
    click(period(0, 3)); // 理科 → 国語
    click(command(0));
    ASSERT_EQ(recordCount(state), 1);
    const RivoDayTime* day = recordOf(state, kMonday);
    EXPECT_EQ(day->strSubject, QStringLiteral("　国社国音体　"));
    EXPECT_FALSE(day->boolNowPlanning);
}

TEST_F(RecordingTest, RowsComeBackAsTheirRecordsLeftThem)
{
    pickSubject(kUchikiri);
    click(period(0, 1));
    click(command(0)); // Monday registered
    eventBox(1)->setEditText(QStringLiteral("遠足"));
    click(command(1));
    click(command(1)); // Tuesday registered, then cancelled

    pick(QDate(2001, 10, 24));
    EXPECT_EQ(command(0)->text(), QStringLiteral("登録"));
    EXPECT_TRUE(period(0, 1)->isEnabled());
    pick(QDate(2001, 10, 18));

    EXPECT_EQ(command(0)->text(), QStringLiteral("取消"));
    EXPECT_FALSE(period(0, 1)->isEnabled());
    EXPECT_EQ(period(0, 1)->text(), QStringLiteral("打切り"));
    EXPECT_EQ(command(1)->text(), QStringLiteral("登録"));
    EXPECT_TRUE(period(1, 1)->isEnabled());
    EXPECT_EQ(eventBox(1)->currentText(), QStringLiteral("遠足"));
    EXPECT_EQ(period(1, 4)->text(), QStringLiteral("図工"));
    // An untouched day shows the timetable, open.
    EXPECT_EQ(command(2)->text(), QStringLiteral("登録"));
    EXPECT_EQ(recordCount(state), 2);
}

TEST_F(RecordingTest, RegisteredRowsWithoutLessonsAndWithEventPeriods)
{
    // Friday: periods 1 to 3 show 国語, 打切り and 行事, the rest nothing.
    clickEmptyArea();
    for (int j = 0; j < 7; ++j)
        if (!period(4, j)->text().isEmpty())
            click(period(4, j));
    const std::pair<int, int> stamps[] = {{1, kKokugo}, {2, kUchikiri}, {3, kGyouji}};
    for (const auto& [j, subject] : stamps) {
        pickSubject(subject);
        click(period(4, j));
    }
    click(command(4));
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 19))->strSubject, QStringLiteral("　国切行　　　"));

    // Thursday: a day with every period empty is a registered day without lessons.
    clickEmptyArea();
    for (int j = 0; j < 7; ++j)
        if (shown(period(3, j)))
            click(period(3, j));
    click(command(3));
    const RivoDayTime* thursday = recordOf(state, QDate(2001, 10, 18));
    ASSERT_NE(thursday, nullptr);
    // Period 0 is hidden on Thursdays and never held a subject.
    EXPECT_EQ(thursday->strSubject, QStringLiteral("　　　　　　　"));
    EXPECT_TRUE(thursday->isRegistered());
    EXPECT_TRUE(thursday->strComment.isEmpty());
}

TEST_F(RecordingTest, RegisteredSaturdayLocksAllSevenPeriods)
{
    click(command(5));
    for (int j = 0; j < 7; ++j)
        EXPECT_FALSE(period(5, j)->isEnabled()) << j;
    pick(QDate(2001, 11, 14));
    for (int j = 0; j < 7; ++j)
        EXPECT_TRUE(period(5, j)->isEnabled()) << j; // 17 November is open
    pick(QDate(2001, 10, 17));
    for (int j = 0; j < 7; ++j)
        EXPECT_FALSE(period(5, j)->isEnabled()) << j;
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 20))->strSubject, kTimetable[5]);
}

TEST_F(RecordingTest, SpareTimeFromAFileKeepsTheWeekAndItsInitial)
{
    addDay(state, QDate(2001, 10, 16), QStringLiteral("　国予算　　　"), {}, true);
    addDay(state, QDate(2001, 10, 17), QStringLiteral("予予予予予予予"));
    pick(QDate(2001, 10, 17));

    EXPECT_EQ(period(1, 2)->text(), QStringLiteral("予備"));
    EXPECT_TRUE(period(1, 2)->icon().isNull());
    EXPECT_EQ(period(1, 3)->text(), QStringLiteral("算数"));
    EXPECT_EQ(command(2)->text(), QStringLiteral("取消"));
    // The rows after them are filled as usual.
    for (int r = 3; r < 6; ++r)
        EXPECT_TRUE(shown(command(r))) << r;
    EXPECT_EQ(period(3, 3)->text(), QStringLiteral("算数"));

    click(command(1));
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 16))->strSubject, QStringLiteral("　国予算　　　"));
    click(command(2));
    click(command(2));
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 17))->strSubject, QStringLiteral("予予予予予予予"));
}

TEST_F(RecordingTest, HiddenPeriodsHoldTheirOwnDaysSubjects)
{
    // Before the period lengths were set every Saturday period showed; a stamp is left on period 5.
    state.strTimeCredit[5].clear();
    pick(QDate(2001, 10, 17));
    pickSubject(kOngaku);
    click(period(5, 5));
    ASSERT_EQ(period(5, 5)->text(), QStringLiteral("音楽"));

    // Saturdays now have periods 1 and 2 only; another Saturday must not take over the stamp.
    state.strTimeCredit[5] = QStringLiteral("0330000");
    pick(QDate(2001, 11, 17));
    ASSERT_FALSE(shown(period(5, 5)));
    click(command(5));
    EXPECT_EQ(recordOf(state, QDate(2001, 11, 17))->strSubject, kTimetable[5]);

    // A stored subject in a hidden period survives registering the day again.
    addDay(state, QDate(2001, 11, 17), QStringLiteral("　国算　　音　"), {}, true);
    pick(QDate(2001, 11, 17));
    click(command(5));
    EXPECT_EQ(recordOf(state, QDate(2001, 11, 17))->strSubject, QStringLiteral("　国算　　音　"));
}

TEST_F(RecordingTest, LineBreaksNeverReachAnEvent)
{
    QLineEdit* edit = eventBox(2)->lineEdit();
    edit->setFocus();
    type(edit, QStringLiteral("秋季"));
    QTest::keyClick(edit, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("遠\r\n足"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("秋季遠足"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    click(command(2));
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 17))->strComment, QStringLiteral("秋季遠足"));

    // A box whose list entry is chosen stores it as it stands.
    eventBox(3)->setCurrentIndex(24);
    click(command(3));
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 18))->strComment, QStringLiteral("運動会"));
}

TEST_F(MainWindowTest, DaysOfAnotherYearAreNeitherShownNorCancelled)
{
    // The plan's year was changed after days of 2001 were registered. 15 and 16 October are days
    // 288 and 289 in both years, but only the year's own record belongs to a row.
    makePlan(state, 2002);
    addDay(state, QDate(2001, 10, 15), QStringLiteral("　国国国国国　"));
    addDay(state, QDate(2001, 10, 16), QStringLiteral("　国国国国国　"));
    addDay(state, QDate(2002, 10, 16), QStringLiteral("　算算算算算　"));
    open();
    pick(QDate(2002, 10, 16));
    EXPECT_EQ(command(1)->text(), QStringLiteral("登録"));
    EXPECT_EQ(period(1, 1)->text(), QStringLiteral("国語")); // the timetable's Tuesday
    EXPECT_EQ(period(1, 2)->text(), QStringLiteral("算数"));
    EXPECT_EQ(command(2)->text(), QStringLiteral("取消"));
    EXPECT_EQ(period(2, 2)->text(), QStringLiteral("算数"));

    click(command(2)); // cancel Wednesday 16 October 2002
    EXPECT_TRUE(recordOf(state, QDate(2002, 10, 16))->boolNowPlanning);
    EXPECT_FALSE(recordOf(state, QDate(2001, 10, 16))->boolNowPlanning);
}

namespace {
// Relative luminance and contrast ratio as the web's accessibility guidelines define them; 4.5:1 is
// their least contrast for normal text.
double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
// The contrast of the text drawn in a part of a widget: the commonest colour there is taken as the
// background, the colour that differs most from it as the text.
double textContrast(QWidget* widget, const QRect& part)
{
    const QImage image = widget->grab(part).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(it.key(), background));
    return best;
}
} // namespace

// A registered row stays locked, but its subjects and its event can be read: dark text on a light
// ground, and the whole event as tooltip and accessible description.
TEST_F(RecordingTest, RegisteredRowsAreLockedButReadable)
{
    const QString event = QStringLiteral("秋季遠足（学年合同・雨天時は体育館で球技大会）");
    type(eventBox(0)->lineEdit(), event);
    click(command(0));
    ASSERT_FALSE(eventBox(0)->isEnabled());
    ASSERT_FALSE(period(0, 1)->isEnabled());
    EXPECT_EQ(eventBox(0)->toolTip(), event);
    EXPECT_EQ(eventBox(0)->accessibleDescription(), event);
    EXPECT_EQ(eventBox(0)->accessibleName(), QStringLiteral("10/15(月) 行事"));

    QLineEdit* edit = eventBox(0)->lineEdit();
    const QRect text(edit->mapTo(window.get(), QPoint(0, 0)), edit->size());
    EXPECT_GE(textContrast(window.get(), text), 4.5) << "the event text";
    // The caption under the picture of a stamped period.
    QToolButton* p = period(0, 1);
    ASSERT_EQ(p->text(), QStringLiteral("国語"));
    const QPoint corner = p->mapTo(window.get(), QPoint(0, 0));
    const QRect caption(corner.x() + 4, corner.y() + p->height() * 2 / 3, p->width() - 8,
                        p->height() / 3 - 4);
    EXPECT_GE(textContrast(window.get(), caption), 4.5) << "the period's caption";

    // Cancelled, the row is open again and its tooltip no longer stands for a locked text.
    click(command(0));
    EXPECT_TRUE(eventBox(0)->isEnabled());
    EXPECT_TRUE(eventBox(0)->toolTip().isEmpty());
}

// Characters the plan file cannot hold are caught as they are typed into an event box: look-alikes
// become the form the file has, anything else stays out and a note beside the box names it.
TEST_F(RecordingTest, EventBoxesTakeOnlyWhatThePlanFileCanHold)
{
    QLineEdit* edit = eventBox(0)->lineEdit();
    edit->setFocus();
    type(edit, QStringLiteral("遠足〜🎒雨天順延"));
    EXPECT_EQ(edit->text(), QStringLiteral("遠足～雨天順延"));
    EXPECT_EQ(edit->cursorPosition(), 7);
    auto* note = child<QLabel>(QStringLiteral("lblMainNote"));
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("🎒"))) << note->text().toStdString();
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "no message box per keystroke";
    click(command(0));
    EXPECT_EQ(recordOf(state, kMonday)->strComment, QStringLiteral("遠足～雨天順延"));
}

TEST_F(RecordingTest, EnterPressesThePaletteThePeriodAndTheRegisterButton)
{
    // A teacher at the keyboard: Enter does what Space does on each button of the week.
    QPushButton* music = child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(kOngaku));
    music->setFocus();
    QTest::keyClick(music, Qt::Key_Return);
    EXPECT_EQ(frame()->tag(), QStringLiteral("音楽"));

    QToolButton* p1 = period(2, 1);
    p1->setFocus();
    QTest::keyClick(p1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(p1->text(), QStringLiteral("音楽"));

    QPushButton* wednesday = command(2);
    wednesday->setFocus();
    QTest::keyClick(wednesday, Qt::Key_Return);
    ASSERT_NE(recordOf(state, QDate(2001, 10, 17)), nullptr);
    EXPECT_EQ(recordOf(state, QDate(2001, 10, 17))->strSubject.mid(1, 1), QStringLiteral("音"));
}
