#pragma once
// The shared state as start-up leaves it, and what every change of graph kind
// does to it. The windows' part of the reset belongs to the main window.

// Start-up: the frame [-10, 10] x [-10, 10] with graduations 1, the slots empty
// and named f, g, h, i, no mode, empty tables with their preset points.
void initialisePlotState();

// Every switch of graph kind: the slots lose their formulas and domains, the mode,
// the kind and every construction table are emptied, the intro is over, the
// colours and graduations come back.
void resetPlotState();
