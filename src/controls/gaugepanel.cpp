#include "controls/gaugepanel.h"

#include "controls/fonts.h"

#include <QPainter>

GaugePanel::GaugePanel(QWidget* parent) : QWidget(parent) {
    setFont(dialogFont());
    setVisible(false);
}

void GaugePanel::setFillPercent(int percent) {
    m_percent = qBound(0, percent, 100);
    update();
}

void GaugePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(20, 34, 44));
    QRect filled = rect();
    filled.setWidth(width() * m_percent / 100);
    p.fillRect(filled, QColor(70, 150, 170));
    p.setPen(QColor(90, 120, 130));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, QString::number(m_percent) + u'%');
}
