#include "platform/monthcalendar.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <stdexcept>

namespace {
// The smallest day cell and month title; a larger font makes them larger.
constexpr int kMinCellWidth = 24;
constexpr int kMinCellHeight = 20;
constexpr int kMinTitleHeight = 26;
constexpr int kSidePad = 8;
constexpr int kBottomPad = 6;
constexpr int kWeeks = 6;
constexpr int kMaxMonths = 12;

const QColor kSundayColor(0xC8, 0x10, 0x10);
const QColor kSaturdayColor(0x10, 0x40, 0xC0);
const QColor kOutOfBoundsColor(0xB8, 0xB8, 0xB8);
const QColor kTodayColor(0xE0, 0x60, 0x00);
const QColor kTitleBack(0xEE, 0xF2, 0xF8);

const QString kWeekdayHeadings[7] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
                                     QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"),
                                     QStringLiteral("土")};

QDate monthOf(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

// Months from a to b, both first days of their months.
int monthsBetween(const QDate& a, const QDate& b)
{
    return (b.year() - a.year()) * 12 + (b.month() - a.month());
}

// Column of a weekday with Sunday first.
int weekdayColumn(const QDate& date)
{
    return date.dayOfWeek() % 7;
}

QColor weekdayColor(int column, const QColor& normal)
{
    if (column == 0)
        return kSundayColor;
    if (column == 6)
        return kSaturdayColor;
    return normal;
}

QString dayDescription(const QDate& date)
{
    return QStringLiteral("%1年%2月%3日（%4）")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(kWeekdayHeadings[weekdayColumn(date)]);
}
} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("カレンダー"));
    m_firstMonth = monthOf(m_min);
    updateMetrics();

    m_prev = new QToolButton(this);
    m_prev->setObjectName(QStringLiteral("cmdPrevMonth"));
    m_prev->setArrowType(Qt::LeftArrow);
    m_prev->setAccessibleName(QStringLiteral("前の月"));
    m_prev->setToolTip(QStringLiteral("前の月"));
    m_next = new QToolButton(this);
    m_next->setObjectName(QStringLiteral("cmdNextMonth"));
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAccessibleName(QStringLiteral("次の月"));
    m_next->setToolTip(QStringLiteral("次の月"));
    for (QToolButton* b : {m_prev, m_next}) {
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(22, 20);
    }
    connect(m_prev, &QToolButton::clicked, this, [this] {
        scrollMonths(-1);
        Q_EMIT clicked();
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        scrollMonths(1);
        Q_EMIT clicked();
    });
    onLayoutChanged();
}

void MonthCalendar::setMonthColumns(int columns)
{
    m_columns = std::clamp(columns, 1, kMaxMonths);
    m_rows = std::min(m_rows, std::max(1, kMaxMonths / m_columns));
    onLayoutChanged();
}

int MonthCalendar::monthColumns() const
{
    return m_columns;
}

void MonthCalendar::setMonthRows(int rows)
{
    m_rows = std::clamp(rows, 1, kMaxMonths);
    m_columns = std::min(m_columns, std::max(1, kMaxMonths / m_rows));
    onLayoutChanged();
}

int MonthCalendar::monthRows() const
{
    return m_rows;
}

void MonthCalendar::setMinDate(const QDate& date)
{
    if (!date.isValid())
        throw std::invalid_argument("MonthCalendar: invalid minimum date");
    if (date > m_max)
        throw std::invalid_argument("MonthCalendar: minimum date above the maximum");
    m_min = date;
    onLayoutChanged();
}

void MonthCalendar::setMaxDate(const QDate& date)
{
    if (!date.isValid())
        throw std::invalid_argument("MonthCalendar: invalid maximum date");
    if (date < m_min)
        throw std::invalid_argument("MonthCalendar: maximum date below the minimum");
    m_max = date;
    onLayoutChanged();
}

QDate MonthCalendar::minDate() const
{
    return m_min;
}

QDate MonthCalendar::maxDate() const
{
    return m_max;
}

