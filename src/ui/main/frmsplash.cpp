#include "ui/main/frmsplash.h"

#include "platform/dialogs.h"
#include "ui/main/mirteversion.h"
#include "ui/main/twipsrect.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>

namespace {
QFont splashFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("IPAPGothic"), 9);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

void drawLeaf(QPainter& p, const QPointF& base, double angleDegrees, double length)
{
    p.save();
    p.translate(base);
    p.rotate(angleDegrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.32, length, 0);
    leaf.quadTo(length * 0.5, length * 0.32, 0, 0);
    p.drawPath(leaf);
    p.restore();
}

void drawFlower(QPainter& p, const QPointF& centre, double radius)
{
    p.save();
    p.setPen(QPen(QColor(0xC8, 0xB8, 0xA8), radius * 0.05));
    p.setBrush(QColor(0xFF, 0xFD, 0xF6));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(-90.0 + i * 72.0);
        const QPointF c = centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55;
        p.drawEllipse(c, radius * 0.45, radius * 0.45);
    }
    // The many stamens that make the flower look like a little brush.
    p.setPen(QPen(QColor(0xD9, 0xA4, 0x1E), radius * 0.04));
    for (int i = 0; i < 24; ++i) {
        const double a = qDegreesToRadians(i * 15.0);
        p.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * radius * (i % 2 ? 0.5 : 0.38));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0x7A, 0x10));
    p.drawEllipse(centre, radius * 0.12, radius * 0.12);
    p.restore();
}
} // namespace

QPixmap drawLogo(int pixels)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = pixels / 100.0;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xF3, 0xE6));
    p.drawEllipse(QRectF(2 * s, 2 * s, 96 * s, 96 * s));

    // A stem rising from the lower left, with pairs of leaves along it.
    QPainterPath stem;
    stem.moveTo(22 * s, 88 * s);
    stem.cubicTo(34 * s, 66 * s, 40 * s, 48 * s, 58 * s, 30 * s);
    p.setPen(QPen(QColor(0x4A, 0x6B, 0x2A), 3 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);

    p.setPen(QPen(QColor(0x2F, 0x5E, 0x2A), 1 * s));
    p.setBrush(QColor(0x3E, 0x8E, 0x41));
    for (int i = 0; i < 4; ++i) {
        const double t = 0.18 + i * 0.22;
        const QPointF at = stem.pointAtPercent(t);
        const double angle = -stem.angleAtPercent(t);
        drawLeaf(p, at, angle - 55, 24 * s);
        drawLeaf(p, at, angle + 55, 22 * s);
    }
    drawFlower(p, QPointF(62 * s, 28 * s), 20 * s);
    return pixmap;
}

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAccessibleName(kApplicationTitle);
    setFont(splashFont(9));
    setFixedSize(twipsRect(0, 0, 7380, 4200).size());

    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setAccessibleName(kApplicationTitle);
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setGeometry(twipsRect(120, 120, 7140, 3960));

    picLogo = makeLabel(fraMainFrame, "picLogo", {}, twipsRect(300, 360, 1680, 1680), Qt::AlignCenter);
    picLogo->setPixmap(drawLogo(picLogo->width()));
    picLogo->setAccessibleName(QStringLiteral("ミルテのロゴ"));

    lblProductName = makeLabel(fraMainFrame, "lblProductName", {}, twipsRect(2280, 300, 4560, 780));
    lblProductName->setFont(splashFont(28, true));
    lblProductName->setStyleSheet(QStringLiteral("color: #2F5E2A;"));

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    lblPlatform = makeLabel(fraMainFrame, "lblPlatform", QStringLiteral("Window95/98/NT/2000"),
                            twipsRect(2280, 1200, 4560, 300), right);
    lblVersion = makeLabel(fraMainFrame, "lblVersion", {}, twipsRect(2280, 1530, 4560, 300), right);
    lblVersion->setFont(splashFont(10, true));

    lblCompany = makeLabel(fraMainFrame, "lblCompany", QStringLiteral("ミルテ開発室"),
                           twipsRect(2280, 2040, 4560, 300), right);
    lblCopyright =
        makeLabel(fraMainFrame, "lblCopyright", QStringLiteral("学級担任のための授業時数の計画と記録"),
                  twipsRect(2280, 2340, 4560, 300), right);

    lblWarning = makeLabel(fraMainFrame, "lblWarning",
                           QStringLiteral("警告: 本製品に関して生じた逸失利益,特別事情による損害,"
                                          "本製品以外のソフトウェア・データ・ハードウェアなどに生じた"
                                          "損害については一切の責任を負わないものとします。"),
                           twipsRect(300, 2880, 6540, 840), Qt::AlignLeft | Qt::AlignTop);
    lblWarning->setWordWrap(true);
    lblWarning->setFont(splashFont(8));

    for (QLabel* label : {lblPlatform, lblVersion, lblCompany, lblCopyright, lblWarning})
        label->setAccessibleName(label->text());

    Form_Load();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version ") + versionText());
    lblVersion->setAccessibleName(lblVersion->text());
    lblProductName->setText(kApplicationTitle);
    lblProductName->setAccessibleName(lblProductName->text());
}
