#pragma once

#include <Qsci/qsciscintilla.h>

#include <functional>
#include <string_view>

// The code page's view of the generated program: read-only, coloured by the
// Python lexer, line numbers in margin 0.
class CodeView final : public QsciScintilla {
public:
    explicit CodeView(QWidget* parent);

    // Applies every setting of the view once, at start-up.
    void setUpCodeView();

    // Replaces the whole text; the view stays read-only for the user.
    void putProgram(std::string_view utf8);

    // The whole text as the editor holds it, bytes unchanged.
    std::string programText() const;

    // The update notification: margin 0 grows with the line count.
    void fitLineNumberMargin();

    // The double-click handler: the whole text goes to the clipboard.
    void copyAllCode();

    // Called after copyAllCode put the text on the clipboard.
    std::function<void()> onCopied;
};

// Margin 0's width for a text of this many lines: ten pixels per digit, plus ten.
int lineNumberMarginWidth(int lineCount);
