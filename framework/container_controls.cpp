// Group boxes and tab panels hold other controls; separators are plain lines. Child positions are
// computed, never left to a layout: a child's window coordinates minus its container's origin.
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <algorithm>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/qt_widgets.h"

namespace fw {
namespace {

using detail::Caption;
using detail::Has;

struct GroupBoxImpl : ControlImpl {
  explicit GroupBoxImpl(Window& owner) : ControlImpl(owner) {
    box = new QGroupBox(owner.Impl().content);
    box->hide();
    widget = box;
  }
  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Caption")) box->setTitle(Caption(StringProp("Caption")));
  }
  QWidget* ChildArea(std::int64_t page) override {
    (void)page;
    return box;
  }
  bool StaysBehindSiblings() const override { return true; }
  QGroupBox* box;
};

// The frame around the pages of a tab panel, drawn as the style draws a tab widget's frame.
class TabFrame : public QWidget {
 public:
  TabFrame(QTabBar& bar, QWidget* parent) : QWidget(parent), bar_(&bar) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    (void)event;
    QPainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = bar_->size();
    option.tabBarRect = QRect(bar_->x(), 0, bar_->width(), bar_->height());
    option.selectedTabRect = bar_->tabRect(bar_->currentIndex()).translated(bar_->x(), 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
  }

 private:
  QTabBar* bar_;
};

// A tab bar over a frame; each tab has a page inside the frame, shown while its tab is selected.
struct TabPanelImpl : ControlImpl {
  explicit TabPanelImpl(Window& owner) : ControlImpl(owner) {
    panel = new QWidget(owner.Impl().content);
    panel->hide();
    bar = new QTabBar(panel);
    bar->setDrawBase(false);
    bar->setExpanding(false);
    // The tabs take no focus, from a click or from Tab: the focus goes into the tab shown, and Tab
    // passes over the tabs to its controls.
    bar->setFocusPolicy(Qt::NoFocus);
    frame = new TabFrame(*bar, panel);
    bar->raise();
    widget = panel;
    // As in the toolkit's own tab widget, Ctrl+Tab and Ctrl+Shift+Tab in a control of the panel
    // select the next and the previous tab.
    auto* next = new QShortcut(panel);
    next->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    auto* previous = new QShortcut(panel);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    for (QShortcut* shortcut : {next, previous}) {
      shortcut->setContext(Qt::WidgetWithChildrenShortcut);
      const int step = shortcut == next ? 1 : -1;
      QObject::connect(shortcut, &QShortcut::activated, panel, [this, step] { Step(step); });
    }
  }

  // Selects the tab `step` places on, round the ends.
  void Step(int step) {
    const int count = bar->count();
    if (count > 1) bar->setCurrentIndex((bar->currentIndex() + count + step) % count);
  }

