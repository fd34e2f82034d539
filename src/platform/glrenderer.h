#pragma once

#include <QString>

// The OpenGL renderer this process would draw with.
namespace GlRenderer {

// Its name as OpenGL gives it ("llvmpipe (LLVM 15.0.6, 256 bits)", "AMD Radeon RX 6600 ..."),
// from a context made and let go at once; empty when no context can be made.
QString name();
// Whether `renderer` names one that draws with the processor (Mesa's llvmpipe, softpipe and
// swrast, Google's SwiftShader, Windows' basic render driver): there the painter is faster.
bool isSoftware(const QString& renderer);

} // namespace GlRenderer
