#pragma once

#include <QString>

// The OpenGL renderer this process would draw with.
namespace GlRenderer {

// Its name as OpenGL gives it ("llvmpipe (LLVM 15.0.6, 256 bits)", "AMD Radeon RX 6600 ..."),
// from a context made and let go at once; empty when no context can be made.
QString name();
// The same, asked of a child process: `program` started with `argument` prints name() on a line
// of its own after `prefix`. A driver that crashes or hangs costs the child only (it is given 3
// s), and the memory a software renderer takes to start never counts in this process.
QString nameFromChild(const QString& program, const QString& argument, const QString& prefix);
// Whether `renderer` names one that draws with the processor (Mesa's llvmpipe, softpipe and
// swrast, Google's SwiftShader, Windows' basic render driver): there the painter is faster.
bool isSoftware(const QString& renderer);

} // namespace GlRenderer
