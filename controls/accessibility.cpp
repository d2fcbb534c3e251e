#include "controls/accessibility.h"

#include "controls/bar_gauge.h"
#include "controls/bevel_panel.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QLabel>

namespace controls {

namespace {

constexpr char kShadow[] = "calvoroAccessibleShadow";
constexpr char kRole[] = "calvoroAccessibleRole";

// Decided when asked, not when made: interfaces are cached from the label's construction on.
class LabelAccess : public QAccessibleWidget {
public:
  explicit LabelAccess(QLabel *w) : QAccessibleWidget(w, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (isAccessibleShadow(widget()))
      s.invisible = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (isAccessibleShadow(widget()))
      return {};
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
      return static_cast<QLabel *>(widget())->text();
    return own;
  }
};

// No value interface: through it the bus would offer Increase and Decrease on a gauge
// that only shows a level. The level is in the description, before the hint.
class GaugeAccess : public QAccessibleWidget {
public:
  explicit GaugeAccess(BarGauge *g) : QAccessibleWidget(g, QAccessible::ProgressBar) {}
  BarGauge *gauge() const { return static_cast<BarGauge *>(widget()); }

  QString text(QAccessible::Text t) const override {
    QString value = QStringLiteral("%1%").arg(gauge()->percentDone());
    if (t == QAccessible::Value)
      return value;
    if (t == QAccessible::Description) {
      const QString hint = QAccessibleWidget::text(t);
      return hint.isEmpty() ? value : value + QStringLiteral(". ") + hint;
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {}; }
};

// A captioned panel is pressed like a button, by the mouse or by a reader's Press.
class PanelAccess : public QAccessibleWidget {
public:
  explicit PanelAccess(BevelPanel *p) : QAccessibleWidget(p, QAccessible::Button) {}
  BevelPanel *panel() const { return static_cast<BevelPanel *>(widget()); }
  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
      return panel()->caption();
    return own;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString &name) override {
    if (name == pressAction() && panel()->isEnabled())
      emit panel()->clicked();
  }
  QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A window or panel that holds controls: the shadow copies among them are left out, so a
// reader meets each caption once.
class HolderAccess : public QAccessibleWidget {
public:
  explicit HolderAccess(QWidget *w)
      : QAccessibleWidget(w, w->isWindow() ? QAccessible::Window : QAccessible::Client) {}
  int childCount() const override { return int(readChildren().size()); }
  QAccessibleInterface *child(int index) const override {
    const QList<QWidget *> children = readChildren();
    if (index < 0 || index >= children.size())
      return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    if (!child)
      return -1;
    return int(readChildren().indexOf(qobject_cast<QWidget *>(child->object())));
  }

private:
  QList<QWidget *> readChildren() const {
    QList<QWidget *> out;
    for (QObject *o : widget()->children()) {
      auto *w = qobject_cast<QWidget *>(o);
      // As Qt's own holders do, a focus frame is no control of its own.
      if (w && !w->isWindow() && !qobject_cast<QFocusFrame *>(w) && !isAccessibleShadow(w))
        out << w;
    }
    return out;
  }
};

QAccessibleInterface *describe(const QString &key, QObject *object) {
  auto *widget = qobject_cast<QWidget *>(object);
  if (!widget)
    return nullptr;
  if (key == QLatin1String("TextLabel"))
    return new LabelAccess(static_cast<QLabel *>(widget));
  if (key == QLatin1String("BarGauge"))
    return new GaugeAccess(static_cast<BarGauge *>(widget));
  // Panels with a caption are pressed; the others only hold controls.
  if (key == QLatin1String("BevelPanel")) {
    if (!static_cast<BevelPanel *>(widget)->caption().isEmpty())
      return new PanelAccess(static_cast<BevelPanel *>(widget));
    return new HolderAccess(widget);
  }
  if (key == QLatin1String("BorderlessWindow"))
    return new HolderAccess(widget);
  const QVariant role = widget->property(kRole);
  if (key == QLatin1String("QWidget") && role.isValid())
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
  return nullptr;
}

} // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(describe);
    return true;
  }();
  (void)installed;
}

void setAccessibleShadow(QWidget *label, bool shadow) {
  label->setProperty(kShadow, shadow);
}

bool isAccessibleShadow(const QWidget *label) {
  return label->property(kShadow).toBool();
}

void setAccessibleRole(QWidget *widget, QAccessible::Role role) {
  widget->setProperty(kRole, int(role));
}

} // namespace controls
