#pragma once

#include <QRadioButton>

// An option button. Option buttons created with the same parent form one group: selecting one
// clears the others, and options of a panel nested inside are a group of their own. selected() is
// emitted whenever the option becomes selected, by the user or by the program, so that a program's
// selection runs the same handling as a user's.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool on) { setChecked(on); }
    void setTextColor(const QColor& colour);

signals:
    void selected();
};
