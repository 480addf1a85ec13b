#pragma once

class MainWindow;

// The main window's "created" handler: runs once, while the main window is
// being loaded, and brings the design window, the toolbox, the splitters,
// the size limits and the code view to life in a fixed order.
void runStartupSequence(MainWindow& window);
