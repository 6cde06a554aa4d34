#include "common/ui/ProgramEmblem.h"

#include "common/ui/ProgramVersion.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kiv5::ui {
namespace {

QColor ProgramColour(Program program) {
    switch (program) {
    case Program::Client:
        return QColor(28, 64, 132);
    case Program::Bookkeeping:
        return QColor(24, 104, 64);
    case Program::Billing:
        return QColor(122, 30, 44);
    }
    return Qt::darkGray;
}

QPainterPath ShieldPath(const QRectF& box) {
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.top());
    path.lineTo(box.right(), box.top() + box.height() * 0.55);
    path.quadTo(box.right(), box.bottom() - box.height() * 0.12, box.center().x(), box.bottom());
    path.quadTo(box.left(), box.bottom() - box.height() * 0.12, box.left(),
                box.top() + box.height() * 0.55);
    path.closeSubpath();
    return path;
}

void DrawBalance(QPainter& painter, const QRectF& box) {
    const double s = box.width();
    const QPointF top(box.center().x(), box.top() + s * 0.22);
    const double beamY = box.top() + s * 0.30;
    const double reach = s * 0.28;
    QPen pen(QColor(236, 200, 90), qMax(1.5, s * 0.035));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(top, QPointF(top.x(), box.top() + s * 0.70));
    painter.drawLine(QPointF(top.x() - s * 0.12, box.top() + s * 0.70),
                     QPointF(top.x() + s * 0.12, box.top() + s * 0.70));
    painter.drawLine(QPointF(top.x() - reach, beamY), QPointF(top.x() + reach, beamY));
    for (const double side : {-1.0, 1.0}) {
        const QPointF hook(top.x() + side * reach, beamY);
        const double panY = beamY + s * 0.18;
        painter.drawLine(hook, QPointF(hook.x() - s * 0.09, panY));
        painter.drawLine(hook, QPointF(hook.x() + s * 0.09, panY));
        painter.drawArc(QRectF(hook.x() - s * 0.10, panY - s * 0.06, s * 0.20, s * 0.12), 180 * 16,
                        180 * 16);
    }
}

} // namespace

QPixmap DrawProgramEmblem(Program program, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF box(size * 0.08, size * 0.04, size * 0.84, size * 0.92);
    const QColor colour = ProgramColour(program);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0.0, colour.lighter(150));
    fill.setColorAt(1.0, colour.darker(130));
    painter.setPen(QPen(QColor(236, 200, 90), qMax(1.0, size * 0.03)));
    painter.setBrush(fill);
    painter.drawPath(ShieldPath(box));

    DrawBalance(painter, box);

    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(size * 0.2)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(box.left(), box.top() + box.height() * 0.70, box.width(), box.height() * 0.22),
        Qt::AlignCenter, ProgramTitle(program).left(1) + QStringLiteral("5"));
    return pixmap;
}

} // namespace kiv5::ui
