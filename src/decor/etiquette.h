#pragma once

class QCheckBox;
class QColor;
class QLabel;
class QString;
class QWidget;

// A label of the dialog's panels: the dialog's font, bold when asked, and its own text colour.
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QColor& couleur,
                  bool gras = false);
// A check box of the dialog's panels: the dialog's font, its own text colour, darker when
// disabled.
QCheckBox* caseACocher(QWidget* parent, const QString& nom, const QString& texte,
                       const QColor& couleur);
