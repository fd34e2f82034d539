#pragma once

#include <QString>

// The child that the show asks which OpenGL renderer it would draw with: the program started
// with this argument alone prints the renderer's name after the prefix, and ends.
inline const QString ArgumentRenduOpenGL = QStringLiteral("--rendu-opengl");
inline const QString PrefixeRenduOpenGL = QStringLiteral("rendu OpenGL :");

// The child's run: 0 once the line is printed (an empty name when OpenGL is missing).
int direRenduOpenGL(int argc, char* argv[]);
