#pragma once
// Asynchronous playback of the program's .wav sounds. Without an audio device
// or without the file the call is silent: sound never stops the program.

#include <QString>

// Starts playing `path` and returns at once. Returns whether playback started.
bool playSound(const QString& path);
// Whether one of the program's sounds is still playing.
bool soundPlaying();
// Whether the machine offers an audio output.
bool audioOutputAvailable();
