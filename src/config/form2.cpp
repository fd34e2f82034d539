#include "config/form2.h"

Form2::Form2(Module1& module, QWidget* parent) : QWidget(parent), m_module(module) {
    setWindowTitle(QStringLiteral("Lumivane V1.0"));
    setFixedSize(777, 536);
}
