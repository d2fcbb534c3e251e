// Printing the chart: the window's image, white and without its button row,
// on one page of the default printer at its size on screen.
#include "chart/content_window.h"

#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/printer.h"

#include <QPainter>
#include <QPointer>

namespace {

// One page with the image at the top left of the printable area, scaled by
// the printer's resolution against the window's 96 dots per inch so that it
// keeps its size on screen. No printer in the environment is no default
// printer.
void printPage(const QImage &image, platform::Printer *printer) {
  if (!printer)
    throw platform::EPrinter(platform::noDefaultPrinterText());
  printer->printPage(QString(), [&image](QPainter &painter, int dpiX, int dpiY) {
    const QRectF target(0, 0, image.width() * dpiX / 96.0, image.height() * dpiY / 96.0);
    painter.drawImage(target, image);
  });
}

} // namespace

void ContentWindow::printChart() {
  // Hiding the row takes the focus from its button: it is given back after.
  const QPointer<QWidget> focused = focusWidget();
  auto giveFocusBack = [&focused] {
    if (focused)
      focused->setFocus(Qt::OtherFocusReason);
  };
  setColor(Qt::white);
  chartButtonRow->hide();
  for (GlyphButton *button : {printButton, priorMonthButton, closeChartButton, nextMonthButton})
    button->hide();
  repaint();
  try {
    currentChartDay = shownChartStart;
    drawGrid();
    drawChart();
    // The window's image: the surface with the grid and curves, and every
    // visible control on it.
    printPage(grab().toImage(), env_.printer);
  } catch (...) {
    // A failed print leaves the window as a successful one does.
    try {
      restoreAfterPrint();
    } catch (...) {
      // The first error is the one the user hears of.
    }
    giveFocusBack();
    throw;
  }
  restoreAfterPrint();
  giveFocusBack();
}

void ContentWindow::restoreAfterPrint() {
  setColor(platform::toQColor(platform::clSilver));
  chartButtonRow->show();
  for (GlyphButton *button : {printButton, priorMonthButton, closeChartButton, nextMonthButton})
    button->show();
  currentChartDay = shownChartStart;
  repaint();
  drawGrid();
  drawChart();
}
