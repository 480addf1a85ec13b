// The tool's entry: one design document, one main window, the message loop.

#include "document/design_document.h"
#include "document/startup_sequence.h"
#include "shell/main_window.h"

#include <QApplication>

int main()
{
    // The tool reads no command line; Qt gets only a program name, so it
    // parses no options either.
    int argc = 1;
    char programName[] = "quillform";
    char* argv[] = {programName, nullptr};
    QApplication application(argc, argv);

    DesignDocument document;
    MainWindow window(document);
    runStartupSequence(window);
    window.show();
    return QApplication::exec();
    // Leaving main releases the window, the design window in it and the
    // document; nothing is written anywhere.
}