void MonthCalendar::setDisplayedDate(const QDate& date)
{
    if (!date.isValid())
        return;
    m_displayed = std::clamp(date, m_min, m_max);
    bringIntoView(m_displayed);
    moveFocus(m_displayed, false);
    update();
}

QDate MonthCalendar::displayedDate() const
{
    return m_displayed.isValid() ? m_displayed : std::clamp(m_firstMonth, m_min, m_max);
}

void MonthCalendar::showRange(const QDate& from, const QDate& to)
{
    if (!from.isValid() || !to.isValid())
        return;
    const QDate first = monthOf(std::clamp(std::min(from, to), m_min, m_max));
    const QDate last = monthOf(std::clamp(std::max(from, to), m_min, m_max));
    const int needed = std::min(monthsBetween(first, last) + 1, kMaxMonths);
    if (needed > visibleMonthCount())
        m_columns = std::min((needed + m_rows - 1) / m_rows, kMaxMonths);
    setFirstMonth(first);
    onLayoutChanged();
}

void MonthCalendar::setSelection(const QDate& start, const QDate& end)
{
    if (!start.isValid() || !end.isValid()) {
        m_selStart = m_selEnd = QDate();
        update();
        return;
    }
    m_selStart = std::min(start, end);
    m_selEnd = std::max(start, end);
    clipSelection();
    if (m_selStart.isValid()) {
        const QDate lastShown = lastVisibleDay();
        const bool shown = m_selEnd >= m_firstMonth && m_selStart <= lastShown;
        if (!shown)
            bringIntoView(m_selStart);
        moveFocus(m_selStart, false);
    }
    update();
}

QDate MonthCalendar::selectionStart() const
{
    return m_selStart;
}

QDate MonthCalendar::selectionEnd() const
{
    return m_selEnd;
}

void MonthCalendar::setDayBold(const QDate& date, bool bold)
{
    if (!date.isValid())
        return;
    const bool changed = bold ? !m_bold.contains(date) : m_bold.contains(date);
    if (!changed)
        return;
    if (bold)
        m_bold.insert(date);
    else
        m_bold.remove(date);
    const QRect r = dayRect(date);
    if (!r.isEmpty())
        update(r);
}

bool MonthCalendar::isDayBold(const QDate& date) const
{
    return m_bold.contains(date);
}

void MonthCalendar::setDayNotes(QHash<QDate, QString> notes)
{
    if (notes == m_notes)
        return;
    m_notes = std::move(notes);
    updateAccessibleDescription();
    update();
}

QDate MonthCalendar::lastVisibleDay() const
{
    return m_firstMonth.addMonths(visibleMonthCount()).addDays(-1);
}

int MonthCalendar::visibleDayCount() const
{
    const QDate first = std::max(m_firstMonth, m_min);
    const QDate last = std::min(lastVisibleDay(), m_max);
    return first <= last ? int(first.daysTo(last)) + 1 : 0;
}

QDate MonthCalendar::visibleDay(int n) const
{
    if (n < 1 || n > visibleDayCount())
        throw std::out_of_range("MonthCalendar: no such visible day");
    return std::max(m_firstMonth, m_min).addDays(n - 1);
}

QDate MonthCalendar::firstVisibleMonth() const
{
    return m_firstMonth;
}

void MonthCalendar::setToday(const QDate& date)
{
    if (date == m_today)
        return;
    m_today = date;
    update();
}

int MonthCalendar::Metrics::blockWidth() const
{
    return 7 * cellWidth + 2 * kSidePad;
}

int MonthCalendar::Metrics::blockHeight() const
{
    return titleHeight + headingHeight + kWeeks * cellHeight + kBottomPad;
}

QFont MonthCalendar::titleFont() const
{
    QFont title = font();
    title.setBold(true);
    if (title.pointSizeF() > 0)
        title.setPointSizeF(title.pointSizeF() * 1.1);
    return title;
}

