#include "shell/code_view.h"

#include <Qsci/qscilexerpython.h>

#include <string>

namespace {

// No keyword lists: Python keywords are coloured like identifiers.
class PlainPythonLexer final : public QsciLexerPython {
public:
    using QsciLexerPython::QsciLexerPython;
    const char* keywords(int) const override { return nullptr; }
};

long colour(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

}  // namespace

int lineNumberMarginWidth(int lineCount)
{
    return (static_cast<int>(std::to_string(lineCount).size()) + 1) * 10;
}

CodeView::CodeView(QWidget* parent) : QsciScintilla(parent)
{
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { fitLineNumberMargin(); });
    connect(this, &QsciScintillaBase::SCN_DOUBLECLICK, this, [this](int, int, int) { copyAllCode(); });
}

void CodeView::setUpCodeView()
{
    setMarginType(0, NumberMargin);
    setMarginLineNumbers(0, true);

    auto* lexer = new PlainPythonLexer(this);
    const struct { int style; QColor text; } lexerColours[] = {
        {QsciLexerPython::Default, {27, 57, 140}},
        {QsciLexerPython::DoubleQuotedString, {27, 57, 140}},
        {QsciLexerPython::SingleQuotedString, {27, 57, 140}},
        {QsciLexerPython::Number, {9, 136, 90}},
        {QsciLexerPython::Operator, {0, 0, 0}},
        {QsciLexerPython::Identifier, {164, 94, 38}},
        {QsciLexerPython::ClassName, {0, 255, 255}},
    };
    for (const auto& entry : lexerColours)
        lexer->setColor(entry.text, entry.style);
    setLexer(lexer);

    // Styles outside the lexer's range, set after it so it cannot overwrite them.
    SendScintilla(SCI_STYLESETFORE, STYLE_LINENUMBER, colour(128, 128, 128));
    SendScintilla(SCI_STYLESETBACK, STYLE_LINENUMBER, colour(255, 255, 255));
    SendScintilla(SCI_STYLESETFORE, STYLE_BRACELIGHT, colour(0, 128, 0));
    SendScintilla(SCI_STYLESETFORE, STYLE_BRACEBAD, colour(0, 0, 0));

    setSelectionForegroundColor(QColor(0, 0, 0));
    setSelectionBackgroundColor(QColor(236, 236, 236));
    setCaretForegroundColor(QColor(0, 0, 0));
    SendScintilla(SCI_USEPOPUP, SC_POPUP_ALL);
    setTabWidth(4);
    setBackspaceUnindents(true);

    // Only the default style gets the font; the lexer's styles keep theirs.
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, "微软雅黑");
    SendScintilla(SCI_STYLESETSIZE, STYLE_DEFAULT, 10);

    // The program is UTF-8 text, so the view must read its bytes as UTF-8.
    setUtf8(true);
    setReadOnly(true);
    update();
}

void CodeView::putProgram(std::string_view utf8)
{
    setReadOnly(false);
    const std::string text(utf8);
    SendScintilla(SCI_SETTEXT, 0UL, text.c_str());
    setReadOnly(true);
}

std::string CodeView::programText() const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendScintilla(SCI_GETTEXT, static_cast<unsigned long>(length + 1), text.data());
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void CodeView::fitLineNumberMargin()
{
    setMarginWidth(0, lineNumberMarginWidth(lines()));
}

void CodeView::copyAllCode()
{
    SendScintilla(SCI_COPYRANGE, 0UL, SendScintilla(SCI_GETLENGTH));
    if (onCopied)
        onCopied();
}
