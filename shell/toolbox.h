#pragma once

#include <QToolBox>

class QListWidget;

// The roll-up menu on the right of the design page: one group of six tools,
// the pointer first. The current row is the current tool.
class Toolbox final : public QToolBox {
public:
    explicit Toolbox(QWidget* parent);

    // Puts the six tool icons in front of the items.
    void setToolIcons();

    int currentTool() const;
    void setCurrentTool(int index);
    QListWidget* tools() const { return tools_; }

private:
    QListWidget* tools_;
};
