#include "shell/toolbox.h"

#include "shell/toolbox_icons.h"

#include <QListWidget>

#include <array>

namespace {
constexpr std::array<const char*, 6> toolNames = {"指针", "标签", "编辑框", "按钮", "单选框", "复选框"};
}

Toolbox::Toolbox(QWidget* parent) : QToolBox(parent), tools_(new QListWidget)
{
    tools_->setIconSize({16, 16});
    // The items' trailing blanks are padding, not something to scroll to.
    tools_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tools_->setTextElideMode(Qt::ElideNone);
    for (const char* name : toolNames) {
        const QString bare = QString::fromUtf8(name);
        auto* item = new QListWidgetItem(QLatin1Char(' ') + bare + QString(24, QLatin1Char(' ')), tools_);
        item->setToolTip(bare);
    }
    addItem(tools_, QStringLiteral("窗口组件"));
}

void Toolbox::setToolIcons()
{
    const std::array<QIcon, 6> icons = toolIcons();
    for (int row = 0; row < tools_->count(); ++row)
        tools_->item(row)->setIcon(icons[static_cast<std::size_t>(row)]);
}

int Toolbox::currentTool() const
{
    return tools_->currentRow();
}

void Toolbox::setCurrentTool(int index)
{
    tools_->setCurrentRow(index);
}
