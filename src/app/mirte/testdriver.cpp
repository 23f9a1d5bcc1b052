#include "testdriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
// The visible object of that name in any visible window (the window itself included).
QObject* findVisible(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QList<QObject*> found = window->findChildren<QObject*>(name);
        if (window->objectName() == name)
            found.prepend(window);
        for (QObject* object : found) {
            if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isVisible())
                return widget;
            if (auto* action = qobject_cast<QAction*>(object); action && action->isVisible())
                return action;
        }
    }
    return nullptr;
}

QString oneLine(QString text)
{
    return text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}
} // namespace

std::unique_ptr<TestDriver> TestDriver::fromEnvironment()
{
    if (qEnvironmentVariable("MIRTE_TEST_DRIVER") != QLatin1String("1"))
        return nullptr;
    std::unique_ptr<TestDriver> driver(new TestDriver);
    const QDate today = QDate::fromString(qEnvironmentVariable("MIRTE_TEST_TODAY"), Qt::ISODate);
    if (today.isValid())
        driver->m_clock = std::make_unique<FixedClock>(today);
    return driver;
}

TestDriver::TestDriver() : m_input(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this))
{
    connect(m_input, &QSocketNotifier::activated, this, &TestDriver::readInput);
}

TestDriver::~TestDriver() = default;

void TestDriver::readInput()
{
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
        m_input->setEnabled(false); // the test closed its end
        return;
    }
    m_buffer.append(chunk, qsizetype(n));
    for (qsizetype end = m_buffer.indexOf('\n'); end >= 0; end = m_buffer.indexOf('\n')) {
        const QByteArray line = m_buffer.left(end).trimmed();
        m_buffer.remove(0, end + 1);
        run(line);
    }
}

void TestDriver::run(const QByteArray& line)
{
    const QString command =
        QString::fromUtf8(line.left(line.indexOf(' ') < 0 ? line.size() : line.indexOf(' ')));
    const QString name = QString::fromUtf8(line.mid(command.size()).trimmed());
    if (command == QLatin1String("click")) {
        QObject* target = findVisible(name);
        if (!target) {
            answer(QStringLiteral("missing"));
            return;
        }
        answer(QStringLiteral("ok"));
        // After answering: the click may open a dialog whose own event loop keeps the driver going.
        QTimer::singleShot(0, target, [target] {
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                button->click();
            else if (auto* action = qobject_cast<QAction*>(target))
                action->trigger();
        });
    } else if (command == QLatin1String("text")) {
        QObject* target = findVisible(name);
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(target))
            text = label->text();
        else if (auto* box = qobject_cast<QComboBox*>(target))
            text = box->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(target))
            text = edit->text();
        answer(target ? QStringLiteral("text ") + oneLine(text) : QStringLiteral("missing"));
    } else if (command == QLatin1String("message")) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                answer(QStringLiteral("message ") + oneLine(box->text()));
                return;
            }
        answer(QStringLiteral("none"));
    } else if (command == QLatin1String("windows")) {
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window->objectName();
        shown.sort();
        answer(QStringLiteral("windows ") + shown.join(u' '));
    } else {
        answer(QStringLiteral("unknown"));
    }
}

void TestDriver::answer(const QString& text)
{
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}
