#pragma once

#include <QString>
#include <QWidget>

// A progress gauge: a bar filled to a percentage (kept within 0..100) with the percentage
// written over it. Hidden until someone shows it. The tag is free text for its user.
class GaugePanel : public QWidget {
    Q_OBJECT
public:
    explicit GaugePanel(QWidget* parent = nullptr);

    int fillPercent() const { return m_percent; }
    void setFillPercent(int percent);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_percent = 0;
    QString m_tag;
};
