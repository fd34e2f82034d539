#pragma once

#include <QWidget>

class Module1;

// The configuration dialog.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(Module1& module, QWidget* parent = nullptr);

private:
    Module1& m_module;
};