void MonthCalendar::updateMetrics()
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics day(bold);
    const QFontMetrics title(titleFont());
    const QFontMetrics heading(font());
    m_metrics.cellWidth = std::max({kMinCellWidth, day.horizontalAdvance(QStringLiteral("00")) + 6,
                                    heading.horizontalAdvance(QStringLiteral("水")) + 8});
    m_metrics.cellHeight = std::max(kMinCellHeight, day.height() + 4);
    m_metrics.headingHeight = m_metrics.cellHeight;
    m_metrics.titleHeight = std::max(kMinTitleHeight, title.height() + 10);
}

QPoint MonthCalendar::blockOrigin(int monthIndex) const
{
    const int totalWidth = m_columns * m_metrics.blockWidth();
    const int left = std::max(0, (width() - totalWidth) / 2);
    return {left + (monthIndex % m_columns) * m_metrics.blockWidth(),
            (monthIndex / m_columns) * m_metrics.blockHeight()};
}

QRect MonthCalendar::dayRect(const QDate& date) const
{
    if (!date.isValid() || date < m_firstMonth || date > lastVisibleDay())
        return {};
    const int monthIndex = monthsBetween(m_firstMonth, monthOf(date));
    const int offset = weekdayColumn(monthOf(date));
    const int slot = offset + date.day() - 1;
    const QPoint origin = blockOrigin(monthIndex);
    return {origin.x() + kSidePad + (slot % 7) * m_metrics.cellWidth,
            origin.y() + m_metrics.titleHeight + m_metrics.headingHeight + (slot / 7) * m_metrics.cellHeight,
            m_metrics.cellWidth, m_metrics.cellHeight};
}

QDate MonthCalendar::dateAt(const QPoint& point) const
{
    for (int i = 0; i < visibleMonthCount(); ++i) {
        const QPoint origin = blockOrigin(i);
        const int x = point.x() - origin.x() - kSidePad;
        const int y = point.y() - origin.y() - m_metrics.titleHeight - m_metrics.headingHeight;
        if (x < 0 || y < 0 || x >= 7 * m_metrics.cellWidth || y >= kWeeks * m_metrics.cellHeight)
            continue;
        const QDate month = m_firstMonth.addMonths(i);
        const int day = (y / m_metrics.cellHeight) * 7 + x / m_metrics.cellWidth - weekdayColumn(month) + 1;
        if (day >= 1 && day <= month.daysInMonth())
            return QDate(month.year(), month.month(), day);
        return {};
    }
    return {};
}

bool MonthCalendar::isPickable(const QDate& date) const
{
    return date.isValid() && date >= m_min && date <= m_max;
}

void MonthCalendar::setFirstMonth(const QDate& month)
{
    m_firstMonth = monthOf(month);
    clampFirstMonth();
}

void MonthCalendar::clampFirstMonth()
{
    // Keep every visible month within the bounds' months where they allow it; when the bounds span
    // fewer months than are shown, the first month is the minimum's.
    const QDate lowest = monthOf(m_min);
    QDate highest = monthOf(m_max).addMonths(-(visibleMonthCount() - 1));
    if (!highest.isValid() || highest < lowest)
        highest = lowest;
    if (!m_firstMonth.isValid())
        m_firstMonth = lowest;
    m_firstMonth = std::clamp(m_firstMonth, lowest, highest);
}

void MonthCalendar::clipSelection()
{
    if (!m_selStart.isValid())
        return;
    m_selStart = std::max(m_selStart, m_min);
    m_selEnd = std::min(m_selEnd, m_max);
    if (m_selStart > m_selEnd) {
        m_selStart = m_selEnd = QDate();
        return;
    }
    m_selEnd = std::min(m_selEnd, m_selStart.addDays(5));
}

void MonthCalendar::bringIntoView(const QDate& date)
{
    if (date >= m_firstMonth && date <= lastVisibleDay())
        return;
    setFirstMonth(monthOf(date));
    updateButtons();
    update();
}

