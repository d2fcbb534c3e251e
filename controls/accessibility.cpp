#include "controls/accessibility.h"

#include "controls/bar_gauge.h"
#include "controls/bevel_panel.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

namespace controls {

namespace {

constexpr char kShadow[] = "calvoroAccessibleShadow";

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

class GaugeAccess : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  explicit GaugeAccess(BarGauge *g) : QAccessibleWidget(g, QAccessible::ProgressBar) {}
  BarGauge *gauge() const { return static_cast<BarGauge *>(widget()); }

  void *interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface)
      return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value)
      return QStringLiteral("%1%").arg(gauge()->percentDone());
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return gauge()->progress(); }
  void setCurrentValue(const QVariant &) override {} // read only
  QVariant maximumValue() const override { return gauge()->maxValue(); }
  QVariant minimumValue() const override { return gauge()->minValue(); }
  QVariant minimumStepSize() const override { return 1; }
};

class PanelAccess : public QAccessibleWidget {
public:
  explicit PanelAccess(BevelPanel *p) : QAccessibleWidget(p, QAccessible::Button) {}
  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
      return static_cast<BevelPanel *>(widget())->caption();
    return own;
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
  if (key == QLatin1String("BevelPanel") && !static_cast<BevelPanel *>(widget)->caption().isEmpty())
    return new PanelAccess(static_cast<BevelPanel *>(widget));
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

} // namespace controls
