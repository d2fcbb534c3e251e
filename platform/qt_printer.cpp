#include "platform/printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

class QtPrinter final : public Printer {
public:
  void printPage(const QString &documentName, const PageDrawer &draw) override {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
      throw EPrinter(noDefaultPrinterText());
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
      throw EPrinter("Printing failed: the printer did not accept the document");
    // Keeps the window's picture sharp: the PDF engine would store it as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    draw(painter, printer.logicalDpiX(), printer.logicalDpiY());
    if (!painter.end())
      throw EPrinter("Printing failed: the document could not be completed");
  }
};

} // namespace

const char *noDefaultPrinterText() {
  return "There is no default printer currently selected";
}

std::unique_ptr<Printer> makeDesktopPrinter() {
  return std::make_unique<QtPrinter>();
}

} // namespace platform