void MonthCalendar::scrollMonths(int months)
{
    const QDate before = m_firstMonth;
    setFirstMonth(m_firstMonth.addMonths(months));
    if (m_firstMonth == before)
        return;
    // The keyboard cursor stays on the same day of the month as far as the bounds allow.
    if (m_focus.isValid())
        moveFocus(std::clamp(m_focus.addMonths(months), m_min, m_max), false);
    updateButtons();
    update();
}

void MonthCalendar::moveFocus(const QDate& date, bool userAction)
{
    if (!isPickable(date))
        return;
    const QDate old = m_focus;
    m_focus = date;
    if (userAction && (date < m_firstMonth || date > lastVisibleDay())) {
        // Moving past the visible months scrolls by one month at a time, as the buttons do.
        setFirstMonth(date < m_firstMonth ? monthOf(date)
                                          : monthOf(date).addMonths(-(visibleMonthCount() - 1)));
        updateButtons();
        update();
        Q_EMIT clicked();
    }
    if (old != m_focus) {
        update(dayRect(old));
        update(dayRect(m_focus));
        updateAccessibleDescription();
    }
}

void MonthCalendar::pick(const QDate& date)
{
    m_displayed = date;
    m_selStart = m_selEnd = date;
    moveFocus(date, true);
    update();
    Q_EMIT dateClicked(date, m_index);
}

void MonthCalendar::onLayoutChanged()
{
    clipSelection();
    if (m_displayed.isValid())
        m_displayed = std::clamp(m_displayed, m_min, m_max);
    if (m_focus.isValid())
        m_focus = std::clamp(m_focus, m_min, m_max);
    clampFirstMonth();
    updateGeometry();
    layoutButtons();
    updateButtons();
    updateAccessibleDescription();
    update();
}

void MonthCalendar::layoutButtons()
{
    const QPoint first = blockOrigin(0);
    const QPoint last = blockOrigin(m_columns - 1);
    const int y = first.y() + (m_metrics.titleHeight - m_prev->height()) / 2;
    m_prev->move(first.x() + 4, y);
    m_next->move(last.x() + m_metrics.blockWidth() - 4 - m_next->width(), y);
}

void MonthCalendar::updateButtons()
{
    m_prev->setEnabled(m_firstMonth > monthOf(m_min));
    m_next->setEnabled(lastVisibleDay() < m_max);
}

