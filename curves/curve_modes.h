#pragma once
// What the slider of the graph window does in the modes of the parametric and
// polar curves, registered with the graph window at start-up: a point runs
// along the curve, with its tangent in the tangent modes.

class Tgrafzone;

// The slider's position 0..100 over the parameter range; erases the previous
// marks and draws the point (and its tangent) in red, the status bar telling
// where it is.
void parametricBrowseSliderChange(Tgrafzone& graph, int position);
void parametricTangentsSliderChange(Tgrafzone& graph, int position);
void polarBrowseSliderChange(Tgrafzone& graph, int position);
void polarTangentsSliderChange(Tgrafzone& graph, int position);

// Registers the modes 13 to 16 with their entry windows; once those windows exist.
void registerCurveModes();
