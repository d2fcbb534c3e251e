#include "controls/accessibility.h"

#include "controls/bar_gauge.h"
#include "controls/bevel_panel.h"
#include "controls/month_grid.h"
#include "controls/spin_field.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QDate>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

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
    // The blanks that place a caption are not read.
    if (t == QAccessible::Name && own.isEmpty())
      return static_cast<QLabel *>(widget())->text().trimmed();
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
      return panel()->caption().trimmed();
    return own;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString &name) override {
    if (name == pressAction() && panel()->isEnabled())
      emit panel()->clicked();
  }
  QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// The text part of a number field with arrows is a spin button: named as its field, with the
// field's number as its value, which a reader can set.
class SpinAccess : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  SpinAccess(QLineEdit *editor, SpinField *field)
      : QAccessibleWidget(editor, QAccessible::SpinBox), field_(field) {
    QObject::connect(field, &SpinField::changed, editor, [editor, field] {
      QAccessibleValueChangeEvent event(editor, field->value());
      QAccessible::updateAccessibility(&event);
    });
  }
  void *interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                            : QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
      return field_->accessibleName();
    if (t == QAccessible::Value)
      return field_->text();
    return own;
  }
  QVariant currentValue() const override { return field_->value(); }
  void setCurrentValue(const QVariant &value) override { field_->setValue(value.toInt()); }
  QVariant maximumValue() const override { return field_->maxValue(); }
  QVariant minimumValue() const override { return field_->minValue(); }
  QVariant minimumStepSize() const override { return field_->increment(); }

private:
  SpinField *field_;
};

// A month grid says the date on display, in the desktop's long form, and tells of each change.
class MonthGridAccess : public QAccessibleWidget {
public:
  explicit MonthGridAccess(MonthGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {
    QObject::connect(grid, &MonthGrid::changed, grid, [grid] {
      QAccessibleEvent event(grid, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&event);
    });
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description && t != QAccessible::Value)
      return QAccessibleWidget::text(t);
    const auto *grid = static_cast<const MonthGrid *>(widget());
    return QLocale().toString(QDate(grid->year(), grid->month(), grid->day()), QLocale::LongFormat);
  }
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
  if (key == QLatin1String("MonthGrid"))
    return new MonthGridAccess(static_cast<MonthGrid *>(widget));
  if (auto *field = qobject_cast<SpinField *>(widget->parentWidget());
      key == QLatin1String("QLineEdit") && field && field->editor() == widget)
    return new SpinAccess(static_cast<QLineEdit *>(widget), field);
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

void nameButtonsByCaption(const QWidget *holder) {
  for (QAbstractButton *button : holder->findChildren<QAbstractButton *>()) {
    const QString caption = button->text().trimmed();
    if (button->accessibleName().isEmpty() && caption != button->text())
      button->setAccessibleName(caption);
  }
}

} // namespace controls
