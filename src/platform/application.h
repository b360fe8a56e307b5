#pragma once

// Creates the one QApplication of the process (Fusion style, French Qt
// translations so that message-box buttons read "Oui"/"Non"). Call once,
// before any other function of this layer.
void InitPlatform(int& argc, char** argv);

// Closes every window the layer still holds and destroys the application.
void ShutdownPlatform();
