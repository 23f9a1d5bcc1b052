// A Japanese month calendar that shows several months at once, selects a range of days and marks
// days bold: the date picker of the main window, the tally window and the holiday calendar page.
#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QWidget>

class QToolButton;

class MonthCalendar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int monthColumns READ monthColumns WRITE setMonthColumns)
    Q_PROPERTY(int monthRows READ monthRows WRITE setMonthRows)

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    // Which calendar of a page this is; carried by dateClicked.
    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }

    // Months shown side by side, and rows of them; monthColumns × monthRows months are visible.
    void setMonthColumns(int columns);
    int monthColumns() const;
    void setMonthRows(int rows);
    int monthRows() const;

    // Bounds of the selectable dates. A minimum above the current maximum (or a maximum below the
    // current minimum) is refused with std::invalid_argument and changes nothing.
    void setMinDate(const QDate& date);
    void setMaxDate(const QDate& date);
    QDate minDate() const;
    QDate maxDate() const;

    // The displayed date: its month comes into view (as the first visible month when needed).
    void setDisplayedDate(const QDate& date);
    QDate displayedDate() const;

    // Shows from..to with every month of it visible at once, growing the visible months as needed.
    void showRange(const QDate& from, const QDate& to);

    // Selects up to six consecutive days (clipped to the bounds).
    void setSelection(const QDate& start, const QDate& end);
    QDate selectionStart() const;
    QDate selectionEnd() const;

    void setDayBold(const QDate& date, bool bold);
    bool isDayBold(const QDate& date) const;

    // Notes on days (the names of national rest days): a noted day is drawn in red, its note is its
    // tooltip and follows the date in the accessible description. Replaces all earlier notes.
    void setDayNotes(QHash<QDate, QString> notes);
    QString dayNote(const QDate& date) const { return m_notes.value(date); }

    // Visible days in date order over all visible months, n counted from 1; only days within the
    // bounds count, since no other day can be shown as pickable. Past the last visible day it throws
    // std::out_of_range.
    QDate visibleDay(int n) const;
    int visibleDayCount() const;
    QDate firstVisibleMonth() const;
    QDate lastVisibleDay() const; // last day of the last visible month

    // The day marked as today; none until the window sets it from its clock.
    void setToday(const QDate& date);
    QDate today() const { return m_today; }

    // The day the keyboard cursor stands on.
    QDate focusDate() const { return m_focus; }

    // Where a day is drawn, in widget coordinates; empty when it is not in a visible month.
    QRect dayRect(const QDate& date) const;
    // The day drawn at a point, or an invalid date.
    QDate dateAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The user picked a date (mouse or Enter/Space).
    void dateClicked(QDate date, int index);
    // Any click on the calendar, after dateClicked when a date was picked; also raised when the
    // user scrolls other months into view (buttons or keys), so the window can mark them.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Pixel sizes of a day cell and of a month's title and headings, from the font.
    struct Metrics {
        int cellWidth = 24;
        int cellHeight = 20;
        int titleHeight = 26;
        int headingHeight = 20;
        int blockWidth() const;
        int blockHeight() const;
    };

    void updateMetrics();
    QFont titleFont() const;
    int visibleMonthCount() const { return m_columns * m_rows; }
    QPoint blockOrigin(int monthIndex) const;
    bool isPickable(const QDate& date) const;
    void scrollMonths(int months);
    void bringIntoView(const QDate& date);
    void setFirstMonth(const QDate& month);
    void clampFirstMonth();
    void clipSelection();
    void moveFocus(const QDate& date, bool userAction);
    void pick(const QDate& date);
    void layoutButtons();
    void updateButtons();
    void updateAccessibleDescription();
    void onLayoutChanged();

    Metrics m_metrics;
    int m_index = 0;
    int m_columns = 1;
    int m_rows = 1;
    QDate m_min{1752, 9, 14};
    QDate m_max{9999, 12, 31};
    QDate m_firstMonth; // first day of the first visible month
    QDate m_displayed;
    QDate m_focus; // keyboard cursor
    QDate m_selStart, m_selEnd;
    QSet<QDate> m_bold;
    QHash<QDate, QString> m_notes;
    QDate m_today;
    QDate m_pressed; // the pickable day under the last left press
    QToolButton* m_prev = nullptr;
    QToolButton* m_next = nullptr;
};
