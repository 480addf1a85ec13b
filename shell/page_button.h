#pragma once

#include <QAbstractButton>
#include <QColor>

#include <array>

// A flat button drawn in one of three (text, background) colour pairs: plain,
// under the mouse, and holding the keyboard focus.
class PageButton final : public QAbstractButton {
public:
    struct ColourPair {
        QColor text;
        QColor background;
        friend bool operator==(const ColourPair&, const ColourPair&) = default;
    };
    enum State { Normal, MouseOver, Focused };
    using Colours = std::array<ColourPair, 3>;

    PageButton(const QString& caption, QWidget* parent);

    void setColours(const Colours& colours);
    const Colours& colours() const { return colours_; }
    // The pair the button is drawn in right now.
    ColourPair currentPair() const;

    QSize sizeHint() const override { return {80, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colours colours_;
};