void MonthCalendar::updateAccessibleDescription()
{
    QString text;
    if (m_focus.isValid()) {
        text = dayDescription(m_focus) + m_notes.value(m_focus);
        if (m_selStart.isValid() && m_focus >= m_selStart && m_focus <= m_selEnd)
            text += QStringLiteral("、選択中");
        if (m_bold.contains(m_focus))
            text += QStringLiteral("、太字");
        if (m_focus == m_today)
            text += QStringLiteral("、今日");
    }
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QSize MonthCalendar::sizeHint() const
{
    return {m_columns * m_metrics.blockWidth(), m_rows * m_metrics.blockHeight()};
}

QSize MonthCalendar::minimumSizeHint() const
{
    return sizeHint();
}

void MonthCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    const QColor text = pal.color(QPalette::Text);
    const bool enabled = isEnabled();

    const QFont normal = font();
    QFont bold = normal;
    bold.setBold(true);
    const QFont title = titleFont();

    for (int i = 0; i < visibleMonthCount(); ++i) {
        const QDate month = m_firstMonth.addMonths(i);
        const QPoint origin = blockOrigin(i);
        const QRect block(origin, QSize(m_metrics.blockWidth(), m_metrics.blockHeight()));

        // Title band with the month as Japanese write it.
        const QRect titleRect(block.left() + 2, block.top() + 2, m_metrics.blockWidth() - 4,
                              m_metrics.titleHeight - 4);
        p.fillRect(titleRect, kTitleBack);
        p.setFont(title);
        p.setPen(enabled ? text : kOutOfBoundsColor);
        p.drawText(titleRect, Qt::AlignCenter,
                   QStringLiteral("%1年%2月").arg(month.year()).arg(month.month()));

        // Weekday headings, Sunday first.
        p.setFont(normal);
        const int headTop = block.top() + m_metrics.titleHeight;
        for (int c = 0; c < 7; ++c) {
            const QRect r(block.left() + kSidePad + c * m_metrics.cellWidth, headTop, m_metrics.cellWidth,
                          m_metrics.headingHeight);
            p.setPen(enabled ? weekdayColor(c, text) : kOutOfBoundsColor);
            p.drawText(r, Qt::AlignCenter, kWeekdayHeadings[c]);
        }
        p.setPen(QColor(0xA0, 0xA0, 0xA0));
        p.drawLine(block.left() + kSidePad, headTop + m_metrics.headingHeight - 1,
                   block.left() + kSidePad + 7 * m_metrics.cellWidth - 1,
                   headTop + m_metrics.headingHeight - 1);

        for (int day = 1; day <= month.daysInMonth(); ++day) {
            const QDate date(month.year(), month.month(), day);
            const QRect r = dayRect(date);
            const bool pickable = isPickable(date);
            const bool selected = m_selStart.isValid() && date >= m_selStart && date <= m_selEnd;
            QColor ink = m_notes.contains(date) ? kSundayColor : weekdayColor(weekdayColumn(date), text);
            if (!pickable || !enabled) {
                ink = kOutOfBoundsColor;
            } else if (selected) {
                p.fillRect(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Highlight));
                ink = pal.color(QPalette::HighlightedText);
            }
            if (date == m_today) {
                p.setPen(QPen(kTodayColor, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
            }
            if (date == m_focus && hasFocus()) {
                QPen dotted(selected ? pal.color(QPalette::HighlightedText) : text, 1, Qt::DotLine);
                p.setPen(dotted);
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(3, 3, -4, -4));
            }
            p.setFont(m_bold.contains(date) ? bold : normal);
            p.setPen(ink);
            p.drawText(r, Qt::AlignCenter, QString::number(day));
        }
    }
}

bool MonthCalendar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString note = m_notes.value(dateAt(help->pos()));
        if (note.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), note, this, dayRect(dateAt(help->pos())));
        return true;
    }
    return QWidget::event(event);
}

void MonthCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QDate date = dateAt(event->position().toPoint());
    m_pressed = isPickable(date) ? date : QDate();
    event->accept();
}

void MonthCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const QDate pressed = m_pressed;
    m_pressed = QDate();
    if (!rect().contains(event->position().toPoint()))
        return;
    const QDate date = dateAt(event->position().toPoint());
    if (pressed.isValid() && date == pressed)
        pick(date);
    Q_EMIT clicked();
}

void MonthCalendar::keyPressEvent(QKeyEvent* event)
{
    QDate target = m_focus.isValid() ? m_focus : displayedDate();
    switch (event->key()) {
    case Qt::Key_Left: target = target.addDays(-1); break;
    case Qt::Key_Right: target = target.addDays(1); break;
    case Qt::Key_Up: target = target.addDays(-7); break;
    case Qt::Key_Down: target = target.addDays(7); break;
    case Qt::Key_PageUp: target = target.addMonths(-1); break;
    case Qt::Key_PageDown: target = target.addMonths(1); break;
    case Qt::Key_Home: target = QDate(target.year(), target.month(), 1); break;
    case Qt::Key_End: target = QDate(target.year(), target.month(), target.daysInMonth()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (isPickable(target)) {
            pick(target);
            Q_EMIT clicked();
        }
        event->accept();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    moveFocus(std::clamp(target, m_min, m_max), true);
}

void MonthCalendar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutButtons();
}

void MonthCalendar::focusInEvent(QFocusEvent* event)
{
    if (!m_focus.isValid())
        m_focus = std::clamp(m_selStart.isValid() ? m_selStart : displayedDate(), m_min, m_max);
    updateAccessibleDescription();
    update();
    QWidget::focusInEvent(event);
}

void MonthCalendar::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void MonthCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateGeometry();
        layoutButtons();
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