  void Attach() override {
    QObject::connect(bar, &QTabBar::currentChanged, panel, [this](int index) {
      ShowPage(index);
      // A tab newly shown in an open window takes the focus, as an opened window does.
      WindowImpl& owner = window->Impl();
      if (owner.open && index >= 0 && index < static_cast<int>(pages.size())) {
        owner.FocusFirstControl(pages[static_cast<std::size_t>(index)]);
      }
    });
  }

  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "TabDefinition")) SetTabs(StringProp("TabDefinition"));
    if (Has(changed, "Value") || Has(changed, "TabDefinition")) {
      const std::int64_t tab = IntProp("Value", 0);
      if (tab >= 0 && tab < bar->count()) bar->setCurrentIndex(static_cast<int>(tab));
    }
    Arrange();
  }

  void SetTabs(const std::string& definition) {
    titles = detail::SplitRows(definition);
    while (pages.size() < titles.size()) {
      auto* page = new QWidget(frame);
      page->hide();
      pages.push_back(page);
    }
    const QSignalBlocker quiet(bar);
    while (bar->count() > static_cast<int>(titles.size())) bar->removeTab(bar->count() - 1);
    for (std::size_t i = 0; i < titles.size(); ++i) {
      const int index = static_cast<int>(i);
      if (index < bar->count()) {
        bar->setTabText(index, Caption(titles[i]));
      } else {
        bar->addTab(Caption(titles[i]));
      }
    }
    ShowPage(bar->currentIndex());
  }

  void ShowPage(int index) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
      pages[i]->setVisible(static_cast<int>(i) == index);
    }
  }

  // Places the bar, the frame below it and the pages inside the frame.
  void Arrange() {
    const int width = panel->width();
    const int height = panel->height();
    const QSize hint = bar->sizeHint();
    const int barWidth = std::min(hint.width(), width);
    bar->setGeometry((width - barWidth) / 2, 0, barWidth, hint.height());
    const int overlap = bar->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, bar);
    const int frameTop = std::max(0, hint.height() - overlap);
    frame->setGeometry(0, frameTop, width, std::max(0, height - frameTop));
    for (QWidget* page : pages) page->setGeometry(frame->rect());
  }

  QWidget* ChildArea(std::int64_t page) override {
    if (page == 0) return panel;
    if (page < 0 || page > static_cast<std::int64_t>(pages.size())) {
      throw RuntimeException("tab panel " + name + " has no tab " + std::to_string(page));
    }
    return pages[static_cast<std::size_t>(page - 1)];
  }

  QPoint ChildOrigin(std::int64_t page) const override {
    const QPoint own = ControlImpl::ChildOrigin(page);
    return page == 0 ? own : own + frame->pos();
  }

  void CheckTab(std::int64_t tab) const {
    if (tab < 0 || tab >= bar->count()) {
      throw OutOfBoundsException("tab " + std::to_string(tab) + " of tab panel " + name + " (" +
                                 std::to_string(bar->count()) + " tabs)");
    }
  }

  QWidget* panel;
  QTabBar* bar;
  TabFrame* frame;
  std::vector<QWidget*> pages;
  std::vector<std::string> titles;
};

struct SeparatorImpl : ControlImpl {
  explicit SeparatorImpl(Window& owner) : ControlImpl(owner) {
    line = new QFrame(owner.Impl().content);
    line->hide();
    line->setFrameShadow(QFrame::Sunken);
    widget = line;
  }
  void Apply(const PropertyValues& changed) override {
    (void)changed;
    line->setFrameShape(line->width() >= line->height() ? QFrame::HLine : QFrame::VLine);
  }
  QFrame* line;
};

}  // namespace

GroupBox::GroupBox(Window& owner) : RectControl(owner, std::make_unique<GroupBoxImpl>(owner)) {}

std::string GroupBox::Caption() const {
  CheckMainThread();
  return Impl().StringProp("Caption");
}

TabPanel::TabPanel(Window& owner) : RectControl(owner, std::make_unique<TabPanelImpl>(owner)) {}

std::int64_t TabPanel::Value() const {
  CheckMainThread();
  return static_cast<TabPanelImpl&>(Impl()).bar->currentIndex();
}

void TabPanel::SetValue(std::int64_t tab) {
  CheckMainThread();
  auto& impl = static_cast<TabPanelImpl&>(Impl());
  impl.CheckTab(tab);
  impl.bar->setCurrentIndex(static_cast<int>(tab));
}

std::int64_t TabPanel::TabCount() const {
  CheckMainThread();
  return static_cast<TabPanelImpl&>(Impl()).bar->count();
}

std::string TabPanel::TabText(std::int64_t tab) const {
  CheckMainThread();
  auto& impl = static_cast<TabPanelImpl&>(Impl());
  impl.CheckTab(tab);
  return impl.titles[static_cast<std::size_t>(tab)];
}

Separator::Separator(Window& owner) : RectControl(owner, std::make_unique<SeparatorImpl>(owner)) {}

}  // namespace fw
