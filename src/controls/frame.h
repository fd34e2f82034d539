#pragma once

#include <QWidget>

// A flat group box: a thin etched border around the controls it holds, no caption.
class Frame : public QWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
