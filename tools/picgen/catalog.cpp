#include "catalog.h"

#include "drawings.h"
#include "palette.h"
#include "tray_sizes.h"

namespace {

void add16(QList<Picture> &out, const QString &name, const QImage &drawing) {
  out.append({name, pal::toPalette16(drawing), true});
}

void addFull(QList<Picture> &out, const QString &name, const QImage &drawing) {
  out.append({name, drawing.convertToFormat(QImage::Format_ARGB32), false});
}

} // namespace

QList<Picture> drawAllPictures() {
  QList<Picture> out;
  const Cycle cycles[] = {Cycle::Emotional, Cycle::Intellectual, Cycle::Physical};

  // Tray: level icons, the two signs, the initial icons.
  for (Cycle c : cycles)
    for (int step = 0; step <= 10; ++step)
      add16(out, cycleName(c) + QString::number(step), levelIcon(c, step, 32));
  add16(out, QStringLiteral("happy"), happyIcon());
  add16(out, QStringLiteral("attenti"), attentionIcon());
  const QString trayNames[] = {QStringLiteral("tray21"), QStringLiteral("tray22"),
                               QStringLiteral("tray23")};
  for (int i = 0; i < 3; ++i)
    add16(out, trayNames[i], initialTrayIcon(cycles[i], 32));
  add16(out, QStringLiteral("tray21_16"), initialTrayIcon(Cycle::Emotional, 16));
  add16(out, QStringLiteral("tray22_16"), initialTrayIcon(Cycle::Intellectual, 16));
  addTraySizes(out);
  for (int size : {16, 32, 48, 64, 128, 256})
    addFull(out, QStringLiteral("calvoro_%1").arg(size), applicationIcon(size));

  // Splash.
  add16(out, QStringLiteral("logo"), logoPicture());

  // Chart window.
  add16(out, QStringLiteral("frame"), marbledFrame(20, 18, 7));
  add16(out, QStringLiteral("framev"), marbledFrame(15, 18, 11));
  add16(out, QStringLiteral("powerbg"), powerBackground());
  add16(out, QStringLiteral("setupbg"), setupBackground());
  add16(out, QStringLiteral("projectionbg"), projectionBackground());
  for (Cycle c : cycles)
    add16(out, QStringLiteral("guide_") + cycleName(c), levelIcon(c, 10, 41));
  for (const char *button : {"calendar", "showme", "showme_down", "firstmonth", "firstmonth_down",
                             "ok", "ok_down", "prior", "print", "refresh", "close", "next"})
    add16(out, QStringLiteral("btn_") + QLatin1String(button), buttonGlyph(QLatin1String(button)));

  // Date chooser and About window.
  addFull(out, QStringLiteral("calendbg"), calendarBackground());
  addFull(out, QStringLiteral("aboutframe"), aboutFrameHorizontal());
  addFull(out, QStringLiteral("aboutframev"), aboutFrameVertical());
  addFull(out, QStringLiteral("aboutbg"), aboutBackground());
  add16(out, QStringLiteral("creature1"), creature(true));
  add16(out, QStringLiteral("creature2"), creature(false));

  // Tray menu marks.
  add16(out, QStringLiteral("checkmark"), checkMark());
  add16(out, QStringLiteral("radiomark"), radioMark());
  return out;
}
