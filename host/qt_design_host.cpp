#include "host/qt_design_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextOption>

namespace {

const char* const tagProperty = "tag";

QWidget* widgetOf(ControlRef ref)
{
    return static_cast<QWidget*>(const_cast<void*>(ref.id));
}

ControlRef refOf(const QWidget* widget)
{
    return ControlRef{widget};
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& s)
{
    return s.toStdString();
}

template <typename T>
T* as(ControlRef ref)
{
    return qobject_cast<T*>(widgetOf(ref));
}

Qt::Alignment qtAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

TextAlignment fromQt(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return TextAlignment::Center;
    if (alignment & Qt::AlignRight)
        return TextAlignment::Right;
    return TextAlignment::Left;
}

// The section of the status bar that the tool writes its hints into.
QLabel* statusSection(QWidget* mainWindow)
{
    auto* bar = mainWindow->findChild<QStatusBar*>(QStringLiteral("状态条1"));
    return bar ? bar->findChild<QLabel*>() : nullptr;
}

QListWidget* toolList(QWidget* mainWindow)
{
    QWidget* toolbox = mainWindow->findChild<QWidget*>(QStringLiteral("卷帘式菜单"));
    return toolbox ? toolbox->findChild<QListWidget*>() : nullptr;
}

Qt::CursorShape cursorShape(PointerShape shape)
{
    switch (shape) {
    case PointerShape::SizeWE:
        return Qt::SizeHorCursor;
    case PointerShape::SizeNS:
        return Qt::SizeVerCursor;
    case PointerShape::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case PointerShape::SizeNESW:
        return Qt::SizeBDiagCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

QtDesignHost::QtDesignHost(QWidget* mainWindow, QWidget* designWindow, QWidget* designClient, Size mainFrame)
    : mainWindow_(mainWindow), designWindow_(designWindow), designClient_(designClient), mainFrame_(mainFrame)
{
}

// --- reading ---------------------------------------------------------------

ControlRef QtDesignHost::findByTag(std::string_view wanted) const
{
    const auto found = taggedControls_.find(std::string(wanted));
    if (found == taggedControls_.end() || !found->second)
        return {};
    return refOf(found->second);
}

std::string QtDesignHost::tag(ControlRef control) const
{
    return utf8(widgetOf(control)->property(tagProperty).toString());
}

bool QtDesignHost::isVisible(ControlRef control) const
{
    return !widgetOf(control)->isHidden();
}

std::string QtDesignHost::caption(ControlRef control) const
{
    if (auto* label = as<QLabel>(control))
        return utf8(label->text());
    if (auto* button = as<QAbstractButton>(control))
        return utf8(button->text());
    if (auto* line = as<QLineEdit>(control))
        return utf8(line->text());
    if (auto* area = as<QPlainTextEdit>(control))
        return utf8(area->toPlainText());
    return utf8(widgetOf(control)->windowTitle());
}

Rect QtDesignHost::bounds(ControlRef control) const
{
    const QRect r = widgetOf(control)->geometry();
    return {r.left(), r.top(), r.width(), r.height()};
}

std::string QtDesignHost::fontName(ControlRef control) const
{
    return utf8(widgetOf(control)->font().family());
}

int QtDesignHost::fontSize(ControlRef control) const
{
    return widgetOf(control)->font().pointSize();
}

bool QtDesignHost::isMultiline(ControlRef control) const
{
    return as<QPlainTextEdit>(control) != nullptr;
}

ScrollBarSetting QtDesignHost::scrollBars(ControlRef control) const
{
    auto* area = as<QPlainTextEdit>(control);
    if (!area)
        return ScrollBarSetting::None;
    const bool vertical = area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    const bool horizontal = area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    if (vertical && horizontal)
        return ScrollBarSetting::Both;
    if (vertical)
        return ScrollBarSetting::Vertical;
    if (horizontal)
        return ScrollBarSetting::Horizontal;
    return ScrollBarSetting::None;
}

TextAlignment QtDesignHost::alignment(ControlRef control) const
{
    if (auto* label = as<QLabel>(control))
        return fromQt(label->alignment());
    if (auto* line = as<QLineEdit>(control))
        return fromQt(line->alignment());
    if (auto* area = as<QPlainTextEdit>(control))
        return fromQt(area->document()->defaultTextOption().alignment());
    return TextAlignment::Left;
}

bool QtDesignHost::isPassword(ControlRef control) const
{
    auto* line = as<QLineEdit>(control);
    return line && line->echoMode() == QLineEdit::Password;
}

bool QtDesignHost::isChecked(ControlRef control) const
{
    auto* button = as<QAbstractButton>(control);
    return button && button->isChecked();
}

std::string QtDesignHost::designWindowCaption() const
{
    return utf8(designWindow_->windowTitle());
}

Size QtDesignHost::designWindowOuterSize() const
{
    return windowOuterSize(refOf(designWindow_));
}

// --- controls --------------------------------------------------------------

ControlRef QtDesignHost::control(std::string_view name) const
{
    const QString wanted = text(name);
    if (mainWindow_->objectName() == wanted)
        return refOf(mainWindow_);
    return refOf(mainWindow_->findChild<QWidget*>(wanted));
}

ControlRef QtDesignHost::designWindow() const
{
    return refOf(designWindow_);
}

ControlRef QtDesignHost::copyControl(ControlRef templateControl)
{
    QWidget* source = widgetOf(templateControl);
    QWidget* parent = source->parentWidget();
    QWidget* copy = nullptr;
    if (auto* label = qobject_cast<QLabel*>(source)) {
        auto* made = new QLabel(label->text(), parent);
        made->setAlignment(label->alignment());
        made->setFrameShape(label->frameShape());
        copy = made;
    } else if (auto* line = qobject_cast<QLineEdit*>(source)) {
        auto* made = new QLineEdit(line->text(), parent);
        made->setAlignment(line->alignment());
        made->setEchoMode(line->echoMode());
        copy = made;
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(source)) {
        auto* made = new QPlainTextEdit(area->toPlainText(), parent);
        made->setVerticalScrollBarPolicy(area->verticalScrollBarPolicy());
        made->setHorizontalScrollBarPolicy(area->horizontalScrollBarPolicy());
        copy = made;
    } else if (auto* radio = qobject_cast<QRadioButton*>(source)) {
        copy = new QRadioButton(radio->text(), parent);
    } else if (auto* check = qobject_cast<QCheckBox*>(source)) {
        copy = new QCheckBox(check->text(), parent);
    } else if (auto* push = qobject_cast<QPushButton*>(source)) {
        copy = new QPushButton(push->text(), parent);
    } else {
        copy = new QWidget(parent);
    }
    copy->setGeometry(source->geometry());
    copy->setFont(source->font());
    copy->setPalette(source->palette());
    copy->setAutoFillBackground(source->autoFillBackground());
    copy->setEnabled(source->isEnabled());
    copy->setVisible(!source->isHidden());
    return refOf(copy);
}

void QtDesignHost::move(ControlRef control, Rect r)
{
    widgetOf(control)->setGeometry(r.left, r.top, r.width, r.height);
}

Size QtDesignHost::clientSize(ControlRef control) const
{
    const QSize size = widgetOf(control)->contentsRect().size();
    return {size.width(), size.height()};
}

void QtDesignHost::focus(ControlRef control)
{
    widgetOf(control)->setFocus(Qt::OtherFocusReason);
}

void QtDesignHost::setTag(ControlRef control, std::string_view value)
{
    QWidget* widget = widgetOf(control);
    const std::string previous = utf8(widget->property(tagProperty).toString());
    const auto indexed = taggedControls_.find(previous);
    if (indexed != taggedControls_.end() && indexed->second == widget)
        taggedControls_.erase(indexed);
    widget->setProperty(tagProperty, text(value));
    taggedControls_[std::string(value)] = widget;
}

void QtDesignHost::setVisible(ControlRef control, bool visible)
{
    widgetOf(control)->setVisible(visible);
}

void QtDesignHost::setDisabled(ControlRef control, bool disabled)
{
    widgetOf(control)->setEnabled(!disabled);
}

void QtDesignHost::setCaption(ControlRef control, std::string_view value)
{
    const QString caption = text(value);
    if (auto* label = as<QLabel>(control))
        label->setText(caption);
    else if (auto* button = as<QAbstractButton>(control))
        button->setText(caption);
    else if (auto* line = as<QLineEdit>(control))
        line->setText(caption);
    else if (auto* area = as<QPlainTextEdit>(control))
        area->setPlainText(caption);
    else
        widgetOf(control)->setWindowTitle(caption);
}

void QtDesignHost::setFont(ControlRef control, std::string_view name, int pointSize)
{
    QFont font = widgetOf(control)->font();
    font.setFamily(text(name));
    font.setPointSize(pointSize);
    widgetOf(control)->setFont(font);
}

void QtDesignHost::setLabelBorder(ControlRef control, LabelBorder border)
{
    if (auto* label = as<QLabel>(control))
        label->setFrameShape(border == LabelBorder::SingleLine ? QFrame::Box : QFrame::NoFrame);
}

void QtDesignHost::setWhiteBackground(ControlRef control, bool white)
{
    QWidget* widget = widgetOf(control);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, white ? QColor(Qt::white) : widget->parentWidget()->palette().color(QPalette::Window));
    widget->setPalette(palette);
    widget->setAutoFillBackground(white);
}

void QtDesignHost::setChecked(ControlRef control, bool checked)
{
    if (auto* button = as<QAbstractButton>(control)) {
        button->setCheckable(true);
        button->setChecked(checked);
    }
}

void QtDesignHost::setMultiline(ControlRef control, bool multiline)
{
    // Qt keeps one-line and many-line editors apart; the many-line one wraps.
    if (auto* area = as<QPlainTextEdit>(control))
        area->setLineWrapMode(multiline ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void QtDesignHost::setScrollBars(ControlRef control, ScrollBarSetting setting)
{
    auto* area = as<QPlainTextEdit>(control);
    if (!area)
        return;
    const bool vertical = setting == ScrollBarSetting::Vertical || setting == ScrollBarSetting::Both;
    const bool horizontal = setting == ScrollBarSetting::Horizontal || setting == ScrollBarSetting::Both;
    area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void QtDesignHost::setAlignment(ControlRef control, TextAlignment value)
{
    const Qt::Alignment horizontal = qtAlignment(value);
    if (auto* label = as<QLabel>(control)) {
        label->setAlignment(horizontal | (label->alignment() & Qt::AlignVertical_Mask));
    } else if (auto* line = as<QLineEdit>(control)) {
        line->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (auto* area = as<QPlainTextEdit>(control)) {
        QTextOption option = area->document()->defaultTextOption();
        option.setAlignment(horizontal);
        area->document()->setDefaultTextOption(option);
    }
}

void QtDesignHost::setPassword(ControlRef control, bool password)
{
    if (auto* line = as<QLineEdit>(control))
        line->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void QtDesignHost::setReadOnly(ControlRef control, bool readOnly)
{
    if (auto* line = as<QLineEdit>(control))
        line->setReadOnly(readOnly);
    else if (auto* area = as<QPlainTextEdit>(control))
        area->setReadOnly(readOnly);
}

// --- combo box -------------------------------------------------------------

void QtDesignHost::comboAddItem(ControlRef combo, std::string_view itemText, int value)
{
    const QSignalBlocker quiet(widgetOf(combo));
    as<QComboBox>(combo)->addItem(text(itemText), value);
}

void QtDesignHost::comboDeleteItem(ControlRef combo, int index)
{
    const QSignalBlocker quiet(widgetOf(combo));
    as<QComboBox>(combo)->removeItem(index);
}

int QtDesignHost::comboCount(ControlRef combo) const
{
    return as<QComboBox>(combo)->count();
}

std::string QtDesignHost::comboText(ControlRef combo, int index) const
{
    return utf8(as<QComboBox>(combo)->itemText(index));
}

int QtDesignHost::comboValue(ControlRef combo, int index) const
{
    return as<QComboBox>(combo)->itemData(index).toInt();
}

void QtDesignHost::comboSetText(ControlRef combo, int index, std::string_view itemText)
{
    as<QComboBox>(combo)->setItemText(index, text(itemText));
}

int QtDesignHost::comboCurrent(ControlRef combo) const
{
    return as<QComboBox>(combo)->currentIndex();
}

void QtDesignHost::comboSetCurrent(ControlRef combo, int index)
{
    // Setting the current item from code raises no event.
    const QSignalBlocker quiet(widgetOf(combo));
    as<QComboBox>(combo)->setCurrentIndex(index);
}

// --- toolbox, pages, scroll bars, status bar -------------------------------

int QtDesignHost::currentTool() const
{
    QListWidget* tools = toolList(mainWindow_);
    return tools ? tools->currentRow() : 0;
}

void QtDesignHost::setCurrentTool(int index)
{
    if (QListWidget* tools = toolList(mainWindow_))
        tools->setCurrentRow(index);
}

void QtDesignHost::setCurrentPage(int page)
{
    if (auto* pages = mainWindow_->findChild<QStackedWidget*>(QStringLiteral("选择夹")))
        pages->setCurrentIndex(page);
}

int QtDesignHost::scrollPosition(ControlRef scrollBar) const
{
    return as<QScrollBar>(scrollBar)->value();
}

void QtDesignHost::setScrollPosition(ControlRef scrollBar, int position)
{
    as<QScrollBar>(scrollBar)->setValue(position);
}

void QtDesignHost::setScrollMaximum(ControlRef scrollBar, int maximum)
{
    as<QScrollBar>(scrollBar)->setMaximum(maximum);
}

void QtDesignHost::setStatusText(std::string_view value)
{
    if (QLabel* section = statusSection(mainWindow_))
        section->setText(text(value));
}

void QtDesignHost::setStatusSectionWidth(int width)
{
    if (QLabel* section = statusSection(mainWindow_))
        section->setFixedWidth(width);
}

// --- windows ---------------------------------------------------------------

Size QtDesignHost::frameOf(const QWidget* window) const
{
    return window == mainWindow_ ? mainFrame_ : Size{};
}

Size QtDesignHost::windowOuterSize(ControlRef window) const
{
    const QWidget* widget = widgetOf(window);
    const Size frame = frameOf(widget);
    return {widget->width() + frame.width, widget->height() + frame.height};
}

void QtDesignHost::setWindowOuterSize(ControlRef window, Size size)
{
    QWidget* widget = widgetOf(window);
    const Size frame = frameOf(widget);
    widget->resize(size.width - frame.width, size.height - frame.height);
}

void QtDesignHost::setWindowCaption(ControlRef window, std::string_view caption)
{
    widgetOf(window)->setWindowTitle(text(caption));
}

void QtDesignHost::suspendRedraw(ControlRef window)
{
    widgetOf(window)->setUpdatesEnabled(false);
}

void QtDesignHost::resumeRedraw(ControlRef window)
{
    widgetOf(window)->setUpdatesEnabled(true);
    widgetOf(window)->update();
}

// --- native side -----------------------------------------------------------

Point QtDesignHost::pointerPosition() const
{
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

Size QtDesignHost::screenSize() const
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

ControlRef QtDesignHost::controlAtPointer() const
{
    return refOf(QApplication::widgetAt(QCursor::pos()));
}

Rect QtDesignHost::screenRect(ControlRef control) const
{
    const QWidget* widget = widgetOf(control);
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), widget->width(), widget->height()};
}

Point QtDesignHost::screenToClient(ControlRef control, Point screenPoint) const
{
    const QPoint p = widgetOf(control)->mapFromGlobal(QPoint(screenPoint.x, screenPoint.y));
    return {p.x(), p.y()};
}

void QtDesignHost::setPointerShape(ControlRef control, PointerShape shape)
{
    QWidget* widget = widgetOf(control);
    const QCursor cursor(cursorShape(shape));
    widget->setCursor(cursor);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->setCursor(cursor);
}

void QtDesignHost::waitDispatching(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        const int left = milliseconds - static_cast<int>(clock.elapsed());
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, std::max(left, 1));
    }
}
