#pragma once

class QColor;
class QLabel;
class QString;
class QWidget;

// A label of the dialog's panels: the dialog's font, bold when asked, and its own text colour.
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QColor& couleur,
                  bool gras = false);
