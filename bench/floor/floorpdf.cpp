// The printing floor: a bare Qt program that writes one line of Japanese on an A4 PDF page.
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("IPAMincho"), 12));
    painter.drawText(600, 600, QStringLiteral("平成13年度 3年2組 年間時間割表"));
    return painter.end() ? 0 : 1;
}
