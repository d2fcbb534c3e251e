#include "platform/sni_menu.h"

#include <QAction>
#include <QApplication>
#include <QDBusError>
#include <QDBusMetaType>
#include <QMenu>
#include <QTimer>

namespace platform::sni {

MenuExporter::MenuExporter(QMenu *menu, QObject *parent) : QObject(parent), menu_(menu) {
  registerTypes();
  qDBusRegisterMetaType<MenuEvent>();
  qDBusRegisterMetaType<MenuEvents>();
  if (!menu)
    return;
  // A caption or check mark that changes reaches the hosts as a new layout revision.
  for (QAction *action : menu->actions())
    connect(action, &QAction::changed, this, &MenuExporter::changed);
}

QAction *MenuExporter::actionOf(int id) const {
  if (!menu_ || id <= 0)
    return nullptr;
  const QList<QAction *> actions = menu_->actions();
  return id <= actions.size() ? actions.at(id - 1) : nullptr;
}

QVariantMap MenuExporter::propertiesOf(int id) const {
  QVariantMap p;
  if (id == 0) {
    p.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    return p;
  }
  const QAction *action = actionOf(id);
  if (!action)
    return p;
  if (action->isSeparator()) {
    p.insert(QStringLiteral("type"), QStringLiteral("separator"));
  } else {
    // Mnemonics are written with "_" here; a literal underscore is doubled.
    QString label = action->text();
    label.replace(QLatin1Char('_'), QStringLiteral("__"))
        .replace(QLatin1Char('&'), QLatin1Char('_'));
    p.insert(QStringLiteral("label"), label);
  }
  if (!action->isEnabled())
    p.insert(QStringLiteral("enabled"), false);
  if (!action->isVisible())
    p.insert(QStringLiteral("visible"), false);
  if (action->isCheckable()) {
    p.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
    p.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
  }
  return p;
}

MenuLayout MenuExporter::layout(int parentId, int depth) const {
  MenuLayout out;
  out.id = parentId;
  out.properties = propertiesOf(parentId);
  if (parentId != 0 || depth == 0 || !menu_)
    return out;
  const int count = static_cast<int>(menu_->actions().size());
  for (int id = 1; id <= count; ++id)
    out.children.append(layout(id, depth - 1));
  return out;
}

uint MenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &,
                             MenuLayout &result) {
  result = layout(parentId, recursionDepth);
  return revision_;
}

MenuItemPropertiesList MenuExporter::GetGroupProperties(const QList<int> &ids,
                                                        const QStringList &) {
  MenuItemPropertiesList out;
  for (int id : ids)
    out.append({id, propertiesOf(id)});
  return out;
}

QDBusVariant MenuExporter::GetProperty(int id, const QString &name) {
  const QVariant value = propertiesOf(id).value(name);
  if (!value.isValid() && calledFromDBus())
    sendErrorReply(QDBusError::InvalidArgs, (id != 0 && !actionOf(id))
                                                ? QStringLiteral("No menu item %1").arg(id)
                                                : QStringLiteral("No property %1").arg(name));
  return QDBusVariant(value);
}

namespace {

// Shared by the items' exporters, which all show the one menu.
bool clickPending = false;
bool commandRunning = false;

bool busy() {
  return clickPending || commandRunning || QApplication::activeModalWidget() != nullptr;
}

} // namespace

bool MenuExporter::click(int id) {
  QAction *action = actionOf(id);
  if (!action)
    return false;
  if (busy())
    return true;
  clickPending = true;
  // Answer the host first; the command may open boxes and windows.
  QPointer<QAction> guarded(action);
  // Without a context object: the flag is cleared even when this exporter goes first.
  QTimer::singleShot(0, [guarded] {
    clickPending = false;
    if (!guarded || !guarded->isEnabled() || busy())
      return;
    commandRunning = true;
    guarded->trigger();
    commandRunning = false;
  });
  return true;
}

void MenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint) {
  if (eventId == QLatin1String("clicked"))
    click(id);
}

QList<int> MenuExporter::EventGroup(const QList<MenuEvent> &events) {
  QList<int> unknown;
  for (const MenuEvent &e : events) {
    if (actionOf(e.id)) {
      if (e.eventId == QLatin1String("clicked"))
        click(e.id);
    } else {
      unknown.append(e.id);
    }
  }
  return unknown;
}

bool MenuExporter::AboutToShow(int) {
  return false;
}

QList<int> MenuExporter::AboutToShowGroup(const QList<int> &, QList<int> &idErrors) {
  idErrors.clear();
  return {};
}

void MenuExporter::changed() {
  if (updatePending_)
    return;
  updatePending_ = true;
  // Several changes in one go make one new revision.
  QTimer::singleShot(0, this, [this] {
    updatePending_ = false;
    ++revision_;
    emit LayoutUpdated(revision_, 0);
  });
}

} // namespace platform::sni

using platform::sni::MenuEvent;

QDBusArgument &operator<<(QDBusArgument &arg, const MenuEvent &value) {
  arg.beginStructure();
  arg << value.id << value.eventId << value.data << value.timestamp;
  arg.endStructure();
  return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, MenuEvent &value) {
  arg.beginStructure();
  arg >> value.id >> value.eventId >> value.data >> value.timestamp;
  arg.endStructure();
  return arg;
}
