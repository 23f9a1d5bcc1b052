#include "ui/main/schoolevents.h"

const QStringList& schoolEvents()
{
    static const QStringList events = {
        QStringLiteral("入学式"),           QStringLiteral("始業式"),
        QStringLiteral("入学式・始業式"),   QStringLiteral("一年生を迎える会"),
        QStringLiteral("新一年入学説明会"), QStringLiteral("終業式"),
        QStringLiteral("六年生を送る会"),   QStringLiteral("卒業式練習"),
        QStringLiteral("卒業式"),           QStringLiteral("修了式"),
        QStringLiteral("卒業式・修了式"),   QStringLiteral("家庭訪問"),
        QStringLiteral("教育相談"),         QStringLiteral("体位測定"),
        QStringLiteral("歯科検診"),         QStringLiteral("知能テスト"),
        QStringLiteral("防災訓練"),         QStringLiteral("交通教室"),
        QStringLiteral("春季遠足"),         QStringLiteral("秋季遠足"),
        QStringLiteral("内科検診"),         QStringLiteral("自然教室"),
        QStringLiteral("心臓検診"),         QStringLiteral("習慣病検診"),
        QStringLiteral("運動会"),           QStringLiteral("修学旅行"),
    };
    return events;
}

QString oneLineEvent(const QString& text)
{
    QString clean = text;
    clean.removeIf([](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
               c == u'\v' || c == u'\f' || c == QChar(0x85);
    });
    return clean;
}
