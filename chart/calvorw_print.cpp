// Printing the chart: the window's image, white and without its button row,
// on one page of the default printer at its size on screen.
#include "chart/calvorw.h"

#include "platform/colors.h"
#include "platform/environment.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Stand-in until the printer joins the environment.
void printPage(const QImage &image) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull())
    throw std::runtime_error("There is no default printer currently selected");
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString());
  QPainter painter(&printer);
  painter.setRenderHint(QPainter::LosslessImageRendering);
  const double sx = printer.logicalDpiX() / 96.0, sy = printer.logicalDpiY() / 96.0;
  painter.drawImage(QRectF(0, 0, image.width() * sx, image.height() * sy), image);
}

} // namespace

void TForm2::BitBtn2Click() {
  setColor(Qt::white);
  butpan->hide();
  for (TBitBtn *button : {BitBtn2, BitBtn5, BitBtn4, BitBtn6})
    button->hide();
  repaint();
  try {
    ChartDay = ChartStart;
    DrawGrid();
    DrawChart();
    // The window's image: the surface with the grid and curves, and every
    // visible control on it.
    printPage(grab().toImage());
  } catch (...) {
    // A failed print leaves the window as a successful one does.
    try {
      restoreAfterPrint();
    } catch (...) {
      // The first error is the one the user hears of.
    }
    throw;
  }
  restoreAfterPrint();
}

void TForm2::restoreAfterPrint() {
  setColor(platform::toQColor(platform::clSilver));
  butpan->show();
  for (TBitBtn *button : {BitBtn2, BitBtn5, BitBtn4, BitBtn6})
    button->show();
  ChartDay = ChartStart;
  repaint();
  DrawGrid();
  DrawChart();
}
