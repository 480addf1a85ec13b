#include "shell/page_button.h"

#include <QPainter>

PageButton::PageButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);
    setAttribute(Qt::WA_Hover);
    const ColourPair plain{QColor(128, 128, 128), QColor(240, 240, 240)};
    colours_ = {plain, plain, plain};
}

void PageButton::setColours(const Colours& colours)
{
    colours_ = colours;
    update();
}

PageButton::ColourPair PageButton::currentPair() const
{
    if (hasFocus())
        return colours_[Focused];
    if (underMouse())
        return colours_[MouseOver];
    return colours_[Normal];
}

void PageButton::paintEvent(QPaintEvent*)
{
    const ColourPair pair = currentPair();
    QPainter painter(this);
    painter.fillRect(rect(), pair.background);
    painter.setPen(pair.text);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
