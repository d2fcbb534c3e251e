// Every tray picture also in the sizes trays ask for, so that a tray at any scale shows a
// picture drawn for its size instead of a 32-pixel one blown up or shrunk. The vessels are
// drawn anew at each size; the two signs are pixel drawings at 32, doubled exactly for 64 and
// smoothly resampled for the others.
#include "tray_sizes.h"

#include "drawings.h"
#include "palette.h"

namespace {

constexpr int kTraySizes[] = {16, 22, 24, 48, 64};

QImage resampledSign(const QImage &sign, int size) {
  const Qt::TransformationMode mode =
      size % sign.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
  return sign.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

} // namespace

void addTraySizes(QList<Picture> &out) {
  QStringList present;
  for (const Picture &pic : out)
    present.append(pic.name);
  auto add = [&](const QString &name, int size, const QImage &drawing) {
    const QString sized = name + QStringLiteral("_%1").arg(size);
    if (!present.contains(sized))
      out.append({sized, pal::toPalette16(drawing), true});
  };
  const Cycle cycles[] = {Cycle::Emotional, Cycle::Intellectual, Cycle::Physical};
  const QString trayNames[] = {QStringLiteral("tray21"), QStringLiteral("tray22"),
                               QStringLiteral("tray23")};
  for (int size : kTraySizes) {
    for (int i = 0; i < 3; ++i) {
      for (int step = 0; step <= 10; ++step)
        add(cycleName(cycles[i]) + QString::number(step), size, levelIcon(cycles[i], step, size));
      add(trayNames[i], size, initialTrayIcon(cycles[i], size));
    }
    add(QStringLiteral("happy"), size, resampledSign(happyIcon(), size));
    add(QStringLiteral("attenti"), size, resampledSign(attentionIcon(), size));
  }
}
