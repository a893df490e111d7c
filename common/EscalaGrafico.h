#pragma once

// The window of a section chart drawn to scale: a metre across takes as many pixels as a metre up (times the
// vertical exaggeration), whatever the shape of the plot. The drawing is centred; the axis with room to spare
// is widened.
namespace sulvo {

struct TJanelaEscala {
    double MinimoX = 0, MaximoX = 1;
    double MinimoY = 0, MaximoY = 1;
    int Exagero = 1; // metres per pixel across divided by metres per pixel up
};

// The ranges that show [minimoX, maximoX] x [minimoY, maximoY] whole in a plot of `largura` x `altura` pixels.
// With `exagerar`, a section so much wider than the plot's proportion that at true scale it would fill less than a
// third of the height is stretched upwards by the largest factor of 2, 5, 10, 20, 50... that still lets it fit,
// so that it fills between 40 % and all of the height instead of lying as a line along the axis. A plot not yet laid
// out (under a pixel) gets the extents as they are.
TJanelaEscala JanelaEmEscala(double minimoX, double maximoX, double minimoY, double maximoY, double largura,
                             double altura, bool exagerar);

} // namespace sulvo
